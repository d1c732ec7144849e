// The frame's picture: every layer composed on the 320x240 work surface in order, then the copy to
// the back buffer and the flip. A few rules of the act run at fixed points of this order (marked
// below, each defined in its subsystem's file); recorded runs and the draw tests hold the order.
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

using platform::kScreenH;
using platform::kScreenW;

// The frame after the motion, the animation, the clock and the background's offsets (Frame).
void ZoneForm::Blit() {
  TitleCard();                   // rule: the title card moves (act cycle)
  RestoreAfterLostDisplay();
  DrawBackground();
  DrawBlockLayer();
  DrawItems();
  EndSignStep();                 // rule: the end sign turns (act cycle)
  DrawEndSign();
  if (ActIndex == 2) {
    DrawCapsule();
    CapsuleDebrisStep();         // rule: the debris falls (capsule)
    DrawCapsuleDebris();
  }
  if (LostRingsActive == kOn) DrawLostRings();
  if (Dying == 0) DrawPlayer();
  if (InvincibleTimer > 0) DrawStars();
  if (ShieldKind > 0 && InvincibleTimer == 0) DrawShield();
  DrawForeground();
  if (Dying == 1) DrawDyingPlayer();
  DrawStatusBar();
  if (ControlOn == 0) DrawTitleCard();
  if (ActDone >= 1) ActClearScreen();  // rule: the tally, drawn between its steps (act cycle)
  CapsuleReleaseTest();          // rule: the fallen debris ends the act (capsule)
  PresentFrame();
}

int ZoneForm::Place(const platform::Surface& sheet, platform::Rect r, Number sx, Number sy, uint32_t flags) {
  // The blitter does not clip: each piece is cut by hand against the work surface, in fractional
  // numbers, and rounded at the end. A piece wholly off screen ends with an empty rectangle and fails.
  Number left = r.left, top = r.top, right = r.right, bottom = r.bottom;
  const Number w = right - left, h = bottom - top;
  Number x = sx, y = sy;
  if (x + w > kScreenW) right -= x + w - kScreenW;
  if (x < 0) {
    left -= x;
    x = 0;
  }
  if (y + h > kScreenH) bottom -= y + h - kScreenH;
  if (y < 0) {
    top -= y;
    y = 0;
  }
  const platform::Rect cut{ToInt32(left), ToInt32(top), ToInt32(right), ToInt32(bottom)};
  return platform::BltFast(WorkSurface, ToInt32(x), ToInt32(y), sheet, cut, flags);
}

int ZoneForm::PlaceUnclipped(const platform::Surface& sheet, platform::Rect r, Number x, Number y, uint32_t flags) {
  return platform::BltFast(WorkSurface, ToInt32(x), ToInt32(y), sheet, r, flags);
}

void ZoneForm::PresentFrame() {
  platform::Surface& back = os_.display.BackBuffer();
  const platform::Rect whole{0, 0, kScreenW, kScreenH};
  if (DisplayMode == 1) {
    // 640x480 shows the picture unscaled in the middle of a black screen
    platform::BltColorFill(back, {0, 0, 640, 480}, 0);
    platform::BltFast(back, 160, 120, WorkSurface, whole, platform::kBltWait);
  } else {
    // Any other display byte presents as 320x240 rather than showing nothing at all.
    platform::BltFast(back, 0, 0, WorkSurface, whole, platform::kBltWait);
  }
  os_.display.Flip();
}

}  // namespace orvane
