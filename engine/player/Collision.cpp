// Keeping the player out of the solid blocks and on floors, slopes and steps. The block value alone
// decides the shape; which values take part in which test is the zone's CollisionTables. Two push
// points first hold the player below a block it has jumped into, then four sensor points (the feet
// and the head, left and right) each run seven passes over the blocks around them.
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

// the two push points, relative to the player's corner
constexpr Number kPushLeftX = 7;
constexpr Number kPushRightX = 32;
constexpr Number kPushY = 35;
constexpr int kPushBelowTop = 3;  // the player is held this far above the row of the push point

// the sensor points: left foot, right foot, left head, right head
struct SensorPoint {
  Number x, y;
};
constexpr SensorPoint kSensors[5] = {{0, 0}, {7, 38}, {32, 38}, {7, 2}, {32, 2}};
constexpr int16_t kLeftFoot = 1;
constexpr int16_t kRightFoot = 2;
constexpr int16_t kLeftHead = 3;
constexpr int16_t kRightHead = 4;
constexpr Number kFootBelowCorner = 38;  // PlayerY + 38 is where the feet are

// floors: the foot is pulled down onto a flat top from this close above it while on the ground
constexpr Number kFlatSnap = 4;
constexpr Number kQuarterBlock = 32;
constexpr Number kHalfBlock = 64;      // also where the step halves divide
constexpr Number kThreeQuarterBlock = 96;
constexpr Number kStepWallLeft = 65;   // a step's wall, walking left into the high half
constexpr Number kStepWallRight = 63;  // a step's wall, walking right into the high half
constexpr Number kStepHighFloor = 32;  // a step's upper floor on the next block up
constexpr Number kStepWallFootBelow = 65;  // a step's wall holds a foot below this local y
constexpr Number kEdgeWalkOff = 96;    // the left foot walks off an edge only left of this local x
constexpr Number kStepRightFallRise = 16;

// slopes: surface = top + base -/+ local x / 2
constexpr Number kSlopeUpUpperBase = 68;
constexpr Number kSlopeUpLowerBase = 132;
constexpr Number kSlopeDownUpperBase = 4;
constexpr Number kSlopeDownLowerBase = 68;
constexpr Number kSlopeDownUpperSnap = 16;      // on the block below
constexpr Number kSlopeDownUpperOwnSnap = 20;   // in the own block
constexpr Number kSlopeDownLowerOwnSnap = 14;
constexpr Number kSlopeDownLowerFallBase = 20;  // the fall line of a lower piece on the block below
constexpr Number kRollSlopeGain = 0.15;
constexpr Number kRollSlopeTopSpeed = 10;

// platforms: a floor at local y 64, caught from 112 up, left when the foot is above 48
constexpr Number kPlatformFloor = 64;
constexpr Number kPlatformCatchBelow = 112;
constexpr Number kPlatformLeaveAbove = 48;

// walls
constexpr Number kWallRightStop = 126;   // the right-hand sensors stop 2 pixels short of the wall
constexpr Number kWallRightStopLeftSensors = 101;
constexpr Number kWallLeftStop = 2;
constexpr Number kWallLeftStopRightSensors = 27;
constexpr Number kRightWallHeadRoom = 12;  // a full wall on the right holds while PlayerY + 12 is in the row
constexpr Number kLeftWallHeadRoom = 4;
constexpr Number kWallFrom32 = 32;
constexpr Number kWallFrom64 = 64;
constexpr Number kWallFrom96 = 96;
constexpr Number kLowWallBelowRow = 130;  // passes 6 and 7: the foot is this far into the next row

// the head bump holds the head one pixel into the row
constexpr Number kHeadBumpDepth = 1;

class Sensor {
 public:
  Sensor(ZoneForm& f, const CollisionTables& t) : f_(f), t_(t) {}

  void Run(int16_t index) {
    f_.SensorIndex = index;
    const SensorPoint p = kSensors[index];
    f_.SensorX = f_.PlayerX + p.x;
    f_.SensorY = f_.PlayerY + p.y;
    f_.SensorCol = ToInt16(DivRounded(f_.SensorX, kBlock));
    f_.SensorRow = ToInt16(DivRounded(f_.PlayerY, kBlock));
    c_ = f_.SensorCol;
    r_ = f_.SensorRow;
    left_ = Number(c_) * kBlock;

    BlockBelow();
    OwnBlock();
    BlockToTheRight();
    BlockToTheLeft();
    BlockAbove();
    BlockBelowRight();
    BlockBelowLeft();

    f_.PlayerX = f_.SensorX - p.x;
    f_.PlayerY = f_.SensorY - p.y;
  }

 private:
  uint8_t At(int row, int column) const { return f_.BlockMap[row * kMapColumns + column]; }
  Number Dx() const { return f_.SensorX - left_; }
  Number Foot() const { return f_.SensorY; }
  Number Feet() const { return f_.PlayerY + kFootBelowCorner; }
  bool Is(int16_t index) const { return f_.SensorIndex == index; }

  void Land(Number h) {
    f_.SensorY = h;
    f_.Airborne = 0;
    f_.AirActionReady = 0;
    f_.SpeedY = 0;
  }
  void Stop(Number x) {
    f_.SensorX = x;
    f_.SpeedX = 0;
  }
  void Fall() { f_.Airborne = kOn; }

  // rolling left down a slope that rises to the right
  void RollDownLeft() {
    if (f_.Rolling == kSet && f_.Facing == kFacingLeft && f_.FacingAlt == kFacingAltLeft &&
        f_.SpeedX > -kRollSlopeTopSpeed)
      f_.SpeedX -= kRollSlopeGain;
  }
  // rolling right down a slope that falls to the right
  void RollDownRight() {
    if (f_.Rolling == kSet && f_.Facing == kFacingRight && f_.FacingAlt == kFacingAltRight &&
        f_.SpeedX < kRollSlopeTopSpeed)
      f_.SpeedX += kRollSlopeGain;
  }

  // pass 1: the block below the sensor's row
  void BlockBelow() {
    const uint8_t v = At(r_ + 1, c_);
    const Number top = Number(r_ + 1) * kBlock;
    if (t_.belowFlat.Contains(v)) {
      if (Foot() > top) Land(top);
      if (f_.Airborne == 0 && Foot() > top - kFlatSnap) Land(top);
    } else if (t_.belowStepLeftHigh.Contains(v)) {
      if (Foot() > top && Dx() < kHalfBlock && Feet() < top + kStepHighFloor) Land(top);
      if (f_.SensorX + f_.SpeedX < left_ + kStepWallLeft && Foot() > top) Stop(left_ + kStepWallLeft);
      if (Foot() < top + 1 && Dx() > kHalfBlock && Is(kLeftFoot)) Fall();
    } else if (t_.belowStepRightHigh.Contains(v)) {
      if (Foot() > top && Dx() > kHalfBlock && Feet() < top + kStepHighFloor) Land(top);
      if (f_.SensorX + f_.SpeedX > left_ + kStepWallRight && Foot() > top && Is(kRightFoot))
        Stop(left_ + kStepWallRight);
      if (Foot() + kStepRightFallRise < top + 1 && Dx() < kHalfBlock && Is(kRightHead)) Fall();
    } else if (t_.belowSlopeUp.Contains(v)) {
      const Number s = top + kSlopeUpUpperBase - Dx() / 2;
      if (Foot() > s) Land(s);
      if (f_.Airborne == 0 && Is(kLeftFoot)) {
        Land(s);
        RollDownLeft();
      }
    } else if (t_.belowSlopeDown.Contains(v)) {
      const Number s = top + kSlopeDownUpperBase + Dx() / 2;
      if (Foot() > s) Land(s);
      if (f_.Airborne == 0 && Is(kLeftFoot) && Foot() > s - kSlopeDownUpperSnap) {
        Land(s);
        RollDownRight();
      }
    } else if (t_.belowEdge.Contains(v)) {
      if (Dx() < kEdgeWalkOff && Is(kLeftFoot) && f_.OnCurve == 0) Fall();
    } else if (t_.belowSlopeDownLower.Contains(v)) {
      if (Foot() < top + kSlopeDownLowerFallBase + Dx() / 2 && Is(kLeftFoot)) Fall();
    }
  }

  // a slope rising to the right in the own block, surface = top + base - x/2
  void OwnSlopeUp(Number base) {
    const Number s = Number(r_) * kBlock + base - Dx() / 2;
    if (Foot() > s) Land(s);
    if (f_.Airborne == 0 && Is(kRightFoot)) {
      Land(s);
      RollDownLeft();
    }
  }
  // a slope falling to the right in the own block, surface = top + base + x/2
  void OwnSlopeDown(Number base, Number snap) {
    const Number s = Number(r_) * kBlock + base + Dx() / 2;
    if (Foot() > s) Land(s);
    if (f_.Airborne == 0 && Is(kLeftFoot) && Foot() > s - snap) {
      Land(s);
      RollDownRight();
    }
  }

  // pass 2: the sensor's own block
  void OwnBlock() {
    const uint8_t v = At(r_, c_);
    const Number top = Number(r_) * kBlock;
    const bool foot = Is(kLeftFoot) || Is(kRightFoot);
    if (t_.ownEdge.Contains(v)) {
      if (Dx() < kEdgeWalkOff && Is(kLeftFoot) && Foot() < top + kBlock && f_.OnCurve == 0) Fall();
    } else if (t_.ownPlatform.Contains(v)) {
      if (Foot() > top + kPlatformFloor && foot && Foot() < top + kPlatformCatchBelow) Land(top + kPlatformFloor);
      if (Foot() < top + kPlatformLeaveAbove && foot) Fall();
    } else if (t_.ownStepLeftHigh.Contains(v)) {
      if (Foot() > top + kQuarterBlock && Dx() > kHalfBlock && Feet() < top + kHalfBlock) Land(top + kQuarterBlock);
    } else if (t_.ownStepRightHigh.Contains(v)) {
      if (Foot() > top + kQuarterBlock && Dx() < kHalfBlock && Feet() < top + kHalfBlock) Land(top + kQuarterBlock);
    } else if (t_.ownStepLow64.Contains(v)) {
      if (Foot() > top + kHalfBlock && Dx() < kHalfBlock && Feet() < top + kThreeQuarterBlock) Land(top + kHalfBlock);
      if (Foot() > top + kThreeQuarterBlock && Dx() > kHalfBlock && Feet() < top + kBlock) Land(top + kThreeQuarterBlock);
      if (f_.SensorX + f_.SpeedX < left_ + kStepWallLeft && Foot() > top + kStepWallFootBelow) Stop(left_ + kStepWallLeft);
      if (Foot() < top + kHalfBlock && Dx() < kHalfBlock && Is(kLeftFoot)) Fall();
      if (Foot() < top + kThreeQuarterBlock && Dx() > kHalfBlock && Is(kLeftFoot)) Fall();
    } else if (t_.ownStep96Low64.Contains(v)) {
      if (Foot() > top + kThreeQuarterBlock && Dx() < kHalfBlock && Feet() < top + kBlock) Land(top + kThreeQuarterBlock);
      if (Foot() > top + kHalfBlock && Dx() > kHalfBlock && Feet() < top + kThreeQuarterBlock) Land(top + kHalfBlock);
      if (f_.SensorX + f_.SpeedX > left_ + kStepWallRight && Foot() > top + kStepWallFootBelow)
        Stop(left_ + kStepWallRight);
      if (Foot() < top + kThreeQuarterBlock && Dx() < kHalfBlock && Is(kRightFoot)) Fall();
      if (Foot() < top + kHalfBlock && Dx() > kHalfBlock && Is(kRightFoot)) Fall();
    } else if (t_.ownSlopeUpUpper.Contains(v)) {
      OwnSlopeUp(kSlopeUpUpperBase);
    } else if (t_.ownSlopeUpLower.Contains(v)) {
      OwnSlopeUp(kSlopeUpLowerBase);
    } else if (t_.ownSlopeDownUpper.Contains(v)) {
      OwnSlopeDown(kSlopeDownUpperBase, kSlopeDownUpperOwnSnap);
    } else if (t_.ownSlopeDownLower.Contains(v)) {
      OwnSlopeDown(kSlopeDownLowerBase, kSlopeDownLowerOwnSnap);
    }
  }

  // pass 3: a wall in the block to the right; every sensor leaves PlayerX at the same place
  void WallStopRight() {
    Stop(left_ + kWallRightStop);
    if (Is(kLeftFoot) || Is(kLeftHead)) f_.SensorX = left_ + kWallRightStopLeftSensors;
  }
  void BlockToTheRight() {
    const uint8_t v = At(r_, c_ + 1);
    const Number row = Number(r_) * kBlock;
    if (!(f_.SensorX + f_.SpeedX > left_ + kWallRightStop)) return;
    if (t_.rightWallFull.Contains(v)) {
      if (f_.PlayerY + kRightWallHeadRoom < row + kBlock && f_.OnCurve == 0) WallStopRight();
    } else if (t_.rightWallBelow64.Contains(v)) {
      if (Foot() > row + kWallFrom64 && !t_.rightWallBelow64Open.Contains(At(r_, c_))) WallStopRight();
    } else if (t_.rightWallBelow32.Contains(v)) {
      if (Foot() > row + kWallFrom32) WallStopRight();
    } else if (t_.rightWallBelow96.Contains(v)) {
      if (Foot() > row + kWallFrom96) WallStopRight();
    }
  }

  // pass 4: a wall in the block to the left
  void WallStopLeft() {
    Stop(left_ + kWallLeftStop);
    if (Is(kRightFoot) || Is(kRightHead)) f_.SensorX = left_ + kWallLeftStopRightSensors;
  }
  void BlockToTheLeft() {
    const uint8_t v = At(r_, c_ - 1);
    const Number row = Number(r_) * kBlock;
    if (!(f_.SensorX + f_.SpeedX < left_ + kWallLeftStop)) return;
    if (t_.leftWallFull.Contains(v)) {
      if (f_.PlayerY + kLeftWallHeadRoom < row + kBlock && f_.OnCurve == 0) WallStopLeft();
    } else if (t_.leftWallBelow64.Contains(v)) {
      if (Foot() > row + kWallFrom64 && !t_.leftWallBelow64Open.Contains(At(r_, c_))) WallStopLeft();
    } else if (t_.leftWallBelow32.Contains(v)) {
      if (Foot() > row + kWallFrom32) WallStopLeft();
    } else if (t_.leftWallBelow96.Contains(v)) {
      if (Foot() > row + kWallFrom96) WallStopLeft();
    }
  }

  // pass 5: the head bumps into the block above
  void BlockAbove() {
    const Number row = Number(r_) * kBlock;
    if (t_.headBump.Contains(At(r_ - 1, c_)) && f_.SensorY + f_.SpeedY < row + kHeadBumpDepth) {
      f_.SensorY = row + kHeadBumpDepth;
      f_.SpeedY = 0;
    }
  }

  // pass 6: a wall low on the right, when the feet have gone into the next row
  void BlockBelowRight() {
    if (t_.belowRightWall.Contains(At(r_ + 1, c_ + 1)) && f_.SensorX + f_.SpeedX > left_ + kWallRightStop &&
        f_.SensorY > Number(r_) * kBlock + kLowWallBelowRow && !t_.belowRightOpenBelow.Contains(At(r_ + 1, c_)) &&
        f_.OnCurve == 0)
      Stop(left_ + kWallRightStop);
  }

  // pass 7: a wall low on the left
  void BlockBelowLeft() {
    if (t_.belowLeftWall.Contains(At(r_ + 1, c_ - 1)) && f_.SensorX + f_.SpeedX < left_ + kWallLeftStop &&
        f_.SensorY > Number(r_) * kBlock + kLowWallBelowRow && !t_.belowLeftOpenBelow.Contains(At(r_ + 1, c_)) &&
        f_.OnCurve == 0)
      Stop(left_ + kWallLeftStop);
  }

  ZoneForm& f_;
  const CollisionTables& t_;
  int c_ = 0, r_ = 0;
  Number left_ = 0;  // the world x of the sensor's column
};

// After the move: a block above the push point holds the player's top just below it.
void PushBelowBlockAbove(ZoneForm& f, Number pointX, const ValueSet& solid) {
  const int r = DivRounded(f.PlayerY + kPushY, kBlock);
  const int c = DivRounded(f.PlayerX + pointX, kBlock);
  const Number limit = Number(r) * kBlock - kPushBelowTop;
  if (solid.Contains(f.BlockMap[(r - 1) * kMapColumns + c]) && f.PlayerY < limit) {
    f.PlayerY = limit;
    f.SpeedY = 0;
  }
}

}  // namespace

void ZoneForm::CollideWithBlocks() {
  const CollisionTables& t = zone_.collision;

  // post-move push
  PushBelowBlockAbove(*this, kPushLeftX, t.pushLeftAbove);
  PushBelowBlockAbove(*this, kPushRightX, t.pushRightAbove);

  // the four sensors, each starting from the position the one before left
  Sensor sensor(*this, t);
  for (int16_t i = kLeftFoot; i <= kRightHead; ++i) sensor.Run(i);
}

}  // namespace orvane
