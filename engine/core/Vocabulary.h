// The game's words: the values its flags, states and kinds take, the size of a block and of an act's
// map, and where an act's fixed scenery stands. The engine, the zone tables, the data generator, the
// tools and the tests all say these the same way, from here.
#pragma once

#include <cstdint>

#include "engine/core/ValueSet.h"

namespace orvane {

// ---- flags ----------------------------------------------------------------------------------------
// Keys and most flags are on at -1 (JumpPressed, Airborne, Flying, Invulnerable, ...); a few are set
// at 1 (OnCurve, Rolling, Dying, ControlOn, ...). Off is 0 for both.
inline constexpr int16_t kOn = -1;
inline constexpr int16_t kSet = 1;

// ---- the act's map --------------------------------------------------------------------------------
inline constexpr int kBlock = 128;        // a block is 128 x 128 pixels
inline constexpr int kMapColumns = 78;    // the block maps' row length
inline constexpr int kMapRows = 10;
inline constexpr int kWorldWidth = kMapColumns * kBlock;  // 9984
inline constexpr int kWorldHeight = kMapRows * kBlock;    // 1280

// The player's centre point, from the sprite's top-left corner: the loop riding and the world limits
// work on it (SensorX, SensorY).
inline constexpr double kCentreX = 20;
inline constexpr double kCentreY = 19;

// ---- the player -----------------------------------------------------------------------------------
// Facing is the x of the sheet's column: 40 faces right. Kubo's sheet (FacingAlt) is 43 wide.
inline constexpr int16_t kFacingRight = 40;
inline constexpr int16_t kFacingLeft = 0;
inline constexpr int16_t kFacingAltRight = 43;
inline constexpr int16_t kFacingAltLeft = 0;

// Character
inline constexpr uint8_t kZinto = 0;
inline constexpr uint8_t kKubo = 1;

// The player's box in the world, from its position (PlayerX, PlayerY).
inline constexpr int kPlayerWidth = 40;
inline constexpr int kPlayerHeight = 38;

// The cells of the player sheets, one frame a row: Zinto's are taken 4 rows taller while dying; the
// poses on a curve have sheets of their own.
inline constexpr int kZintoCellW = 40;
inline constexpr int kZintoCellH = 38;
inline constexpr int kZintoDyingExtraRows = 4;
inline constexpr int kKuboCellW = 43;
inline constexpr int kKuboCellH = 32;
inline constexpr int kCurveCell = 44;

// SurfaceMode: which way the ground under the player faces.
namespace surface {
inline constexpr int16_t kFloor = 0;
inline constexpr int16_t kRightWall = 1;
inline constexpr int16_t kCeiling = 2;
inline constexpr int16_t kStill = 3;
inline constexpr int16_t kLeftWall = 4;
inline constexpr int16_t kLastLeftWall = 5;
}  // namespace surface

// LoopState: which half of a loop is live.
namespace loop {
inline constexpr int16_t kRightHalf = 0;   // outside a loop, or on the way up its right half
inline constexpr int16_t kLeftHalf = 1;    // on the way down the left half
inline constexpr int16_t kOverTop = 2;     // on the top, heading back left
inline constexpr int16_t kBothHalves = 5;  // left a piece at floor level: both halves are live
}  // namespace loop

// SpinState: the spin start on the spot.
namespace spin {
inline constexpr int16_t kNone = 0;
inline constexpr int16_t kCrouching = 1;
inline constexpr int16_t kCharging = 2;
}  // namespace spin

// PlayerAnim
namespace anim {
enum Anim : int16_t {
  kStanding = 0,
  kWalking = 1,
  kRunning = 2,
  kBall = 3,
  kSkidding = 4,
  kHurt = 5,
  kSprung = 6,
  kCrouching = 7,
  kCharging = 8,
  kFlying = 9,
  kFlyingTired = 10,
  kDead = 11,
};
}  // namespace anim

// ---- the second block layer -----------------------------------------------------------------------
// Its loop markers and sinking sand mean the same in both zones.
namespace fore {
inline constexpr int kLowerRight = 6;    // the lower-right quarter of a loop or a lone pipe
inline constexpr int kUpperRight = 7;
inline constexpr int kLoopStart = 8;
inline constexpr int kHoldsCeiling = 9;  // keeps a rider on the ceiling of the block below
inline constexpr int kFirstPiece = 6;    // values below this hold no right-hand piece
inline constexpr ValueSet kSandToTop{1, 4};  // sand up to the block's top
inline constexpr ValueSet kSandLow{10, 13};  // sand up to 70 pixels below the block's top
}  // namespace fore

// ---- item kinds -----------------------------------------------------------------------------------
// The value of an entry of ItemKind. Kinds 12, 14, 16 and 23 have a picture but no rule.
namespace kind {
enum Kind : uint8_t {
  kNone = 0,
  kRing = 1,
  kSparkle = 2,  // a collected ring
  kFirstBox = 3,
  kBoxRings = 3,
  kBoxJumpShield = 4,
  kBoxDashShield = 5,
  kBoxBounceShield = 6,
  kBoxBlank = 7,
  kBoxInvincible = 8,
  kLastBox = 11,
  kOpenedBox = 12,
  kHazardBlock = 13,
  kSideHazard = 15,
  kSpringUp = 17,
  kSpringRight = 18,
  kSpringLeft = 19,
  kSpringDown = 20,
  kSpringUpRight = 21,
  kSpringUpLeft = 22,
  kLampPost = 24,
  kPlatform = 25,
  kTallPicture = 26,
  kTopPicture = 27,
  kSmallPicture = 28,
  kPatrolEnemy = 29,
  kHopEnemyA = 30,
  kHopEnemyB = 31,
};
}  // namespace kind

// ---- the act's fixed scenery ----------------------------------------------------------------------
// The end sign stands at kSignX of the act, at the height its zone gives (zones/ZoneFacts.h); the
// capsule closes the zone's last act instead.
inline constexpr int kSignSize = 48;     // square
inline constexpr int kCapsuleSize = 64;  // square
inline constexpr int16_t kSignX[3] = {9800, 9800, 10200};
inline constexpr int16_t kCapsuleX = 9792;
inline constexpr int16_t kCapsuleY = 832;
inline constexpr int16_t kCapsuleAct = 2;

}  // namespace orvane
