// The act-end capsule: standing on its top, the burst, and the freed figures' hops.
#include <gtest/gtest.h>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"

namespace orvane::test {
namespace {

constexpr int16_t kX = 9792;
constexpr int16_t kY = 832;

class Capsule : public ::testing::Test {
 protected:
  Capsule() {
    f().CapsuleX = kX;
    f().CapsuleY = kY;
    f().ActIndex = 2;
    for (int j = 0; j < 6; ++j) f().DebrisY[j] = kY + 16;
    for (int i = 0; i < 16; ++i) {
      f().FigureX[i] = kX + 3 * i;
      f().FigureY[i] = kY + 16;
    }
  }
  ZoneForm& f() { return z.form(); }
  // The player's middle at capsule x + 32, its feet `feet` pixels below the capsule's top.
  void Above(double feet, double speedY) {
    f().PlayerX = kX + 32 - 19;
    f().PlayerY = kY + feet - 38;
    f().SpeedY = speedY;
    f().Airborne = kOn;
    f().AirActionReady = kOn;
  }
  int TvPlays() { return z.SoundCalls(kSoundTv, "play"); }
  ZoneFixture z;
};

TEST_F(Capsule, FallingOntoTheTopStandsThePlayerOnIt) {
  Above(5, 3);
  f().CapsuleStep();
  EXPECT_DOUBLE_EQ(f().PlayerY, kY - 46);
  EXPECT_EQ(f().Airborne, 0);
  EXPECT_EQ(f().AirActionReady, 0);
  EXPECT_DOUBLE_EQ(f().SpeedY, 0);
  EXPECT_EQ(f().OnCapsule, 1);
}

TEST_F(Capsule, JumpingUpThroughItDoesNotLand) {
  Above(5, -1);
  f().OnCapsule = 1;
  f().CapsuleStep();
  EXPECT_DOUBLE_EQ(f().PlayerY, kY + 5 - 38);
  EXPECT_EQ(f().Airborne, -1);
  EXPECT_EQ(f().OnCapsule, 0);
  EXPECT_EQ(f().CapsuleState, 0);
  EXPECT_EQ(TvPlays(), 0);

  Above(5, -0.9);  // slower than 1 upwards it catches the player
  f().CapsuleStep();
  EXPECT_EQ(f().OnCapsule, 1);
}

TEST_F(Capsule, TopEdgesAreExclusive) {
  struct Case {
    double middle, feet;
    bool on;
  } cases[] = {{16, 0, false}, {16.5, 0, true}, {48, 0, false}, {47.5, 0, true},
               {32, -9, false}, {32, -8.5, true}, {32, 16, false}, {32, 15.5, true}};
  for (const Case& c : cases) {
    f().CapsuleState = 1;  // already burst: only the standing is tested
    f().PlayerX = kX + c.middle - 19;
    f().PlayerY = kY + c.feet - 38;
    f().SpeedY = 1;
    f().CapsuleStep();
    EXPECT_EQ(f().OnCapsule, c.on ? 1 : 0) << c.middle << "," << c.feet;
  }
}

TEST_F(Capsule, FirstLandingBurstsIt) {
  Above(5, 3);
  f().CapsuleStep();
  EXPECT_EQ(f().CapsuleState, 1);
  EXPECT_EQ(TvPlays(), 1);
  EXPECT_EQ(z.SoundCalls(kSoundTv, "stop"), 1);
  for (int j = 0; j < 6; ++j) EXPECT_DOUBLE_EQ(f().DebrisSpeedY[j], -2) << j;
  const double speedX[16] = {-2, -1.75, -1.5, -1, -0.5, -0.5, 2, 1.5, 1, 0.5, 0.6, 0.75, -2, -1, 0.5, 0.5};
  for (int i = 0; i < 16; ++i) {
    EXPECT_DOUBLE_EQ(f().FigureSpeedX[i], speedX[i]) << i;
    EXPECT_LE(f().FigureSpeedY[i], -2) << i;
    EXPECT_GT(f().FigureSpeedY[i], -6) << i;
  }
}

TEST_F(Capsule, SecondLandingPlaysNothingButSetsStateOne) {
  Above(5, 3);
  f().CapsuleStep();
  for (int i = 0; i < 16; ++i) f().FigureSpeedX[i] = 7;
  for (int j = 0; j < 6; ++j) f().DebrisSpeedY[j] = 1.5;
  f().CapsuleState = 2;
  Above(5, 3);
  f().CapsuleStep();
  EXPECT_EQ(f().CapsuleState, 1);
  EXPECT_EQ(f().OnCapsule, 1);
  EXPECT_EQ(TvPlays(), 1);
  for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(f().FigureSpeedX[i], 7);
  for (int j = 0; j < 6; ++j) EXPECT_DOUBLE_EQ(f().DebrisSpeedY[j], 1.5);
}

TEST_F(Capsule, NeverInTheFirstTwoActs) {
  for (int16_t act : {0, 1}) {
    f().ActIndex = act;
    f().OnCapsule = 1;
    Above(5, 3);
    f().CapsuleStep();
    EXPECT_EQ(f().CapsuleState, 0) << act;
    EXPECT_EQ(f().OnCapsule, 1) << act;  // the test does not run at all
    EXPECT_EQ(f().Airborne, -1) << act;
    EXPECT_DOUBLE_EQ(f().PlayerY, kY + 5 - 38) << act;
  }
  EXPECT_EQ(TvPlays(), 0);
}

TEST_F(Capsule, FiguresWaitForTheFirstDebrisToPassTheGround) {
  f().CapsuleState = 1;
  f().FigureSpeedY[0] = -3;
  f().DebrisY[0] = kY + 64;
  f().CapsuleStep();
  EXPECT_DOUBLE_EQ(f().FigureY[0], kY + 16);
  EXPECT_DOUBLE_EQ(f().FigureSpeedY[0], -3);

  f().DebrisY[0] = kY + 64.5;
  f().CapsuleStep();
  EXPECT_DOUBLE_EQ(f().FigureSpeedY[0], -2.8);
  EXPECT_DOUBLE_EQ(f().FigureY[0], kY + 16 - 2.8);
}

TEST_F(Capsule, FiguresStayPutWhileTheCapsuleIsClosed) {
  f().DebrisY[0] = kY + 100;
  f().CapsuleStep();
  EXPECT_DOUBLE_EQ(f().FigureY[3], kY + 16);
}

TEST_F(Capsule, FiguresRiseInPlaceThenHopSidewaysFromTheGroundLine) {
  f().CapsuleState = 1;
  f().DebrisY[0] = kY + 100;
  f().FigureSpeedX[5] = 0.5;
  f().FigureSpeedY[5] = -2;
  const double x0 = f().FigureX[5];
  int frames = 0;
  while (f().FigureLoose[5] == 0 && frames < 200) {
    f().CapsuleStep();
    ++frames;
    if (f().FigureLoose[5] == 0) {
      EXPECT_DOUBLE_EQ(f().FigureX[5], x0);
      EXPECT_LE(f().FigureY[5] + 24, kY + 64);
    }
  }
  ASSERT_EQ(f().FigureLoose[5], 1);
  EXPECT_DOUBLE_EQ(f().FigureY[5], kY + 40);
  EXPECT_LE(f().FigureSpeedY[5], -1);
  EXPECT_GT(f().FigureSpeedY[5], -5);
  f().CapsuleStep();
  EXPECT_DOUBLE_EQ(f().FigureX[5], x0 + 0.5);
}

}  // namespace
}  // namespace orvane::test
