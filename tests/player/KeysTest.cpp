// The keys and the player's states: steering, the jump latch, Kubo's flight, Zinto's shield moves,
// the jump by surface, rolling, crouching and the spin charge.
#include <gtest/gtest.h>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/player/PlayerScene.h"

namespace orvane::test {
namespace {

constexpr double kEps = 1e-9;

TEST(Steering, RightWinsWhenBothAreHeld) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->Facing = kFacingLeft;
  fx->FacingAlt = kFacingAltLeft;
  fx.Hold({Key::Left, Key::Right});
  fx.Move();
  EXPECT_EQ(fx->KeyRight, -1);
  EXPECT_EQ(fx->KeyLeft, 0);
  EXPECT_EQ(fx->Facing, kFacingRight);
  EXPECT_EQ(fx->FacingAlt, kFacingAltRight);
  EXPECT_GT(fx->SpeedX, 0);
}

TEST(Steering, KeysAreIgnoredDuringTheTitleCardAndWhileDying) {
  for (int which = 0; which < 2; ++which) {
    ZoneFixture fx;
    StandOnGround(fx, 1000);
    if (which == 0) fx->ControlOn = 0;
    else fx->Dying = kSet;
    fx.Hold({Key::Left, Key::Control});
    fx.Move();
    EXPECT_EQ(fx->KeyLeft, 0);
    EXPECT_EQ(fx->JumpPressed, 0);
    EXPECT_EQ(fx->SpeedX, 0);
    EXPECT_EQ(fx->Facing, kFacingRight);
  }
}

TEST(Steering, EscapeEndsTheProgramWithoutStartingTheLauncher) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx.Hold({Key::Escape});
  EXPECT_THROW(fx.Move(), ProgramEnded);
  EXPECT_EQ(fx->QuitRequested, 1);
  for (const auto& e : fx.os().Events()) EXPECT_NE(e.kind, platform::RecordedEvent::Kind::Start);
}

TEST(Jump, HoldingControlGivesOneJumpAndANewPressNeedsARelease) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_EQ(fx->JumpPressed, -1);
  EXPECT_EQ(fx->Airborne, -1);
  EXPECT_EQ(fx->AirActionReady, -1);
  EXPECT_NEAR(fx->SpeedY, -6.3, kEps);  // -6.5 and this frame's gravity
  fx.Move(120);                         // up, down and standing again, the key still held
  EXPECT_EQ(fx->JumpPressed, 0);
  EXPECT_EQ(fx->Airborne, 0);
  EXPECT_EQ(fx->PlayerY, kStandingY);
  EXPECT_EQ(fx.SoundCalls(kSoundJump, "play"), 1);
  fx.Hold({});
  fx.Move();
  EXPECT_EQ(fx->JumpLatch, 0);
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_EQ(fx->Airborne, -1);
  EXPECT_EQ(fx.SoundCalls(kSoundJump, "play"), 2);
}

TEST(Jump, TheTakeOffDependsOnTheSurface) {
  struct Case {
    int16_t mode;
    double speedX, speedY;  // after the frame: the running rules come first, gravity after
  };
  const Case cases[] = {{0, 0, -6.3}, {1, -5, -1.8}, {2, 0, 6.2}, {3, 5, -1.8},
                        {4, 5, -1.8}, {5, 5, -1.8}, {6, 0, 0.2}};
  for (const Case& c : cases) {
    ZoneFixture fx;
    fx.Play(1000, 500);  // in the open: nothing to land on this frame
    fx->SurfaceMode = c.mode;
    fx->OnCurve = kSet;
    fx->Rolling = kSet;
    fx.Hold({Key::Control});
    fx.Move();
    EXPECT_NEAR(fx->SpeedX, c.speedX, kEps) << "mode " << c.mode;
    EXPECT_NEAR(fx->SpeedY, c.speedY, kEps) << "mode " << c.mode;
    EXPECT_EQ(fx->SurfaceMode, surface::kFloor) << "mode " << c.mode;
    EXPECT_EQ(fx->OnCurve, 0);
    EXPECT_EQ(fx->Rolling, 0);
    EXPECT_EQ(fx->AirActionReady, -1);
  }
}

TEST(Flight, KuboFlies199FramesThenTheFallSoundLoopsUntilHeLands) {
  ZoneFixture fx;
  fx->Character = kKubo;
  fx.FillRow(9, 1);  // far below
  FloatInAir(fx, 1000, 0);
  fx->AirActionReady = kOn;
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_EQ(fx->Flying, -1);
  EXPECT_EQ(fx->AirActionReady, 0);
  EXPECT_EQ(fx->FlightTimer, 2);  // set to 1 and counted in the same frame
  EXPECT_EQ(fx.SoundCalls(kSoundFly, "loop"), 1);
  fx.Hold({});
  fx.Move(197);
  EXPECT_EQ(fx->FlightTimer, 199);
  EXPECT_EQ(fx->FlightTired, 0);
  EXPECT_EQ(fx.SoundCalls(kSoundFall, "loop"), 0);
  fx.Move();  // the 199th frame of flight
  EXPECT_EQ(fx->FlightTired, -1);
  EXPECT_EQ(fx->FlightTimer, 199);
  EXPECT_EQ(fx.SoundCalls(kSoundFall, "loop"), 1);
  const int flyStops = fx.SoundCalls(kSoundFly, "stop");
  EXPECT_GE(flyStops, 1);

  // tired: the clock rests, and a press does not flap
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_EQ(fx->FlightTimer, 199);
  EXPECT_GT(fx->SpeedY, 0);
  fx.Hold({});
  int frames = 0;
  while (fx->Airborne == kOn && frames < 600) {
    fx.Move();
    ++frames;
  }
  ASSERT_EQ(fx->Airborne, 0);
  EXPECT_EQ(fx->PlayerY, 9 * 128 - 38);
  EXPECT_EQ(fx.SoundCalls(kSoundFall, "loop"), 1);  // looped once, until now
  const int fallStops = fx.SoundCalls(kSoundFall, "stop");
  fx.Move();  // on the ground: the flight is over
  EXPECT_GT(fx.SoundCalls(kSoundFall, "stop"), fallStops);
  EXPECT_EQ(fx->Flying, 0);
  EXPECT_EQ(fx->FlightTired, 0);
  EXPECT_EQ(fx->FlightTimer, 0);
}

TEST(Flight, EachPressWhileFlyingFlaps) {
  ZoneFixture fx;
  fx->Character = kKubo;
  FloatInAir(fx, 1000, 300);
  fx->Flying = kOn;
  fx->FlightTimer = 10;
  fx->SpeedY = 3;
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_NEAR(fx->SpeedY, -2.95, kEps);  // -3, then the flight's gravity
  EXPECT_EQ(fx.SoundCalls(kSoundFly, "loop"), 0);  // AirActionReady is 0: no new flight
}

TEST(Shields, TheDashSetsFifteenWhateverTheMotion) {
  for (int16_t facing : {int16_t{40}, int16_t{0}}) {
    ZoneFixture fx;
    FloatInAir(fx, 3000, 300);
    fx->ShieldKind = 2;
    fx->AirActionReady = kOn;
    fx->Facing = facing;
    fx->SpeedX = facing == 40 ? -6 : 6;  // moving the other way
    fx->SpeedY = 3;
    fx.Hold({Key::Control});
    fx.Move();
    EXPECT_EQ(fx->SpeedX, facing == 40 ? 15 : -15);
    EXPECT_NEAR(fx->SpeedY, 0.2, kEps);
    EXPECT_EQ(fx->ShieldAction, 2);
    EXPECT_EQ(fx->ShieldUsed, 1);
    EXPECT_EQ(fx.SoundCalls(kSoundFuse, "play"), 1);
    // one shield move per jump
    fx.Hold({});
    fx.Move();
    fx.Hold({Key::Control});
    fx.Move();
    EXPECT_EQ(fx.SoundCalls(kSoundFuse, "play"), 1);
  }
}

TEST(Shields, TheDoubleJumpShieldJumpsAgain) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 300);
  fx->ShieldKind = 1;
  fx->AirActionReady = kOn;
  fx->SpeedY = 2;
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_NEAR(fx->SpeedY, -6.3, kEps);
  EXPECT_EQ(fx->ShieldUsed, 1);
  EXPECT_EQ(fx.SoundCalls(kSoundEuse, "play"), 1);
}

TEST(Shields, KuboHasNoShieldMove) {
  ZoneFixture fx;
  fx->Character = kKubo;
  FloatInAir(fx, 1000, 300);
  fx->ShieldKind = 2;
  fx->AirActionReady = kOn;
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_EQ(fx->ShieldUsed, 0);
  EXPECT_EQ(fx->Flying, -1);
}

TEST(Shields, TheBounceDivesAndReboundsAtSevenReadyAgain) {
  ZoneFixture fx;
  fx.FillRow(kGroundRow, 1);
  FloatInAir(fx, 1000, 120);
  fx->ShieldKind = 3;
  fx->AirActionReady = kOn;
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_NEAR(fx->SpeedY, 10.2, kEps);
  EXPECT_EQ(fx->ShieldAction, 3);
  fx.Hold({});
  int frames = 0;
  while (fx->Airborne == kOn && frames < 60) {
    fx.Move();
    ++frames;
  }
  ASSERT_EQ(fx->Airborne, 0);  // landed this frame
  EXPECT_EQ(fx->PlayerY, kStandingY);
  fx.Move();
  EXPECT_EQ(fx->SpeedY, -7);
  EXPECT_EQ(fx->Airborne, -1);
  EXPECT_EQ(fx->AirActionReady, -1);
  EXPECT_EQ(fx->ShieldAction, 0);
  EXPECT_EQ(fx->ShieldUsed, 0);
  EXPECT_EQ(fx.SoundCalls(kSoundBuse, "play"), 2);
  // and the shield can dive again
  fx.Hold({Key::Control});
  fx.Move();
  EXPECT_EQ(fx->ShieldAction, 3);
  EXPECT_EQ(fx.SoundCalls(kSoundBuse, "play"), 3);
}

TEST(Ground, DownWhileMovingRollsAndDownAtRestCrouches) {
  ZoneFixture fx;
  StandOnGround(fx, 1000);
  fx->SpeedX = 3;
  fx.Hold({Key::Down});
  fx.Move();
  EXPECT_EQ(fx->Rolling, 1);
  EXPECT_EQ(fx->SpinState, spin::kNone);
  EXPECT_EQ(fx.SoundCalls(kSoundRoll, "play"), 1);

  ZoneFixture still;
  StandOnGround(still, 1000);
  still.Hold({Key::Down});
  still.Move();
  EXPECT_EQ(still->Rolling, 0);
  EXPECT_EQ(still->SpinState, spin::kCrouching);
  still.Hold({});
  still.Move();
  EXPECT_EQ(still->SpinState, spin::kNone);
}

TEST(Ground, TheSpinChargeLaunchesAtTwelveByFacing) {
  for (int16_t facing : {int16_t{40}, int16_t{0}}) {
    ZoneFixture fx;
    StandOnGround(fx, 1000);
    fx->Facing = facing;
    fx.Hold({Key::Down});
    fx.Move();
    ASSERT_EQ(fx->SpinState, spin::kCrouching);
    fx.Hold({Key::Down, Key::Control});
    fx.Move();
    EXPECT_EQ(fx->SpinState, spin::kCharging);
    EXPECT_EQ(fx->Airborne, 0);  // no jump from a crouch
    EXPECT_EQ(fx.SoundCalls(kSoundJump, "play"), 0);
    EXPECT_EQ(fx.SoundCalls(kSoundSpin, "play"), 1);
    fx.Hold({Key::Down});
    fx.Move();
    fx.Hold({Key::Down, Key::Control});  // further presses change nothing
    fx.Move();
    EXPECT_EQ(fx.SoundCalls(kSoundSpin, "play"), 1);
    EXPECT_EQ(fx->SpeedX, 0);
    fx.Hold({});
    fx.Move();
    EXPECT_EQ(fx->SpinState, spin::kNone);
    EXPECT_EQ(fx->Rolling, 1);
    EXPECT_EQ(fx->SpeedX, facing == 40 ? 12 : -12);
    EXPECT_EQ(fx.SoundCalls(kSoundRel, "play"), 1);
    EXPECT_EQ(fx.SoundCalls(kSoundSpin, "stop"), 2);  // the restart's stop and the release's
  }
}

TEST(Ground, ARollEndsInTheAirReadyForAnAirMove) {
  ZoneFixture fx;
  FloatInAir(fx, 1000, 300);
  fx->Rolling = kSet;
  fx->SpeedX = 0.04;
  fx->AirActionReady = 0;
  fx.Move();
  EXPECT_EQ(fx->Rolling, 0);
  EXPECT_EQ(fx->AirActionReady, -1);
}

}  // namespace
}  // namespace orvane::test
