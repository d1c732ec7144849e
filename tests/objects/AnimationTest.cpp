// The animation counters: player states and frames, the shared tick, invincibility and the shield
// frames.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane {
namespace {

using test::ZoneFixture;

TEST(AnimationStates, SpeedPicksStandingWalkingOrRunning) {
  const struct {
    double speed;
    int16_t anim;
  } cases[] = {{7.5, 2}, {7, 1}, {0, 0}, {-7.5, 2}, {-7, 1}, {0.01, 1}, {7.99, 2}, {12, 2}, {-0.5, 1}};
  for (const auto& c : cases) {
    ZoneFixture z;
    z->PlayerAnim = anim::kFlying;
    z->SpeedX = c.speed;
    z->Animation();
    EXPECT_EQ(z->PlayerAnim, c.anim) << c.speed;
  }
}

TEST(AnimationStates, SpeedStatesWaitWhileAMoveOwnsTheState) {
  ZoneFixture z;
  z->PlayerAnim = anim::kHurt;
  z->HurtRecoil = kOn;
  z->Airborne = kOn;
  z->SpeedX = 3;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kHurt);
  z->HurtRecoil = 0;
  z->ShieldAction = 2;
  z->PlayerAnim = anim::kBall;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kBall);
}

TEST(AnimationStates, SprungRisesInState6AndFallsWalking) {
  ZoneFixture z;
  z->Sprung = kOn;
  z->SpringPose = 32;
  z->Airborne = kOn;
  z->SpeedY = -5;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kSprung);
  EXPECT_EQ(z->PlayerFrame, 27);
  EXPECT_EQ(z->SpringPose, 32);
  z->SpeedY = 0.5;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kWalking);
  EXPECT_EQ(z->SpringPose, 0);
  EXPECT_EQ(z->Sprung, -1);
  // landing clears the spring
  z->Airborne = 0;
  z->Animation();
  EXPECT_EQ(z->Sprung, 0);
}

TEST(AnimationStates, LaterRulesWin) {
  ZoneFixture z;
  z->AirActionReady = kOn;
  z->Airborne = kOn;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kBall);  // jumping

  z->AirActionReady = 0;
  z->Airborne = 0;
  z->SpeedX = 4;
  z->KeyLeft = kOn;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kSkidding);  // skidding
  EXPECT_EQ(z->PlayerFrame, 16);

  z->KeyLeft = 0;
  z->SpeedX = 0;
  z->SpinState = spin::kCharging;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kCharging);

  z->SpinState = spin::kNone;
  z->Dying = kSet;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kDead);
  EXPECT_EQ(z->PlayerFrame, 34);
}

TEST(AnimationStates, LandingClearsTheHurtAndStartsTheBlinkAfterARingLoss) {
  ZoneFixture z;
  z->HurtRecoil = kOn;
  z->LostRingsActive = kOn;
  z->Airborne = kOn;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kHurt);
  EXPECT_EQ(z->PlayerFrame, 29);
  EXPECT_EQ(z->BlinkOn, 0);
  z->Airborne = 0;
  z->Animation();
  EXPECT_EQ(z->HurtRecoil, 0);
  EXPECT_EQ(z->BlinkOn, 1);
}

TEST(AnimationFrames, FirstCharacterRollingAlsoTurnsTheSecondCharactersBall) {
  ZoneFixture z;
  z->Character = kZinto;
  z->Rolling = kSet;
  z->SpeedX = 9;
  bool sawFirst = false, sawLast = false;
  int16_t lastAlt = -1;
  int altChanges = 0;
  for (int frame = 0; frame < 60; ++frame) {
    z->Animation();
    ASSERT_EQ(z->PlayerAnim, anim::kBall);
    ASSERT_GE(z->PlayerFrame, 11);
    ASSERT_LE(z->PlayerFrame, 15);
    ASSERT_GE(z->AltBallFrame, 16);
    ASSERT_LE(z->AltBallFrame, 18);
    sawFirst |= z->PlayerFrame == 11;
    sawLast |= z->PlayerFrame == 15;
    if (z->AltBallFrame != lastAlt) ++altChanges;
    lastAlt = z->AltBallFrame;
  }
  EXPECT_TRUE(sawFirst);
  EXPECT_TRUE(sawLast);
  EXPECT_GT(altChanges, 5);
}

TEST(AnimationFrames, WalkingFramesAdvanceWithTheSpeed) {
  ZoneFixture z;
  z->SpeedX = 2.4;  // a step of 0.1 + 0.1 a frame: one frame every sixth pass
  z->Animation();
  EXPECT_EQ(z->PlayerFrame, 1);  // kept within 1..6
  int advanced = 0;
  for (int i = 0; i < 6; ++i) {
    const int16_t before = z->PlayerFrame;
    z->Animation();
    advanced += z->PlayerFrame != before;
  }
  EXPECT_EQ(advanced, 1);
  EXPECT_DOUBLE_EQ(z->FrameStep, 0.1);
  // at rest the step is kept
  z->SpeedX = 0;
  z->Animation();
  EXPECT_DOUBLE_EQ(z->FrameStep, 0.1);
  EXPECT_EQ(z->PlayerFrame, 0);
}

TEST(AnimationFrames, SecondCharacterStandsInFramesZeroToThreeAndSpringsByTwo) {
  ZoneFixture z;
  z->Character = kKubo;
  for (int i = 0; i < 100; ++i) {
    z->Animation();
    ASSERT_LE(z->PlayerFrame, 3);
    ASSERT_GE(z->PlayerFrame, 0);
  }
  z->Sprung = kOn;
  z->Airborne = kOn;
  z->SpeedY = -5;
  int changes = 0;
  int16_t last = -1;
  for (int i = 0; i < 12; ++i) {
    z->Animation();
    ASSERT_TRUE(z->PlayerFrame == 25 || z->PlayerFrame == 27) << z->PlayerFrame;
    changes += last >= 0 && z->PlayerFrame != last;
    last = z->PlayerFrame;
  }
  EXPECT_GE(changes, 3);  // by two frames, every third pass
}

TEST(AnimationFrames, TiredFlightShowsState10) {
  ZoneFixture z;
  z->Character = kKubo;
  z->Airborne = kOn;
  z->Flying = kOn;
  z->FlightTimer = 100;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kFlying);
  EXPECT_GE(z->PlayerFrame, 30);
  EXPECT_LE(z->PlayerFrame, 31);
  z->FlightTired = kOn;
  z->FlightTimer = 199;
  z->Animation();
  EXPECT_EQ(z->PlayerAnim, anim::kFlyingTired);
  EXPECT_GE(z->PlayerFrame, 32);
  EXPECT_LE(z->PlayerFrame, 35);
}

TEST(AnimationFrames, CurvePosesKeepToTheirFourFrames) {
  ZoneFixture z;
  z->OnCurve = kSet;
  z->CurvePose = 5;
  z->SpeedX = 12;
  for (int i = 0; i < 40; ++i) {
    z->Animation();
    ASSERT_GE(z->PlayerFrame, 20);
    ASSERT_LE(z->PlayerFrame, 23);
  }
}

TEST(SharedTick, RingsEnemiesAndBlocksTurnTogetherEveryFifthFrame) {
  ZoneFixture z;
  std::string ring, patrol, tile, shield;
  for (int frame = 1; frame <= 10; ++frame) {
    z->Animation();
    ring += static_cast<char>('0' + z->RingSpinFrame);
    patrol += static_cast<char>('0' + z->PatrolFrame);
    tile += static_cast<char>('0' + z->TileFrame);
    shield += static_cast<char>('0' + z->ShieldFrame);
  }
  EXPECT_EQ(ring, "0000111112");
  EXPECT_EQ(patrol, "0000111112");
  EXPECT_EQ(tile, "0000111112");
  EXPECT_EQ(shield, "0111223334");  // twice in five frames
}

TEST(SharedTick, WrapsAndSparklePhase) {
  ZoneFixture z;
  std::string tile, spin, sparkle;
  for (int tick = 0; tick < 9; ++tick) {
    for (int i = 0; i < 5; ++i) z->Animation();
    tile += static_cast<char>('0' + z->TileFrame);
    spin += static_cast<char>('0' + z->RingSpinFrame);
    sparkle += static_cast<char>('0' + z->SparklePhase);
  }
  EXPECT_EQ(tile, "123012301");
  EXPECT_EQ(spin, "123456701");
  EXPECT_EQ(sparkle, "210210210");
}

TEST(SharedTick, AshMoorBlocksDoNotAnimate) {
  ZoneFixture z(AshmoorTables());
  for (int i = 0; i < 50; ++i) z->Animation();
  EXPECT_EQ(z->TileFrame, 0);
  EXPECT_EQ(z->RingSpinFrame, 2);  // 10 ticks
}

TEST(Invincibility, LastsAThousandFrames) {
  ZoneFixture z;
  z->InvincibleTimer = 1;
  for (int i = 0; i < 999; ++i) z->Animation();
  EXPECT_EQ(z->InvincibleTimer, 1000);
  z->Animation();
  EXPECT_EQ(z->InvincibleTimer, 0);
  z->Animation();
  EXPECT_EQ(z->InvincibleTimer, 0);
}

TEST(ShieldFrames, StayInRangeForEverWithoutAShield) {
  ZoneFixture z;
  for (int i = 0; i < 200000; ++i) {
    z->Animation();
    ASSERT_GE(z->ShieldFrame, 0) << i;
    ASSERT_LE(z->ShieldFrame, 57) << i;
  }
}

TEST(ShieldFrames, EachShieldsFramesHoldFromTheFrameItIsGiven) {
  for (int16_t kind = 1; kind <= 3; ++kind) {
    for (int start : {0, 7, 30, 57}) {
      ZoneFixture z;
      for (int i = 0; i < start * 5 / 2; ++i) z->Animation();
      z->ShieldKind = kind;
      for (int i = 0; i < 60; ++i) {
        z->Animation();
        const int lo = kind == 1 ? 0 : kind == 2 ? 16 : 26;
        const int hi = kind == 1 ? 15 : kind == 2 ? 25 : 43;
        ASSERT_GE(z->ShieldFrame, lo) << kind << " " << start << " " << i;
        ASSERT_LE(z->ShieldFrame, hi) << kind << " " << start << " " << i;
      }
    }
  }
}

TEST(ShieldFrames, DashJumpsTo48Or54AndBackTo16) {
  ZoneFixture z;
  z->ShieldKind = 2;
  z->Airborne = kOn;
  z->Animation();
  EXPECT_EQ(z->ShieldFrame, 16);
  z->ShieldAction = 2;
  z->Facing = kFacingRight;
  z->Animation();
  EXPECT_EQ(z->ShieldFrame, 48);
  for (int i = 0; i < 30; ++i) {
    z->Animation();
    ASSERT_GE(z->ShieldFrame, 48);
    ASSERT_LE(z->ShieldFrame, 51);
  }
  z->ShieldAction = 0;
  z->Animation();
  EXPECT_EQ(z->ShieldFrame, 16);
  z->ShieldAction = 2;
  z->Facing = kFacingLeft;
  z->Animation();
  EXPECT_EQ(z->ShieldFrame, 54);
  for (int i = 0; i < 30; ++i) {
    z->Animation();
    ASSERT_GE(z->ShieldFrame, 54);
    ASSERT_LE(z->ShieldFrame, 57);  // the sheet holds frames 0..57
  }
}

TEST(ShieldFrames, LeftDashCyclesTheSheetsLastFourFrames) {
  // The shield sheet holds 58 frames of 48 rows (2784 rows): a frame 58 would fall off its end.
  ZoneFixture z;
  z->ShieldKind = 2;
  z->ShieldAction = 2;
  z->Facing = kFacingLeft;
  z->Airborne = kOn;
  std::set<int> seen;
  for (int i = 0; i < 60; ++i) {
    z->Animation();
    seen.insert(z->ShieldFrame);
  }
  EXPECT_EQ(seen, (std::set<int>{54, 55, 56, 57}));
}

TEST(ShieldFrames, BounceShowsFrame52) {
  ZoneFixture z;
  z->ShieldKind = 3;
  z->ShieldAction = 3;
  z->Airborne = kOn;
  for (int i = 0; i < 7; ++i) {
    z->Animation();
    ASSERT_EQ(z->ShieldFrame, 52);
  }
}

}  // namespace
}  // namespace orvane
