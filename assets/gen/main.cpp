// orvane-gen GAME_DIR: writes every data file of the installation below GAME_DIR.
// The configuration file Data/Orvane.cfg is never written here: it holds the player's progress.
#include "assets/common/Generators.h"
#include "tools/common/CommandLine.h"

namespace {

constexpr orvane::tools::ToolUsage kUsage = {"orvane-gen",
    "usage: orvane-gen GAME_DIR\n"
    "Writes every data file of the installation below GAME_DIR (never Data/Orvane.cfg).\n"};

}  // namespace

int main(int argc, char** argv) {
  // An option is never a folder: `orvane-gen --help` once wrote a whole game into "--help".
  return orvane::tools::RunOnLoneOperand(kUsage, "GAME_DIR", argc, argv, [](const std::filesystem::path& game) {
    assets::WriteArt(game);
    assets::WriteSounds(game);
    assets::WriteLevels(game);
  });
}
