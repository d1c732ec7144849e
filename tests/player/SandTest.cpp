// Sinking sand in Ash Moor: sinking, the jump out, and what sand takes away.
#include <gtest/gtest.h>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane::test {
namespace {

constexpr int kRow = 5;
constexpr int kCol = 20;

class Sand : public ::testing::Test {
 protected:
  Sand() : z(AshmoorTables()) {}
  ZoneForm& f() { return z.form(); }
  // The player's middle over column kCol, its feet `feet` pixels below the top of row kRow,
  // coming down at `speedY` (gravity's 0.2 from one frame).
  void FeetAt(double feet, double speedY = 0.2) {
    f().PlayerX = kCol * 128 + 60 - 19;
    f().PlayerY = kRow * 128 + feet - 38;
    f().SpeedY = speedY;
    f().Airborne = kOn;
  }
  ZoneFixture z;
};

TEST_F(Sand, RestingOnSandKeepsSinking) {
  z.SetBlock2(kRow, kCol, 1);
  FeetAt(40);
  for (int n = 1; n <= 30; ++n) {
    f().SpeedY += 0.2;  // gravity, every frame in the air
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0) << n;
  }
  EXPECT_NEAR(f().PlayerY, kRow * 128 + 40 - 38 + 30 * 0.4, 1e-9);
  EXPECT_EQ(f().Airborne, -1);  // the sand sets no floor
}

TEST_F(Sand, BothMarkerKindsHoldAtTheirSurface) {
  // Top-surface sand holds the feet once they are more than 4 pixels in (tested from the row
  // above), and holds a player whose top is in the sand's own row.
  for (int marker : {1, 4}) {
    z.SetBlock2(kRow, kCol, static_cast<uint8_t>(marker));
    FeetAt(4);
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0.2) << marker;
    FeetAt(4.5);
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0) << marker;
    FeetAt(100);
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0) << marker;
  }
  // low sand holds once the feet are more than 70 pixels below the block's top
  for (int marker : {10, 13}) {
    z.SetBlock2(kRow, kCol, static_cast<uint8_t>(marker));
    FeetAt(70);
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0.2) << marker;
    FeetAt(70.5);
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0) << marker;
  }
}

TEST_F(Sand, ColumnIsThePlayersMiddleRounded) {
  z.SetBlock2(kRow, kCol, 1);
  FeetAt(40);
  f().PlayerX = kCol * 128 - 19 - 0.6;  // middle at 127.4 of the column before: rounds to 127
  f().SandStep();
  EXPECT_DOUBLE_EQ(f().SpeedY, 0.2);
  f().PlayerX = kCol * 128 - 19 - 0.4;  // rounds to the column's first pixel
  f().SandStep();
  EXPECT_DOUBLE_EQ(f().SpeedY, 0);
}

TEST_F(Sand, JumpPressThrowsThePlayerOutWithTheJumpSound) {
  z.SetBlock2(kRow, kCol, 1);
  FeetAt(40);
  f().JumpPressed = kOn;
  f().Rolling = kSet;
  f().SandStep();
  EXPECT_DOUBLE_EQ(f().SpeedY, -6.5);
  EXPECT_EQ(f().Airborne, -1);
  EXPECT_EQ(f().AirActionReady, -1);
  EXPECT_EQ(f().Rolling, 0);
  EXPECT_EQ(z.SoundCalls(kSoundJump, "play"), 1);
  // on its way up the sand lets go
  f().JumpPressed = 0;
  f().SandStep();
  EXPECT_DOUBLE_EQ(f().SpeedY, -6.5);
}

TEST_F(Sand, NoJumpOutWhileCrouchingOrCharging) {
  z.SetBlock2(kRow, kCol, 1);
  for (int16_t spin : {1, 2}) {
    FeetAt(40);
    f().JumpPressed = kOn;
    f().SpinState = spin;
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, 0) << spin;
  }
  EXPECT_EQ(z.SoundCalls(kSoundJump, "play"), 0);
}

TEST_F(Sand, TakesAwayFlightAndShieldMoves) {
  z.SetBlock2(kRow, kCol, 1);
  FeetAt(40);
  f().AirActionReady = kOn;
  f().Flying = kOn;
  f().FlightTired = kOn;
  f().FlightTimer = 120;
  f().ShieldAction = 3;
  f().ShieldUsed = kSet;
  f().Sprung = 1;
  f().SandStep();
  EXPECT_EQ(f().AirActionReady, 0);
  EXPECT_EQ(f().Flying, 0);
  EXPECT_EQ(f().FlightTired, 0);
  EXPECT_EQ(f().FlightTimer, 0);
  EXPECT_EQ(f().ShieldAction, 0);
  EXPECT_EQ(f().ShieldUsed, 0);
  EXPECT_EQ(f().Sprung, 0);
  EXPECT_EQ(z.SoundCalls(kSoundFly, "stop"), 1);
  EXPECT_EQ(z.SoundCalls(kSoundFall, "stop"), 1);
}

TEST_F(Sand, RisingThroughSandIsNotHeld) {
  z.SetBlock2(kRow, kCol, 1);
  for (double speedY : {0.0, -3.0}) {
    FeetAt(40, speedY);
    f().AirActionReady = kOn;
    const double y = f().PlayerY;
    f().SandStep();
    EXPECT_DOUBLE_EQ(f().SpeedY, speedY);
    EXPECT_DOUBLE_EQ(f().PlayerY, y);
    EXPECT_EQ(f().AirActionReady, -1);
  }
}

}  // namespace
}  // namespace orvane::test
