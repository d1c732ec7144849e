// The loop step on its own: pieces, catches, launches, drops and poses, with the fields set by hand.
#include <gtest/gtest.h>

#include "engine/core/Vocabulary.h"
#include "tests/loops/LoopScene.h"
#include "zones/ZoneProgram.h"

namespace orvane::test {
namespace {

constexpr int kRow = 6;
constexpr int kCol = 10;
constexpr double kLeft = kCol * 128;
constexpr double kTop = kRow * 128;

class LoopStep : public ::testing::Test {
 protected:
  explicit LoopStep(const ZoneTables& zone = PlumvaleTables()) : z(zone) { LoadCurve(z.form()); }
  ZoneForm& f() { return z.form(); }
  int h(int i) { return f().CurveTable[i]; }
  // Rides the piece at (kRow, kCol) with the centre at local (x, y).
  void OnPiece(double x, double y, int16_t mode, double speed) {
    PutCentre(f(), kLeft + x, kTop + y);
    f().OnCurve = kSet;
    f().Airborne = 0;
    f().SurfaceMode = mode;
    f().SpeedX = speed;
  }
  ZoneFixture z;
};

// --- the curve file and the centre point ---

TEST_F(LoopStep, CurveIsACircleOfRadius126) {
  EXPECT_EQ(h(0), 126);
  EXPECT_EQ(h(64), 109);  // where the lower-left piece hands over from wall to floor
  EXPECT_EQ(h(109), 63);
  EXPECT_EQ(h(126), 0);
  EXPECT_EQ(h(128), 0);
}

TEST_F(LoopStep, LeavesTheCentrePointInTheSensorEveryFrame) {
  PutCentre(f(), 333.25, 444.75);
  LoopStepOnly(f());
  EXPECT_DOUBLE_EQ(f().SensorX, 333.25);
  EXPECT_DOUBLE_EQ(f().SensorY, 444.75);
  EXPECT_DOUBLE_EQ(f().PlayerX, 313.25);
  EXPECT_DOUBLE_EQ(f().PlayerY, 425.75);
}

// --- catching the lower pieces from a fall ---

TEST_F(LoopStep, FallOntoLowerRightAtLocalX32GivesMinusOneAndAHalf) {
  z.SetBlock2(kRow, kCol, 6);
  f().LoopState = loop::kBothHalves;
  f().Airborne = kOn;
  f().AirActionReady = kOn;
  f().Sprung = 1;
  f().SpeedY = 6;
  PutCentre(f(), kLeft + 32, kTop + h(32) + 3);
  LoopStepOnly(f());
  EXPECT_DOUBLE_EQ(f().SpeedX, -1.5);
  EXPECT_EQ(f().OnCurve, 1);
  EXPECT_EQ(f().Airborne, 0);
  EXPECT_EQ(f().AirActionReady, 0);
  EXPECT_EQ(f().Sprung, 0);
  EXPECT_DOUBLE_EQ(f().SpeedY, 0);
  EXPECT_DOUBLE_EQ(f().SensorY, kTop + h(32));
  EXPECT_EQ(f().SurfaceMode, 0);
}

TEST_F(LoopStep, FallOntoLowerRightKeepsAFastRun) {
  z.SetBlock2(kRow, kCol, 6);
  f().LoopState = loop::kBothHalves;
  f().Airborne = kOn;
  f().SpeedY = 6;
  f().SpeedX = 5;  // 5 and above keeps its speed
  PutCentre(f(), kLeft + 32, kTop + h(32) + 3);
  LoopStepOnly(f());
  EXPECT_DOUBLE_EQ(f().SpeedX, 5);
  EXPECT_EQ(f().OnCurve, 1);
}

TEST_F(LoopStep, LowerLeftCatchDividesByTheRoundedDistanceInSteps) {
  z.SetBlock(kRow, kCol, 65);
  z.SetBlock(kRow, kCol - 1, 67);  // closed to the left: no launch
  struct Case {
    double dx;
    double speedX;
  } cases[] = {
      {40, 3},     // (40 + 10) \ 24 = 2
      {13.6, 6},   // 23.6 rounds to 24: one step
      {13.4, 2},   // 23.4 rounds to 23: no whole step, the speed stays
      {5, 2},      // right at the edge: the speed stays
      {100, 1.5},  // 110 \ 24 = 4
  };
  for (const Case& c : cases) {
    f().LoopState = loop::kLeftHalf;
    f().OnCurve = 0;
    f().Airborne = kOn;
    f().SurfaceMode = surface::kFloor;
    f().SpeedX = 2;
    f().SpeedY = 6;
    PutCentre(f(), kLeft + c.dx, kTop + h(128 - ToInt32(c.dx)) + 2);
    LoopStepOnly(f());
    EXPECT_DOUBLE_EQ(f().SpeedX, c.speedX) << "dx " << c.dx;
    EXPECT_EQ(f().OnCurve, 1) << "dx " << c.dx;
    EXPECT_EQ(f().Airborne, 0) << "dx " << c.dx;
  }
}

TEST_F(LoopStep, RightHalfIsNotThereOnTheWayDownTheLeftHalf) {
  z.SetBlock2(kRow, kCol, 6);
  f().LoopState = loop::kLeftHalf;
  f().Airborne = 0;
  f().SurfaceMode = surface::kFloor;
  f().OnCurve = kSet;
  f().SpeedX = 8;
  PutCentre(f(), kLeft + 100, kTop + 109);  // deep below the lower-right curve
  LoopStepOnly(f());
  EXPECT_DOUBLE_EQ(f().SensorY, kTop + 109);
  EXPECT_DOUBLE_EQ(f().SensorX, kLeft + 100);
  EXPECT_EQ(f().SurfaceMode, 0);
  EXPECT_EQ(f().LoopState, 1);  // the second-layer piece keeps it from becoming 5
}

TEST_F(LoopStep, LeftHalfIsNotThereOnTheWayUpTheRightHalf) {
  z.SetBlock(kRow, kCol, 65);
  f().LoopState = loop::kRightHalf;
  f().SpeedX = 8;
  PutCentre(f(), kLeft + 20, kTop + 109);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 0);
  EXPECT_DOUBLE_EQ(f().SensorY, kTop + 109);
}

// --- riding: wall and floor parts ---

TEST_F(LoopStep, LowerRightTurnsToWallPastLocalX64AndSnapsOntoIt) {
  z.SetBlock2(kRow, kCol, 6);
  z.SetBlock(kRow, kCol + 1, 67);  // closed to the right: no launch
  f().LoopState = loop::kRightHalf;
  OnPiece(64, 90, 0, 8);  // local x 64: floor part still
  LoopStepOnly(f());
  EXPECT_EQ(f().SurfaceMode, 0);
  EXPECT_DOUBLE_EQ(f().SensorY, kTop + h(64));
  OnPiece(64.4, 90, 0, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().SurfaceMode, 1);
  EXPECT_DOUBLE_EQ(f().SensorX, kLeft + h(90));
  EXPECT_DOUBLE_EQ(f().SensorY, kTop + 90);
}

TEST_F(LoopStep, LowerLeftHandsOverToTheFloorAtGroundHeight) {
  // Coming down the left wall, the ground holds the centre at local y 109; the wall there is
  // already right of local x 64, so the next frame rides the floor part.
  z.SetBlock(kRow, kCol, 65);
  z.SetBlock(kRow, kCol - 1, 67);
  f().LoopState = loop::kLeftHalf;
  OnPiece(40, 109, 4, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().SurfaceMode, 4);
  EXPECT_DOUBLE_EQ(f().SensorX, kLeft + 128 - h(109));
  EXPECT_GT(f().SensorX, kLeft + 64);
  LoopStepOnly(f());
  EXPECT_EQ(f().SurfaceMode, 0);
}

// --- over the top ---

TEST_F(LoopStep, UpperRightCeilingPastLocalX32IsOverTheTop) {
  z.SetBlock2(kRow, kCol, 7);
  z.SetBlock2(kRow - 1, kCol, 9);
  f().LoopState = loop::kRightHalf;
  OnPiece(32.4, 10, 2, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 0);
  OnPiece(31.6, 10, 2, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 2);
  EXPECT_EQ(f().SurfaceMode, 2);
  EXPECT_DOUBLE_EQ(f().SensorY, kTop + 128 - h(32));
}

TEST_F(LoopStep, UpperLeftWithForwardSpeedStartsTheLeftHalf) {
  z.SetBlock(kRow, kCol, 66);
  z.SetBlock2(kRow - 1, kCol, 9);
  f().LoopState = loop::kOverTop;
  OnPiece(120, 2, 2, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 1);
  EXPECT_EQ(f().SurfaceMode, 2);
  EXPECT_EQ(f().OnCurve, 1);
}

TEST_F(LoopStep, BackwardsOnTheTopGoesBackToTheRightHalf) {
  z.SetBlock2(kRow, kCol, 7);
  z.SetBlock2(kRow - 1, kCol, 9);
  f().LoopState = loop::kOverTop;
  OnPiece(20, 10, 2, -3);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 0);
}

// --- drops and launches ---

TEST_F(LoopStep, StandingStillOnAnUpperWallOrCeilingDropsAtOnce) {
  struct Case {
    int b1, b2;
    double x, y;
    int16_t mode;
  } cases[] = {
      {0, 7, 100, 90, 1},   // upper-right wall
      {0, 7, 20, 10, 2},    // upper-right ceiling
      {66, 0, 20, 90, 4},   // upper-left wall
      {66, 0, 100, 10, 2},  // upper-left ceiling
  };
  for (const Case& c : cases) {
    z.SetBlock(kRow, kCol, static_cast<uint8_t>(c.b1));
    z.SetBlock2(kRow, kCol, static_cast<uint8_t>(c.b2));
    z.SetBlock2(kRow - 1, kCol, 9);
    z.SetBlock(kRow, kCol - 1, 67);
    z.SetBlock(kRow, kCol + 1, 67);
    f().LoopState = loop::kBothHalves;
    OnPiece(c.x, c.y, c.mode, 0);
    LoopStepOnly(f());
    EXPECT_EQ(f().OnCurve, 0) << "mode " << c.mode;
    EXPECT_EQ(f().Airborne, -1) << "mode " << c.mode;
    EXPECT_EQ(f().SurfaceMode, 0) << "mode " << c.mode;
  }
}

TEST_F(LoopStep, StandingStillOnACurveOverAnOpenBlockFalls) {
  f().LoopState = loop::kBothHalves;
  OnPiece(60, 60, 2, 0);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 0);
  EXPECT_EQ(f().Airborne, -1);
  EXPECT_EQ(f().SurfaceMode, 0);
  EXPECT_EQ(f().LoopState, 5);
}

TEST_F(LoopStep, LoneRightPipeThrowsThePlayerStraightUp) {
  z.SetBlock2(kRow, kCol, 6);
  f().LoopState = loop::kBothHalves;
  OnPiece(90, 100, 1, 7.25);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 0);
  EXPECT_EQ(f().Airborne, -1);
  EXPECT_DOUBLE_EQ(f().SpeedY, -7.25);
  EXPECT_DOUBLE_EQ(f().SpeedX, 0);
  EXPECT_EQ(f().SurfaceMode, 0);
}

TEST_F(LoopStep, RightPipeKeepsThePlayerAtOrBelowLocalY109) {
  z.SetBlock2(kRow, kCol, 6);
  f().LoopState = loop::kBothHalves;
  OnPiece(60, 109.4, 0, 4);  // rounds to local 109 on the floor part
  LoopStepOnly(f());
  ASSERT_GE(f().SensorY, kTop + 109);
  EXPECT_EQ(f().OnCurve, 1);
}

TEST_F(LoopStep, RightPipeBesideAClosedBlockKeepsThePlayer) {
  z.SetBlock2(kRow, kCol, 6);
  z.SetBlock(kRow, kCol + 1, 1);
  f().LoopState = loop::kBothHalves;
  OnPiece(90, 100, 1, 7);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 1);
  EXPECT_EQ(f().SurfaceMode, 1);
}

TEST_F(LoopStep, LoneLeftPipeThrowsThePlayerStraightUpOverEachOpenNeighbour) {
  for (int open : {0, 18, 19, 28, 54, 55, 60, 61, 62}) {
    z.SetBlock(kRow, kCol, 65);
    z.SetBlock(kRow, kCol - 1, static_cast<uint8_t>(open));
    f().LoopState = loop::kBothHalves;
    OnPiece(30, 100, 4, -6.5);
    LoopStepOnly(f());
    EXPECT_EQ(f().OnCurve, 0) << open;
    EXPECT_DOUBLE_EQ(f().SpeedY, -6.5) << open;
    EXPECT_DOUBLE_EQ(f().SpeedX, 0) << open;
  }
}

TEST_F(LoopStep, LeftPipeBesideAnEmptyValueOutsideTheListKeepsThePlayer) {
  // 4 (flowers) is empty for the collision but not open for the left pipe.
  z.SetBlock(kRow, kCol, 65);
  z.SetBlock(kRow, kCol - 1, 4);
  f().LoopState = loop::kBothHalves;
  OnPiece(30, 100, 4, -6.5);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 1);
  EXPECT_EQ(f().SurfaceMode, 4);
}

TEST_F(LoopStep, CeilingWithoutTheHoldMarkerDropsThePlayerTurnedRound) {
  z.SetBlock2(kRow, kCol, 7);
  f().LoopState = loop::kRightHalf;
  OnPiece(50, 10, 2, 6);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 0);
  EXPECT_EQ(f().Airborne, -1);
  EXPECT_DOUBLE_EQ(f().SpeedX, -6);
  EXPECT_DOUBLE_EQ(f().SpeedY, 0);

  z.SetBlock2(kRow - 1, kCol, 9);
  OnPiece(50, 10, 2, 6);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 1);
  EXPECT_EQ(f().SurfaceMode, 2);
}

// --- markers ---

TEST_F(LoopStep, EndMarkerEndsTheLoopAndTheRideOnlyOnTheFloor) {
  z.SetBlock(kRow, kCol, 67);
  f().LoopState = loop::kLeftHalf;
  OnPiece(10, 109, 1, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 0);
  EXPECT_EQ(f().OnCurve, 1);
  f().LoopState = loop::kLeftHalf;
  OnPiece(10, 109, 0, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 0);
  EXPECT_EQ(f().OnCurve, 0);
}

TEST_F(LoopStep, StartMarkerTurnsACeilingRiderOver) {
  z.SetBlock2(kRow, kCol, 8);
  f().LoopState = loop::kRightHalf;
  OnPiece(50, 50, 2, 5);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 1);
  EXPECT_EQ(f().OnCurve, 0);
  EXPECT_DOUBLE_EQ(f().SpeedX, -5);
  EXPECT_EQ(f().SurfaceMode, 0);
}

TEST_F(LoopStep, LeavingOntoAnOpenBlockAtFloorLevelMakesBothHalvesLive) {
  f().LoopState = loop::kLeftHalf;
  OnPiece(50, 109, 0, 5);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 5);
  EXPECT_EQ(f().OnCurve, 0);
}

// --- poses ---

TEST_F(LoopStep, PosesFollowThePieceAndTheBands) {
  z.SetBlock(kRow, kCol + 1, 67);
  z.SetBlock(kRow, kCol - 1, 67);
  z.SetBlock2(kRow - 1, kCol, 9);
  struct Case {
    int b1, b2;
    double x, y;
    int16_t mode;
    int pose;
  } cases[] = {
      {0, 6, 50, 109, 0, 0},  {0, 6, 80, 97, 1, 1},  {0, 6, 110, 30, 1, 2},
      {0, 7, 110, 100, 1, 2}, {0, 7, 80, 31, 1, 3},  {0, 7, 40, 10, 2, 4},
      {66, 0, 100, 10, 2, 4}, {66, 0, 70, 30, 2, 5}, {66, 0, 10, 100, 4, 6},
      {65, 0, 10, 30, 4, 6},  {65, 0, 70, 20, 0, 7}, {65, 0, 100, 100, 0, 0},
  };
  for (const Case& c : cases) {
    z.SetBlock(kRow, kCol, static_cast<uint8_t>(c.b1));
    z.SetBlock2(kRow, kCol, static_cast<uint8_t>(c.b2));
    f().LoopState = loop::kBothHalves;
    f().CurvePose = -1;
    OnPiece(c.x, c.y, c.mode, 6);
    LoopStepOnly(f());
    EXPECT_EQ(f().CurvePose, c.pose) << "piece " << c.b1 << "/" << c.b2 << " at " << c.x << "," << c.y;
  }
}

TEST_F(LoopStep, UpperLeftPoseStaysBetweenItsBands) {
  z.SetBlock(kRow, kCol, 66);
  z.SetBlock2(kRow - 1, kCol, 9);
  z.SetBlock(kRow, kCol - 1, 67);
  f().LoopState = loop::kLeftHalf;
  f().CurvePose = 3;
  OnPiece(45, 14, 4, 6);  // high on the wall part, local x 45: between the bands
  LoopStepOnly(f());
  ASSERT_GT(f().SensorX, kLeft + 31);
  ASSERT_LT(f().SensorX, kLeft + 55);
  EXPECT_EQ(f().CurvePose, 3);
}

// --- the second zone's values ---

class AshmoorLoopStep : public LoopStep {
 protected:
  AshmoorLoopStep() : LoopStep(AshmoorTables()) {}
};

TEST_F(AshmoorLoopStep, UsesItsOwnLeftPiecesAndEndMarker) {
  z.SetBlock(kRow, kCol, 62);
  z.SetBlock(kRow, kCol - 1, 64);
  f().LoopState = loop::kLeftHalf;
  OnPiece(40, 109, 4, 8);
  LoopStepOnly(f());
  EXPECT_DOUBLE_EQ(f().SensorX, kLeft + 128 - h(109));

  z.SetBlock(kRow, kCol, 64);
  f().LoopState = loop::kLeftHalf;
  OnPiece(10, 109, 0, 8);
  LoopStepOnly(f());
  EXPECT_EQ(f().LoopState, 0);

  z.SetBlock(kRow, kCol, 65);  // not a piece here
  f().LoopState = loop::kLeftHalf;
  OnPiece(40, 109, 4, 8);
  LoopStepOnly(f());
  EXPECT_DOUBLE_EQ(f().SensorX, kLeft + 40);
}

TEST_F(AshmoorLoopStep, RightPipeLaunchesOverItsOwnOpenValuesOnly) {
  for (int right : {0, 18, 19, 28, 60, 61, 4}) {
    z.SetBlock2(kRow, kCol, 6);
    z.SetBlock(kRow, kCol + 1, static_cast<uint8_t>(right));
    f().LoopState = loop::kBothHalves;
    OnPiece(90, 100, 1, 7);
    LoopStepOnly(f());
    const bool open = right != 61 && right != 4;
    EXPECT_EQ(f().OnCurve, open ? 0 : 1) << right;
  }
}

TEST_F(AshmoorLoopStep, CeilingBelowAnUpperLeftPieceDropsAndUnderItsOwnDoesNot) {
  z.SetBlock2(kRow, kCol, 7);
  z.SetBlock(kRow - 1, kCol, 63);
  f().LoopState = loop::kRightHalf;
  OnPiece(50, 10, 2, 6);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 0);

  z.SetBlock(kRow, kCol, 63);  // the own block is an upper-left piece: no drop
  z.SetBlock2(kRow, kCol, 0);
  f().LoopState = loop::kLeftHalf;
  OnPiece(100, 10, 2, 6);
  LoopStepOnly(f());
  EXPECT_EQ(f().OnCurve, 1);
}

}  // namespace
}  // namespace orvane::test
