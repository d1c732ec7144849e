// LevelMapLoad: the act's tile table, background map, both block layers and item list, read into
// their tables. The same routine serves the first load and every reload after a death or an act
// change; the curve table is read once by the start-up.
#include "engine/core/DataFiles.h"

#include <string>

#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"
#include "platform/system/Error.h"
#include "platform/system/InputFile.h"

namespace orvane {

// DataFiles.h keeps its sizes in bytes without the vocabulary, so that every file including it does
// not see the game's words; they must still agree.
static_assert(kBlockLayerBytes == static_cast<size_t>(kMapRows * kMapColumns));

std::vector<uint8_t> ReadDataFile(const std::filesystem::path& path, size_t size) {
  const platform::InputFile file(path, "file");
  std::vector<uint8_t> bytes = file.Read(0, size);
  if (bytes.size() < size)
    file.Fail("file is " + std::to_string(bytes.size()) + " bytes, expected " + std::to_string(size));
  return bytes;
}

void ZoneForm::LevelMapLoad() {
  const int n = zone_.tileRows;
  const ZoneFiles& files = zone_.files;

  const auto tiles = ReadDataFile(folder_ / files.tiles, static_cast<size_t>(2 * n));
  for (int i = 0; i < n; ++i) {
    TileTable[i] = tiles[static_cast<size_t>(i)];
    TileTable[TileTable.kSize / 2 + i] = tiles[static_cast<size_t>(n + i)];
  }

  const auto back = ReadDataFile(folder_ / files.backMap, kBackMapFileSize);
  for (size_t i = 0; i < kBackMapFileSize; ++i) BackMap[static_cast<int>(i)] = back[i];

  if (ActIndex < 0 || ActIndex >= zone_.actCount)
    platform::Fail(std::string(zone_.program) + ": act " + std::to_string(ActIndex) + " does not exist");
  const size_t act = static_cast<size_t>(ActIndex);
  const auto map = ReadDataFile(folder_ / files.actMap.at(act), kBlockMapFileSize);
  for (size_t i = 0; i < kBlockLayerBytes; ++i) {
    BlockMap[static_cast<int>(i)] = map[i];
    BlockMap2[static_cast<int>(i)] = map[kSecondLayerOffset + i];
  }

  const std::filesystem::path itemPath = folder_ / files.actItems.at(act);
  const auto items = ReadDataFile(itemPath, kItemFileSize);
  for (int i = 0; i < static_cast<int>(kItemRecords); ++i) {
    const uint8_t* rec = &items[static_cast<size_t>(i) * kItemRecordBytes];
    ItemKind[i] = rec[0];
    ItemXHigh[i] = rec[1];
    ItemXLow[i] = rec[2];
    ItemYHigh[i] = rec[3];
    ItemYLow[i] = rec[4];
    const int x = rec[1] * 128 + rec[2], y = rec[3] * 128 + rec[4];
    if (x > 32767 || y > 32767)
      platform::Fail(itemPath.string() + ": record " + std::to_string(i) + ": item position (" + std::to_string(x) +
                     ", " + std::to_string(y) + ") is beyond 32767");
    ItemX[i] = static_cast<int16_t>(x);
    ItemY[i] = static_cast<int16_t>(y);
  }

  if (Running == 0) RunZone();
}

}  // namespace orvane
