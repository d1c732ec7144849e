// The block collision through the real Movement, on maps built here: floors, edges, walls, slopes,
// steps, ceilings, and the two zones' different value sets.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/core/Vocabulary.h"
#include "tests/player/PlayerScene.h"

namespace orvane::test {
namespace {

constexpr double kEps = 1e-9;

// Runs with the keys held until the speed has been 0 for a few frames in a row (or a limit).
void RunUntilStopped(ZoneFixture& fx, int limit = 400) {
  int still = 0;
  for (int i = 0; i < limit && still < 5; ++i) {
    fx.Move();
    still = fx->SpeedX == 0 ? still + 1 : 0;
  }
}

TEST(Floors, APlayerStandsExactlyOnAFullBlock) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx.Hold({});
  fx.Move(100);
  EXPECT_EQ(fx->PlayerY, kStandingY);
  EXPECT_EQ(fx->Airborne, 0);
}

TEST(Floors, OnTheGroundAFootUpToFourPixelsAboveATopIsPulledDown) {
  ZoneFixture near;
  StandOnGround(near, 1024);
  near->PlayerY = kStandingY - 3;
  near.Move();
  EXPECT_EQ(near->PlayerY, kStandingY);
  EXPECT_EQ(near->Airborne, 0);

  ZoneFixture far;
  StandOnGround(far, 1024);
  far->PlayerY = kStandingY - 5;
  far.Move();
  EXPECT_EQ(far->Airborne, -1);
}

TEST(Floors, AFallLandsOnTheTopWithTheAirStatesCleared) {
  ZoneFixture fx;
  fx.FillRow(kGroundRow, 1);
  FloatInAir(fx, 1000, 100);
  fx->AirActionReady = kOn;
  for (int i = 0; i < 100 && fx->Airborne == kOn; ++i) fx.Move();
  EXPECT_EQ(fx->Airborne, 0);
  EXPECT_EQ(fx->AirActionReady, 0);
  EXPECT_EQ(fx->SpeedY, 0);
  EXPECT_EQ(fx->PlayerY, kStandingY);
}

TEST(Edges, TheLeftFootWalksOffOnlyLeftOfLocalX96) {
  for (int local : {100, 96, 95}) {
    ZoneFixture fx;
    for (int c = 10; c < 78; ++c) fx.SetBlock(kGroundRow, c, 1);  // open to the left of column 10
    fx.Play(9 * 128 + local - 7, kStandingY);
    fx.Hold({});
    fx.Move();
    EXPECT_EQ(fx->Airborne, local < 96 ? -1 : 0) << "left foot at local x " << local;
  }
}

TEST(Edges, WalkingOffTheRightEdgeFallsAsSoonAsTheLeftFootLeaves) {
  ZoneFixture fx;
  for (int c = 0; c <= 9; ++c) fx.SetBlock(kGroundRow, c, 1);
  fx.Play(10 * 128 - 7 - 0.6, kStandingY);  // left foot at 1279.4: still column 9
  fx.Hold({});
  fx->SpeedX = 0;
  fx.Move();
  EXPECT_EQ(fx->Airborne, 0);
  fx->PlayerX += 1;  // left foot at 1280.4: column 10, open below
  fx.Move();
  EXPECT_EQ(fx->Airborne, -1);
}

TEST(Edges, PositionsAreRoundedBeforeTheDivisionBy128) {
  // only column 0 has a floor; a left foot at 127.6 belongs to column 1 and walks off
  for (double foot : {127.4, 127.6}) {
    ZoneFixture fx;
    fx.SetBlock(kGroundRow, 0, 1);
    fx.Play(foot - 7, kStandingY);
    fx.Hold({});
    fx.Move();
    EXPECT_EQ(fx->Airborne, foot > 127.5 ? -1 : 0) << "left foot at " << foot;
  }
}

TEST(Walls, RunningRightIntoAFullBlockStopsAt34BeforeIt) {
  for (double startSpeed : {0.0, 8.0}) {
    ZoneFixture fx;
    StandOnGround(fx, 1200);
    fx.SetBlock(1, 12, 1);
    fx->SpeedX = startSpeed;
    fx.Hold({Key::Right});
    RunUntilStopped(fx);
    EXPECT_EQ(fx->PlayerX, 12 * 128 - 34) << "from speed " << startSpeed;
    EXPECT_EQ(fx->SpeedX, 0);
    EXPECT_EQ(fx->PlayerY, kStandingY);
  }
}

TEST(Walls, RunningLeftIntoAFullBlockStopsFivePixelsPastIt) {
  for (double startSpeed : {0.0, -8.0}) {
    ZoneFixture fx;
    StandOnGround(fx, 1000);
    fx.SetBlock(1, 5, 2);
    fx->SpeedX = startSpeed;
    fx.Hold({Key::Left});
    RunUntilStopped(fx);
    EXPECT_EQ(fx->PlayerX, (5 + 1) * 128 - 5) << "from speed " << startSpeed;
    EXPECT_EQ(fx->SpeedX, 0);
  }
}

TEST(Walls, InPlumValeSeventeenAndEighteenAreWallsWithoutFloors) {
  for (uint8_t v : {uint8_t{17}, uint8_t{18}}) {
    ZoneFixture right;
    StandOnGround(right, 1200);
    right.SetBlock(1, 12, v);
    right.Hold({Key::Right});
    RunUntilStopped(right);
    EXPECT_EQ(right->PlayerX, 12 * 128 - 34) << int{v};

    ZoneFixture left;
    StandOnGround(left, 1000);
    left.SetBlock(1, 5, v);
    left.Hold({Key::Left});
    RunUntilStopped(left);
    EXPECT_EQ(left->PlayerX, 6 * 128 - 5) << int{v};

    // from above the player falls through a row of them onto the ground further down
    ZoneFixture above;
    above.FillRow(kGroundRow, v);
    above.FillRow(5, 1);
    FloatInAir(above, 1024, 100);
    above.Move(150);
    EXPECT_EQ(above->Airborne, 0) << int{v};
    EXPECT_EQ(above->PlayerY, 5 * 128 - 38) << int{v};
  }
}

TEST(Walls, LoopPiecesHaveNoFloorForTheBlockCollision) {
  for (uint8_t v : {uint8_t{65}, uint8_t{66}, uint8_t{67}, uint8_t{80}}) {
    ZoneFixture fx;
    fx.FillRow(kGroundRow, v);
    fx.FillRow(5, 1);
    FloatInAir(fx, 1024, 100);
    fx.Move(150);
    EXPECT_EQ(fx->PlayerY, 5 * 128 - 38) << int{v};
  }
}

TEST(Walls, AshMoorHasNoWallOnlyBlocks) {
  // 18 is empty there: no wall, no floor
  ZoneFixture wall(AshmoorTables());
  StandOnGround(wall, 1200);
  wall.SetBlock(1, 12, 18);
  wall.Hold({Key::Right});
  wall.Move(120);
  EXPECT_GT(wall->PlayerX, 12 * 128);

  ZoneFixture empty(AshmoorTables());
  empty.FillRow(kGroundRow, 18);
  empty.FillRow(3, 1);
  FloatInAir(empty, 1024, 100);
  empty.Move(150);
  EXPECT_EQ(empty->Airborne, 0);
  EXPECT_EQ(empty->PlayerY, 3 * 128 - 38);

  // 17 is a platform there: a floor 64 pixels down (over solid ground)
  ZoneFixture platform(AshmoorTables());
  platform.FillRow(kGroundRow, 17);
  platform.FillRow(3, 1);
  FloatInAir(platform, 1024, 100);
  platform.Move(150);
  EXPECT_EQ(platform->Airborne, 0);
  EXPECT_EQ(platform->PlayerY, 2 * 128 + 64 - 38);
}

TEST(Slopes, RollingLeftDownARisingSlopeGainsPointFifteenDownToTen) {
  // block 13: the upper piece of a slope rising to the right; the left foot at local x 80
  const double x = 10 * 128 + 80 - 7;
  const double rightFootSurface = 2 * 128 + 68 - (80 + 25) / 2.0;
  for (double speed : {-2.0, -10.1}) {
    ZoneFixture fx;
    fx.SetBlock(kGroundRow, 10, 13);
    fx.SetBlock(kGroundRow, 9, 14);
    fx.FillRow(3, 1);
    fx.Play(x, rightFootSurface - 38);
    fx->Facing = kFacingLeft;
    fx->FacingAlt = kFacingAltLeft;
    fx->Rolling = kSet;
    fx->SpeedX = speed;
    fx.Hold({});
    fx.Move();
    // friction gives back 0.05; the slope takes 0.15 while the speed is above -10
    EXPECT_NEAR(fx->SpeedX, speed == -2.0 ? -2.1 : -10.05, kEps);
    EXPECT_EQ(fx->Airborne, 0);
  }
}

TEST(Slopes, RunningGainsNothingFromASlope) {
  ZoneFixture fx;
  fx.SetBlock(kGroundRow, 10, 13);
  fx.FillRow(3, 1);
  fx.Play(10 * 128 + 80 - 7, 2 * 128 + 68 - 52.5 - 38);
  fx->Facing = kFacingLeft;
  fx->FacingAlt = kFacingAltLeft;
  fx->SpeedX = -2;
  fx.Hold({});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, -1.86, kEps);
}

TEST(Slopes, TheFeetFollowTheSurfaceWalkingUp) {
  // 14 then 13 rise 128 pixels over 256; the right foot sets the height
  ZoneFixture fx;
  fx.FillRow(3, 1);
  fx.SetBlock(kGroundRow, 10, 14);
  fx.SetBlock(kGroundRow, 11, 13);
  for (int c = 12; c < 78; ++c) fx.SetBlock(kGroundRow, c, 1);  // the hilltop
  fx.Play(1200, 3 * 128 - 38);
  fx->SpeedX = 3;
  fx.Hold({Key::Right});
  double highest = 1e9;
  for (int i = 0; i < 200; ++i) {
    fx.Move();
    highest = std::min(highest, fx->PlayerY);
    EXPECT_EQ(fx->Airborne, 0) << "frame " << i;
  }
  EXPECT_EQ(fx->PlayerY, 2 * 128 - 38);  // on top of the hill
  EXPECT_GE(highest, 2 * 128 - 38 - 1e-9);
}

TEST(Steps, WalkingLeftOnTheLowHalfOfALeftHighStepStopsAtLocal65) {
  ZoneFixture fx;
  fx.SetBlock(kGroundRow, 10, 9);
  fx.FillRow(3, 1);
  fx.Play(10 * 128 + 100 - 7, 2 * 128 + 32 - 38);  // feet on the right half, 32 below the top
  fx.Hold({Key::Left});
  RunUntilStopped(fx, 200);
  EXPECT_EQ(fx->PlayerX, 10 * 128 + 65 - 7);
  EXPECT_EQ(fx->PlayerY, 2 * 128 + 32 - 38);
  EXPECT_EQ(fx->SpeedX, 0);
}

TEST(Ceilings, AJumpIntoACeilingIsHeldBelowIt) {
  ZoneFixture open;
  StandOnGround(open, 1000);
  open.Hold({Key::Control});
  double apexOpen = 1e9;
  for (int i = 0; i < 80; ++i) {
    open.Move();
    apexOpen = std::min(apexOpen, open->PlayerY);
  }
  EXPECT_LT(apexOpen, 120);

  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx.FillRow(0, 1);
  fx.Hold({Key::Control});
  double apex = 1e9;
  for (int i = 0; i < 80; ++i) {
    fx.Move();
    apex = std::min(apex, fx->PlayerY);
  }
  EXPECT_GE(apex, 125);
  EXPECT_LE(apex, 127);
  EXPECT_EQ(fx->Airborne, 0);  // back on the ground
  EXPECT_EQ(fx->PlayerY, kStandingY);
}

}  // namespace
}  // namespace orvane::test
