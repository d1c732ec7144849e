#include <iostream>

#include "tools/mapview/MapView.h"

int main(int argc, char** argv) {
  return orvane::RunMapView(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
