// levelwrite DIR: compiles the level texts and writes the level files below
// DIR as the data generator does, without the pictures and sounds.
#include "assets/common/Generators.h"
#include "tools/common/CommandLine.h"

namespace {

constexpr orvane::tools::ToolUsage kUsage = {"levelwrite",
    "usage: levelwrite DIR\n"
    "Compiles the level texts and writes the level files below DIR (DIR/Data/Data/...).\n"};

}  // namespace

int main(int argc, char** argv) {
  return orvane::tools::RunOnLoneOperand(kUsage, "DIR", argc, argv,
                                         [](const std::filesystem::path& dir) { assets::WriteLevels(dir); });
}
