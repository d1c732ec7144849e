// The player's sprite: the frame rectangle by character, facing and pose, the curve poses, the blink,
// and the dying player over the foreground. The player sheets hold one frame per row, left-facing
// frames in the column at x 0 and right-facing ones beside them; none of these pieces is clipped.
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

// the curve poses: left-facing at x 0, right-facing one cell to the right
constexpr int kCurveOffsetX = -3;
constexpr int kCurveOffsetY = -6;

// The frame of the player sheet for the current state.
platform::Rect PlayerFrameRect(const ZoneForm& f) {
  const int32_t spring = f.SpringPose;
  if (f.Character == kKubo) {
    const int32_t row = (f.PlayerAnim == anim::kBall ? f.AltBallFrame : f.PlayerFrame) * kKuboCellH;
    return {f.FacingAlt, row, f.FacingAlt + kKuboCellW, row + kKuboCellH + spring};
  }
  const int32_t row = int32_t{f.PlayerFrame} * kZintoCellH;
  const int32_t tall = f.Dying == kSet ? kZintoDyingExtraRows : 0;
  return {f.Facing, row, f.Facing + kZintoCellW, row + kZintoCellH + tall + spring};
}

}  // namespace

void ZoneForm::DrawPlayer() {
  // the sheet's frame, except while riding a curve upright; during the hurt blink only on phase 0
  if ((OnCurve == 0 || Rolling == kSet) && (BlinkOn < 1 || BlinkPhase < 1))
    PlaceUnclipped(PlayerSheet, PlayerFrameRect(*this), PlayerScreenX, PlayerScreenY + SpriteDropY);

  // the rotated pose on a curve does not blink
  if (OnCurve == kSet && Rolling == 0) {
    const int32_t left = (Facing / kFacingRight) * kCurveCell;
    const int32_t top = int32_t{PlayerFrame} * kCurveCell;
    PlaceUnclipped(CurveSheet, {left, top, left + kCurveCell, top + kCurveCell}, PlayerScreenX + kCurveOffsetX,
                   PlayerScreenY + kCurveOffsetY);
  }
}

void ZoneForm::DrawDyingPlayer() {
  PlaceUnclipped(PlayerSheet, PlayerFrameRect(*this), PlayerScreenX, DeathY + SpriteDropY);
}

}  // namespace orvane
