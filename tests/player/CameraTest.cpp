// The end of the frame: position from the centre point, the world's edges, the pit, the death fall
// and the act restart, and the camera.
#include <gtest/gtest.h>

#include "engine/core/Vocabulary.h"
#include "tests/player/PlayerScene.h"

namespace orvane::test {
namespace {

// A player that the frame does not move (SurfaceMode 3), in the open at (x, y).
void HoldStill(ZoneFixture& fx, double x, double y) {
  FloatInAir(fx, x, y);
  fx->SurfaceMode = surface::kStill;
}

TEST(Camera, FollowsThePlayerAndStopsAtTheWorldsEdges) {
  struct Case {
    double x;
    double cameraX, screenX;
  };
  const Case cases[] = {{100, 0, 100},      {140, 0, 140},     {140.5, 0, 140}, {141, 1, 140},
                        {5000, 4860, 140},  {9802, 9662, 140}, {9803, 9662, 141}, {9900, 9662, 238}};
  for (const Case& c : cases) {
    ZoneFixture fx;
    HoldStill(fx, c.x, 300);
    fx.Move();
    EXPECT_EQ(fx->PlayerX, c.x);
    EXPECT_EQ(fx->CameraX, c.cameraX) << "PlayerX " << c.x;
    EXPECT_EQ(fx->PlayerScreenX, c.screenX) << "PlayerX " << c.x;
  }
}

TEST(Camera, VerticalFollowAndTheBottomOfTheView) {
  struct Case {
    double y;
    double cameraY, screenY;
  };
  const Case cases[] = {{50, 0, 50}, {100, 0, 100}, {101, 1, 100}, {500, 400, 100},
                        {1140, 1040, 100}, {1141, 1040, 101}, {1200, 1040, 160}};
  for (const Case& c : cases) {
    ZoneFixture fx;
    HoldStill(fx, 1000, c.y);
    fx.Move();
    EXPECT_EQ(fx->PlayerY, c.y);
    EXPECT_EQ(fx->PlayerRow, static_cast<int16_t>(c.y));
    EXPECT_EQ(fx->CameraY, c.cameraY) << "PlayerY " << c.y;
    EXPECT_EQ(fx->PlayerScreenY, c.screenY) << "PlayerY " << c.y;
  }
}

TEST(Limits, TheWorldsLeftAndRightEdgesStopThePlayer) {
  ZoneFixture left;
  StandOnGround(left, 30);
  left->Facing = kFacingLeft;
  left.Hold({Key::Left});
  left->SpeedX = -4;
  left.Move(30);
  EXPECT_EQ(left->PlayerX, 0);
  EXPECT_EQ(left->SpeedX, 0);

  ZoneFixture right;
  StandOnGround(right, 9900);
  right->SpeedX = 4;
  right.Hold({Key::Right});
  right.Move(30);
  EXPECT_EQ(right->PlayerX, 9936);
  EXPECT_EQ(right->SpeedX, 0);
}

TEST(Limits, ThePositionSurvivesTheEndOfTheFrameUnchanged) {
  // the loop riding and the world limits hand the position over as the centre point
  ZoneFixture fx;
  HoldStill(fx, 1234.25, 345.75);
  fx.Move(3);
  EXPECT_EQ(fx->PlayerX, 1234.25);
  EXPECT_EQ(fx->PlayerY, 345.75);
}

TEST(Pit, FallingOutPinsThePlayerAndStartsTheDeathFallOnce) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 1240);
  fx->SpeedY = 5;
  fx->AirActionReady = kOn;
  fx.Move();
  EXPECT_EQ(fx->PlayerY, 1242);
  EXPECT_EQ(fx->Dying, 1);
  EXPECT_EQ(fx->DeathY, 202);
  EXPECT_EQ(fx->DeathSpeedY, -7);
  EXPECT_EQ(fx->AirActionReady, 0);
  EXPECT_EQ(fx->Airborne, 0);
  fx.Move(10);
  EXPECT_EQ(fx->PlayerY, 1242);
  EXPECT_EQ(fx->Dying, 1);
  EXPECT_NEAR(fx->DeathY, 202 - 70 + 9, 1e-9);  // not restarted at 202: ten steps of the fall
  fx.Move(25);
  EXPECT_NEAR(fx->DeathY, 76, 1e-9);  // the top of the leap after 35 frames
}

TEST(Pit, KeysDoNothingWhileDying) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 1250);
  fx.Move();
  ASSERT_EQ(fx->Dying, 1);
  fx.Hold({Key::Right, Key::Control});
  fx.Move(5);
  EXPECT_EQ(fx->PlayerX, 1000);
  EXPECT_EQ(fx->PlayerY, 1242);
  EXPECT_EQ(fx->JumpPressed, 0);
}

TEST(Pit, TheActRestartsOnTheFirstFrameTheFallIsBelowTheScreen) {
  ZoneFixture fx;
  fx.FillRow(5, 1);
  fx.SaveAct();
  fx->Lives = 3;
  FloatInAir(fx, 1000, 1250);
  fx.Move();
  ASSERT_EQ(fx->Dying, 1);
  int frames = 0;
  while (fx->Dying == kSet && frames < 200) {
    fx.Move();
    ++frames;
    if (fx->Dying == kSet) {
      EXPECT_LE(fx->DeathY, 240) << "still falling at frame " << frames;
    }
  }
  // 76 steps bring the fall back to 240 (a hair above it in doubles), so the 76th restarts
  EXPECT_EQ(frames, 76);
  EXPECT_EQ(fx->Dying, 0);
  EXPECT_EQ(fx->Lives, 2);
  EXPECT_EQ(fx->DeathY, 0);
  EXPECT_EQ(fx->ControlOn, 0);
  EXPECT_EQ(fx->PlayerX, 0);  // no lamp post: the act's start
  EXPECT_EQ(fx->PlayerY, 0);
  EXPECT_EQ(fx->Airborne, -1);
  EXPECT_EQ(fx->CameraX, 0);
  EXPECT_EQ(fx->CameraY, 0);
}

TEST(Pit, AHazardsDeathFallRestartsFromWhereItStarted) {
  ZoneFixture fx;
  fx.FillRow(kGroundRow, 1);
  fx.SaveAct();
  fx->Lives = 1;
  StandOnGround(fx, 1000);
  fx->Dying = kSet;
  fx->DeathY = 239.9;
  fx->DeathSpeedY = 0;
  fx.Move();
  EXPECT_EQ(fx->Dying, 1);  // 239.9 is still on the screen
  fx.Move();
  EXPECT_EQ(fx->Dying, 0);
  EXPECT_EQ(fx->Lives, 0);
}

}  // namespace
}  // namespace orvane::test
