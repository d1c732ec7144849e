#include <iostream>

#include "tools/zonesim/ZoneSim.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return orvane::RunZoneSim(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
