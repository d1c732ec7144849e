// Ashmoor's block values as the player's collision and loop passes read them.
#include "zones/SharedTables.h"
#include "zones/ashmoor/Values.h"

namespace orvane {

namespace {

// Ash Moor's block shapes: its tile sets are numbered differently, and it has no wall-only blocks.
const BlockShapes kShapes{
    .empty = {0, 18, 19, 28, 32, 33, 45, 46, 54, 55, 60, 61},
    .full = {{1, 14}},
    .platform = {{15, 17}, {29, 31}, {42, 44}, {51, 53}},
    .stepLeftHigh = {20, 34, 47, 56},
    .stepLow64 = {21, 35, 48, 57},
    .stepRightHigh = {22, 36, 49, 58},
    .step96Low64 = {23, 37, 50, 59},
    .slopeUpUpper = {24, 38},
    .slopeUpLower = {25, 39},
    .slopeDownUpper = {26, 40},
    .slopeDownLower = {27, 41},
    .wallOnly = {},
    .loopEnd = {64},
};

}  // namespace

CollisionTables AshmoorCollision() {
  CollisionTables t = CollisionFromShapes(kShapes);
  t.pushLeftAbove = {{1, 17}, {20, 27}};
  t.pushRightAbove = {{1, 17}};
  t.headBump = {{1, 17}, {20, 27}};
  // Only the last tile set's left-high step stands on the block below; the first falling slope's
  // lower piece has a fall line of its own there instead of the edge test.
  t.belowStepLeftHigh = {56};
  t.belowEdge = kShapes.empty.Union(kShapes.platform).Union(kShapes.stepLow64).Union(kShapes.step96Low64)
                    .Union(kShapes.slopeUpLower).Union({41});
  t.belowSlopeDownLower = {27};
  // only the first tile set's pieces leave the low wall on the left open
  t.leftWallBelow64Open = {24, 27};
  return t;
}

LoopTables AshmoorLoops() {
  return {.lowerLeft = 62,
          .upperLeft = 63,
          .loopEnd = 64,
          .empty = {0, 18, 19, 28, 60, 61},
          .openRight = {0, 18, 19, 28, 60},
          .keepsRightPipe = {{62, 255}},
          .openLeft = {0, 18, 19, 28, 54, 55, 60, 61, 62},
          .openAbove = {0, 63},
          .keepsCeiling = {63}};
}

}  // namespace orvane
