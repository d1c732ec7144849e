// Ashmoor's block values as the player's collision and loop passes read them.
#include "zones/ashmoor/Values.h"

namespace orvane {

namespace {

// Ash Moor's block shapes: its tile sets are numbered differently, and it has no wall-only blocks.
constexpr ValueSet kEmpty{0, 18, 19, 28, 32, 33, 45, 46, 54, 55, 60, 61};
constexpr ValueSet kFull{{1, 14}};
constexpr ValueSet kPlatform{{15, 17}, {29, 31}, {42, 44}, {51, 53}};
constexpr ValueSet kStepLeftHigh{20, 34, 47, 56};
constexpr ValueSet kStepLow64{21, 35, 48, 57};
constexpr ValueSet kStepRightHigh{22, 36, 49, 58};
constexpr ValueSet kStep96Low64{23, 37, 50, 59};
constexpr ValueSet kSlopeUpUpper{24, 38};
constexpr ValueSet kSlopeUpLower{25, 39};
constexpr ValueSet kSlopeDownUpper{26, 40};
constexpr ValueSet kSlopeDownLower{27, 41};
constexpr ValueSet kLoopEnd{64};

}  // namespace

CollisionTables AshmoorCollision() {
  return {
      .pushLeftAbove = {{1, 17}, {20, 27}},
      .pushRightAbove = {{1, 17}},

      // Only the last tile set's left-high step stands on the block below; the first falling
      // slope's lower piece has a fall line of its own there instead of the edge test.
      .belowFlat = kFull,
      .belowStepLeftHigh = {56},
      .belowStepRightHigh = kStepRightHigh,
      .belowSlopeUp = kSlopeUpUpper,
      .belowSlopeDown = kSlopeDownUpper,
      .belowEdge = kEmpty.Union(kPlatform).Union(kStepLow64).Union(kStep96Low64).Union(kSlopeUpLower)
                       .Union({41}),
      .belowSlopeDownLower = {27},

      .ownEdge = kEmpty.Union(kLoopEnd),
      .ownPlatform = kPlatform,
      .ownStepLeftHigh = kStepLeftHigh,
      .ownStepRightHigh = kStepRightHigh,
      .ownStepLow64 = kStepLow64,
      .ownStep96Low64 = kStep96Low64,
      .ownSlopeUpUpper = kSlopeUpUpper,
      .ownSlopeUpLower = kSlopeUpLower,
      .ownSlopeDownUpper = kSlopeDownUpper,
      .ownSlopeDownLower = kSlopeDownLower,

      .rightWallFull = kFull.Union(kStepLeftHigh),
      .rightWallBelow64 = kPlatform.Union(kStepLow64),
      .rightWallBelow64Open = kSlopeUpLower.Union(kSlopeDownUpper),
      .rightWallBelow32 = kStepRightHigh,
      .rightWallBelow96 = kStep96Low64,

      .leftWallFull = kFull.Union(kStepRightHigh),
      .leftWallBelow64 = kPlatform.Union(kStep96Low64),
      .leftWallBelow64Open = {24, 27},
      .leftWallBelow32 = kStepLeftHigh,
      .leftWallBelow96 = kStepLow64,

      .headBump = {{1, 17}, {20, 27}},

      .belowRightWall = kFull.Union(kStepLeftHigh),
      .belowRightOpenBelow = kSlopeUpUpper.Union(kSlopeDownLower),
      .belowLeftWall = kFull.Union(kStepRightHigh),
      .belowLeftOpenBelow = kSlopeUpLower.Union(kSlopeDownUpper),
  };
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
