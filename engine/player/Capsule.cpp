// The act-end capsule of the last act: standing on it, the burst, the freed figures, the falling
// debris whose fall ends the act. Its drawing is in engine/draw/SignCapsule.cpp; Blit runs the
// debris's fall between the capsule's drawing and the debris's.
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {


// The top the player stands on, relative to the capsule: the player's middle (x+19) within
// 16..48, its feet (y+38) within -9..16.
constexpr int kMiddleX = 19;
constexpr int kFeetY = 38;
constexpr int kTopLeft = 16;
constexpr int kTopRight = 48;
constexpr int kTopAbove = -9;
constexpr int kTopBelow = 16;
constexpr int kStandY = -46;       // PlayerY while standing on it
constexpr Number kRisingFrom = -1; // rising this fast or faster, the player passes through

// The burst.
constexpr Number kDebrisBurstSpeedY = -2;
constexpr Number kFigureBurstSpeedX[16] = {-2, -1.75, -1.5, -1, -0.5, -0.5, 2, 1.5,
                                           1,  0.5,   0.6,  0.75, -2, -1, 0.5, 0.5};
constexpr Number kFigureBurstSpread = 4;  // burst speed -(4r + 2): -6 .. -2
constexpr Number kFigureBurstMin = 2;

// The figures' hops on the ground line 64 pixels below the capsule's top.
constexpr int kFiguresWaitBelow = 64;  // debris piece 0 this far below the top lets them go
constexpr Number kFigureGravity = 0.2;
constexpr int kGroundLine = 64;
constexpr int kFigureHeight = 24;
constexpr int kFigureRestY = 40;
constexpr Number kHopSpread = 4;  // hop speed -(4r) - 1: -5 .. -1
constexpr Number kHopMin = 1;

// The debris's fall once the capsule has burst.
constexpr Number kDebrisDrift[6] = {-0.4, -0.2, -0.1, 0.1, 0.2, 0.4};
constexpr Number kDebrisGravity = 0.1;
constexpr int kReleaseDrop = 128;  // the act ends once debris 0 is this far below the capsule's top

}  // namespace

void ZoneForm::CapsuleStep() {
  // the freed figures hop about once the debris has fallen past the ground
  if (CapsuleState > 0 && DebrisY[0] > CapsuleY + kFiguresWaitBelow) {
    for (int i = 0; i < 16; ++i) {
      FigureSpeedY[i] += kFigureGravity;
      FigureY[i] += FigureSpeedY[i];
      if (FigureLoose[i] == 1) FigureX[i] += FigureSpeedX[i];
      if (FigureY[i] + kFigureHeight > CapsuleY + kGroundLine) {
        FigureY[i] = CapsuleY + kFigureRestY;
        FigureSpeedY[i] = -(kHopSpread * os_.random.Next()) - kHopMin;
        FigureLoose[i] = 1;
      }
    }
  }

  if (ActIndex != kCapsuleAct) return;

  // standing on the top
  const bool onTop = PlayerX + kMiddleX > CapsuleX + kTopLeft && PlayerX + kMiddleX < CapsuleX + kTopRight &&
                     PlayerY + kFeetY > CapsuleY + kTopAbove && PlayerY + kFeetY < CapsuleY + kTopBelow &&
                     SpeedY > kRisingFrom;
  if (!onTop) {
    OnCapsule = 0;
    return;
  }
  PlayerY = CapsuleY + kStandY;
  Airborne = 0;
  AirActionReady = 0;
  SpeedY = 0;
  OnCapsule = 1;
  if (CapsuleState != 0) {
    CapsuleState = 1;
    return;
  }

  // the first landing bursts it
  RestartSound(kSoundTv);
  for (int j = 0; j < 6; ++j) DebrisSpeedY[j] = kDebrisBurstSpeedY;
  for (int i = 0; i < 16; ++i) FigureSpeedX[i] = kFigureBurstSpeedX[i];
  for (int i = 0; i < 16; ++i) FigureSpeedY[i] = -(kFigureBurstSpread * os_.random.Next() + kFigureBurstMin);
  CapsuleState = 1;
}

void ZoneForm::CapsuleDebrisStep() {
  if (CapsuleState != 1) return;
  for (int j = 0; j < 6; ++j) DebrisSpeedX[j] = kDebrisDrift[j];
  for (int j = 0; j < 6; ++j) DebrisSpeedY[j] += kDebrisGravity;
  for (int j = 0; j < 6; ++j) {
    DebrisX[j] += DebrisSpeedX[j];
    DebrisY[j] += DebrisSpeedY[j];
  }
}

void ZoneForm::CapsuleReleaseTest() {
  if (DebrisY[0] > CapsuleY + kReleaseDrop && ActDone == 0) {
    CapsuleState = 2;
    ActDone = 1;
  }
}

}  // namespace orvane
