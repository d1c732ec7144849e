// Sinking sand: the player sinks slowly, cannot use air moves, and can only jump out.
// The sand is marked in the second layer; it sets no floor and only takes away downward speed.
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

constexpr int kLowSurface = 70;
constexpr int kIntoBlockBelow = 4;     // the feet this far into sand below before it holds them
constexpr int kMiddleX = 19;
constexpr int kFeetY = 38;
constexpr Number kSinkPerFrame = 0.4;
constexpr Number kJumpOutSpeed = -6.5;

}  // namespace

void ZoneForm::SandStep() {
  const int c = DivRounded(PlayerX + kMiddleX, kBlock);
  const int r = DivRounded(PlayerY, kBlock);
  const int top = r * kBlock;

  auto sink = [this] {
    SpeedY = 0;
    PlayerY += kSinkPerFrame;
    AirActionReady = 0;
    Sprung = 0;
    Flying = 0;
    ShieldAction = 0;
    ShieldUsed = 0;
    FlightTired = 0;
    FlightTimer = 0;
    StopSound(kSoundFly);
    StopSound(kSoundFall);
    // a jump press is the only way out; crouching or charging a spin keeps the press for the spin
    if (JumpPressed == kOn && SpinState != spin::kCrouching && SpinState != spin::kCharging) {
      SpeedY = kJumpOutSpeed;
      Airborne = kOn;
      AirActionReady = kOn;
      Rolling = 0;
      RestartSound(kSoundJump);
    }
  };

  // sand in the block below, once the feet are more than 4 pixels into it
  if (fore::kSandToTop.Contains(BlockMap2[(r + 1) * kMapColumns + c]) &&
      PlayerY + kFeetY > top + kBlock + kIntoBlockBelow && SpeedY > 0)
    sink();

  // sand in the own block
  const int own = BlockMap2[r * kMapColumns + c];
  if (fore::kSandToTop.Contains(own) && PlayerY + kFeetY > top && SpeedY > 0) sink();
  else if (fore::kSandLow.Contains(own) && PlayerY + kFeetY > top + kLowSurface && SpeedY > 0) sink();
}

}  // namespace orvane
