// levelwrite DIR: compiles the level texts and writes the level files below
// DIR as the data generator does, without the pictures and sounds.
#include <cstdio>
#include <exception>

#include "assets/common/Generators.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: levelwrite DIR\n");
    return 2;
  }
  try {
    assets::WriteLevels(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "levelwrite: %s\n", e.what());
    return 1;
  }
  return 0;
}
