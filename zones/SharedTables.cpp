#include "zones/SharedTables.h"

#include "engine/core/Vocabulary.h"
#include "engine/objects/ItemRules.h"

namespace orvane {

CollisionTables CollisionFromShapes(const ZoneFacts& zone) {
  const BlockShapes& s = zone.shapes;
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

      .ownEdge = s.empty.Union({zone.loop.end}),
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
  t.rules[kind::kRing] = Ring;
  t.rules[kind::kSparkle] = Sparkle;
  for (int k = kind::kFirstBox; k <= kind::kLastBox; ++k) t.rules[k] = ItemBox;
  t.rules[kind::kHazardBlock] = HazardBlock;
  t.rules[kind::kSideHazard] = SideHazard;
  t.rules[kind::kSpringUp] = SpringUp;
  t.rules[kind::kSpringRight] = SpringRight;
  t.rules[kind::kSpringLeft] = SpringLeft;
  t.rules[kind::kSpringDown] = SpringDown;
  t.rules[kind::kLampPost] = LampPost;
  t.rules[kind::kPlatform] = Platform;
  t.rules[kind::kPatrolEnemy] = PatrolEnemy;

  t.pictures[kind::kRing] = ItemPicture::Ring;
  t.pictures[kind::kSparkle] = ItemPicture::Sparkle;
  for (int k = kind::kFirstBox; k <= kind::kOpenedBox; ++k) t.pictures[k] = ItemPicture::Box;
  // the hazards and the springs, and the kinds between them, share one strip of pictures
  for (int k = kind::kHazardBlock; k < kind::kLampPost; ++k) t.pictures[k] = ItemPicture::Strip;
  t.pictures[kind::kLampPost] = ItemPicture::LampPost;
  t.pictures[kind::kPlatform] = ItemPicture::Platform;
  t.pictures[kind::kTallPicture] = ItemPicture::TallPicture;
  t.pictures[kind::kSmallPicture] = ItemPicture::SmallPicture;
  t.pictures[kind::kPatrolEnemy] = ItemPicture::PatrolEnemy;

  t.hasHoppingEnemies = false;
  return t;
}

}  // namespace orvane
