// The running rules, gravity, roll friction and the move by surface, through the real Movement.
#include <gtest/gtest.h>

#include "engine/core/Vocabulary.h"
#include "tests/player/PlayerScene.h"

namespace orvane::test {
namespace {

constexpr double kEps = 1e-9;

TEST(Running, TenFramesOfRightFromRest) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx.Hold({Key::Right});
  fx.Move(10);
  EXPECT_NEAR(fx->SpeedX, 0.6, kEps);
  EXPECT_NEAR(fx->PlayerX - 1000, 3.3, kEps);
  EXPECT_EQ(fx->PlayerY, kStandingY);
  EXPECT_EQ(fx->Airborne, 0);
}

TEST(Running, ReleasingRightAt1_1StopsOnTheSixthFrame) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->SpeedX = 1.1;
  fx.Hold({});
  const double expected[6] = {0.96, 0.82, 0.68, 0.54, 0.40, 0};
  for (double e : expected) {
    fx.Move();
    EXPECT_NEAR(fx->SpeedX, e, kEps);
  }
  EXPECT_EQ(fx->SpeedX, 0);  // exactly 0, not a remainder
}

TEST(Running, PressingAgainstTheMotionSlowsByPointTwo) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->SpeedX = 2;
  fx.Hold({Key::Left});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 1.8, kEps);
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 1.6, kEps);
  EXPECT_EQ(fx->Facing, kFacingLeft);
}

TEST(Running, SpeedsAboveTheTopDecayEvenWithTheKeyHeld) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->SpeedX = 12;
  fx.Hold({Key::Right});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 11.86, kEps);
  // at the top speed the key speed hovers around 8
  fx->SpeedX = 8;
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 7.86, kEps);
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 7.92, kEps);
}

TEST(Running, ASmallLeftwardSpeedIsClearedInOneFrame) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->SpeedX = -0.05;
  fx.Hold({});
  fx.Move();
  EXPECT_EQ(fx->SpeedX, 0);
}

TEST(Running, TheRulesAlsoApplyInTheAir) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 300);
  fx.Hold({Key::Right});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 0.06, kEps);
}

TEST(Gravity, AFallFromRestReachesTwoAfterTenFramesAndKeepsGrowing) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 100);
  fx.Move(10);
  EXPECT_NEAR(fx->SpeedY, 2, kEps);
  fx.Move(20);
  EXPECT_NEAR(fx->SpeedY, 6, kEps);  // no terminal speed
  EXPECT_EQ(fx->Airborne, -1);
}

TEST(Gravity, AFlyingKuboSinksAtMostAtFive) {
  ZoneFixture fx;
  fx->Character = kKubo;
  FloatInAir(fx, 1000, 100);
  fx->Flying = kOn;
  fx->SpeedY = 4.98;
  fx.Move();
  EXPECT_NEAR(fx->SpeedY, 5.03, kEps);
  fx.Move();
  EXPECT_NEAR(fx->SpeedY, 5.03, kEps);
  fx->SpeedY = 7;
  fx.Move();
  EXPECT_EQ(fx->SpeedY, 7);
}

TEST(Move, SurfaceModeThreeHoldsThePlayerStill) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 300);
  fx->SurfaceMode = surface::kStill;
  fx->SpeedX = 5;
  fx->SpeedY = 4;
  fx.Move(3);
  EXPECT_EQ(fx->PlayerX, 1000);
  EXPECT_EQ(fx->PlayerY, 300);
}

TEST(Move, EachSurfaceTurnsTheSpeedsItsOwnWay) {
  struct Case {
    int16_t mode;
    double dx, dy;
  };
  // SpeedX 3 along the surface, SpeedY 2 across it (gravity adds 0.2 first)
  const Case cases[] = {{0, 3, 2.2}, {1, 2.2, -3}, {2, -3, 2.2}, {4, 2.2, 3}, {6, 0, 0}};
  for (const Case& c : cases) {
    ZoneFixture fx;
    FloatInAir(fx, 1000, 300);
    fx->SurfaceMode = c.mode;
    fx->SpeedX = 3.14;  // the slow-down of the running rules leaves 3
    fx->SpeedY = 2;
    fx.Move();
    EXPECT_NEAR(fx->PlayerX - 1000, c.dx, kEps) << "mode " << c.mode;
    EXPECT_NEAR(fx->PlayerY - 300, c.dy, kEps) << "mode " << c.mode;
  }
}

TEST(Roll, ARollFromTwelveEndsAfterAbout235Frames) {
  ZoneFixture fx;
  StandOnGround(fx, 500);
  fx->Rolling = kSet;
  fx->SpeedX = 12;
  fx.Hold({});
  int frames = 0;
  while (fx->Rolling == kSet && frames < 1000) {
    fx.Move();
    ++frames;
  }
  EXPECT_GE(frames, 234);
  EXPECT_LE(frames, 236);
  EXPECT_EQ(fx->SpeedX, 0);
  EXPECT_EQ(fx->Airborne, 0);
  EXPECT_EQ(fx->PlayerY, kStandingY);
}

TEST(Roll, FrictionWorksTowardsZeroFromEitherSide) {
  ZoneFixture fx;
  StandOnGround(fx, 3000);
  fx->Rolling = kSet;
  fx->SpeedX = -5;
  fx.Hold({});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, -4.95, kEps);
}

TEST(Roll, PushingAgainstARollLeftNeedsMoreThanHalfASpeed) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->Rolling = kSet;
  fx->SpeedX = 0.5;
  fx.Hold({Key::Left});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 0.45, kEps);  // friction only: 0.5 is not above 0.5
  fx->SpeedX = 2;
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, 1.85, kEps);  // push 0.1 and friction 0.05
  EXPECT_EQ(fx->KeyLeft, 0);            // the keys do not steer a roll
  // Right pushes against any leftward roll
  fx->SpeedX = -0.2;
  fx.Hold({Key::Right});
  fx.Move();
  EXPECT_NEAR(fx->SpeedX, -0.05, kEps);
}

}  // namespace
}  // namespace orvane::test
