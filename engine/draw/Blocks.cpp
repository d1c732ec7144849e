// The two block layers: the main layer behind the items and the player, the foreground over them.
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {
constexpr int kHalf = 64;
// The main layer considers a cell only while its screen x is strictly inside this window.
constexpr Number kWindowLeft = -256;
constexpr Number kWindowRight = 512;
constexpr int kAnimatedForeground = 1;
constexpr int kLastFullForeground = 9;
constexpr int kFirstHalfForeground = 10;
constexpr int kLastHalfForeground = 15;

platform::Rect TileRect(int tile, int height) { return {0, tile * kBlock, kBlock, tile * kBlock + height}; }
}  // namespace

void ZoneForm::DrawBlockLayer() {
  constexpr int kSecondColumn = decltype(TileTable)::kSize / 2;
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      const Number sx = c * kBlock - CameraX;
      if (!(kWindowLeft < sx && sx < kWindowRight)) continue;
      const int v = BlockMap[r * kMapColumns + c];
      if (v == 0) continue;
      const Number sy = r * kBlock - CameraY;
      const BlockDrawKind kind = v <= zone_.tileRows ? zone_.blocks.kind[static_cast<size_t>(v)] : BlockDrawKind::None;
      const int t1 = TileTable[v - 1], t2 = TileTable[kSecondColumn + v - 1];
      switch (kind) {
        case BlockDrawKind::Full:
          Place(BlockSheet, TileRect(t1, kBlock), sx, sy);
          break;
        case BlockDrawKind::Double:
          Place(BlockSheet, TileRect(t1, kBlock), sx, sy);
          Place(BlockSheet, TileRect(t2, kBlock), sx, sy);
          break;
        case BlockDrawKind::Half:
          Place(BlockSheet, TileRect(t1, kHalf), sx, sy + kHalf);
          break;
        case BlockDrawKind::FullPlusHalf:
          Place(BlockSheet, TileRect(t1, kBlock), sx, sy);
          Place(BlockSheet, TileRect(t2, kHalf), sx, sy + kHalf);
          break;
        case BlockDrawKind::None:
          break;
      }
    }
  }
}

void ZoneForm::DrawForeground() {
  for (int r = 0; r < kMapRows; ++r) {
    for (int c = 0; c < kMapColumns; ++c) {
      const int v = BlockMap2[r * kMapColumns + c];
      if (v == 0) continue;
      const Number sx = c * kBlock - CameraX, sy = r * kBlock - CameraY;
      if (v == kAnimatedForeground && zone_.blocks.animatedForeground) {
        Place(ForeSheet, TileRect(TileFrame, kBlock), sx, sy);
      } else if (v <= kLastFullForeground) {
        Place(ForeSheet, TileRect(v - 1, kBlock), sx, sy);
      } else if (v >= kFirstHalfForeground && v <= kLastHalfForeground) {
        Place(ForeSheet, TileRect(v - kFirstHalfForeground, kHalf), sx, sy + kHalf);
      }
    }
  }
}

}  // namespace orvane
