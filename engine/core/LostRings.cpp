// Lost rings: a hurt that costs rings throws them out in two circles; they fly, bounce on floors and
// can be caught again for a while. After a hurt the player is protected and blinks. Both count the
// one HurtTimer, so while both run it advances twice a frame.
#include <cmath>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

constexpr int kLostRings = 32;
constexpr int kOuterCircle = 16;          // rings 1..16 fly on the outer, faster circle
constexpr double kOuterSpeed = 3;
constexpr double kInnerSpeed = 2;
constexpr double kAngleStart = 5;         // ring i leaves at (i + 5) / 2.5 radians
constexpr double kAngleDivisor = 2.5;
constexpr double kOutFromPlayer = 16;

constexpr double kLostRingGravity = 0.075;
constexpr double kFallenOut = 1264;        // below the act's last row
constexpr double kRingCentreX = 8;
constexpr double kFloorBelowY = 112;       // resting height on the block below
constexpr double kLowFloorY = 48;          // resting height on a low floor in the ring's own block
constexpr double kRingSize = 16;
constexpr double kCatchRight = 34;         // the player's catching box
constexpr double kCatchTop = 2;
constexpr double kCatchBottom = 38;
constexpr int16_t kLostRingsLast = 400;    // frames of HurtTimer the lost rings live
constexpr int16_t kProtectedLast = 401;    // frames of HurtTimer the player is protected
constexpr int16_t kBlinkPhaseFrames = 3;   // a phase lasts while BlinkStep counts 0..3

void BlinkStepOn(ZoneForm& z) {
  if (z.BlinkOn <= 0) return;
  z.BlinkStep = AddSaturated(z.BlinkStep, 1);
  if (z.BlinkStep > kBlinkPhaseFrames) {
    z.BlinkStep = 0;
    z.BlinkPhase = z.BlinkPhase == 0 ? 1 : 0;
  }
}

}  // namespace

void ZoneForm::ScatterRings() {
  RestartSound(kSoundHurt);
  for (int i = 1; i <= kLostRings; ++i) {
    if (i - 1 < RingCount) {
      LostRingAlive[i] = 1;
      LostRingX[i] = PlayerX + kOutFromPlayer;
      LostRingY[i] = PlayerY + kOutFromPlayer;
      LostRingSpeedX[i] = 0;
      LostRingSpeedY[i] = 0;
    }
  }
  for (int i = 1; i <= kLostRings; ++i) {
    if (LostRingAlive[i] != 1) continue;
    const double a = (i + kAngleStart) / kAngleDivisor;
    const double speed = i <= kOuterCircle ? kOuterSpeed : kInnerSpeed;
    LostRingSpeedX[i] += speed * std::sin(a);
    LostRingSpeedY[i] += speed * std::cos(a);
  }
  RingCount = 0;
  LostRingsActive = kOn;
  Airborne = kOn;
  HurtRecoil = kOn;
}

void ZoneForm::MoveLostRings() {
  for (int i = 1; i <= kLostRings; ++i) {
    if (LostRingAlive[i] != 1) continue;
    // fly
    LostRingSpeedY[i] += kLostRingGravity;
    LostRingX[i] += LostRingSpeedX[i];
    LostRingY[i] += LostRingSpeedY[i];
    if (LostRingY[i] > kFallenOut) LostRingAlive[i] = 0;  // still tested below in this pass

    // bounce, keeping the full speed
    SensorCol = ToInt16(DivRounded(LostRingX[i] + kRingCentreX, kBlock));
    SensorRow = ToInt16(DivRounded(LostRingY[i], kBlock));
    const int c = SensorCol, r = SensorRow;
    if (zone_.lostRingFloorBelow.Contains(BlockMap[(r + 1) * kMapColumns + c]) &&
        LostRingY[i] + LostRingSpeedY[i] > r * kBlock + kFloorBelowY) {
      LostRingY[i] = r * kBlock + kFloorBelowY;
      LostRingSpeedY[i] = -LostRingSpeedY[i];
    }
    if (zone_.lostRingLowFloor.Contains(BlockMap[r * kMapColumns + c]) &&
        LostRingY[i] + LostRingSpeedY[i] > r * kBlock + kLowFloorY) {
      LostRingY[i] = r * kBlock + kLowFloorY;
      LostRingSpeedY[i] = -LostRingSpeedY[i];
    }

    // caught again, once the player is no longer thrown back
    if (LostRingX[i] < PlayerX + kCatchRight && LostRingX[i] + kRingSize > PlayerX &&
        LostRingY[i] < PlayerY + kCatchBottom && LostRingY[i] + kRingSize > PlayerY + kCatchTop && HurtRecoil == 0) {
      RestartSound(kSoundRing);
      LostRingAlive[i] = 0;
      RingCount = AddSaturated(RingCount, 1);
    }
  }
  HurtTimer = AddSaturated(HurtTimer, 1);
  BlinkStepOn(*this);
  if (HurtTimer > kLostRingsLast) {
    for (int i = 1; i <= kLostRings; ++i) LostRingAlive[i] = 0;
    LostRingsActive = 0;
    HurtTimer = 0;
    BlinkOn = 0;
  }
}

void ZoneForm::HurtBlink() {
  HurtTimer = AddSaturated(HurtTimer, 1);
  if (Airborne == 0 && BlinkOn == 0) BlinkOn = 1;  // the blink starts on the first frame on the ground
  BlinkStepOn(*this);
  if (HurtTimer > kProtectedLast) {
    HurtTimer = 0;
    BlinkOn = 0;
    Invulnerable = 0;
  }
}

}  // namespace orvane
