// Animation counters: the player's animation state and sprite frame from the flags and the speed,
// and the counters every ring, shield, animated block, enemy and star reads. Runs once a frame after
// Movement; it draws nothing and moves nothing.
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

constexpr double kWalkTop = 8;        // walking below this speed ...
constexpr double kRunFrom = 7;        // ... running above this one (both between 7 and 8)
constexpr double kSkidFrom = 2;
constexpr double kFrameStepDivisor = 24;
constexpr int16_t kTiredAfter = 198;

// the shared tick fires every fifth frame; the shield moves once more half-way
constexpr double kTickStep = 0.25;
constexpr double kTickHalf = 0.5;
constexpr double kTickFull = 1;
constexpr int16_t kLastTileFrame = 3;
constexpr int16_t kLastSpinFrame = 7;
constexpr int16_t kLastPatrolFrame = 7;
constexpr int16_t kFirstSparklePhase = 2;
constexpr int16_t kInvincibleFrames = 1000;

// shield frames
constexpr int16_t kLastBubbleFrame = 15;           // double-jump shield 0..15
constexpr int16_t kFlameFrom = 16, kFlameTo = 25;  // dash shield at rest
constexpr int16_t kDashRightFrom = 48, kDashRightTo = 51;
constexpr int16_t kDashLeftFrom = 54, kDashLeftTo = 57;  // the sheet's last four frames
constexpr int16_t kBounceFrom = 26, kBounceTo = 43;
constexpr int16_t kBounceDown = 52;
constexpr int16_t kLastShieldFrame = kDashLeftTo;  // the last frame of the shield sheet
constexpr int16_t kShieldDash = 2;
constexpr int16_t kShieldBounce = 3;

// Below a becomes a, above b becomes a.
void KeepWithin(int16_t& frame, int16_t a, int16_t b) {
  if (frame < a) frame = a;
  if (frame > b) frame = a;
}

// The player frame advances by `by` each time the frame clock passes 1.
void Advance(ZoneForm& z, double d, int by = 1) {
  z.FrameClock += d;
  if (z.FrameClock > 1) {
    z.PlayerFrame = AddSaturated(z.PlayerFrame, by);
    z.FrameClock = 0;
  }
}

void FirstCharacterFrames(ZoneForm& z) {
  switch (z.PlayerAnim) {
    case anim::kStanding: z.PlayerFrame = 0; break;
    case anim::kWalking: Advance(z, 0.1 + z.FrameStep); KeepWithin(z.PlayerFrame, 1, 6); break;
    case anim::kRunning: Advance(z, 0.4); KeepWithin(z.PlayerFrame, 7, 10); break;
    case anim::kBall: Advance(z, 0.2 + z.FrameStep); KeepWithin(z.PlayerFrame, 11, 15); break;
    case anim::kSkidding: Advance(z, 0.2); KeepWithin(z.PlayerFrame, 16, 17); break;
    case anim::kHurt: z.PlayerFrame = 29; break;
    case anim::kSprung: z.PlayerFrame = 27; break;
    case anim::kCrouching: z.PlayerFrame = 20; break;
    case anim::kCharging: Advance(z, 0.4); KeepWithin(z.PlayerFrame, 22, 26); break;
    case anim::kDead: z.PlayerFrame = 34; break;
    default: break;  // the flight states belong to the second character
  }
}

void SecondCharacterFrames(ZoneForm& z) {
  switch (z.PlayerAnim) {
    case anim::kStanding:
      Advance(z, 0.1);
      if (z.PlayerFrame > 3) z.PlayerFrame = 0;
      break;
    case anim::kWalking: Advance(z, 0.1 + z.FrameStep); KeepWithin(z.PlayerFrame, 4, 11); break;
    case anim::kRunning: Advance(z, 0.4); KeepWithin(z.PlayerFrame, 12, 15); break;
    case anim::kBall:
      // its own ball frames; PlayerFrame is the first table's
      z.AltBallClock += 0.2 + z.AltBallRate;
      if (z.AltBallClock > 1) {
        z.AltBallFrame = AddSaturated(z.AltBallFrame, 1);
        z.AltBallClock = 0;
      }
      KeepWithin(z.AltBallFrame, 16, 18);
      break;
    case anim::kSkidding: z.PlayerFrame = 19; break;
    case anim::kHurt: z.PlayerFrame = 29; break;
    case anim::kSprung: Advance(z, 0.4, 2); KeepWithin(z.PlayerFrame, 25, 27); break;
    case anim::kCrouching: z.PlayerFrame = 20; break;
    case anim::kCharging: Advance(z, 0.4); KeepWithin(z.PlayerFrame, 22, 24); break;
    case anim::kFlying: Advance(z, 0.4); KeepWithin(z.PlayerFrame, 30, 31); break;
    case anim::kFlyingTired: Advance(z, 0.2); KeepWithin(z.PlayerFrame, 32, 35); break;
    case anim::kDead: z.PlayerFrame = 36; break;
    default: break;
  }
}

// Each curve pose p has the four frames 4p..4p+3 of the curve sheet.
void CurveFrames(ZoneForm& z) {
  const int first = 4 * z.CurvePose;
  Advance(z, z.FrameStep + 0.1);
  if (z.PlayerFrame < first) z.PlayerFrame = ToInt16(first);
  if (z.PlayerFrame > first + 3) z.PlayerFrame = ToInt16(first);
}

void WrapShieldFrame(ZoneForm& z) {
  int16_t& f = z.ShieldFrame;
  switch (z.ShieldKind) {
    case 1:
      if (f > kLastBubbleFrame) f = 0;
      break;
    case 2:
      if (z.ShieldAction == 0) KeepWithin(f, kFlameFrom, kFlameTo);
      if (z.ShieldAction == kShieldDash && z.Facing == kFacingRight) KeepWithin(f, kDashRightFrom, kDashRightTo);
      if (z.ShieldAction == kShieldDash && z.Facing == kFacingLeft) KeepWithin(f, kDashLeftFrom, kDashLeftTo);
      break;
    case 3:
      KeepWithin(f, kBounceFrom, kBounceTo);
      if (z.ShieldAction == kShieldBounce) f = kBounceDown;
      break;
    default: break;
  }
  // Without a shield (or in a move no rule covers) the counter keeps counting, but it starts again
  // at 0 once past the last shield frame, so it never leaves its range and every shield's rule
  // above brings it to that shield's frames in the frame the shield is given.
  if (f < 0 || f > kLastShieldFrame) f = 0;
}

}  // namespace

void ZoneForm::Animation() {
  // speed states, only while no air move, hurt, spring or shield move owns the state
  const bool baseClear = AirActionReady == 0 && HurtRecoil == 0 && Sprung == 0 && ShieldAction == 0;
  if (baseClear) {
    if (SpeedX > 0 && SpeedX < kWalkTop) PlayerAnim = anim::kWalking;
    if (SpeedX > -kWalkTop && SpeedX < 0) PlayerAnim = anim::kWalking;
    if (SpeedX > kRunFrom) PlayerAnim = anim::kRunning;
    if (SpeedX < -kRunFrom) PlayerAnim = anim::kRunning;
    if (SpeedX == 0) PlayerAnim = anim::kStanding;
  }
  if (SpeedX > 0) {
    FrameStep = SpeedX / kFrameStepDivisor;
    AltBallRate = SpeedX / kFrameStepDivisor;
  }
  if (SpeedX < 0) {
    FrameStep = -SpeedX / kFrameStepDivisor;
    AltBallRate = -SpeedX / kFrameStepDivisor;
  }

  // states from the flags, later ones winning
  if (AirActionReady == kOn && Sprung == 0) PlayerAnim = anim::kBall;
  if (KeyLeft == kOn && Airborne == 0 && HurtRecoil == 0 && Sprung == 0 && SpeedX > kSkidFrom)
    PlayerAnim = anim::kSkidding;
  if (KeyRight == kOn && Airborne == 0 && HurtRecoil == 0 && Sprung == 0 && SpeedX < -kSkidFrom)
    PlayerAnim = anim::kSkidding;
  if (HurtRecoil == kOn) PlayerAnim = anim::kHurt;
  if (Sprung == kOn) PlayerAnim = anim::kSprung;
  if (Airborne == 0) {
    HurtRecoil = 0;
    Sprung = 0;
    SpringPose = 0;
    // after a ring loss the blink starts at the first landing
    if (LostRingsActive == kOn && BlinkOn == 0) BlinkOn = 1;
  }
  if (Sprung == kOn && SpeedY > 0) {
    PlayerAnim = anim::kWalking;
    SpringPose = 0;
  }
  if (SpinState == spin::kCrouching) PlayerAnim = anim::kCrouching;
  if (SpinState == spin::kCharging) PlayerAnim = anim::kCharging;
  if (Rolling == kSet) PlayerAnim = anim::kBall;
  if (Dying == kSet && AirActionReady == 0) PlayerAnim = anim::kDead;

  if ((Character == kZinto && OnCurve == 0) || PlayerAnim == anim::kBall) FirstCharacterFrames(*this);

  // shared tick
  SharedTick += kTickStep;
  if (SharedTick == kTickHalf) ShieldFrame = AddSaturated(ShieldFrame, 1);
  if (SharedTick > kTickFull) {
    if (zone_.animatesTiles) {
      TileFrame = AddSaturated(TileFrame, 1);
      if (TileFrame > kLastTileFrame) TileFrame = 0;
    }
    RingSpinFrame = AddSaturated(RingSpinFrame, 1);
    ShieldFrame = AddSaturated(ShieldFrame, 1);
    SparklePhase = AddSaturated(SparklePhase, -1);
    PatrolFrame = AddSaturated(PatrolFrame, 1);
    SharedTick = 0;
  }

  // invincibility
  if (InvincibleTimer > 0) InvincibleTimer = AddSaturated(InvincibleTimer, 1);
  if (InvincibleTimer > kInvincibleFrames) InvincibleTimer = 0;
  if (SparklePhase < 0) SparklePhase = kFirstSparklePhase;

  // flight
  if (Flying == kOn) {
    if (FlightTired == 0) PlayerAnim = anim::kFlying;
    if (FlightTimer > kTiredAfter) PlayerAnim = anim::kFlyingTired;
  }
  if (Sprung == kOn) Flying = 0;

  if ((Character == kKubo && OnCurve == 0) || PlayerAnim == anim::kBall) SecondCharacterFrames(*this);
  if (OnCurve == kSet && Rolling == 0) CurveFrames(*this);

  // wraps
  if (RingSpinFrame > kLastSpinFrame) RingSpinFrame = 0;
  WrapShieldFrame(*this);
  if (PatrolFrame > kLastPatrolFrame) PatrolFrame = 0;
}

}  // namespace orvane
