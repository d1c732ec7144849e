// orvane-gen GAME_DIR: writes every data file of the installation below GAME_DIR.
// The configuration file Data/Orvane.cfg is never written here: it holds the player's progress.
#include <cstdio>
#include <exception>

#include "assets/common/Generators.h"

int main(int argc, char** argv) {
  // An option is never a folder: `orvane-gen --help` once wrote a whole game into "--help".
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: orvane-gen GAME_DIR\n");
    return 2;
  }
  try {
    const std::filesystem::path game = argv[1];
    assets::WriteArt(game);
    assets::WriteSounds(game);
    assets::WriteLevels(game);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane-gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
