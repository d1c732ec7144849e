// Lost rings: the scatter, the flight and bounces on both zones' floors, the catch, and the shared
// hurt timer with the blink.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane {
namespace {

using test::ZoneFixture;

TEST(ScatterRings, OneRingFliesOnTheOuterCircle) {
  ZoneFixture z;
  z.Play(300, 400);
  z->RingCount = 1;
  z->ScatterRings();
  EXPECT_EQ(z->LostRingAlive[1], 1);
  for (int i = 2; i <= 32; ++i) EXPECT_EQ(z->LostRingAlive[i], 0) << i;
  EXPECT_EQ(z->LostRingX[1], 316);
  EXPECT_EQ(z->LostRingY[1], 416);
  EXPECT_DOUBLE_EQ(z->LostRingSpeedX[1], 3 * std::sin(2.4));
  EXPECT_DOUBLE_EQ(z->LostRingSpeedY[1], 3 * std::cos(2.4));
  EXPECT_EQ(z->RingCount, 0);
  EXPECT_EQ(z->LostRingsActive, -1);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->HurtRecoil, -1);
  EXPECT_EQ(z.SoundCalls(kSoundHurt, "play"), 1);
  EXPECT_EQ(z.SoundCalls(kSoundHurt, "position"), 1);
}

TEST(ScatterRings, AtMostThirtyTwoOnTwoCircles) {
  ZoneFixture z;
  z.Play(300, 400);
  z->RingCount = 40;
  z->ScatterRings();
  for (int i = 1; i <= 32; ++i) {
    ASSERT_EQ(z->LostRingAlive[i], 1) << i;
    const double speed = std::hypot(z->LostRingSpeedX[i], z->LostRingSpeedY[i]);
    EXPECT_NEAR(speed, i <= 16 ? 3 : 2, 1e-12) << i;
  }
  EXPECT_EQ(z->LostRingAlive[0], 0);
  EXPECT_DOUBLE_EQ(z->LostRingSpeedX[17], 2 * std::sin(22 / 2.5));
  EXPECT_EQ(z->RingCount, 0);
}

// A lost ring in Plum Vale over block column 8, row 2.
void RingOver(ZoneFixture& z, double y, double speedY) {
  z.Play(4000, 100);  // far away: no catch
  z->LostRingsActive = kOn;
  z->LostRingAlive[1] = 1;
  z->LostRingX[1] = 8 * 128;
  z->LostRingY[1] = y;
  z->LostRingSpeedX[1] = 0;
  z->LostRingSpeedY[1] = speedY;
}

TEST(MoveLostRings, BouncesOnTheFloorBelowWithTheFullSpeed) {
  ZoneFixture z;
  z.SetBlock(3, 8, 1);
  RingOver(z, 2 * 128 + 110, 3);
  z->MoveLostRings();
  EXPECT_EQ(z->LostRingY[1], 2 * 128 + 112);
  EXPECT_DOUBLE_EQ(z->LostRingSpeedY[1], -3.075);
  EXPECT_EQ(z->SensorCol, 8);
  EXPECT_EQ(z->SensorRow, 2);
}

TEST(MoveLostRings, FloorValuesFollowTheZone) {
  struct Case {
    const ZoneTables* zone;
    uint8_t below;  // block under the ring's block
    uint8_t own;    // the ring's own block
    bool bounces;
  };
  const Case cases[] = {
      {&PlumvaleTables(), 2, 0, true},   {&PlumvaleTables(), 3, 0, false}, {&PlumvaleTables(), 0, 36, true},
      {&PlumvaleTables(), 0, 51, true},  {&PlumvaleTables(), 0, 4, false}, {&AshmoorTables(), 14, 0, true},
      {&AshmoorTables(), 15, 0, false},  {&AshmoorTables(), 0, 17, true},  {&AshmoorTables(), 0, 29, true},
      {&AshmoorTables(), 0, 53, true},   {&AshmoorTables(), 0, 18, false}, {&AshmoorTables(), 0, 41, false},
  };
  for (const Case& c : cases) {
    ZoneFixture z(*c.zone);
    z.SetBlock(3, 8, c.below);
    z.SetBlock(2, 8, c.own);
    // low enough in its block for both floors to be crossed this frame
    RingOver(z, 2 * 128 + 110, 3);
    z->MoveLostRings();
    EXPECT_EQ(z->LostRingSpeedY[1] < 0, c.bounces) << int(c.below) << " " << int(c.own);
  }
}

TEST(MoveLostRings, LowFloorHoldsTheRingAt48) {
  ZoneFixture z;
  z.SetBlock(2, 8, 20);
  RingOver(z, 2 * 128 + 46, 2);
  z->MoveLostRings();
  EXPECT_EQ(z->LostRingY[1], 2 * 128 + 48);
  EXPECT_DOUBLE_EQ(z->LostRingSpeedY[1], -2.075);
}

TEST(MoveLostRings, RestingRingKeepsBouncingToTheSameHeight) {
  ZoneFixture z;
  z.SetBlock(3, 8, 1);
  RingOver(z, 2 * 128 + 112, 0);
  double minY = 1e9, maxY = -1e9;
  int bounces = 0;
  for (int frame = 0; frame < 300; ++frame) {
    const double before = z->LostRingSpeedY[1];
    z->MoveLostRings();
    z->HurtTimer = 0;  // keep it alive
    bounces += before >= 0 && z->LostRingSpeedY[1] < 0;
    minY = std::min(minY, z->LostRingY[1]);
    maxY = std::max(maxY, z->LostRingY[1]);
  }
  EXPECT_EQ(z->LostRingAlive[1], 1);
  EXPECT_EQ(maxY, 2 * 128 + 112);  // held on the floor ...
  EXPECT_GT(minY, 2 * 128 + 111.9);  // ... rising only by the speed one frame's gravity gives
  EXPECT_GE(bounces, 100);
}

TEST(MoveLostRings, FallenOutOfTheActDies) {
  ZoneFixture z;
  RingOver(z, 1264, 1);
  z->MoveLostRings();
  EXPECT_EQ(z->LostRingAlive[1], 0);
}

TEST(MoveLostRings, CaughtOnlyOnceNoLongerThrownBack) {
  ZoneFixture z;
  z.Play(300, 400);
  z->RingCount = 1;
  z->ScatterRings();
  z->LostRingSpeedX[1] = 0;
  z->LostRingSpeedY[1] = -0.075;  // stays where it is, inside the player's box
  z->MoveLostRings();
  EXPECT_EQ(z->LostRingAlive[1], 1);
  EXPECT_EQ(z->RingCount, 0);
  z->HurtRecoil = 0;
  z->LostRingSpeedY[1] = -0.075;
  z->MoveLostRings();
  EXPECT_EQ(z->LostRingAlive[1], 0);
  EXPECT_EQ(z->RingCount, 1);
  EXPECT_EQ(z.SoundCalls(kSoundRing, "play"), 1);
}

TEST(MoveLostRings, CatchDoesNotOverflowTheRingCount) {
  ZoneFixture z;
  z.Play(300, 400);
  z->LostRingsActive = kOn;
  z->LostRingAlive[1] = 1;
  z->LostRingX[1] = 310;
  z->LostRingY[1] = 410;
  z->LostRingSpeedY[1] = -0.075;
  z->RingCount = 32767;
  z->MoveLostRings();
  EXPECT_EQ(z->RingCount, 32767);
}

TEST(MoveLostRings, LiveFor400FramesOfTheTimer) {
  ZoneFixture z;
  z.Play(300, 400);
  z->RingCount = 3;
  z->ScatterRings();
  for (int frame = 1; frame <= 400; ++frame) z->MoveLostRings();
  EXPECT_EQ(z->LostRingsActive, -1);
  EXPECT_EQ(z->HurtTimer, 400);
  z->MoveLostRings();
  EXPECT_EQ(z->LostRingsActive, 0);
  EXPECT_EQ(z->HurtTimer, 0);
  for (int i = 1; i <= 32; ++i) EXPECT_EQ(z->LostRingAlive[i], 0);
}

TEST(HurtBlink, StartsOnTheGroundAndHidesEverySecondFourFramePhase) {
  ZoneFixture z;
  z->Invulnerable = kOn;
  z->Airborne = kOn;
  z->HurtBlink();
  EXPECT_EQ(z->BlinkOn, 0);  // not in the air
  z->Airborne = 0;
  std::string phases;
  for (int frame = 0; frame < 16; ++frame) {
    z->HurtBlink();
    phases += static_cast<char>('0' + z->BlinkPhase);
  }
  EXPECT_EQ(z->BlinkOn, 1);
  EXPECT_EQ(phases, "0001111000011110");
}

TEST(HurtBlink, EndsAfter401Frames) {
  ZoneFixture z;
  z->Invulnerable = kOn;
  z->HurtTimer = 1;  // as the hazard block's shield loss leaves it
  for (int frame = 1; frame <= 400; ++frame) z->HurtBlink();
  EXPECT_EQ(z->HurtTimer, 401);
  EXPECT_EQ(z->Invulnerable, -1);
  z->HurtBlink();
  EXPECT_EQ(z->HurtTimer, 0);
  EXPECT_EQ(z->Invulnerable, 0);
  EXPECT_EQ(z->BlinkOn, 0);
}

TEST(HurtBlink, BothRunningCountTheTimerTwiceAFrame) {
  ZoneFixture z;
  z.Play(300, 400);
  z->RingCount = 2;
  z->ScatterRings();
  z->Invulnerable = kOn;
  z->Airborne = 0;
  // the tail of the frame: the blink first, then the lost rings
  auto tail = [&] {
    if (z->Invulnerable == kOn) z->HurtBlink();
    if (z->LostRingsActive == kOn) z->MoveLostRings();
  };
  for (int frame = 1; frame <= 200; ++frame) tail();
  EXPECT_EQ(z->HurtTimer, 400);
  EXPECT_EQ(z->LostRingsActive, -1);
  tail();
  EXPECT_EQ(z->LostRingsActive, 0);
  EXPECT_EQ(z->HurtTimer, 0);
  EXPECT_EQ(z->Invulnerable, -1);
  // the protection counts on from 0 alone
  for (int frame = 1; frame <= 401; ++frame) tail();
  EXPECT_EQ(z->Invulnerable, -1);
  tail();
  EXPECT_EQ(z->Invulnerable, 0);
}

}  // namespace
}  // namespace orvane
