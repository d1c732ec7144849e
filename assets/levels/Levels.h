// The level part of the data generator: the acts of both zones, the loop
// curve and the ring demo's floor.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "assets/common/Files.h"
#include "assets/levels/LevelText.h"

namespace levels {

struct ActSource {
  std::string textFile;    // below the level source folder
  std::string outputBase;  // below the installation folder, without .map / .itm
};

// The acts of the game and where they go.
const std::vector<ActSource>& Acts();

// Folder of the level texts (set by the build).
std::filesystem::path SourceFolder();

// Reads and compiles one level text; throws LevelError naming the file.
Level LoadLevel(const std::filesystem::path& textFile);

// Qloop.crv: the 129 entries of CurveHeight (Shapes.h).
assets::Bytes CurveFileBytes();

// Ringdepth's Level.map: 71 depth rows of 9 cells, cell k at offset k.
assets::Bytes DemoFloorBytes();

}  // namespace levels
