// The background bands' offsets.
#include <gtest/gtest.h>

#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

using test::ZoneFixture;

TEST(Parallax, FirstZoneBandsAtCameraX2400) {
  ZoneFixture z;
  z->CameraX = 2400;
  z->Parallax();
  for (int band : {1, 2, 3}) EXPECT_DOUBLE_EQ(z->LayerOffset[band], 100);
  EXPECT_DOUBLE_EQ(z->LayerOffset[4], 200);
  EXPECT_DOUBLE_EQ(z->LayerOffset[5], 200);
  EXPECT_DOUBLE_EQ(z->LayerOffset[6], 300);
  EXPECT_DOUBLE_EQ(z->LayerOffset[7], 600);
  EXPECT_DOUBLE_EQ(z->LayerOffset[8], 176);  // 1200 wrapped by 1024
  EXPECT_DOUBLE_EQ(z->LayerOffset[9], 176);
}

TEST(Parallax, TheVerticalLiftByZone) {
  ZoneFixture first, second(AshmoorTables());
  for (ZoneFixture* z : {&first, &second}) {
    (*z)->CameraY = 1040;
    (*z)->Parallax();
  }
  EXPECT_NEAR(first->LayerBase[8], 173.3, 0.05);
  EXPECT_DOUBLE_EQ(second->LayerBase[8], 65);
}

TEST(Parallax, TheWrapJustBelow1024GivesASmallNegativeOffset) {
  ZoneFixture z;
  z->CameraX = 2 * 1023.6;  // band 8 at 1023.6 rounds to 1024
  z->Parallax();
  EXPECT_NEAR(z->LayerOffset[8], -0.4, 1e-9);
}

TEST(Parallax, SecondZoneBandsDriftAndSnapBack) {
  ZoneFixture z(AshmoorTables());
  z->Parallax();
  EXPECT_DOUBLE_EQ(z->LayerOffset[1], 0.1);
  EXPECT_DOUBLE_EQ(z->LayerOffset[3], 0.4);
  EXPECT_DOUBLE_EQ(z->LayerOffset[8], z->LayerOffset[7]);
  z->LayerDrift[1] = 1022.95;
  z->Parallax();
  EXPECT_DOUBLE_EQ(z->LayerDrift[1], 0);
}

}  // namespace
}  // namespace orvane
