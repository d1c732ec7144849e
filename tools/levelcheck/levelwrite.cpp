// levelwrite DIR: compiles the level texts and writes the level files below
// DIR as the data generator does, without the pictures and sounds.
#include <cstdio>
#include <exception>

#include "assets/common/Generators.h"
#include "tools/common/CommandLine.h"

namespace {

constexpr orvane::tools::ToolUsage kUsage = {"levelwrite",
    "usage: levelwrite DIR\n"
    "Compiles the level texts and writes the level files below DIR (DIR/Data/Data/...).\n"};

}  // namespace

int main(int argc, char** argv) {
  const auto dir = orvane::tools::ReadLoneOperand(kUsage, "DIR", argc, argv);
  if (const int* status = std::get_if<int>(&dir)) return *status;
  try {
    assets::WriteLevels(std::get<std::string>(dir));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "levelwrite: %s\n", e.what());
    return 1;
  }
  return 0;
}
