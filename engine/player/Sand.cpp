// Sinking sand: the player sinks slowly, cannot use air moves, and can only jump out.
// The sand is marked in the second layer; it sets no floor and only takes away downward speed.
#include "engine/core/Sounds.h"
#include "engine/core/ValueSet.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

constexpr int kBlock = 128;
constexpr int kColumns = 78;
constexpr ValueSet kSandAtTop{1, 4};   // sand up to the block's top
constexpr ValueSet kSandLow{10, 13};   // sand up to 70 pixels below the block's top
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
    if (JumpPressed == -1 && SpinState != 1 && SpinState != 2) {
      SpeedY = kJumpOutSpeed;
      Airborne = -1;
      AirActionReady = -1;
      Rolling = 0;
      RestartSound(kSoundJump);
    }
  };

  // sand in the block below, once the feet are more than 4 pixels into it
  if (kSandAtTop.Contains(BlockMap2[(r + 1) * kColumns + c]) && PlayerY + kFeetY > top + kBlock + kIntoBlockBelow &&
      SpeedY > 0)
    sink();

  // sand in the own block
  const int own = BlockMap2[r * kColumns + c];
  if (kSandAtTop.Contains(own) && PlayerY + kFeetY > top && SpeedY > 0) sink();
  else if (kSandLow.Contains(own) && PlayerY + kFeetY > top + kLowSurface && SpeedY > 0) sink();
}

}  // namespace orvane
