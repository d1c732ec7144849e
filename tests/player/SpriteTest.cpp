// Which piece of which sheet the player is drawn from, and where: the sheets here are painted so
// that every pixel tells the sheet position it came from.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/core/Vocabulary.h"
#include "tests/player/PlayerScene.h"

namespace orvane::test {
namespace {

constexpr int kSheetW = 88;
constexpr int kSheetH = 400;

uint16_t Code(int x, int y) { return static_cast<uint16_t>(1 + x + kSheetW * y); }

platform::Surface CodedSheet() {
  platform::Surface s(kSheetW, kSheetH);
  for (int y = 0; y < kSheetH; ++y)
    for (int x = 0; x < kSheetW; ++x) s.Set(x, y, Code(x, y));
  s.SetColorKey(0);
  return s;
}

struct Drawn {
  bool any = false;
  int left = 0, top = 0, right = 0, bottom = 0;  // the source rectangle, right and bottom exclusive
  int atX = 0, atY = 0;                          // where its top-left corner landed
};

// Reads back the one rectangle drawn on the work surface.
Drawn ReadBack(const platform::Surface& work) {
  Drawn d;
  int minX = 1 << 20, minY = 1 << 20, maxX = -1, maxY = -1;
  for (int y = 0; y < work.Height(); ++y)
    for (int x = 0; x < work.Width(); ++x)
      if (work.At(x, y) != 0) {
        minX = std::min(minX, x), minY = std::min(minY, y);
        maxX = std::max(maxX, x), maxY = std::max(maxY, y);
      }
  if (maxX < 0) return d;
  d.any = true;
  const int first = work.At(minX, minY) - 1, last = work.At(maxX, maxY) - 1;
  d.left = first % kSheetW, d.top = first / kSheetW;
  d.right = last % kSheetW + 1, d.bottom = last / kSheetW + 1;
  d.atX = minX, d.atY = minY;
  return d;
}

class PlayerSprite : public ::testing::Test {
 protected:
  void SetUp() override {
    fx->PlayerSheet = CodedSheet();
    fx->CurveSheet = CodedSheet();
    fx->PlayerScreenX = 140;
    fx->PlayerScreenY = 100;
  }
  Drawn Draw(bool dying = false) {
    fx->WorkSurface = platform::Surface(320, 240);
    if (dying) fx->DrawDyingPlayer();
    else fx->DrawPlayer();
    return ReadBack(fx->WorkSurface);
  }
  ZoneFixture fx;
};

TEST_F(PlayerSprite, ZintoByFacingAndFrame) {
  fx->Facing = kFacingRight;
  fx->PlayerFrame = 3;
  Drawn d = Draw();
  ASSERT_TRUE(d.any);
  EXPECT_EQ(d.left, 40);
  EXPECT_EQ(d.top, 114);
  EXPECT_EQ(d.right, 80);
  EXPECT_EQ(d.bottom, 152);
  EXPECT_EQ(d.atX, 140);
  EXPECT_EQ(d.atY, 100);

  fx->Facing = kFacingLeft;
  fx->SpringPose = 32;  // sprung: the cell is 32 rows taller
  d = Draw();
  EXPECT_EQ(d.left, 0);
  EXPECT_EQ(d.right, 40);
  EXPECT_EQ(d.bottom, 152 + 32);
}

TEST_F(PlayerSprite, KuboDropsSixAndRollsOnHisBallFrames) {
  fx->Character = kKubo;
  fx->SpriteDropY = 6;
  fx->FacingAlt = kFacingAltRight;
  fx->PlayerFrame = 2;
  fx->AltBallFrame = 5;
  Drawn d = Draw();
  EXPECT_EQ(d.left, 43);
  EXPECT_EQ(d.right, 86);
  EXPECT_EQ(d.top, 64);
  EXPECT_EQ(d.bottom, 96);
  EXPECT_EQ(d.atY, 106);

  fx->PlayerAnim = anim::kBall;
  d = Draw();
  EXPECT_EQ(d.top, 160);
  EXPECT_EQ(d.bottom, 192);
}

TEST_F(PlayerSprite, TheCurvePoseReplacesTheSheetWhileRidingUpright) {
  fx->OnCurve = kSet;
  fx->Facing = kFacingRight;
  fx->PlayerFrame = 6;
  Drawn d = Draw();
  EXPECT_EQ(d.left, 44);
  EXPECT_EQ(d.top, 264);
  EXPECT_EQ(d.right, 88);
  EXPECT_EQ(d.bottom, 308);
  EXPECT_EQ(d.atX, 137);
  EXPECT_EQ(d.atY, 94);

  // rolling on a curve shows the ball from the player sheet instead
  fx->Rolling = kSet;
  fx->PlayerFrame = 2;
  d = Draw();
  EXPECT_EQ(d.right - d.left, 40);
  EXPECT_EQ(d.atY, 100);
}

TEST_F(PlayerSprite, TheBlinkHidesThePlayerOnPhaseOneButNotTheCurvePose) {
  fx->Facing = kFacingRight;
  fx->BlinkOn = 1;
  fx->BlinkPhase = 1;
  EXPECT_FALSE(Draw().any);
  fx->BlinkPhase = 0;
  EXPECT_TRUE(Draw().any);
  fx->BlinkPhase = 1;
  fx->OnCurve = kSet;
  EXPECT_TRUE(Draw().any);
}

TEST_F(PlayerSprite, TheDyingZintoIsFourRowsTallerAtTheFallsHeight) {
  fx->Facing = kFacingLeft;
  fx->PlayerFrame = 4;
  fx->Dying = kSet;
  fx->DeathY = 77.6;
  Drawn d = Draw(true);
  EXPECT_EQ(d.top, 152);
  EXPECT_EQ(d.bottom, 152 + 42);
  EXPECT_EQ(d.atX, 140);
  EXPECT_EQ(d.atY, 78);

  // the same form for Kubo keeps his cell height
  fx->Character = kKubo;
  fx->FacingAlt = kFacingAltLeft;
  fx->SpriteDropY = 6;
  d = Draw(true);
  EXPECT_EQ(d.top, 128);
  EXPECT_EQ(d.bottom, 160);
  EXPECT_EQ(d.atY, 84);
}

TEST_F(PlayerSprite, APieceReachingOffTheScreenIsNotDrawnAtAll) {
  fx->Facing = kFacingRight;
  fx->Dying = kSet;
  fx->DeathY = 230;  // not clipped: the 42-row cell does not fit
  EXPECT_FALSE(Draw(true).any);
}

}  // namespace
}  // namespace orvane::test
