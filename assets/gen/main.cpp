// orvane-gen GAME_DIR: writes every data file of the installation below GAME_DIR.
// The configuration file Data/Orvane.cfg is never written here: it holds the player's progress.
#include <cstdio>
#include <exception>

#include "assets/common/Generators.h"
#include "tools/common/CommandLine.h"

namespace {

constexpr orvane::tools::ToolUsage kUsage = {"orvane-gen",
    "usage: orvane-gen GAME_DIR\n"
    "Writes every data file of the installation below GAME_DIR (never Data/Orvane.cfg).\n"};

}  // namespace

int main(int argc, char** argv) {
  // An option is never a folder: `orvane-gen --help` once wrote a whole game into "--help".
  const auto dir = orvane::tools::ReadLoneOperand(kUsage, "GAME_DIR", argc, argv);
  if (const int* status = std::get_if<int>(&dir)) return *status;
  try {
    const std::filesystem::path game = std::get<std::string>(dir);
    assets::WriteArt(game);
    assets::WriteSounds(game);
    assets::WriteLevels(game);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane-gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
