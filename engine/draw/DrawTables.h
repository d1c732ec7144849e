// How a zone program draws its block values and scrolls its background bands.
#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// The pieces a block value is drawn from (T1 and T2 are its two tile numbers).
enum class BlockDrawKind : uint8_t {
  None,          // nothing drawn
  Full,          // tile T1 over the whole cell
  Double,        // tile T1, then tile T2 over it
  Half,          // the top half of T1 in the lower half of the cell
  FullPlusHalf,  // tile T1, then the top half of T2 in the lower half
};

struct BlockDrawTables {
  std::array<BlockDrawKind, 256> kind{};
  // Foreground value 1 animates through the first four foreground rows with TileFrame.
  bool animatedForeground = true;
};

struct ParallaxTables {
  // Horizontal divisor of bands 1..7 (index 0 unused) and the vertical divisor.
  std::array<double, 8> divisor{};
  double verticalDivisor = 1;
  // Band 8: its own offset CameraX / band8Divisor, or, when band8CopiesBand7, band 7's offset.
  double band8Divisor = 2;
  bool band8CopiesBand7 = false;
  // Band 9 takes band 8's offset (first zone only).
  bool hasBand9 = true;
  // Self-motion of bands 1..3 per frame (index 0 unused).
  std::array<double, 4> driftPerFrame{};
  // Highest background value drawn, and how far each value's cells are lifted.
  int maxValue = 9;
  std::array<double, 16> lift{};
};

}  // namespace orvane
