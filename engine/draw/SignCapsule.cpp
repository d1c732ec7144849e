// The end sign, and in the last act the capsule, its figures and its debris. How the debris falls
// and when its fall ends the act belong to the capsule (engine/player/Capsule.cpp).
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

using platform::Rect;

constexpr Rect kDebris[6] = {{48, 144, 56, 160}, {16, 144, 32, 160}, {0, 144, 8, 160},
                             {8, 144, 16, 160},  {32, 144, 48, 160}, {56, 144, 64, 160}};
constexpr int kFigureW = 16, kFigureH = 24;
constexpr int kFigureRowsWaiting = 160, kFigureRowsLoose = 184;

}  // namespace

void ZoneForm::DrawEndSign() {
  const int row = SignFrameRow[SignFrame];
  Place(SignSheet, {0, row * kSignSize, kSignSize, row * kSignSize + kSignSize}, SignX[ActIndex] - CameraX,
        SignY[ActIndex] - CameraY);
}

void ZoneForm::DrawCapsule() {
  Place(CapsuleSheet, {OnCapsule * 32, 128, OnCapsule * 32 + 32, 144}, CapsuleX + 16 - CameraX, CapsuleY - 15 - CameraY);
  const int bodyTop = CapsuleState == 0 ? 0 : kCapsuleSize;
  Place(CapsuleSheet, {0, bodyTop, kCapsuleSize, bodyTop + kCapsuleSize}, CapsuleX - CameraX, CapsuleY - CameraY);
  if (CapsuleState != 1) return;

  // the freed figures face the way they hop
  for (int i = 0; i < 16; ++i) {
    const int column = (FigureKind[i] == 2 ? 32 : 0) + (FigureSpeedX[i] > 0 ? kFigureW : 0);
    const int top = FigureLoose[i] == 1 ? kFigureRowsLoose : kFigureRowsWaiting;
    PlaceUnclipped(CapsuleSheet, {column, top, column + kFigureW, top + kFigureH}, FigureX[i] - CameraX,
                   FigureY[i] - CameraY);
  }
}

void ZoneForm::DrawCapsuleDebris() {
  if (CapsuleState != 1) return;
  for (int j = 0; j < 6; ++j) PlaceUnclipped(CapsuleSheet, kDebris[j], DebrisX[j] - CameraX, DebrisY[j] - CameraY);
}

}  // namespace orvane
