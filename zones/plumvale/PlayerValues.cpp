// Plumvale's block values as the player's collision and loop passes read them.
#include "zones/SharedTables.h"
#include "zones/plumvale/Values.h"

namespace orvane {

namespace {

// Plum Vale's block shapes; each shape comes in up to four tile sets.
constexpr ValueSet kEmpty{0, {4, 8}, 19, {21, 25}, 34, 35, {37, 41}, 50, {52, 56}};
constexpr ValueSet kFull{1, 2};
constexpr ValueSet kPlatform{3, 20, 36, 51};

const BlockShapes kShapes{
    .empty = kEmpty,
    .full = kFull,
    .platform = kPlatform,
    .stepLeftHigh = {9, 26, 42, 57},
    .stepLow64 = {10, 27, 43, 58},
    .stepRightHigh = {11, 28, 44, 59},
    .step96Low64 = {12, 29, 45, 60},
    .slopeUpUpper = {13, 30, 46, 61},
    .slopeUpLower = {14, 31, 47, 62},
    .slopeDownUpper = {15, 32, 48, 63},
    .slopeDownLower = {16, 33, 49, 64},
    .wallOnly = {17, 18},
    .loopEnd = {67},
};

}  // namespace

CollisionTables PlumvaleCollision() {
  CollisionTables t = CollisionFromShapes(kShapes);
  t.pushLeftAbove = {{1, 3}, {20, 27}};
  t.pushRightAbove = {{1, 17}};
  t.headBump = kFull.Union(kPlatform);
  return t;
}

LoopTables PlumvaleLoops() {
  // The open left-hand neighbours are the list both zone programs share; here it holds empty values
  // (0, 19, 54, 55), the wall-only block 18, the steps 28 and 60 and the slope pieces 61 and 62.
  return {.lowerLeft = 65,
          .upperLeft = 66,
          .loopEnd = 67,
          .empty = kEmpty,
          .openRight = kEmpty,
          .keepsRightPipe = {{62, 255}},
          .openLeft = {0, 18, 19, 28, 54, 55, 60, 61, 62},
          .openAbove = {0, 66},
          .keepsCeiling = {63}};
}

}  // namespace orvane
