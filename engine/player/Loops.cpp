// Riding loops and quarter pipes along the curve table.
//
// A loop is four quarter-circle pieces around one corner. The left-hand pieces are marked in the
// main layer and the right-hand pieces in the second layer, so a left and a right piece can share a
// cell; LoopState says which half is live, so a player running right goes up the right half, over
// the top and down the left half without touching the other half where the two cross. The same
// pieces stand alone as quarter pipes that throw the player into the air.
//
// The step works on the player's centre point and leaves it in SensorX, SensorY; the world limits
// turn it back into the position. Curve heights h are read at whole pixels of the local distance.
#include <algorithm>

#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

constexpr int kBlock = 128;
constexpr int kColumns = 78;
constexpr Number kCentreX = 20;  // the centre point, from the sprite's top-left corner
constexpr Number kCentreY = 19;

// Second-layer markers, the same in both zones.
constexpr int kLowerRight = 6;
constexpr int kUpperRight = 7;
constexpr int kLoopStart = 8;
constexpr int kHoldsCeiling = 9;
constexpr int kFirstPieceMarker = 6;  // second-layer values below this hold no right-hand piece

// LoopState
constexpr int16_t kRightHalf = 0;  // outside a loop, or on the way up its right half
constexpr int16_t kLeftHalf = 1;   // on the way down the left half
constexpr int16_t kOverTop = 2;    // on the top, heading back left
constexpr int16_t kBothHalves = 5; // left a piece at floor level: both halves are live

// SurfaceMode
constexpr int16_t kFloor = 0;
constexpr int16_t kRightWall = 1;
constexpr int16_t kCeiling = 2;
constexpr int16_t kLeftWall = 4;

// Local x where a piece turns from its floor or ceiling part to its wall part: below 65 on the
// left-hand pieces and above 64 on the right-hand pieces is wall.
constexpr int kWallBefore = 65;
constexpr int kWallAfter = 64;
// Above this local y a quarter pipe beside an open block throws the player up.
constexpr int kLaunchAbove = 109;
// A pipe throws off its top only a player fast enough to leave it: a slower throw would only hop
// the player off the wall and drop it into the same catch, frame after frame, so that it hung in
// the air. The wall of a lone pipe gives such a rider back instead: it slows and slides down,
// whatever the keys (a key held up the wall wins back only 0.2 a frame).
constexpr Number kLaunchFrom = 1;
constexpr Number kWallSlide = 0.3;
// On the upper pieces: past this local x (from the loop's middle) the player is over the top.
constexpr int kOverTopRight = 32;
constexpr int kOverTopLeft = 96;
// A fall caught by a lower piece turns into speed along it, unless the player already moves fast
// the other way.
constexpr Number kLowerLeftCatchFrom = -50;
constexpr Number kLowerRightCatchBelow = 5;
constexpr int kLowerLeftCatchBias = 10;
constexpr int kLowerLeftCatchStep = 24;
constexpr Number kLowerRightCatchScale = 24;

// The cell under the centre point, taken once at the start of the step.
struct Cell {
  const ZoneForm& f;
  int c, r;
  int left, top;
  int b1, b2;

  Number dx() const { return f.SensorX - left; }
  Number dy() const { return f.SensorY - top; }
  // The curve at a local distance, rounded to whole pixels.
  int h(Number local) const { return f.CurveTable[ToInt32(local)]; }
};

bool IsAnyOf(int16_t v, int16_t a, int16_t b) { return v == a || v == b; }

void CatchAt(ZoneForm& f, Number surfaceY) {
  f.SensorY = surfaceY;
  f.OnCurve = 1;
  f.Airborne = 0;
  f.SpeedY = 0;
  f.AirActionReady = 0;
  f.Sprung = 0;
}

void DropOff(ZoneForm& f) {
  f.OnCurve = 0;
  f.Airborne = -1;
  f.SurfaceMode = kFloor;
}

// Lower-left piece: floor y = h(128 - dx), left wall x = 128 - h(dy).
void RideLowerLeft(ZoneForm& f, const Cell& k) {
  if (!IsAnyOf(f.LoopState, kLeftHalf, kBothHalves)) return;
  const Number floorY = k.top + k.h(kBlock - k.dx());
  if (f.OnCurve == 0 && f.SensorY > floorY) {
    if (f.Airborne == -1 && f.SpeedX > kLowerLeftCatchFrom) {
      // Right at the piece's left edge the divisor is 0: the player keeps the speed it has.
      const int divisor = DivRounded(k.dx() + kLowerLeftCatchBias, kLowerLeftCatchStep);
      if (divisor != 0) f.SpeedX = f.SpeedY / divisor;
    }
    CatchAt(f, floorY);
  }
  // In the air the player is off the curve, and off its wall too: a fall that began on the wall
  // (the block collision's edge test) would otherwise keep the wall's mode, and the move would
  // turn the growing fall speed into a sideways flight through the act.
  if (f.Airborne == -1) {
    f.OnCurve = 0;
    f.SurfaceMode = kFloor;
  }
  if (f.OnCurve == 1) {
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = kLeftWall;
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = kFloor;
  }
  if (f.OnCurve == 1 && f.SurfaceMode == kFloor) f.SensorY = k.top + k.h(kBlock - k.dx());
  if ((f.OnCurve == 1 && f.SurfaceMode == kLeftWall && f.SensorY < k.top + 1 + k.h(kBlock - k.dx())) ||
      (f.SurfaceMode == kLeftWall && f.SpeedX > 0))
    f.SensorX = k.left + kBlock - k.h(k.dy());
  // poses: wall, half way, floor
  if (f.SensorX < k.left + 55) f.CurvePose = 6;
  if (f.SensorX > k.left + 54 && f.SensorX < k.left + 96) f.CurvePose = 7;
  if (f.SensorX > k.left + 95) f.CurvePose = 0;
}

// Upper-left piece: ceiling y = 128 - h(128 - dx), left wall x = 128 - h(128 - dy).
void RideUpperLeft(ZoneForm& f, const Cell& k) {
  if (f.LoopState == kOverTop && f.SpeedX > 0) f.LoopState = kLeftHalf;
  if (!(IsAnyOf(f.LoopState, kLeftHalf, kOverTop) || f.LoopState == kBothHalves)) return;
  const Number ceilingY = k.top + kBlock - k.h(kBlock - k.dx());
  if (f.OnCurve == 0 && f.SensorY < ceilingY) CatchAt(f, ceilingY);
  if (f.Airborne == -1) f.OnCurve = 0;
  if (f.OnCurve == 1 && f.SpeedX == 0) DropOff(f);
  if (f.OnCurve == 1) {
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = kLeftWall;
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = kCeiling;
    if (f.SensorX > k.left + kOverTopLeft && f.SpeedX < 0) f.LoopState = kOverTop;
  }
  if (f.OnCurve == 1 && f.SurfaceMode == kCeiling) f.SensorY = k.top + kBlock - k.h(kBlock - k.dx());
  if ((f.OnCurve == 1 && f.SurfaceMode == kLeftWall &&
       f.SensorY > k.top + kBlock - 1 - k.h(kBlock - k.dx())) ||
      (f.SurfaceMode == kLeftWall && f.SpeedX < 0))
    f.SensorX = k.left + kBlock - k.h(kBlock - k.dy());
  // poses: wall, half way, ceiling; between the bands the pose stays
  if (IsAnyOf(f.LoopState, kLeftHalf, kBothHalves)) {
    if (f.SensorX < k.left + 32) f.CurvePose = 6;
    if (f.SensorX > k.left + 54 && f.SensorX < k.left + 74) f.CurvePose = 5;
    if (f.SensorX > k.left + 73) f.CurvePose = 4;
  }
}

// The loop's end marker, before and behind it.
void PassLoopEnd(ZoneForm& f) {
  f.LoopState = kRightHalf;
  if (f.SurfaceMode == kFloor) f.OnCurve = 0;
}

// The centre in a block without a piece: standing still on a curve drops the player, and leaving a
// piece at floor level makes both halves live.
void LeaveOntoOpenBlock(ZoneForm& f, const Cell& k) {
  if (f.SpeedX == 0 && f.OnCurve == 1 && k.b2 == 0) {
    f.Airborne = -1;
    f.OnCurve = 0;
    if (f.SurfaceMode == kCeiling) f.SpeedX = -f.SpeedX;
    f.SurfaceMode = kFloor;
  }
  if (k.b2 < kFirstPieceMarker && f.SurfaceMode == kFloor) {
    f.LoopState = kBothHalves;
    f.OnCurve = 0;
  }
}

// Lower-right piece: floor y = h(dx), right wall x = h(dy).
void RideLowerRight(ZoneForm& f, const Cell& k) {
  if (!IsAnyOf(f.LoopState, kRightHalf, kBothHalves)) return;
  const Number floorY = k.top + k.h(k.dx());
  if (f.OnCurve == 0 && f.SensorY > floorY) {
    // Near the piece's right edge the wall is all but upright and the divisor all but 0: a fall
    // caught there would become a speed of fifty or more that throws the player down through the
    // ground. As on the lower-left piece, the fall turns at most into its own speed.
    if (f.Airborne == -1 && f.SpeedX < kLowerRightCatchBelow)
      f.SpeedX = -kLowerRightCatchScale * f.SpeedY / std::max<Number>(kBlock - k.dx(), kLowerRightCatchScale);
    CatchAt(f, floorY);
  }
  // In the air the player is off the curve, and off its wall too: a fall that began on the wall
  // (the block collision's edge test) would otherwise keep the wall's mode, and the move would
  // turn the growing fall speed into a sideways flight through the act.
  if (f.Airborne == -1) {
    f.OnCurve = 0;
    f.SurfaceMode = kFloor;
  }
  if (f.OnCurve == 1) {
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = kFloor;
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = kRightWall;
  }
  if (f.OnCurve == 1 && f.SurfaceMode == kFloor) f.SensorY = k.top + k.h(k.dx());
  if ((f.OnCurve == 1 && f.SurfaceMode == kRightWall && f.SensorY < k.top + 1 + k.h(k.dx())) ||
      (f.SurfaceMode == kRightWall && f.SpeedX < 0))
    f.SensorX = k.left + k.h(k.dy());
  // poses: floor, half way, wall
  if (f.SensorX < k.left + 55) f.CurvePose = 0;
  if (f.SensorX > k.left + 54 && f.SensorX < k.left + 96) f.CurvePose = 1;
  if (f.SensorX > k.left + 95) f.CurvePose = 2;
}

// Upper-right piece: ceiling y = 128 - h(dx), right wall x = h(128 - dy).
void RideUpperRight(ZoneForm& f, const Cell& k) {
  if (f.LoopState == kOverTop && f.SpeedX < 0) f.LoopState = kRightHalf;
  if (!(IsAnyOf(f.LoopState, kRightHalf, kOverTop) || f.LoopState == kBothHalves)) return;
  const Number ceilingY = k.top + kBlock - k.h(k.dx());
  if (f.OnCurve == 0 && f.SensorY < ceilingY) CatchAt(f, ceilingY);
  if (f.Airborne == -1) f.OnCurve = 0;
  if (f.OnCurve == 1 && f.SpeedX == 0) DropOff(f);
  if (f.OnCurve == 1) {
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = kRightWall;
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = kCeiling;
    if (f.SensorX < k.left + kOverTopRight && f.SpeedX > 0) f.LoopState = kOverTop;
  }
  if (f.OnCurve == 1 && f.SurfaceMode == kCeiling) f.SensorY = k.top + kBlock - k.h(k.dx());
  if ((f.OnCurve == 1 && f.SurfaceMode == kRightWall && f.SensorY > k.top + kBlock - 1 - k.h(k.dx())) ||
      (f.SurfaceMode == kRightWall && f.SpeedX > 0))
    f.SensorX = k.left + k.h(kBlock - k.dy());
  // poses: ceiling, half way, wall
  if (IsAnyOf(f.LoopState, kRightHalf, kBothHalves)) {
    if (f.SensorX < k.left + 55) f.CurvePose = 4;
    if (f.SensorX > k.left + 54 && f.SensorX < k.left + 96) f.CurvePose = 3;
    if (f.SensorX > k.left + 95) f.CurvePose = 2;
  }
}

// A loop-start marker: the left half is live from here, and a player met on a ceiling turns over.
void PassLoopStart(ZoneForm& f) {
  f.LoopState = kLeftHalf;
  f.OnCurve = 0;
  if (f.SurfaceMode == kCeiling) {
    f.SpeedX = -f.SpeedX;
    f.SurfaceMode = kFloor;
  }
}

// A rider high on a lone pipe: thrown off its top when it moves up the pipe fast enough, the speed
// along the pipe becoming upward speed; slower, the pipe's wall gives it back. `up` is the sign of a
// speed up the pipe: + on a right-hand pipe, - on a left-hand one, whose speed runs down its wall.
void ThrowOrSlide(ZoneForm& f, int up, int16_t wallMode) {
  if (f.SpeedX * up >= kLaunchFrom) {
    f.SpeedY = -f.SpeedX * up;
    f.SpeedX = 0;
    DropOff(f);
  } else if (f.SurfaceMode == wallMode) {
    f.SpeedX -= kWallSlide * up;
  }
}

// Leaving a pipe upwards (or a ceiling downwards) into the air.
void LaunchAndDrop(ZoneForm& f, const LoopTables& t, const Cell& k) {
  const int here = k.r * kColumns + k.c;
  const bool high = f.SensorY < k.top + kLaunchAbove;
  if (t.openRight.Contains(f.BlockMap[here + 1]) && !t.keepsRightPipe.Contains(k.b1) &&
      f.BlockMap2[here + 1] < kFirstPieceMarker && f.OnCurve == 1 && high && f.SurfaceMode < kCeiling)
    ThrowOrSlide(f, +1, kRightWall);
  if (t.openLeft.Contains(f.BlockMap[here - 1]) && k.b2 < kFirstPieceMarker && f.OnCurve == 1 && high &&
      f.SurfaceMode > kCeiling)
    ThrowOrSlide(f, -1, kLeftWall);
  // off a ceiling with nothing above to hold the player
  if (t.openAbove.Contains(f.BlockMap[here - kColumns]) && !t.keepsCeiling.Contains(k.b1) && f.OnCurve == 1 &&
      f.SurfaceMode == kCeiling && f.BlockMap2[here - kColumns] != kHoldsCeiling) {
    f.OnCurve = 0;
    f.Airborne = -1;
    f.SpeedX = -f.SpeedX;
    f.SpeedY = 0;
    f.SurfaceMode = kFloor;
  }
}

}  // namespace

void ZoneForm::LoopRiding() {
  const LoopTables& t = zone_.loops;

  // the centre point and its cell
  SensorX = PlayerX + kCentreX;
  SensorY = PlayerY + kCentreY;
  const int c = DivRounded(SensorX, kBlock);
  const int r = DivRounded(SensorY, kBlock);
  const Cell k{*this, c, r, c * kBlock, r * kBlock, BlockMap[r * kColumns + c], BlockMap2[r * kColumns + c]};

  // left-hand pieces, or the open block
  if (t.empty.Contains(k.b1)) LeaveOntoOpenBlock(*this, k);
  else if (k.b1 == t.lowerLeft) RideLowerLeft(*this, k);
  else if (k.b1 == t.upperLeft) RideUpperLeft(*this, k);
  else if (k.b1 == t.loopEnd) PassLoopEnd(*this);

  // right-hand pieces and the loop start
  if (k.b2 == kLowerRight) RideLowerRight(*this, k);
  else if (k.b2 == kUpperRight) RideUpperRight(*this, k);
  else if (k.b2 == kLoopStart) PassLoopStart(*this);

  LaunchAndDrop(*this, t, k);
}

}  // namespace orvane
