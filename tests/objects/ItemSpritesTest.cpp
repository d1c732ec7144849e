// Item pictures, lost rings, invincibility stars and the shield. The sheets are coded: every source
// pixel holds a value naming its own position, so a pixel of the work surface tells exactly which
// sheet pixel landed there.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/Vocabulary.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane {
namespace {

using test::ZoneFixture;

uint16_t Code(int x, int y, int width) { return static_cast<uint16_t>(1 + (y * width + x) % 65535); }

platform::Surface CodedSheet(int width, int height) {
  platform::Surface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.Set(x, y, Code(x, y, width));
  return s;
}

class ItemPictures : public ::testing::Test {
 protected:
  explicit ItemPictures(const ZoneTables& zone = PlumvaleTables()) : z(zone) {
    z->CommonSheet = CodedSheet(136, 320);
    z->ZoneSpriteSheet = CodedSheet(128, 526);
    z->ShieldSheet = CodedSheet(72, 2784);
    z->CameraX = 1000;
    z->CameraY = 500;
  }
  uint16_t At(int x, int y) { return z.form().WorkSurface.At(x, y); }
  uint16_t Common(int x, int y) const { return Code(x, y, 136); }
  uint16_t Zone(int x, int y) const { return Code(x, y, 128); }
  ZoneFixture z;
};

TEST_F(ItemPictures, RingTakesTheSpinFrame) {
  z.SetItem(0, kind::kRing, 1100, 600);
  z->RingSpinFrame = 5;
  z->DrawItems();
  EXPECT_EQ(At(100, 100), Common(0, 80));
  EXPECT_EQ(At(115, 115), Common(15, 95));
}

TEST_F(ItemPictures, SparkleRowsFollowTheTimerInSixes) {
  const struct {
    int16_t timer;
    int row;
  } cases[] = {{0, 128}, {5, 128}, {6, 144}, {11, 144}, {12, 160}, {24, 192}};
  for (const auto& c : cases) {
    z.SetItem(0, kind::kSparkle, 1100, 600);
    z->ItemTimer[0] = c.timer;
    z->DrawItems();
    EXPECT_EQ(At(100, 100), Common(0, c.row)) << c.timer;
  }
}

TEST_F(ItemPictures, ClosedAndOpenedBoxes) {
  z.SetItem(0, kind::kBoxInvincible, 1100, 600);
  z->DrawItems();
  EXPECT_EQ(At(100, 100), Common(23, 160));
  EXPECT_EQ(At(127, 131), Common(50, 191));

  // an opened shield box: the open picture and, 5 right and 5 - 10 above its top, the icon
  z.SetItem(0, kind::kBoxDashShield, 1100, 600);
  z->ItemTimer[0] = 10;
  z->DrawItems();
  EXPECT_EQ(At(100, 100), Common(23, 288));
  EXPECT_EQ(At(105, 95), Common(29, 69));
  EXPECT_EQ(At(120, 108), Common(44, 82));
}

TEST_F(ItemPictures, StripKinds) {
  z.SetItem(0, kind::kSpringUp, 1100, 600);
  z.SetItem(1, 14, 1200, 600);
  z->DrawItems();
  EXPECT_EQ(At(100, 100), Common(51, 128));
  EXPECT_EQ(At(200, 100), Common(51, 32));
}

TEST_F(ItemPictures, LampPostHeadUnlitAboveAndLitOnItsCircle) {
  z.SetItem(0, kind::kLampPost, 1100, 600);
  z->DrawItems();
  EXPECT_EQ(At(100, 102), Common(0, 240));  // the pole, below the head
  EXPECT_EQ(At(100, 86), Common(0, 288));   // the head 14 above

  z.SetItem(1, kind::kLampPost, 1200, 600);
  z->ItemTimer[1] = 1;  // 11 sin 0.25 = 2.7, -3 + 11 cos 0.25 = 7.7
  z->DrawItems();
  EXPECT_EQ(At(203, 108), Common(0, 304));
  EXPECT_EQ(At(218, 123), Common(15, 319));
}

TEST_F(ItemPictures, PatrolEnemyFacesAndWalksWithTheOffset) {
  z.SetItem(0, kind::kPatrolEnemy, 1100, 600);
  z->PatrolOffset = 20.5;  // 120.5 rounds to 120
  z->PatrolFacing = 64;
  z->PatrolFrame = 3;
  z->DrawItems();
  EXPECT_EQ(At(120, 100), Zone(64, 234));
  EXPECT_EQ(At(119, 100), 0);
}

TEST_F(ItemPictures, ZonePicturesAndPlatform) {
  z.SetItem(0, kind::kPlatform, 1010, 510);
  z.SetItem(1, kind::kTallPicture, 1150, 510);
  z.SetItem(2, kind::kSmallPicture, 1250, 510);
  z.SetItem(3, kind::kTopPicture, 1150, 700);
  z->DrawItems();
  EXPECT_EQ(At(10, 10), Zone(0, 136));
  EXPECT_EQ(At(150, 10), Zone(0, 0));
  EXPECT_EQ(At(250, 10), Zone(43, 41));
  EXPECT_EQ(At(150, 200), 0);  // kind 27 is not drawn in Plum Vale
}

TEST_F(ItemPictures, HoppingEnemiesRiseWithTheirOffsets) {
  z.SetItem(0, kind::kHopEnemyA, 1100, 700);
  z.SetItem(1, kind::kHopEnemyB, 1200, 700);
  z->HopOffsetA = -50;
  z->HopOffsetB = -100;
  z->DrawItems();
  EXPECT_EQ(At(100, 150), Zone(43, 0));
  EXPECT_EQ(At(200, 100), Zone(43, 0));
}

TEST_F(ItemPictures, ItemsAreClippedAtTheScreenEdges) {
  z.SetItem(0, kind::kPlatform, 995, 600);  // 5 pixels off the left edge
  z->DrawItems();
  EXPECT_EQ(At(0, 100), Zone(5, 136));
  z.SetItem(1, kind::kRing, 1100, 490);  // 10 above the top
  z->DrawItems();
  EXPECT_EQ(At(100, 0), Common(0, 10));
}

class AshMoorItemPictures : public ItemPictures {
 protected:
  AshMoorItemPictures() : ItemPictures(AshmoorTables()) {}
};

TEST_F(AshMoorItemPictures, Kind27IsDrawnAndTheHoppersAreNot) {
  z.SetItem(0, kind::kTopPicture, 1100, 600);
  z.SetItem(1, kind::kHopEnemyA, 1200, 600);
  z.SetItem(2, kind::kHopEnemyB, 1250, 600);
  z->DrawItems();
  EXPECT_EQ(At(100, 100), Zone(43, 0));
  EXPECT_EQ(At(131, 140), Zone(74, 40));
  EXPECT_EQ(At(205, 105), 0);
  EXPECT_EQ(At(255, 105), 0);
}

TEST_F(ItemPictures, LostRingsAreRoundedAndNotClipped) {
  z->LostRingsActive = kOn;
  z->LostRingAlive[1] = 1;
  z->LostRingX[1] = 1100.5;  // 100.5 rounds to 100
  z->LostRingY[1] = 601.5;   // 101.5 rounds to 102
  z->LostRingAlive[2] = 1;
  z->LostRingX[2] = 995;     // partly off screen: unclipped, so not drawn at all
  z->LostRingY[2] = 700;
  z->RingSpinFrame = 2;
  z->DrawLostRings();
  EXPECT_EQ(At(100, 102), Common(0, 32));
  EXPECT_EQ(At(5, 200), 0);
}

TEST_F(ItemPictures, SixStarsCircleThePlayer) {
  z->InvincibleTimer = 6;  // angle 1 + k
  z->SparklePhase = 1;
  z->PlayerScreenX = 140;
  z->PlayerScreenY = 100;
  z->SpeedX = 2;
  z->SpeedY = -1;
  z->DrawStars();
  const int frames[6] = {1, 2, 0, 1, 2, 1};  // k + 1 brought into 0..2
  const int trail[6] = {0, 0, 2, 2, 4, 4};
  int x[6], y[6];
  for (int k = 0; k < 6; ++k) {
    const double a = 1.0 + k;
    x[k] = static_cast<int>(std::nearbyint(140 + 5 - trail[k] * 2 + 18 * std::sin(a)));
    y[k] = static_cast<int>(std::nearbyint(100 + 2 + trail[k] * 1 + 18 * std::cos(a)));
  }
  int checked = 0;
  for (int k = 0; k < 6; ++k) {
    // each star's top-left pixel, where no later star covers it
    bool covered = false;
    for (int j = k + 1; j < 6; ++j)
      covered |= x[k] >= x[j] && x[k] < x[j] + 32 && y[k] >= y[j] && y[k] < y[j] + 32;
    if (covered) continue;
    EXPECT_EQ(At(x[k], y[k]), Common(83, frames[k] * 32 + 64)) << k;
    ++checked;
  }
  EXPECT_GE(checked, 2);
  EXPECT_EQ(z->StarIndex, 6);
}

TEST_F(ItemPictures, ShieldPlacesByTheMove) {
  z->PlayerScreenX = 140;
  z->PlayerScreenY = 100;
  z->SpriteDropY = 6;
  z->ShieldFrame = 3;
  z->ShieldAction = 0;
  z->DrawShield();
  EXPECT_EQ(At(138, 101), Code(0, 144, 72));

  z->WorkSurface = platform::Surface(320, 240);
  z->ShieldAction = 1;  // no shield is drawn for this value
  z->DrawShield();
  EXPECT_EQ(At(138, 101), 0);

  z->ShieldAction = 2;
  z->DrawShield();
  EXPECT_EQ(At(125, 101), Code(0, 144, 72));
}

}  // namespace
}  // namespace orvane
