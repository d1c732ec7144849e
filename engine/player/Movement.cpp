// The player's frame: keys and states, the running rules, air moves and the jump, gravity, ground
// states, then the move, the block collision, the items and the tail of the frame.
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

// shields and their moves
constexpr int16_t kDoubleJumpShield = 1;
constexpr int16_t kDashShield = 2;
constexpr int16_t kBounceShield = 3;
constexpr int16_t kDashUnderWay = 2;
constexpr int16_t kBounceUnderWay = 3;

// the top of the world
constexpr Number kWorldCeilingY = -96;

// running
constexpr Number kRunAcceleration = 0.06;
constexpr Number kRunTopSpeed = 8;
constexpr Number kRunSlowDown = 0.14;
constexpr Number kStopThreshold = 0.3;
constexpr Number kRollPushLeftAbove = 0.5;  // pushing Left against a roll needs more than this speed
constexpr Number kRollPush = 0.1;
constexpr Number kRollFriction = 0.05;

// air moves and the jump
constexpr Number kFlightLift = -3;  // flight start and each flap
constexpr int16_t kFlightTiredAt = 200;
constexpr int16_t kFlightLastFrame = 199;
constexpr Number kDoubleJumpSpeedY = -6.5;
constexpr Number kDashSpeed = 15;
constexpr Number kBounceDiveSpeedY = 10;
constexpr Number kBounceReboundSpeedY = -7;
constexpr Number kJumpFloorSpeedY = -6.5;
constexpr Number kJumpWallSpeedY = -2;
constexpr Number kJumpWallSpeedX = 5;  // away from the wall
constexpr Number kJumpCeilingSpeedY = 6;
constexpr Number kSpinLaunchSpeed = 12;

// gravity
constexpr Number kGravity = 0.2;
constexpr Number kFlightGravity = 0.05;
constexpr Number kFlightSinkLimit = 5;

// the death fall
constexpr Number kDeathFallGravity = 0.2;

}  // namespace

void ZoneForm::Movement() {
  ReadKeys();
  RunningRules();
  AirMovesAndJump();
  Gravity();
  GroundStates();
  MoveEnemies();
  MovePlayer();
  CollideWithBlocks();
  ItemWalk();
  if (Invulnerable == kOn) HurtBlink();
  if (LostRingsActive == kOn) MoveLostRings();
  CapsuleStep();
  if (zone_.hasSand) SandStep();
  // the loop riding and the world limits work on the centre point
  SensorX = PlayerX + kCentreX;
  SensorY = PlayerY + kCentreY;
  LoopRiding();
  WorldLimitsAndCamera();
}

void ZoneForm::ReadKeys() {
  const platform::Input& keys = os_.input;

  // Escape ends the program at once
  if (keys.KeyDown(platform::Key::Escape)) {
    QuitRequested = 1;
    EndIt();
  }

  // Left and Right; Right wins when both are held
  const bool steering = SpinState != spin::kCrouching && Dying == 0 && ControlOn == kSet && Rolling == 0;
  if (steering && keys.KeyDown(platform::Key::Left)) {
    KeyLeft = kOn;
    KeyDown = 0;
    Facing = kFacingLeft;
    FacingAlt = kFacingAltLeft;
  } else {
    KeyLeft = 0;
  }
  if (steering && keys.KeyDown(platform::Key::Right)) {
    KeyRight = kOn;
    KeyLeft = 0;
    Facing = kFacingRight;
    FacingAlt = kFacingAltRight;
  } else {
    KeyRight = 0;
  }

  // the jump key gives one press until it is released
  const bool control = keys.KeyDown(platform::Key::Control);
  if (Dying == 0 && ControlOn == kSet && JumpLatch == 0 && control) {
    JumpPressed = kOn;
    JumpLatch = kOn;
  } else {
    JumpPressed = 0;
  }
  if (!control) JumpLatch = 0;

  KeyUp = keys.KeyDown(platform::Key::Up) ? kOn : 0;
  KeyDown = keys.KeyDown(platform::Key::Down) ? kOn : 0;

  // the ceiling of the world
  if (PlayerY < kWorldCeilingY) {
    PlayerY = kWorldCeilingY;
    SpeedY = 0;
  }
}

void ZoneForm::RunningRules() {
  const platform::Input& keys = os_.input;

  // pushing against a roll (the keys are read again: KeyLeft and KeyRight are clear while rolling)
  if (keys.KeyDown(platform::Key::Left) && ControlOn == kSet && Rolling == kSet && SpeedX > kRollPushLeftAbove)
    SpeedX -= kRollPush;
  if (keys.KeyDown(platform::Key::Right) && ControlOn == kSet && Rolling == kSet && SpeedX < 0) SpeedX += kRollPush;

  // running right, or slowing down from the right
  if (KeyRight == kOn && SpeedX < kRunTopSpeed && Rolling == 0 && SpinState != spin::kCharging)
    SpeedX += kRunAcceleration;
  else if (SpeedX > 0 && Rolling == 0 && SpinState != spin::kCharging)
    SpeedX -= kRunSlowDown;

  // running left, or slowing down from the left
  if (KeyLeft == kOn && SpeedX > -kRunTopSpeed && Rolling == 0 && SpinState != spin::kCharging)
    SpeedX -= kRunAcceleration;
  else if (SpeedX < 0 && Rolling == 0 && SpinState != spin::kCharging)
    SpeedX += kRunSlowDown;

  // a crawl with no key held stops
  if (KeyLeft == 0 && KeyRight == 0 && SpeedX > 0 && SpeedX < kStopThreshold) SpeedX = 0;
}

void ZoneForm::AirMovesAndJump() {
  // Kubo's flight starts with a press in the air
  if (Character == kKubo && JumpPressed == kOn && Airborne == kOn && AirActionReady == kOn) {
    SpeedY = kFlightLift;
    StopSound(kSoundFall);
    LoopSound(kSoundFly);
    Flying = kOn;
    AirActionReady = 0;
    FlightTimer = 1;
  }

  // Zinto's shield moves: the first that fires uses the shield for this jump
  if (Character == kZinto && JumpPressed == kOn && Airborne == kOn && AirActionReady == kOn && ShieldUsed == 0) {
    if (ShieldKind == kDoubleJumpShield) {
      RestartSound(kSoundEuse);
      SpeedY = kDoubleJumpSpeedY;
      ShieldUsed = kSet;
    } else if (ShieldKind == kDashShield && (Facing == kFacingRight || Facing == kFacingLeft)) {
      RestartSound(kSoundFuse);
      SpeedY = 0;
      SpeedX = Facing == kFacingRight ? kDashSpeed : -kDashSpeed;
      ShieldUsed = kSet;
      ShieldAction = kDashUnderWay;
    } else if (ShieldKind == kBounceShield) {
      RestartSound(kSoundBuse);
      SpeedY = kBounceDiveSpeedY;
      ShieldUsed = kSet;
      ShieldAction = kBounceUnderWay;
    }
  }

  // the flight clock
  if (FlightTimer > 0 && FlightTired == 0) FlightTimer = AddSaturated(FlightTimer, 1);

  // the death fall rises and drops on the screen
  if (Dying == kSet) {
    DeathY += DeathSpeedY;
    DeathSpeedY += kDeathFallGravity;
  }

  // tiredness: the clock rests at its last frame until the flight ends
  if (FlightTimer == kFlightTiredAt) {
    FlightTimer = kFlightLastFrame;
    StopSound(kSoundFly);
    LoopSound(kSoundFall);
    FlightTired = kOn;
  }

  // Kubo flaps while he flies and is not tired
  if (Character == kKubo && JumpPressed == kOn && Airborne == kOn && FlightTired == 0 && Flying == kOn)
    SpeedY = kFlightLift;

  // the jump, by the surface the player stands on
  if (JumpPressed == kOn && Airborne == 0 && SpinState != spin::kCrouching && SpinState != spin::kCharging) {
    if (SurfaceMode == surface::kFloor) {
      SpeedY = kJumpFloorSpeedY;
    } else if (SurfaceMode == surface::kRightWall) {
      SpeedY = kJumpWallSpeedY;
      SpeedX = -kJumpWallSpeedX;
    } else if (SurfaceMode == surface::kCeiling) {
      SpeedY = kJumpCeilingSpeedY;
    } else if (SurfaceMode >= surface::kStill && SurfaceMode <= surface::kLastLeftWall) {
      SpeedY = kJumpWallSpeedY;
      SpeedX = kJumpWallSpeedX;
    }
    Airborne = kOn;
    AirActionReady = kOn;
    OnCurve = 0;
    SurfaceMode = surface::kFloor;
    Rolling = 0;
    RestartSound(kSoundJump);
  }
}

void ZoneForm::Gravity() {
  if (Airborne != kOn) return;
  if (Flying == kOn) {
    if (SpeedY < kFlightSinkLimit) SpeedY += kFlightGravity;
  } else {
    SpeedY += kGravity;
  }
}

void ZoneForm::GroundStates() {
  // on the ground the air moves are over
  if (Airborne == 0) {
    Flying = 0;
    StopSound(kSoundFall);
    StopSound(kSoundFly);
    FlightTired = 0;
    FlightTimer = 0;
    ShieldUsed = 0;
    if (ShieldAction == kDashUnderWay) ShieldAction = 0;
    if (ShieldAction == kBounceUnderWay) {
      // the bounce shield throws the player back up, ready to dive again
      SurfaceMode = surface::kFloor;
      OnCurve = 0;
      RestartSound(kSoundBuse);
      ShieldAction = 0;
      AirActionReady = kOn;
      Airborne = kOn;
      SpeedY = kBounceReboundSpeedY;
    }
  }

  // roll start
  if (KeyDown == kOn && Rolling == 0 && SpeedX != 0 && Airborne == 0 && SpinState != spin::kCharging) {
    RestartSound(kSoundRoll);
    Rolling = kSet;
  }

  // roll friction, and the roll ends at a standstill
  if (Rolling == kSet && SpeedX > 0) SpeedX -= kRollFriction;
  if (Rolling == kSet && SpeedX < 0) SpeedX += kRollFriction;
  if (Rolling == kSet && SpeedX == 0) {
    Rolling = 0;
    if (Airborne == kOn || OnCurve == kSet) AirActionReady = kOn;
  }

  // crouch
  if (KeyDown == kOn && Rolling == 0 && SpeedX == 0 && Airborne == 0 && JumpPressed == 0 &&
      SpinState != spin::kCharging)
    SpinState = spin::kCrouching;

  // spin charge: a jump press while crouching
  if (KeyDown == kOn && Rolling == 0 && SpeedX == 0 && Airborne == 0 && JumpPressed == kOn &&
      SpinState == spin::kCrouching) {
    RestartSound(kSoundSpin);
    SpinState = spin::kCharging;
  }

  // spin release: letting go of Down launches the roll
  if (KeyDown == 0 && Rolling == 0 && SpeedX == 0 && Airborne == 0 && SpinState == spin::kCharging) {
    SpinState = spin::kNone;
    Rolling = kSet;
    StopSound(kSoundSpin);
    RestartSound(kSoundRel);
    if (Facing == kFacingRight) SpeedX = kSpinLaunchSpeed;
    if (Facing == kFacingLeft) SpeedX = -kSpinLaunchSpeed;
  }

  // crouch end
  if (SpinState == spin::kCrouching && KeyDown == 0 && SpeedX == 0) SpinState = spin::kNone;
}

void ZoneForm::MovePlayer() {
  // SpeedX runs along the surface, SpeedY across it
  switch (SurfaceMode) {
    case surface::kFloor:
      PlayerX += SpeedX;
      PlayerY += SpeedY;
      break;
    case surface::kRightWall:
      PlayerX += SpeedY;
      PlayerY -= SpeedX;
      break;
    case surface::kCeiling:
      PlayerX -= SpeedX;
      PlayerY += SpeedY;
      break;
    case surface::kLeftWall:
      PlayerX += SpeedY;
      PlayerY += SpeedX;
      break;
    default:  // 3 and any other mode hold the player still
      break;
  }
}

}  // namespace orvane
