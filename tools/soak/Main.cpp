#include <iostream>

#include "tools/soak/Soak.h"

int main(int argc, char** argv) {
  return orvane::RunSoak(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
