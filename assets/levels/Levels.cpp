#include "assets/levels/Levels.h"

#include <cmath>
#include <fstream>
#include <iterator>

#include "assets/common/Generators.h"

#ifndef ORVANE_LEVELS_DIR
#error "ORVANE_LEVELS_DIR must name the folder of the level texts"
#endif

namespace levels {

const std::vector<ActSource>& Acts() {
  static const std::vector<ActSource> acts = {
      {"pvz1.lvl", "Data/Data/R1/PVZ1"},
      {"amz1.lvl", "Data/Data/R2/AMZ1"},
      {"amz2.lvl", "Data/Data/R2/AMZ2"},
      {"amz3.lvl", "Data/Data/R2/AMZ3"},
  };
  return acts;
}

std::filesystem::path SourceFolder() { return ORVANE_LEVELS_DIR; }

Level LoadLevel(const std::filesystem::path& textFile) {
  std::ifstream in(textFile, std::ios::binary);
  if (!in) throw LevelError(textFile.string() + ": cannot read the level text");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseLevel(text, textFile.filename().string());
}

assets::Bytes CurveFileBytes() {
  assets::Bytes bytes(kCurveEntries);
  for (int i = 0; i < kCurveEntries; ++i) bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(CurveHeight(i));
  return bytes;
}

}  // namespace levels

namespace assets {

void WriteLevels(const std::filesystem::path& game) {
  for (const levels::ActSource& act : levels::Acts()) {
    const levels::Level level = levels::LoadLevel(levels::SourceFolder() / act.textFile);
    WriteFileIfChanged(game / (act.outputBase + ".map"), levels::MapFileBytes(level));
    WriteFileIfChanged(game / (act.outputBase + ".itm"), levels::ItemFileBytes(level));
  }
  WriteFileIfChanged(game / "Data/Data/Qloop.crv", levels::CurveFileBytes());
  WriteFileIfChanged(game / "Ringdepth/Level.map", levels::DemoFloorBytes());
}

}  // namespace assets
