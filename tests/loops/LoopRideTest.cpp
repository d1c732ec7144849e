// Whole frames of Movement through loops and quarter pipes: the player's keys, motion and block
// collision together with the loop step, on acts built in the test and on the shipped acts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/Vocabulary.h"
#include "tests/loops/LoopScene.h"
#include "zones/ZoneProgram.h"

namespace orvane::test {
namespace {

using platform::Key;

// What one ride through a loop did.
struct Ride {
  bool overTheTop = false;    // LoopState 2 on the ceiling
  bool leftHalf = false;      // LoopState 1
  bool leftTheGround = false; // Airborne -1 at any frame
  double highestCentre = 1e9;
  bool endMarkerSeen = false; // the centre in the exit marker's column with LoopState 0
  bool endMarkerWrong = false;
  int framesToExit = -1;
};

// Holds Right from `speed` at the loop's left end marker until the player is two blocks past it.
Ride RideThrough(ZoneFixture& z, LoopPlace at, double speed) {
  ZoneForm& f = z.form();
  const int g = at.floorRow, c = at.column;
  z.Play((c - 1) * 128 - 40, g * 128 - 38);
  f.LoopState = loop::kBothHalves;
  f.SpeedX = speed;
  z.Hold({Key::Right});
  Ride ride;
  for (int n = 1; n <= 600; ++n) {
    z.Move();
    if (f.LoopState == loop::kOverTop) ride.overTheTop = true;
    if (f.LoopState == loop::kLeftHalf) ride.leftHalf = true;
    if (f.Airborne == kOn) ride.leftTheGround = true;
    ride.highestCentre = std::min(ride.highestCentre, f.PlayerY + 19);
    if (DivRounded(f.PlayerX + 20, 128) == c + 2 && ride.overTheTop) {
      if (f.LoopState == loop::kRightHalf) ride.endMarkerSeen = true;
      else ride.endMarkerWrong = true;
    }
    if (f.PlayerX > (c + 4) * 128) {
      ride.framesToExit = n;
      break;
    }
  }
  return ride;
}

void ExpectRoundTheLoop(ZoneFixture& z, LoopPlace at, double speed) {
  ZoneForm& f = z.form();
  const Ride ride = RideThrough(z, at, speed);
  const std::string where = "speed " + std::to_string(speed) + " loop at column " + std::to_string(at.column);
  EXPECT_TRUE(ride.overTheTop) << where;
  EXPECT_TRUE(ride.leftHalf) << where;
  EXPECT_FALSE(ride.leftTheGround) << where;
  EXPECT_LT(ride.highestCentre, (at.floorRow - 2) * 128 + 8) << where;
  EXPECT_TRUE(ride.endMarkerSeen) << where;
  EXPECT_FALSE(ride.endMarkerWrong) << where;
  ASSERT_GT(ride.framesToExit, 0) << where;
  EXPECT_DOUBLE_EQ(f.PlayerY, at.floorRow * 128 - 38) << where;
  EXPECT_GT(f.SpeedX, 0) << where;
  EXPECT_EQ(f.OnCurve, 0) << where;
  EXPECT_EQ(f.SurfaceMode, surface::kFloor) << where;
}

TEST(LoopRide, EverySpeedFromSixToTwelveGoesRoundAndOutOnTheRight) {
  for (const ZoneTables* zone : {&PlumvaleTables(), &AshmoorTables()}) {
    for (double speed = 6; speed <= 12; speed += 0.5) {
      ZoneFixture z(*zone);
      LoadCurve(z.form());
      BuildLoop(z, {7, 19});
      ExpectRoundTheLoop(z, {7, 19}, speed);
    }
  }
}

// --- quarter pipes ---

TEST(LoopRide, LoneRightPipeThrowsTheRunnerStraightUp) {
  ZoneFixture z;
  ZoneForm& f = z.form();
  LoadCurve(f);
  z.FillRow(7, 1);
  z.SetBlock2(6, 20, 6);
  z.Play(20 * 128 - 100, 7 * 128 - 38);
  f.LoopState = loop::kBothHalves;
  f.SpeedX = 7;  // no key: it loses 0.14 a frame
  int launched = 0;
  for (int n = 1; n <= 120 && !launched; ++n) {
    const double before = f.SpeedX;
    z.Move();
    if (f.Airborne == kOn) {
      launched = n;
      EXPECT_NEAR(f.SpeedY, -(before - 0.14), 1e-9);
      EXPECT_DOUBLE_EQ(f.SpeedX, 0);
      EXPECT_EQ(f.OnCurve, 0);
      EXPECT_EQ(f.SurfaceMode, surface::kFloor);
    }
  }
  ASSERT_GT(launched, 0);
  const double x = f.PlayerX, y = f.PlayerY, v = -f.SpeedY;
  double top = y;
  while (f.SpeedY < 0) {
    z.Move();
    EXPECT_DOUBLE_EQ(f.PlayerX, x);  // straight up
    top = std::min(top, f.PlayerY);
  }
  EXPECT_NEAR(y - top, v * v / 0.4, v);  // the rise a throw at that speed gives under gravity
}

TEST(LoopRide, LoneLeftPipeThrowsTheRunnerStraightUp) {
  ZoneFixture z;
  ZoneForm& f = z.form();
  LoadCurve(f);
  z.FillRow(7, 1);
  z.SetBlock(6, 20, 65);
  z.Play(21 * 128 + 60, 7 * 128 - 38);
  f.LoopState = loop::kBothHalves;
  f.SpeedX = -7;
  f.Facing = kFacingLeft;
  int launched = 0;
  for (int n = 1; n <= 120 && !launched; ++n) {
    const double before = f.SpeedX;
    z.Move();
    if (f.Airborne == kOn) {
      launched = n;
      EXPECT_NEAR(f.SpeedY, before + 0.14, 1e-9);
      EXPECT_LT(f.SpeedY, 0);
      EXPECT_DOUBLE_EQ(f.SpeedX, 0);
    }
  }
  ASSERT_GT(launched, 0);
}

TEST(LoopRide, FallOntoAFloatingLowerRightPieceAtLocalX32RunsBackAtOneAndAHalf) {
  ZoneFixture z;
  ZoneForm& f = z.form();
  LoadCurve(f);
  z.SetBlock2(5, 20, 6);
  const double cx = 20 * 128 + 32, surface = 5 * 128 + f.CurveTable[32];
  z.Play(cx - 20, surface - 3 - 19);
  f.Airborne = kOn;
  f.SpeedY = 5.8;  // gravity makes it 6 in the frame of the landing
  f.LoopState = loop::kBothHalves;
  z.Move();
  EXPECT_DOUBLE_EQ(f.SpeedX, -1.5);
  EXPECT_EQ(f.OnCurve, 1);
  EXPECT_EQ(f.Airborne, 0);
}

// Jumps onto the right edge of a loop's lower-right piece, where the wall is all but upright: the
// fall turns into a speed along the curve no greater than the fall's own (once a speed of 50 to 150
// threw the player down through the ground), and a fall that starts on that wall moves as a fall
// (once the wall's mode stayed set in the air and the fall speed drove the player sideways through
// the whole act). Whatever the landing, the player lives on and never moves faster than a dash.
TEST(LoopRide, AFallOntoTheRightEdgeOfALoopNeitherKillsNorFlings) {
  constexpr double kDashSpeed = 15;
  const LoopPlace at{7, 20};
  int caught = 0;
  for (const double localX : {100.0, 110.0, 118.0, 124.0, 127.0})
    for (const double fall : {2.0, 5.0, 8.0})
      for (const double run : {-3.0, 0.0, 3.0}) {
        ZoneFixture z;
        ZoneForm& f = z.form();
        LoadCurve(f);
        z.FillRow(at.floorRow, 1);
        BuildLoop(z, at);
        const double cx = (at.column + 1) * 128 + localX;
        z.Play(cx - 20, (at.floorRow - 2) * 128 - 19);
        f.Airborne = kOn;
        f.SpeedY = fall;
        f.SpeedX = run;
        f.LoopState = loop::kBothHalves;
        const std::string what = "local x " + std::to_string(localX) + ", fall " + std::to_string(fall) +
                                 ", run " + std::to_string(run);
        bool onCurve = false;
        for (int n = 1; n <= 300; ++n) {
          const double x = f.PlayerX, y = f.PlayerY;
          const bool inAir = f.Airborne == kOn;
          z.Move();
          onCurve = onCurve || (inAir && f.OnCurve == kSet);
          ASSERT_EQ(f.Dying, 0) << what << ": died in frame " << n;
          ASSERT_LE(std::abs(f.PlayerX - x), kDashSpeed + 1) << what << ": frame " << n << " moved from " << x << ", "
                                                            << y << " to " << f.PlayerX << ", " << f.PlayerY;
          ASSERT_LE(std::abs(f.SpeedX), kDashSpeed + 1) << what << ": frame " << n;
          ASSERT_LT(f.PlayerY, at.floorRow * 128) << what << ": fell through the ground in frame " << n;
        }
        caught += onCurve;
      }
  EXPECT_GT(caught, 0) << "no fall landed on the curve";
}

// Ash Moor's acts held a player for good on a floating lower-right piece with open air to its
// right: a slow fall caught on its wall turned into a small speed back down the piece, the pipe's
// throw sent that speed "up" as a fall into the same catch, and so on frame after frame, whatever
// the keys. Only a player moving up a pipe is thrown off its top now, on either hand: the caught
// player stays on the wall, and walking away from the wall takes it off.
TEST(LoopRide, ASlowFallOntoTheWallOfAFloatingQuarterPipeIsNotHeldThere) {
  struct Pipe {
    const char* name;
    bool rightHand;  // a lower-right piece in the second layer, else a lower-left one in the main layer
    double localX[4];
    Key away;
  } pipes[] = {{"lower right", true, {66, 74, 90, 110}, Key::Left},
               {"lower left", false, {18, 38, 54, 62}, Key::Right}};
  for (const Pipe& p : pipes) {
    for (const double localX : p.localX) {
      ZoneFixture z;
      ZoneForm& f = z.form();
      LoadCurve(f);
      if (p.rightHand) z.SetBlock2(5, 20, 6);
      else z.SetBlock(5, 20, 65);
      const int curveAt = static_cast<int>(p.rightHand ? localX : 128 - localX);
      const double cx = 20 * 128 + localX, surface = 5 * 128 + f.CurveTable[curveAt];
      z.Play(cx - 20, surface - 1 - 19);
      f.Airborne = kOn;
      f.SpeedY = 0;
      f.LoopState = loop::kBothHalves;
      for (int n = 1; n <= 30; ++n) z.Move();
      EXPECT_EQ(f.OnCurve, 1) << p.name << " at local x " << localX << ": not on the wall";
      EXPECT_EQ(f.Airborne, 0) << p.name << " at local x " << localX << ": thrown into the air";
      z.Hold({p.away});
      const double x = f.PlayerX, y = f.PlayerY;
      bool moved = false;
      for (int n = 1; n <= 300 && !moved; ++n) {
        z.Move();
        moved = std::abs(f.PlayerX - x) > 8 || std::abs(f.PlayerY - y) > 8;
      }
      EXPECT_TRUE(moved) << p.name << " held at local x " << localX << ": (" << f.PlayerX << ", " << f.PlayerY
                         << ")";
    }
  }
}

// A player pushing up the wall of a pipe that stands on the ground, too slowly to be thrown off
// its top, was once thrown a fraction of a pixel up and caught again on every second frame: it
// hung in the air against the wall for as long as the key was held. Too slow to leave, the rider
// now slides back down and swings in the pipe, like a runner that came in at speed.
TEST(LoopRide, APlayerTooSlowToLeaveAPipeSlidesBackInsteadOfHanging) {
  struct Pipe {
    const char* name;
    bool rightHand;
    Key up;
  } pipes[] = {{"lower right", true, Key::Right}, {"lower left", false, Key::Left}};
  for (const Pipe& p : pipes) {
    for (const double localX : {90.0, 100.0, 110.0}) {
      ZoneFixture z;
      ZoneForm& f = z.form();
      LoadCurve(f);
      z.FillRow(7, 1);
      if (p.rightHand) z.SetBlock2(6, 20, 6);
      else z.SetBlock(6, 20, 65);
      const double cx = 20 * 128 + (p.rightHand ? localX : 128 - localX);
      z.Play(cx - 20, 6 * 128 + f.CurveTable[static_cast<int>(localX)] - 2 - 19);
      f.Airborne = kOn;
      f.LoopState = loop::kBothHalves;
      z.Hold({p.up});
      double top = 1e9, bottom = -1e9;
      int flips = 0, longestFlipping = 0;
      for (int n = 1; n <= 400; ++n) {
        const int16_t before = f.Airborne;
        z.Move();
        flips = f.Airborne != before ? flips + 1 : 0;
        longestFlipping = std::max(longestFlipping, flips);
        if (n > 200) top = std::min(top, f.PlayerY), bottom = std::max(bottom, f.PlayerY);
      }
      const std::string where = std::string(p.name) + " at local x " + std::to_string(localX);
      EXPECT_LT(longestFlipping, 6) << where << ": in and out of the air frame after frame";
      EXPECT_GT(bottom - top, 16) << where << ": held between y " << top << " and " << bottom;
    }
  }
}

TEST(LoopRide, StandingStillOnAWallOrCeilingDropsOffAtOnce) {
  struct Case {
    int16_t mode;
    double x, y;  // local centre on the loop's upper-right piece
  } cases[] = {{1, 110, 90}, {2, 40, 10}};
  for (const Case& c : cases) {
    ZoneFixture z;
    ZoneForm& f = z.form();
    LoadCurve(f);
    BuildLoop(z, {7, 19});
    z.Play(0, 0);
    PutCentre(f, 20 * 128 + c.x, 5 * 128 + c.y);
    f.OnCurve = kSet;
    f.SurfaceMode = c.mode;
    f.LoopState = loop::kRightHalf;
    z.Move();
    EXPECT_EQ(f.OnCurve, 0) << c.mode;
    EXPECT_EQ(f.Airborne, -1) << c.mode;
  }
}

// --- the shipped acts ---

std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(LoopRide, EveryLoopOfTheShippedActsCarriesThePlayerRound) {
  const std::filesystem::path data = ORVANE_GAME_DATA;
  struct Act {
    const ZoneTables* zone;
    const char* map;
  } acts[] = {{&PlumvaleTables(), "Data/R1/PVZ1.map"},
              {&AshmoorTables(), "Data/R2/AMZ1.map"},
              {&AshmoorTables(), "Data/R2/AMZ2.map"},
              {&AshmoorTables(), "Data/R2/AMZ3.map"}};
  const std::vector<uint8_t> curve = ReadAll(data / "Data/Qloop.crv");
  ASSERT_EQ(curve.size(), 129u);
  int loops = 0;
  for (const Act& act : acts) {
    const std::vector<uint8_t> map = ReadAll(data / act.map);
    ASSERT_GE(map.size(), 1563u) << act.map;
    for (int r = 0; r < 10; ++r) {
      for (int c = 1; c + 2 < 78; ++c) {
        if (map[r * 78 + c] != act.zone->loops.lowerLeft || map[783 + r * 78 + c + 1] != 6) continue;
        ++loops;
        for (double speed = 6; speed <= 12; speed += 1) {
          ZoneFixture z(*act.zone);
          ZoneForm& f = z.form();
          for (int i = 0; i < 780; ++i) {
            f.BlockMap[i] = map[static_cast<size_t>(i)];
            f.BlockMap2[i] = map[783 + static_cast<size_t>(i)];
          }
          for (int i = 0; i <= 128; ++i) f.CurveTable[i] = curve[static_cast<size_t>(i)];
          SCOPED_TRACE(std::string(act.map));
          ExpectRoundTheLoop(z, {r + 1, c}, speed);
        }
      }
    }
  }
  EXPECT_GE(loops, 3);
}

}  // namespace
}  // namespace orvane::test
