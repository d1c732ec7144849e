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

#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

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

// CurvePose: the rider's picture on a curve, a turn in eighths from the floor, over the right-hand
// wall and the ceiling, and down the left-hand wall.
constexpr int16_t kPoseFloor = 0;
constexpr int16_t kPoseFloorToRightWall = 1;
constexpr int16_t kPoseRightWall = 2;
constexpr int16_t kPoseRightWallToCeiling = 3;
constexpr int16_t kPoseCeiling = 4;
constexpr int16_t kPoseCeilingToLeftWall = 5;
constexpr int16_t kPoseLeftWall = 6;
constexpr int16_t kPoseLeftWallToFloor = 7;

// A piece picks the pose by the centre's local x: its left end's pose below firstBelow, the half-way
// pose between halfAbove and halfBelow, its right end's pose above lastAbove. The bands overlap by
// a pixel, where the later one wins; on the upper-left piece the pose stays between them.
struct PoseBands {
  int firstBelow, halfAbove, halfBelow, lastAbove;
};
constexpr PoseBands kPoseBands{55, 54, 96, 95};
constexpr PoseBands kUpperLeftPoseBands{32, 54, 74, 73};

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

void PoseOnPiece(ZoneForm& f, const Cell& k, const PoseBands& b, int16_t first, int16_t half, int16_t last) {
  if (f.SensorX < k.left + b.firstBelow) f.CurvePose = first;
  if (f.SensorX > k.left + b.halfAbove && f.SensorX < k.left + b.halfBelow) f.CurvePose = half;
  if (f.SensorX > k.left + b.lastAbove) f.CurvePose = last;
}

void CatchAt(ZoneForm& f, Number surfaceY) {
  f.SensorY = surfaceY;
  f.OnCurve = kSet;
  f.Airborne = 0;
  f.SpeedY = 0;
  f.AirActionReady = 0;
  f.Sprung = 0;
}

// In the air the player is off the curve, and off its wall too: a fall that began on the wall (the
// block collision's edge test) would otherwise keep the wall's mode, and the move would turn the
// growing fall speed into a sideways flight through the act.
void OffTheCurveInTheAir(ZoneForm& f) {
  if (f.Airborne == kOn) {
    f.OnCurve = 0;
    f.SurfaceMode = surface::kFloor;
  }
}

void DropOff(ZoneForm& f) {
  f.OnCurve = 0;
  f.Airborne = kOn;
  f.SurfaceMode = surface::kFloor;
}

// Lower-left piece: floor y = h(128 - dx), left wall x = 128 - h(dy).
void RideLowerLeft(ZoneForm& f, const Cell& k) {
  if (!IsAnyOf(f.LoopState, loop::kLeftHalf, loop::kBothHalves)) return;
  const Number floorY = k.top + k.h(kBlock - k.dx());
  if (f.OnCurve == 0 && f.SensorY > floorY) {
    if (f.Airborne == kOn && f.SpeedX > kLowerLeftCatchFrom) {
      // Right at the piece's left edge the divisor is 0: the player keeps the speed it has.
      const int divisor = DivRounded(k.dx() + kLowerLeftCatchBias, kLowerLeftCatchStep);
      if (divisor != 0) f.SpeedX = f.SpeedY / divisor;
    }
    CatchAt(f, floorY);
  }
  OffTheCurveInTheAir(f);
  if (f.OnCurve == kSet) {
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = surface::kLeftWall;
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = surface::kFloor;
  }
  if (f.OnCurve == kSet && f.SurfaceMode == surface::kFloor) f.SensorY = k.top + k.h(kBlock - k.dx());
  if ((f.OnCurve == kSet && f.SurfaceMode == surface::kLeftWall && f.SensorY < k.top + 1 + k.h(kBlock - k.dx())) ||
      (f.SurfaceMode == surface::kLeftWall && f.SpeedX > 0))
    f.SensorX = k.left + kBlock - k.h(k.dy());
  PoseOnPiece(f, k, kPoseBands, kPoseLeftWall, kPoseLeftWallToFloor, kPoseFloor);
}

// Upper-left piece: ceiling y = 128 - h(128 - dx), left wall x = 128 - h(128 - dy).
void RideUpperLeft(ZoneForm& f, const Cell& k) {
  if (f.LoopState == loop::kOverTop && f.SpeedX > 0) f.LoopState = loop::kLeftHalf;
  if (!(IsAnyOf(f.LoopState, loop::kLeftHalf, loop::kOverTop) || f.LoopState == loop::kBothHalves)) return;
  const Number ceilingY = k.top + kBlock - k.h(kBlock - k.dx());
  if (f.OnCurve == 0 && f.SensorY < ceilingY) CatchAt(f, ceilingY);
  if (f.Airborne == kOn) f.OnCurve = 0;
  if (f.OnCurve == kSet && f.SpeedX == 0) DropOff(f);
  if (f.OnCurve == kSet) {
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = surface::kLeftWall;
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = surface::kCeiling;
    if (f.SensorX > k.left + kOverTopLeft && f.SpeedX < 0) f.LoopState = loop::kOverTop;
  }
  if (f.OnCurve == kSet && f.SurfaceMode == surface::kCeiling) f.SensorY = k.top + kBlock - k.h(kBlock - k.dx());
  if ((f.OnCurve == kSet && f.SurfaceMode == surface::kLeftWall &&
       f.SensorY > k.top + kBlock - 1 - k.h(kBlock - k.dx())) ||
      (f.SurfaceMode == surface::kLeftWall && f.SpeedX < 0))
    f.SensorX = k.left + kBlock - k.h(kBlock - k.dy());
  if (IsAnyOf(f.LoopState, loop::kLeftHalf, loop::kBothHalves))
    PoseOnPiece(f, k, kUpperLeftPoseBands, kPoseLeftWall, kPoseCeilingToLeftWall, kPoseCeiling);
}

// The loop's end marker, before and behind it.
void PassLoopEnd(ZoneForm& f) {
  f.LoopState = loop::kRightHalf;
  if (f.SurfaceMode == surface::kFloor) f.OnCurve = 0;
}

// The centre in a block without a piece: standing still on a curve drops the player, and leaving a
// piece at floor level makes both halves live.
void LeaveOntoOpenBlock(ZoneForm& f, const Cell& k) {
  if (f.SpeedX == 0 && f.OnCurve == kSet && k.b2 == 0) {
    f.Airborne = kOn;
    f.OnCurve = 0;
    if (f.SurfaceMode == surface::kCeiling) f.SpeedX = -f.SpeedX;
    f.SurfaceMode = surface::kFloor;
  }
  if (k.b2 < fore::kFirstPiece && f.SurfaceMode == surface::kFloor) {
    f.LoopState = loop::kBothHalves;
    f.OnCurve = 0;
  }
}

// Lower-right piece: floor y = h(dx), right wall x = h(dy).
void RideLowerRight(ZoneForm& f, const Cell& k) {
  if (!IsAnyOf(f.LoopState, loop::kRightHalf, loop::kBothHalves)) return;
  const Number floorY = k.top + k.h(k.dx());
  if (f.OnCurve == 0 && f.SensorY > floorY) {
    // Near the piece's right edge the wall is all but upright and the divisor all but 0: a fall
    // caught there would become a speed of fifty or more that throws the player down through the
    // ground. As on the lower-left piece, the fall turns at most into its own speed.
    if (f.Airborne == kOn && f.SpeedX < kLowerRightCatchBelow)
      f.SpeedX = -kLowerRightCatchScale * f.SpeedY / std::max<Number>(kBlock - k.dx(), kLowerRightCatchScale);
    CatchAt(f, floorY);
  }
  OffTheCurveInTheAir(f);
  if (f.OnCurve == kSet) {
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = surface::kFloor;
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = surface::kRightWall;
  }
  if (f.OnCurve == kSet && f.SurfaceMode == surface::kFloor) f.SensorY = k.top + k.h(k.dx());
  if ((f.OnCurve == kSet && f.SurfaceMode == surface::kRightWall && f.SensorY < k.top + 1 + k.h(k.dx())) ||
      (f.SurfaceMode == surface::kRightWall && f.SpeedX < 0))
    f.SensorX = k.left + k.h(k.dy());
  PoseOnPiece(f, k, kPoseBands, kPoseFloor, kPoseFloorToRightWall, kPoseRightWall);
}

// Upper-right piece: ceiling y = 128 - h(dx), right wall x = h(128 - dy).
void RideUpperRight(ZoneForm& f, const Cell& k) {
  if (f.LoopState == loop::kOverTop && f.SpeedX < 0) f.LoopState = loop::kRightHalf;
  if (!(IsAnyOf(f.LoopState, loop::kRightHalf, loop::kOverTop) || f.LoopState == loop::kBothHalves)) return;
  const Number ceilingY = k.top + kBlock - k.h(k.dx());
  if (f.OnCurve == 0 && f.SensorY < ceilingY) CatchAt(f, ceilingY);
  if (f.Airborne == kOn) f.OnCurve = 0;
  if (f.OnCurve == kSet && f.SpeedX == 0) DropOff(f);
  if (f.OnCurve == kSet) {
    if (f.SensorX > k.left + kWallAfter) f.SurfaceMode = surface::kRightWall;
    if (f.SensorX < k.left + kWallBefore) f.SurfaceMode = surface::kCeiling;
    if (f.SensorX < k.left + kOverTopRight && f.SpeedX > 0) f.LoopState = loop::kOverTop;
  }
  if (f.OnCurve == kSet && f.SurfaceMode == surface::kCeiling) f.SensorY = k.top + kBlock - k.h(k.dx());
  if ((f.OnCurve == kSet && f.SurfaceMode == surface::kRightWall && f.SensorY > k.top + kBlock - 1 - k.h(k.dx())) ||
      (f.SurfaceMode == surface::kRightWall && f.SpeedX > 0))
    f.SensorX = k.left + k.h(kBlock - k.dy());
  if (IsAnyOf(f.LoopState, loop::kRightHalf, loop::kBothHalves))
    PoseOnPiece(f, k, kPoseBands, kPoseCeiling, kPoseRightWallToCeiling, kPoseRightWall);
}

// A loop-start marker: the left half is live from here, and a player met on a ceiling turns over.
void PassLoopStart(ZoneForm& f) {
  f.LoopState = loop::kLeftHalf;
  f.OnCurve = 0;
  if (f.SurfaceMode == surface::kCeiling) {
    f.SpeedX = -f.SpeedX;
    f.SurfaceMode = surface::kFloor;
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
  const int here = k.r * kMapColumns + k.c;
  const bool high = f.SensorY < k.top + kLaunchAbove;
  if (t.openRight.Contains(f.BlockMap[here + 1]) && !t.keepsRightPipe.Contains(k.b1) &&
      f.BlockMap2[here + 1] < fore::kFirstPiece && f.OnCurve == kSet && high && f.SurfaceMode < surface::kCeiling)
    ThrowOrSlide(f, +1, surface::kRightWall);
  if (t.openLeft.Contains(f.BlockMap[here - 1]) && k.b2 < fore::kFirstPiece && f.OnCurve == kSet && high &&
      f.SurfaceMode > surface::kCeiling)
    ThrowOrSlide(f, -1, surface::kLeftWall);
  // off a ceiling with nothing above to hold the player
  if (t.openAbove.Contains(f.BlockMap[here - kMapColumns]) && !t.keepsCeiling.Contains(k.b1) && f.OnCurve == kSet &&
      f.SurfaceMode == surface::kCeiling && f.BlockMap2[here - kMapColumns] != fore::kHoldsCeiling) {
    f.OnCurve = 0;
    f.Airborne = kOn;
    f.SpeedX = -f.SpeedX;
    f.SpeedY = 0;
    f.SurfaceMode = surface::kFloor;
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
  const Cell k{*this, c, r, c * kBlock, r * kBlock, BlockMap[r * kMapColumns + c], BlockMap2[r * kMapColumns + c]};

  // left-hand pieces, or the open block
  if (t.empty.Contains(k.b1)) LeaveOntoOpenBlock(*this, k);
  else if (k.b1 == t.lowerLeft) RideLowerLeft(*this, k);
  else if (k.b1 == t.upperLeft) RideUpperLeft(*this, k);
  else if (k.b1 == t.loopEnd) PassLoopEnd(*this);

  // right-hand pieces and the loop start
  if (k.b2 == fore::kLowerRight) RideLowerRight(*this, k);
  else if (k.b2 == fore::kUpperRight) RideUpperRight(*this, k);
  else if (k.b2 == fore::kLoopStart) PassLoopStart(*this);

  LaunchAndDrop(*this, t, k);
}

}  // namespace orvane
