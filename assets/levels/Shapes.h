// What the block values of the two zones mean for the level tools: the shape
// each value gives the ground, which values are loop pieces and markers, and
// where an act's fixed scenery (end sign, capsule, start) stands. The level
// compiler uses it to stand items on the ground; levelcheck uses it to judge
// a compiled act.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/core/DataFiles.h"
#include "engine/core/Vocabulary.h"

namespace levels {

enum class Zone { PlumVale, AshMoor };

// "plumvale" / "ashmoor" (also "pv" / "am"); nullopt for anything else.
std::optional<Zone> ZoneFromName(std::string_view name);
std::string_view ZoneName(Zone zone);

// The map's sizes are the game's own (engine/core/Vocabulary.h).
constexpr int kCols = orvane::kMapColumns;
constexpr int kRows = orvane::kMapRows;
constexpr int kCells = kCols * kRows;
using orvane::kBlock;
using orvane::kWorldHeight;
using orvane::kWorldWidth;
// The files' layout is the one the game reads (engine/core/DataFiles.h).
constexpr int kMapFileSize = static_cast<int>(orvane::kBlockMapFileSize);
constexpr int kForeLayerOffset = static_cast<int>(orvane::kSecondLayerOffset);
constexpr int kItemRecords = static_cast<int>(orvane::kItemRecords);
constexpr int kItemFileSize = static_cast<int>(orvane::kItemFileSize);
constexpr int kCurveEntries = static_cast<int>(orvane::kCurveFileSize);

// The landscape shape of a main-layer block value.
enum class Shape {
  Empty,          // nothing to stand on (also scenery values)
  Full,           // flat top at local y 0
  Platform,       // flat top at local y 64
  StepLeftHigh,   // left half 0, right half 32
  Step64_96,      // left half 64, right half 96
  StepRightHigh,  // left half 32, right half 0
  Step96_64,      // left half 96, right half 64
  RiseUpper,      // rising to the right, upper piece: 68 - x/2
  RiseLower,      // rising to the right, lower piece: 132 - x/2
  FallUpper,      // falling to the right, upper piece: 4 + x/2
  FallLower,      // falling to the right, lower piece: 68 + x/2
  WallOnly,       // stops from the sides, no floor
  LoopLowerLeft,
  LoopUpperLeft,
  LoopEnd,
  Invalid,        // beyond the zone's tile table
};

struct ZoneValues {
  Zone zone;
  int maxMainValue;       // 67 / 64
  uint8_t loopLowerLeft;  // 65 / 62
  uint8_t loopUpperLeft;  // 66 / 63
  uint8_t loopEnd;        // 67 / 64
  std::array<Shape, 256> shape;
  std::array<bool, 256> openRightOfPipe;  // a right-hand pipe launches when its right neighbour is one of these
  // Scenery drawn standing on its cell's floor (trees, bushes, fences, vents), in the main layer and
  // in the foreground: it needs a flat full block under it, or it floats or sinks into a slope.
  std::array<bool, 256> standsInMain;
  std::array<bool, 256> standsInFore;
  int actCount;
};

const ZoneValues& ValuesOf(Zone zone);

// Loop markers in the foreground layer (the same in both zones).
constexpr uint8_t kForeLowerRight = orvane::fore::kLowerRight;
constexpr uint8_t kForeUpperRight = orvane::fore::kUpperRight;
constexpr uint8_t kForeLoopStart = orvane::fore::kLoopStart;
constexpr uint8_t kForeCeilingKeep = orvane::fore::kHoldsCeiling;
constexpr int kMaxForeValue = 15;

// A lone left-hand pipe launches when its left neighbour is one of these (both zones).
bool OpenLeftOfPipe(uint8_t value);

// Sinking-sand markers of the second zone's foreground layer.
bool IsSand(Zone zone, uint8_t foreValue);

// Local y of the block's floor at local x (0..127), or nullopt where the
// block has no floor there. Values below the result are open, at or below
// it solid. May exceed 127 (the lower slope pieces reach into the block below).
std::optional<double> FloorAt(Shape shape, int localX);

// Is the pixel (x, y) of the world inside solid ground? `main` is the
// main layer, 780 bytes, row after row. Loop pieces count as open (their
// inside is hollow), wall-only blocks as solid.
bool SolidAt(const ZoneValues& zone, const uint8_t* main, int x, int y);

// The loop curve: a quarter circle of radius 126 in a 128-pixel block,
// entry i = round(sqrt(126^2 - i^2)) for i = 0..126 and 0 beyond. With the
// full 128 the right-hand wall would reach into the next column and throw
// the rider out of the loop; 126 also lets the rider leave the lower-left
// piece's wall for its floor at the bottom of the loop.
constexpr int kCurveRadius = 126;
int CurveHeight(int i);

// As SolidAt, but loop and pipe pieces are solid outside their curve:
// below the floor of the lower pieces, above the ceiling of the upper ones.
// `fore` is the foreground layer, 780 bytes.
bool SolidWithCurves(const ZoneValues& zone, const uint8_t* main, const uint8_t* fore, int x, int y);

// The fixed scenery of an act.
struct ActScenery {
  int signX, signY;  // orvane::kSignSize square
  bool endsAtCapsule;
  int capsuleX, capsuleY;  // orvane::kCapsuleSize square
};
ActScenery SceneryOf(Zone zone, int act);

}  // namespace levels
