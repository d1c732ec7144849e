// The ring demo: projection and visibility, the ring sheet's rows, the floor map and its outlines,
// the keys, the spin, and the click as the only way out.
#include <gtest/gtest.h>

#include "platform/headless/Headless.h"
#include "platform/system/Error.h"
#include "ringdepth/Ringdepth.h"
#include "tests/programs/Pictures.h"
#include "tests/programs/TempFolder.h"

namespace orvane {
namespace {

using platform::Key;

TEST(RingdepthProjection, DepthHalvesThePictureEveryTenUnits) {
  const ScreenPoint at0 = Project(40, 20, 0);
  EXPECT_DOUBLE_EQ(at0.x, 200);
  EXPECT_DOUBLE_EQ(at0.y, 140);
  const ScreenPoint at10 = Project(40, 20, 10);
  EXPECT_DOUBLE_EQ(at10.x, 180);
  EXPECT_DOUBLE_EQ(at10.y, 130);
  const ScreenPoint near = Project(40, -20, -20);
  EXPECT_DOUBLE_EQ(near.x, 320);
  EXPECT_DOUBLE_EQ(near.y, 40);
  EXPECT_NEAR(Project(100, 0, 5).x, 160 + 100 / std::sqrt(2.0), 1e-12);
}

TEST(RingdepthProjection, VisibleStrictlyBetweenMinusTwentyAndFortyFive) {
  EXPECT_FALSE(DepthVisible(-20, -10));
  EXPECT_TRUE(DepthVisible(-19.9, -9.9));
  EXPECT_TRUE(DepthVisible(34.9, 44.9));
  EXPECT_FALSE(DepthVisible(35, 45));
}

TEST(RingdepthRings, SizeRowsAreClampedToTheNineRowsOfTheSheet) {
  struct Row {
    double z;
    int32_t top, bottom;
  };
  const Row rows[] = {
      {-19.9, 0, 16},    // (Z + 10) div 5 = -1: clamped to the top row
      {-10, 0, 16},      // 0
      {-5, 16, 32},      // 1
      {-2.6, 16, 32},    // 7.4 rounds to 7: still row 1
      {-2.4, 16, 32},    // 7.6 rounds to 8: 8 div 5 = 1
      {0, 32, 48},       // 10 div 5 = 2
      {27.5, 112, 128},  // 37.5 rounds to 38 (even): 7
      {30, 128, 144},    // 8: the last row
      {44.9, 128, 144},  // 11: clamped
  };
  for (const Row& r : rows) {
    const platform::Rect src = RingSource(r.z, 3);
    EXPECT_EQ(src.top, r.top) << r.z;
    EXPECT_EQ(src.bottom, r.bottom) << r.z;
    EXPECT_EQ(src.left, 48);
    EXPECT_EQ(src.right, 64);
  }
  EXPECT_EQ(RingSource(0, 7).right, 128);
}

TEST(RingdepthFloor, KindsAndColours) {
  for (int kind = 0; kind < 256; ++kind) {
    const bool drawn = kind == 1 || kind == 4 || kind == 5 || kind == 6;
    EXPECT_EQ(FloorKindDrawn(static_cast<uint8_t>(kind)), drawn) << kind;
  }
  EXPECT_EQ(FloorLineColor(1), platform::Rgb565(255, 255, 34));
  EXPECT_EQ(FloorLineColor(4), platform::Rgb565(255, 24, 34));
  EXPECT_EQ(FloorLineColor(5), platform::Rgb565(55, 55, 255));
  EXPECT_EQ(FloorLineColor(6), platform::Rgb565(24, 255, 24));
}

TEST(RingdepthFloor, CellKIsTheByteAtOffsetKAndAShortFileEndsEmpty) {
  test::TempFolder dir;
  std::vector<uint8_t> bytes(700, 0);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i % 7);
  test::WriteBytes(dir.path() / "full.map", bytes);
  const FloorMap full = ReadFloorMap(dir.path() / "full.map");
  EXPECT_EQ(full[0], 0);
  EXPECT_EQ(full[1], 1);
  EXPECT_EQ(full[638], 638 % 7);
  EXPECT_EQ(full[639], 0);  // beyond the map, though the file goes on
  EXPECT_EQ(full[720], 0);

  test::WriteBytes(dir.path() / "short.map", {4, 5, 6});
  const FloorMap part = ReadFloorMap(dir.path() / "short.map");
  EXPECT_EQ(part[2], 6);
  EXPECT_EQ(part[3], 0);
  EXPECT_EQ(part[638], 0);
}

TEST(RingdepthFloor, AMissingMapIsAFaultNamingIt) {
  test::TempFolder dir;
  try {
    ReadFloorMap(dir.path() / "Level.map");
    FAIL() << "no fault";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find("Level.map"), std::string::npos);
  }
}

class RingdepthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WritePicture(dir.path() / "back.bmp", 320, 240, 30, 30, 60);
    test::WritePicture(dir.path() / "ring.bmp", 128, 144, 250, 200, 30);
  }
  void Start(const std::vector<uint8_t>& map) {
    test::WriteBytes(dir.path() / "Level.map", map);
    demo.StartUp();
  }
  bool Frames(int n) {
    try {
      for (int i = 0; i < n; ++i) demo.Frame();
    } catch (const ProgramEnded&) {
      return true;
    }
    return false;
  }
  int CountColor(uint16_t color) const {
    int n = 0;
    for (uint16_t p : headless.display.LastFrame().Pixels()) n += p == color;
    return n;
  }

  test::TempFolder dir;
  platform::HeadlessPlatform headless;
  RingdepthForm demo{headless.Get(), dir.path()};
};

TEST_F(RingdepthTest, StartsInTheSmallModeWithItsStartValues) {
  Start({});
  EXPECT_TRUE(headless.display.ModeSet());
  EXPECT_EQ(headless.display.BackBuffer().Width(), 320);
  EXPECT_EQ(demo.OffsetX, -75);
  EXPECT_EQ(demo.OffsetY, 0);
  EXPECT_EQ(demo.CameraZ, -10);
}

TEST_F(RingdepthTest, KeysSteerTheViewAndNoneEndsTheDemo) {
  Start({});
  headless.input.Set(Key::Left, true);
  headless.input.Set(Key::Up, true);
  headless.input.Set(Key::A, true);
  headless.input.Set(Key::Escape, true);
  ASSERT_FALSE(Frames(10));
  EXPECT_EQ(demo.OffsetX, -85);
  EXPECT_EQ(demo.OffsetY, -10);
  EXPECT_NEAR(demo.CameraZ, 2, 1e-9);
  headless.input.ReleaseAll();
  headless.input.Set(Key::Right, true);
  headless.input.Set(Key::Down, true);
  headless.input.Set(Key::Z, true);
  ASSERT_FALSE(Frames(5));
  EXPECT_EQ(demo.OffsetX, -80);
  EXPECT_EQ(demo.OffsetY, -5);
  EXPECT_NEAR(demo.CameraZ, -4, 1e-9);
}

TEST_F(RingdepthTest, OffsetsStopAtTheirSixteenBitLimits) {
  Start({});
  headless.input.Set(Key::Right, true);
  for (int i = 0; i < 33000; ++i) demo.Calculation();
  EXPECT_EQ(demo.OffsetX, 32767);
}

TEST_F(RingdepthTest, AClickIsTheWayOut) {
  Start({});
  ASSERT_FALSE(Frames(3));
  headless.display.QueueClick();
  EXPECT_TRUE(Frames(1));
  EXPECT_FALSE(headless.display.ModeSet());
}

TEST_F(RingdepthTest, RingFramesCycleZeroToSevenOneStepEveryTwentyFrames) {
  Start({});
  int steps = 0, last = 0;
  int16_t before = demo.RingFrame;
  for (int frame = 1; frame <= 200; ++frame) {
    demo.Animation();
    if (demo.RingFrame != before) {
      ++steps;
      EXPECT_EQ(demo.RingFrame, (before + 1) % 8) << frame;
      if (last) {
        EXPECT_EQ(frame - last, 20) << frame;
      }
      last = frame;
      before = demo.RingFrame;
    }
  }
  EXPECT_EQ(steps, 10);
  EXPECT_EQ(demo.RingFrame, 2);  // 0 .. 7, 0, 1, 2
}

TEST_F(RingdepthTest, FloorOutlinesShowOnlyVisibleDrawnCells) {
  // one yellow cell in the first row, one red cell in a far row out of sight, one undrawn kind
  std::vector<uint8_t> map(639, 0);
  map[4] = 1;
  map[9 * 60 + 4] = 4;
  map[9 * 1 + 2] = 3;
  Start(map);
  ASSERT_FALSE(Frames(1));
  EXPECT_GT(CountColor(FloorLineColor(1)), 50);
  EXPECT_EQ(CountColor(FloorLineColor(4)), 0);
  EXPECT_EQ(demo.AbandonedFrames, 0);
}

TEST_F(RingdepthTest, ASharedEdgeIsDrawnOnceByTheNearOrLeftCell) {
  // Two yellow cells side by side: the left one leaves out its right edge, which the right one's
  // left edge draws. A green cell right of a yellow one: the shared edge is green.
  std::vector<uint8_t> map(639, 0);
  map[3] = 1;
  map[4] = 6;
  Start(map);
  demo.CameraZ = 0;
  ASSERT_FALSE(Frames(1));
  // The shared edge runs from X = 200 + OffsetX at depth 0 to depth 10, at Y = 60.
  const ScreenPoint nearPoint = Project(200 - 75, 60, 0);
  const ScreenPoint farPoint = Project(200 - 75, 60, 10);
  const platform::Surface& shown = headless.display.LastFrame();
  const int mx = static_cast<int>(std::lround((nearPoint.x + farPoint.x) / 2));
  const int my = static_cast<int>(std::lround((nearPoint.y + farPoint.y) / 2));
  bool green = false, yellow = false;
  for (int dx = -1; dx <= 1; ++dx) {
    green |= shown.At(mx + dx, my) == FloorLineColor(6);
    yellow |= shown.At(mx + dx, my) == FloorLineColor(1);
  }
  EXPECT_TRUE(green);
  EXPECT_FALSE(yellow);
}

TEST_F(RingdepthTest, WithEveryRingBeyondFortyFiveNoRingIsDrawn) {
  std::vector<uint8_t> map(639, 0);
  Start(map);
  demo.CameraZ = 46;  // the nearest ring lies at depth 46
  ASSERT_FALSE(Frames(1));
  const uint16_t ring = platform::Rgb565(250, 200, 30);
  EXPECT_EQ(CountColor(ring), 0);
  EXPECT_EQ(CountColor(platform::Rgb565(30, 30, 60)), 318 * 238);
  demo.CameraZ = -10;
  ASSERT_FALSE(Frames(1));
  EXPECT_GT(CountColor(ring), 0);
}

TEST_F(RingdepthTest, RingsPartlyOffTheScreenDoNotStopThePicture) {
  Start({});
  // walk the ring line through the near limit, where rings leave the screen's edge
  headless.input.Set(Key::A, true);
  ASSERT_FALSE(Frames(60));
  EXPECT_EQ(demo.AbandonedFrames, 0);
  EXPECT_EQ(headless.FramesFlipped(), 60);
}

}  // namespace
}  // namespace orvane
