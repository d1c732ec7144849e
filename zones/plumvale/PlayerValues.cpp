// Plumvale's block values as the player's collision and loop passes read them.
#include "zones/plumvale/Values.h"

namespace orvane {

namespace {

// Plum Vale's block shapes; each shape comes in up to four tile sets.
constexpr ValueSet kEmpty{0, {4, 8}, 19, {21, 25}, 34, 35, {37, 41}, 50, {52, 56}};
constexpr ValueSet kFull{1, 2};
constexpr ValueSet kPlatform{3, 20, 36, 51};
constexpr ValueSet kStepLeftHigh{9, 26, 42, 57};
constexpr ValueSet kStepLow64{10, 27, 43, 58};
constexpr ValueSet kStepRightHigh{11, 28, 44, 59};
constexpr ValueSet kStep96Low64{12, 29, 45, 60};
constexpr ValueSet kSlopeUpUpper{13, 30, 46, 61};
constexpr ValueSet kSlopeUpLower{14, 31, 47, 62};
constexpr ValueSet kSlopeDownUpper{15, 32, 48, 63};
constexpr ValueSet kSlopeDownLower{16, 33, 49, 64};
constexpr ValueSet kWallOnly{17, 18};
constexpr ValueSet kLoopEnd{67};

}  // namespace

CollisionTables PlumvaleCollision() {
  return {
      .pushLeftAbove = {{1, 3}, {20, 27}},
      .pushRightAbove = {{1, 17}},

      .belowFlat = kFull,
      .belowStepLeftHigh = kStepLeftHigh,
      .belowStepRightHigh = kStepRightHigh,
      .belowSlopeUp = kSlopeUpUpper,
      .belowSlopeDown = kSlopeDownUpper,
      .belowEdge = kEmpty.Union(kPlatform).Union(kStepLow64).Union(kStep96Low64).Union(kSlopeUpLower)
                       .Union(kSlopeDownLower),
      .belowSlopeDownLower = {},

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

      .rightWallFull = kFull.Union(kStepLeftHigh).Union(kWallOnly),
      .rightWallBelow64 = kPlatform.Union(kStepLow64),
      .rightWallBelow64Open = kSlopeUpLower.Union(kSlopeDownUpper),
      .rightWallBelow32 = kStepRightHigh,
      .rightWallBelow96 = kStep96Low64,

      .leftWallFull = kFull.Union(kStepRightHigh).Union(kWallOnly),
      .leftWallBelow64 = kPlatform.Union(kStep96Low64),
      .leftWallBelow64Open = kSlopeUpUpper.Union(kSlopeDownLower),
      .leftWallBelow32 = kStepLeftHigh,
      .leftWallBelow96 = kStepLow64,

      .headBump = kFull.Union(kPlatform),

      .belowRightWall = kFull.Union(kStepLeftHigh),
      .belowRightOpenBelow = kSlopeUpUpper.Union(kSlopeDownLower),
      .belowLeftWall = kFull.Union(kStepRightHigh),
      .belowLeftOpenBelow = kSlopeUpLower.Union(kSlopeDownUpper),
  };
}

LoopTables PlumvaleLoops() {
  // The open left-hand neighbours are the list both zone programs share; here it holds empty values
  // (0, 19, 54, 55), the wall-only block 18, the steps 28 and 60 and the slope pieces 61 and 62.
  const ValueSet empty{0, {4, 8}, 19, {21, 25}, 34, 35, {37, 41}, 50, {52, 56}};
  return {.lowerLeft = 65,
          .upperLeft = 66,
          .loopEnd = 67,
          .empty = empty,
          .openRight = empty,
          .keepsRightPipe = {{62, 255}},
          .openLeft = {0, 18, 19, 28, 54, 55, 60, 61, 62},
          .openAbove = {0, 66},
          .keepsCeiling = {63}};
}

}  // namespace orvane
