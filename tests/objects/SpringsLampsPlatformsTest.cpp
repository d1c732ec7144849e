// Springs, lamp posts and platforms.
#include <gtest/gtest.h>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane {
namespace {

using test::ZoneFixture;

// An up spring at (500, 600).
constexpr int kSpringX = 500, kSpringY = 600;

TEST(Springs, UpSpringSidesStopThePlayerFlush) {
  ZoneFixture z;
  z.SetItem(0, kind::kSpringUp, kSpringX, kSpringY);
  z.Play(460, 590);
  z->SpeedX = 6;  // 460 + 6 + 35 lands inside the left face
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kSpringX - 35);
  EXPECT_EQ(z->SpeedX, 0);
  EXPECT_EQ(z->Sprung, 0);

  z.Play(530, 590);
  z->SpeedX = -4;  // 526 lands inside the right face
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, kSpringX + 29);
  EXPECT_EQ(z->SpeedX, 0);
  EXPECT_EQ(z->SpeedY, 0);
}

TEST(Springs, UpSpringFaceNeedsThePositionAfterTheMove) {
  ZoneFixture z;
  z.SetItem(0, kind::kSpringUp, kSpringX, kSpringY);
  z.Play(460, 590);
  z->SpeedX = 5;  // 500: on the face's edge, not inside
  z->ItemWalk();
  EXPECT_EQ(z->PlayerX, 460);
  EXPECT_EQ(z->SpeedX, 5);
}

TEST(Springs, FallingOntoTheUpSpringLaunchesAndKeepsSpeedX) {
  ZoneFixture z;
  z.SetItem(0, kind::kSpringUp, kSpringX, kSpringY);
  z.Play(490, 580);
  z->Airborne = kOn;
  z->SpeedX = 2;
  z->SpeedY = 3;
  z->Rolling = kSet;
  z->Flying = kOn;
  z->FlightTimer = 50;
  z->ShieldAction = 3;
  z->AirActionReady = kOn;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, -13);
  EXPECT_EQ(z->SpeedX, 2);
  EXPECT_EQ(z->Sprung, -1);
  EXPECT_EQ(z->SpringPose, 32);
  EXPECT_EQ(z->Rolling, 0);
  EXPECT_EQ(z->Flying, 0);
  EXPECT_EQ(z->FlightTimer, 0);
  EXPECT_EQ(z->ShieldAction, 0);
  EXPECT_EQ(z->AirActionReady, 0);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z.SoundCalls(kSoundFall, "stop"), 1);
  EXPECT_EQ(z.SoundCalls(kSoundFly, "stop"), 1);
  EXPECT_EQ(z.SoundCalls(kSoundSpring, "play"), 1);
}

TEST(Springs, RightSpringResetsTheSurfaceOnlyInPlumVale) {
  for (const ZoneTables* zone : {&PlumvaleTables(), &AshmoorTables()}) {
    ZoneFixture z(*zone);
    z.SetItem(0, kind::kSpringRight, 700, 600);
    z.Play(690, 590);
    z->SurfaceMode = surface::kRightWall;
    z->OnCurve = kSet;
    z->ItemWalk();
    EXPECT_EQ(z->SpeedX, 15);
    const bool resets = zone == &PlumvaleTables();
    EXPECT_EQ(z->SurfaceMode, resets ? 0 : 1);
    EXPECT_EQ(z->OnCurve, resets ? 0 : 1);
    EXPECT_EQ(z.SoundCalls(kSoundSpring, "play"), 1);
  }
}

TEST(Springs, LeftAndDownSpringsSetOneSpeedAndNoFlag) {
  ZoneFixture z;
  z.SetItem(0, kind::kSpringLeft, 700, 600);
  z.Play(690, 590);
  z->SurfaceMode = surface::kRightWall;
  z->OnCurve = kSet;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedX, -15);
  EXPECT_EQ(z->SurfaceMode, surface::kRightWall);
  EXPECT_EQ(z->OnCurve, 1);

  ZoneFixture d;
  d.SetItem(0, kind::kSpringDown, 700, 600);
  d.Play(690, 590);
  d->Airborne = kOn;
  d->SpeedY = -2;
  d->SpeedX = 3;
  d->ItemWalk();
  EXPECT_EQ(d->SpeedY, 7);
  EXPECT_EQ(d->SpeedX, 3);
  EXPECT_EQ(d->Sprung, 0);
  EXPECT_EQ(d->Airborne, -1);
  EXPECT_EQ(d->SpringPose, 0);
}

TEST(Springs, ActInEveryFrameOfContact) {
  ZoneFixture z;
  z.SetItem(0, kind::kSpringDown, 700, 600);
  z.Play(690, 590);
  for (int i = 0; i < 3; ++i) {
    z->SpeedY = 0;
    z->ItemWalk();
    EXPECT_EQ(z->SpeedY, 7);
  }
  EXPECT_EQ(z.SoundCalls(kSoundSpring, "play"), 3);
}

TEST(Springs, DiagonalSpringsLaunchInPlumValeAndAreAbsentInAshMoor) {
  for (const uint8_t kind : {21, 22}) {
    ZoneFixture z;
    z.SetItem(0, kind, 700, 600);
    z.Play(690, 580);
    z->SurfaceMode = surface::kLeftWall;
    z->ItemWalk();
    EXPECT_EQ(z->SpeedX, kind == 21 ? 10 : -10);
    EXPECT_EQ(z->SpeedY, -10);
    EXPECT_EQ(z->SurfaceMode, surface::kFloor);
    EXPECT_EQ(z->Sprung, -1);
    EXPECT_EQ(z->SpringPose, 32);

    ZoneFixture a(AshmoorTables());
    a.SetItem(0, kind, 700, 600);
    a.Play(690, 580);
    a->ItemWalk();
    EXPECT_EQ(a->SpeedX, 0);
    EXPECT_EQ(a->SpeedY, 0);
    EXPECT_EQ(a->Sprung, 0);
  }
}

// A lamp post at (800, 500), 16 wide and 64 high.
TEST(LampPosts, FirstTouchStoresTheRestartPointAndASecondDoesNothing) {
  ZoneFixture z;
  z.SetItem(0, kind::kLampPost, 800, 500);
  z.Play(780, 520.5);
  z->ItemWalk();
  EXPECT_EQ(z->CheckpointX, 786);
  EXPECT_EQ(z->CheckpointY, 520);  // halves round to even
  EXPECT_EQ(z->ItemTimer[0], 14);  // touched (13) and the first spin step
  EXPECT_EQ(z.SoundCalls(kSoundLamp, "play"), 1);

  z.Play(785, 507.5);
  z->CheckpointX = 0;
  z->CheckpointY = 0;
  z->ItemWalk();
  EXPECT_EQ(z->CheckpointX, 0);
  EXPECT_EQ(z->CheckpointY, 0);
  EXPECT_EQ(z.SoundCalls(kSoundLamp, "play"), 1);
}

TEST(LampPosts, TheSpinCountsUpTo63AndRests) {
  ZoneFixture z;
  z.SetItem(0, kind::kLampPost, 800, 500);
  z.Play(780, 521.5);
  z->ItemWalk();
  EXPECT_EQ(z->CheckpointY, 522);
  z.Play(0, 0);
  for (int i = 0; i < 100; ++i) z->ItemWalk();
  EXPECT_EQ(z->ItemTimer[0], 63);
}

TEST(LampPosts, SilentWhileTheActTakesNoInput) {
  ZoneFixture z;
  z.SetItem(0, kind::kLampPost, 800, 500);
  z.Play(780, 520);
  z->ControlOn = 0;
  z->ItemWalk();
  EXPECT_EQ(z->ItemTimer[0], 14);
  EXPECT_EQ(z->CheckpointX, 786);
  EXPECT_EQ(z.SoundCalls(kSoundLamp, "play"), 0);
}

// A platform at (1000, 700), 96 wide.
TEST(Platforms, LandingFromAboveStandsTheFeetOnTheTop) {
  ZoneFixture z;
  z.SetItem(0, kind::kPlatform, 1000, 700);
  z.Play(1000, 660);  // feet at 698, above 706
  z->Airborne = kOn;
  z->AirActionReady = kOn;
  z->SpeedY = 5;      // feet at 703 after the fall: past 702
  z->ItemWalk();
  EXPECT_EQ(z->PlayerY, 664);
  EXPECT_EQ(z->SpeedY, 0);
  EXPECT_EQ(z->Airborne, 0);
  EXPECT_EQ(z->AirActionReady, 0);
}

TEST(Platforms, PassedFromBelowOrFromInside) {
  ZoneFixture z;
  z.SetItem(0, kind::kPlatform, 1000, 700);
  z.Play(1000, 660);
  z->Airborne = kOn;
  z->SpeedY = -5;  // rising
  z->ItemWalk();
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->PlayerY, 660);

  z.Play(1000, 668);  // feet at 706: already at the band's lower edge
  z->Airborne = kOn;
  z->SpeedY = 3;
  z->ItemWalk();
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->SpeedY, 3);
}

TEST(Platforms, JumpInTheLandingFrameFromTheFirstPlatformOnly) {
  ZoneFixture z;
  z.SetItem(3, kind::kPlatform, 1000, 700);
  z.SetItem(7, kind::kPlatform, 4000, 300);
  z.Play(1000, 660);
  z->Airborne = kOn;
  z->SpeedY = 5;
  z->JumpPressed = kOn;
  z->Rolling = kSet;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, -6.5);
  EXPECT_EQ(z->Airborne, -1);
  EXPECT_EQ(z->AirActionReady, -1);
  EXPECT_EQ(z->Rolling, 0);
  EXPECT_EQ(z->PlayerY, 664);
  EXPECT_EQ(z.SoundCalls(kSoundJump, "play"), 1);
}

TEST(Platforms, JumpNeedsNoContactButNotWhileCrouchingOrCharging) {
  ZoneFixture z;
  z.SetItem(0, kind::kPlatform, 4000, 300);
  z.Play(100, 100);
  z->JumpPressed = kOn;
  z->ItemWalk();
  EXPECT_EQ(z->SpeedY, -6.5);

  for (int16_t spin : {1, 2}) {
    ZoneFixture c;
    c.SetItem(0, kind::kPlatform, 4000, 300);
    c.Play(100, 100);
    c->JumpPressed = kOn;
    c->SpinState = spin;
    c->ItemWalk();
    EXPECT_EQ(c->SpeedY, 0);
    EXPECT_EQ(c->Airborne, 0);
  }
}

}  // namespace
}  // namespace orvane
