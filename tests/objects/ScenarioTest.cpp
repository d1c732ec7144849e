// The items in real play: the player's own motion and block collision run through Movement, then
// Animation, frame after frame, on a floor built here.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

using platform::Key;
using test::ZoneFixture;

// Row 2 is solid ground: its top is at y 256, so a standing player has PlayerY 218.
constexpr int kGroundRow = 2;
constexpr int kGroundTop = 256;
constexpr double kStandingY = kGroundTop - 38;

void StandOnGround(ZoneFixture& z, double x) {
  z.FillRow(kGroundRow, 1);
  z.Play(x, kStandingY);
}

// One frame as the main loop runs it, without the clock and the drawing.
void Step(ZoneFixture& z, int n = 1) {
  for (int i = 0; i < n; ++i) {
    z->Movement();
    z->Animation();
  }
}

TEST(ItemsInPlay, RunningIntoABoxPushesOutAndRollingIntoItOpensIt) {
  ZoneFixture walk;
  StandOnGround(walk, 1000);
  walk.SetItem(0, kind::kBoxRings, 1100, kGroundTop - 32);
  walk.Hold({Key::Right});
  Step(walk, 200);
  EXPECT_EQ(walk->ItemKind[0], kind::kBoxRings);
  EXPECT_EQ(walk->ItemTimer[0], 0);
  EXPECT_LE(walk->PlayerX, 1100 - 34);
  EXPECT_GT(walk->PlayerX, 1100 - 34 - 1);
  EXPECT_EQ(walk->RingCount, 0);

  ZoneFixture roll;
  StandOnGround(roll, 1000);
  roll.SetItem(0, kind::kBoxRings, 1100, kGroundTop - 32);
  roll->SpeedX = 6;
  roll->Rolling = kSet;
  int frames = 0;
  for (; frames < 100 && roll->ItemKind[0] == kind::kBoxRings; ++frames) Step(roll);
  EXPECT_EQ(roll->ItemKind[0], kind::kOpenedBox);
  EXPECT_EQ(roll->RingCount, 10);
  EXPECT_GT(roll->PlayerX, 1100);  // rolled on through it
  EXPECT_EQ(roll.SoundCalls(kSoundTv, "play"), 1);
}

TEST(ItemsInPlay, WalkingIntoAnUpSpringStopsFlushWithoutALaunch) {
  ZoneFixture z;
  StandOnGround(z, 1000);
  z.SetItem(0, kind::kSpringUp, 1200, kGroundTop - 32);
  z.Hold({Key::Right});
  Step(z, 200);
  EXPECT_EQ(z->PlayerX, 1200 - 35);
  EXPECT_EQ(z->Sprung, 0);
  EXPECT_EQ(z->Airborne, 0);
  EXPECT_EQ(z.SoundCalls(kSoundSpring, "play"), 0);
}

TEST(ItemsInPlay, FallingOntoAnUpSpringLaunchesInTheSpringPose) {
  ZoneFixture z;
  z.FillRow(kGroundRow, 1);
  z.SetItem(0, kind::kSpringUp, 1000, kGroundTop - 32);
  z.Play(990, 100);
  z->Airborne = kOn;
  int launched = 0;
  double highest = 1e9;
  for (int i = 0; i < 300; ++i) {
    Step(z);
    if (z->Sprung == kOn && launched == 0) launched = i + 1;
    highest = std::min(highest, z->PlayerY);
    if (launched && z->PlayerY < 100) break;
  }
  ASSERT_GT(launched, 0);
  EXPECT_LT(highest, 100);  // -13 a frame against 0.2 of gravity
  EXPECT_EQ(z->PlayerAnim, anim::kSprung);
  EXPECT_EQ(z->SpringPose, 32);
}

TEST(ItemsInPlay, ABallFallingOntoAnEnemyDestroysItAndBounces) {
  ZoneFixture z;
  z.FillRow(kGroundRow, 1);
  z.SetItem(0, kind::kPatrolEnemy, 1000, kGroundTop - 16);
  z.Play(1000, 120);
  z->Airborne = kOn;
  z->AirActionReady = kOn;  // a jump: a ball
  double speedBefore = 0;
  for (int i = 0; i < 100 && z->ItemKind[0] == kind::kPatrolEnemy; ++i) {
    speedBefore = z->SpeedY;
    Step(z);
  }
  EXPECT_EQ(z->ItemKind[0], kind::kNone);
  EXPECT_EQ(z->Score, 100);
  EXPECT_LT(z->SpeedY, 0);
  EXPECT_GT(speedBefore, 0);
  EXPECT_EQ(z->Dying, 0);
}

TEST(ItemsInPlay, WalkingIntoAHazardBlockStopsShortOfItsHitBox) {
  ZoneFixture z;
  StandOnGround(z, 1000);
  z.SetItem(0, kind::kHazardBlock, 1100, kGroundTop - 32);
  z->RingCount = 5;
  z.Hold({Key::Right});
  Step(z, 200);
  EXPECT_EQ(z->PlayerX, 1100 - 35);
  EXPECT_EQ(z->RingCount, 5);
  EXPECT_EQ(z->LostRingsActive, 0);
}

TEST(ItemsInPlay, HitWithRingsThrowsBackThenBlinksOnTheGround) {
  ZoneFixture z;
  z.FillRow(kGroundRow, 1);
  z.SetItem(0, kind::kHazardBlock, 1100, kGroundTop - 32);
  z.Play(1100, 100);  // falling onto the block
  z->Airborne = kOn;
  z->RingCount = 5;
  int hit = 0;
  for (int i = 0; i < 200 && hit == 0; ++i) {
    Step(z);
    if (z->LostRingsActive == kOn) hit = i + 1;
  }
  ASSERT_GT(hit, 0);
  EXPECT_EQ(z->RingCount, 0);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->PlayerAnim, anim::kHurt);
  z.Hold({});
  int landed = 0;
  for (int i = 0; i < 200 && landed == 0; ++i) {
    Step(z);
    if (z->Airborne == 0) landed = i + 1;
  }
  ASSERT_GT(landed, 0);
  EXPECT_EQ(z->HurtRecoil, 0);
  EXPECT_EQ(z->BlinkOn, 1);
  EXPECT_EQ(z->Dying, 0);
  // the lost rings live 400 frames of the timer, then everything is over
  Step(z, 400);
  EXPECT_EQ(z->LostRingsActive, 0);
  EXPECT_EQ(z->HurtTimer, 0);
  EXPECT_EQ(z->BlinkOn, 0);
}

TEST(ItemsInPlay, JumpPressedInTheLandingFrameJumpsFromThePlatformStep) {
  // Find the frame of the landing, then press the jump key exactly then.
  auto scene = [](ZoneFixture& z) {
    z.FillRow(kGroundRow, 1);
    z.SetItem(0, kind::kPlatform, 4000, 100);  // a platform far away
    z.Play(1000, 150);
    z->Airborne = kOn;
  };
  ZoneFixture probe;
  scene(probe);
  int landing = 0;
  for (int i = 1; i < 100 && landing == 0; ++i) {
    Step(probe);
    if (probe->Airborne == 0) landing = i;
  }
  ASSERT_GT(landing, 1);

  ZoneFixture z;
  scene(z);
  Step(z, landing - 1);
  z.Hold({Key::Control});
  Step(z);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->SpeedY, -6.5);
  EXPECT_EQ(z.SoundCalls(kSoundJump, "play"), 1);

  // without a platform in the act the same press is lost
  ZoneFixture none;
  scene(none);
  none->ItemKind[0] = kind::kNone;
  Step(none, landing - 1);
  none.Hold({Key::Control});
  Step(none);
  EXPECT_EQ(none->Airborne, 0);
}

}  // namespace
}  // namespace orvane
