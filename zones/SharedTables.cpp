#include "zones/SharedTables.h"

#include "engine/objects/ItemRules.h"

namespace orvane {

CollisionTables CollisionFromShapes(const BlockShapes& s) {
  return {
      .pushLeftAbove = {},
      .pushRightAbove = {},

      .belowFlat = s.full,
      .belowStepLeftHigh = s.stepLeftHigh,
      .belowStepRightHigh = s.stepRightHigh,
      .belowSlopeUp = s.slopeUpUpper,
      .belowSlopeDown = s.slopeDownUpper,
      .belowEdge = s.empty.Union(s.platform).Union(s.stepLow64).Union(s.step96Low64).Union(s.slopeUpLower)
                       .Union(s.slopeDownLower),
      .belowSlopeDownLower = {},

      .ownEdge = s.empty.Union(s.loopEnd),
      .ownPlatform = s.platform,
      .ownStepLeftHigh = s.stepLeftHigh,
      .ownStepRightHigh = s.stepRightHigh,
      .ownStepLow64 = s.stepLow64,
      .ownStep96Low64 = s.step96Low64,
      .ownSlopeUpUpper = s.slopeUpUpper,
      .ownSlopeUpLower = s.slopeUpLower,
      .ownSlopeDownUpper = s.slopeDownUpper,
      .ownSlopeDownLower = s.slopeDownLower,

      .rightWallFull = s.full.Union(s.stepLeftHigh).Union(s.wallOnly),
      .rightWallBelow64 = s.platform.Union(s.stepLow64),
      .rightWallBelow64Open = s.slopeUpLower.Union(s.slopeDownUpper),
      .rightWallBelow32 = s.stepRightHigh,
      .rightWallBelow96 = s.step96Low64,

      .leftWallFull = s.full.Union(s.stepRightHigh).Union(s.wallOnly),
      .leftWallBelow64 = s.platform.Union(s.step96Low64),
      .leftWallBelow64Open = s.slopeUpUpper.Union(s.slopeDownLower),
      .leftWallBelow32 = s.stepLeftHigh,
      .leftWallBelow96 = s.stepLow64,

      .headBump = {},

      .belowRightWall = s.full.Union(s.stepLeftHigh),
      .belowRightOpenBelow = s.slopeUpUpper.Union(s.slopeDownLower),
      .belowLeftWall = s.full.Union(s.stepRightHigh),
      .belowLeftOpenBelow = s.slopeUpLower.Union(s.slopeDownUpper),
  };
}

ItemTables CommonItems() {
  using namespace items;
  ItemTables t;
  t.rules[1] = Ring;
  t.rules[2] = Sparkle;
  for (int kind = 3; kind <= 11; ++kind) t.rules[kind] = ItemBox;
  t.rules[13] = HazardBlock;
  t.rules[15] = SideHazard;
  t.rules[17] = SpringUp;
  t.rules[18] = SpringRight;
  t.rules[19] = SpringLeft;
  t.rules[20] = SpringDown;
  t.rules[24] = LampPost;
  t.rules[25] = Platform;
  t.rules[29] = PatrolEnemy;

  t.pictures[1] = ItemPicture::Ring;
  t.pictures[2] = ItemPicture::Sparkle;
  for (int kind = 3; kind <= 12; ++kind) t.pictures[kind] = ItemPicture::Box;
  for (int kind = 13; kind <= 23; ++kind) t.pictures[kind] = ItemPicture::Strip;
  t.pictures[24] = ItemPicture::LampPost;
  t.pictures[25] = ItemPicture::Platform;
  t.pictures[26] = ItemPicture::TallPicture;
  t.pictures[28] = ItemPicture::SmallPicture;
  t.pictures[29] = ItemPicture::PatrolEnemy;

  t.hasHoppingEnemies = false;
  return t;
}

}  // namespace orvane
