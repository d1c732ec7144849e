#include <iostream>

#include "tools/runfind/RunFind.h"

int main(int argc, char** argv) {
  return orvane::RunRunFind(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
