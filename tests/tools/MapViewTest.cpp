// mapview: the whole act's picture is what the game draws at every camera position, every block
// and item at its place, and the command line's faults.
#include "tools/mapview/MapView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/headless/Headless.h"
#include "tests/support/MiniInstall.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace orvane {
namespace {

constexpr uint16_t kBlockColour = platform::Rgb565(90, 200, 60);   // the mini installation's block sheet
constexpr uint16_t kSpriteColour = platform::Rgb565(250, 250, 250);  // its common sheet
constexpr uint16_t kSlate = platform::Rgb565(92, 96, 120);           // mapview's empty colour

// A zone form started from the files in `dir`, as mapview starts it.
struct Started {
  Started(const ZoneTables& zone, const std::filesystem::path& dir, int act = 0) : os(1) {
    form = std::make_unique<ZoneForm>(os.Get(), zone, dir);
    form->ActIndex = static_cast<int16_t>(act);
    form->FormLoad();
  }
  platform::HeadlessPlatform os;
  std::unique_ptr<ZoneForm> form;
};

class MapView : public ::testing::Test {
 protected:
  MapView() { test::WriteMinimalInstallation(z.folder(), PlumvaleTables()); }
  test::ZoneFixture z;
};

TEST_F(MapView, EveryBlockAndItemIsDrawnAtItsPlaceInTheWholeAct) {
  z.SetBlock(3, 10, 1);   // a full block, its corner at (1280, 384)
  z.SetBlock(9, 77, 1);   // the last cell of the act: its far corner is the picture's corner
  z.SetBlock(5, 20, 3);   // a half block fills only the lower half of its cell
  z.SetItem(0, 1, 2000, 600);  // a ring across no screen edge
  z.SetItem(1, 1, 316, 236);   // a ring across the corner of four screens of the composition
  z.SaveAct();
  Started s(PlumvaleTables(), z.folder());
  const platform::Surface act = RenderAct(*s.form, {});
  ASSERT_EQ(act.Width(), 9984);
  ASSERT_EQ(act.Height(), 1280);

  EXPECT_EQ(act.At(1280, 384), kBlockColour);
  EXPECT_EQ(act.At(1407, 511), kBlockColour);
  EXPECT_EQ(act.At(1279, 384), kSlate);
  EXPECT_EQ(act.At(1408, 511), kSlate);
  EXPECT_EQ(act.At(1280, 512), kSlate);
  EXPECT_EQ(act.At(9983, 1279), kBlockColour);
  EXPECT_EQ(act.At(9856, 1152), kBlockColour);
  EXPECT_EQ(act.At(2600, 5 * 128 + 63), kSlate);
  EXPECT_EQ(act.At(2600, 5 * 128 + 64), kBlockColour);

  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(act.At(2000 + x, 600 + y), kSpriteColour) << x << "," << y;
      ASSERT_EQ(act.At(316 + x, 236 + y), kSpriteColour) << x << "," << y;
    }
  EXPECT_EQ(act.At(1999, 600), kSlate);
  EXPECT_EQ(act.At(2016, 615), kSlate);
  EXPECT_EQ(act.At(332, 240), kSlate);
}

TEST_F(MapView, GridAndScaleKeepThePictureInStep) {
  z.SetBlock(0, 1, 1);
  z.SaveAct();
  Started s(PlumvaleTables(), z.folder());
  const platform::Surface grid = RenderAct(*s.form, {.grid = true});
  EXPECT_NE(grid.At(128, 50), kBlockColour);  // the cell's left edge is lined
  EXPECT_EQ(grid.At(129, 50), kBlockColour);
  EXPECT_NE(grid.At(10, 128), kSlate);

  const platform::Surface half = RenderAct(*s.form, {.scale = 2});
  ASSERT_EQ(half.Width(), 4992);
  ASSERT_EQ(half.Height(), 640);
  EXPECT_EQ(half.At(64, 32), kBlockColour);
  EXPECT_EQ(half.At(63, 32), kSlate);
  const platform::Surface quarter = RenderAct(*s.form, {.scale = 4});
  EXPECT_EQ(quarter.Width(), 2496);
  EXPECT_EQ(quarter.Height(), 320);
}

// The shipped acts: any screen the game composes (background, player and status bar left out) is
// the same picture as the act's at that place, also where the screens of the composition meet.
TEST(MapViewShipped, AScreenAtAnyCameraIsTheActPictureThere) {
  const std::filesystem::path data = ORVANE_GAME_DATA;
  struct Case {
    const ZoneTables* zone;
    int act;
  } cases[] = {{&PlumvaleTables(), 0}, {&AshmoorTables(), 1}, {&AshmoorTables(), 2}};
  for (const Case& c : cases) {
    Started s(*c.zone, data, c.act);
    const platform::Surface act = RenderAct(*s.form, {});
    int drawn = 0;
    for (const auto& [cx, cy] : {std::pair{1000, 300}, {4321, 777}, {9664, 1040}, {9500, 900}}) {
      ZoneForm& f = *s.form;
      f.CameraX = cx;
      f.CameraY = cy;
      platform::BltColorFill(f.WorkSurface, {0, 0, 320, 240}, kSlate);
      f.DrawBlockLayer();
      f.DrawItems();
      f.DrawEndSign();
      if (f.ActIndex == 2) f.DrawCapsule();
      f.DrawForeground();
      for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
          if (cx + x >= act.Width() || cy + y >= act.Height()) continue;
          ASSERT_EQ(f.WorkSurface.At(x, y), act.At(cx + x, cy + y))
              << c.zone->files.actMap[static_cast<size_t>(c.act)] << " camera " << cx << "," << cy << " at " << x << ","
              << y;
          drawn += f.WorkSurface.At(x, y) != kSlate;
        }
    }
    EXPECT_GT(drawn, 320 * 240) << "the screens compared show the act";
  }
}

// Every loop of the shipped acts: wherever the rider's feet run round the loop (the curve's
// radius 126 and about 11 to the feet), the track is drawn just beyond them, all the way round,
// also where the circle leaves the loop's four cells.
TEST(MapViewShipped, EveryLoopsTrackIsWholeWhereTheRiderRuns) {
  const std::filesystem::path data = ORVANE_GAME_DATA;
  struct Case {
    const ZoneTables* zone;
    int act;
  } cases[] = {{&PlumvaleTables(), 0}, {&AshmoorTables(), 0}, {&AshmoorTables(), 1}, {&AshmoorTables(), 2}};
  int loops = 0, upperLefts = 0;  // every loop has one upper-left piece: each is found and checked
  for (const Case& c : cases) {
    Started s(*c.zone, data, c.act);
    ZoneForm& f = *s.form;
    for (int i = 0; i < static_cast<int>(kItemRecords); ++i) f.ItemKind[i] = 0;  // rings in the loop would hide a gap
    const platform::Surface act = RenderAct(f, {});
    for (int i = 0; i < 780; ++i) upperLefts += f.BlockMap[i] == c.zone->loops.upperLeft;
    for (int r = 2; r < 10; ++r)
      for (int col = 1; col + 2 < 78; ++col) {
        if (f.BlockMap[r * 78 + col] != c.zone->loops.lowerLeft || f.BlockMap2[r * 78 + col + 1] != 6) continue;
        ++loops;
        const double mx = (col + 1) * 128, my = r * 128;  // the shared corner of the loop's four cells
        for (int deg = 0; deg < 360; ++deg) {
          const double a = deg * 3.14159265358979 / 180;
          for (double radius : {139.0, 146.0}) {
            const int x = static_cast<int>(std::lround(mx + radius * std::cos(a)));
            const int y = static_cast<int>(std::lround(my - radius * std::sin(a)));
            ASSERT_NE(act.At(x, y), kSlate) << c.zone->files.actMap[static_cast<size_t>(c.act)] << " loop at column " << col
                                            << ": no track " << radius << " from the middle at " << deg << " degrees";
          }
          // and the rider's own space, well inside the feet, is open
          const int x = static_cast<int>(std::lround(mx + 120 * std::cos(a)));
          const int y = static_cast<int>(std::lround(my - 120 * std::sin(a)));
          if (y < my + 100) {
            ASSERT_EQ(act.At(x, y), kSlate) << "the loop is open inside at " << deg << " degrees";
          }
        }
      }
  }
  EXPECT_EQ(loops, upperLefts);
  EXPECT_GE(loops, 1);
}

TEST(MapViewCommandLine, WritesThePictureAndNamesItsFaults) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "orvane-mapview-test.png";
  std::filesystem::remove(out);
  std::ostringstream err, printed;
  ASSERT_EQ(RunMapView({"--dir", ORVANE_GAME_DATA, "--zone", "ashmoor", "--act", "1", "--out", out.string(), "--scale",
                        "4"},
                       printed, err),
            0)
      << err.str();
  std::ifstream png(out, std::ios::binary);
  std::vector<unsigned char> head(24);
  png.read(reinterpret_cast<char*>(head.data()), 24);
  EXPECT_EQ(head[1], 'P');
  EXPECT_EQ((head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19], 2496);
  EXPECT_EQ((head[20] << 24) | (head[21] << 16) | (head[22] << 8) | head[23], 320);
  std::filesystem::remove(out);

  auto fault = [&](std::vector<std::string> args) {
    std::ostringstream o, e;
    const int status = RunMapView(args, o, e);
    const std::string text = e.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    return status;
  };
  EXPECT_EQ(fault({"--dir", ORVANE_GAME_DATA, "--zone", "plumvale", "--act", "1", "--out", out.string()}), 2);
  EXPECT_EQ(fault({"--dir", ORVANE_GAME_DATA, "--zone", "nowhere", "--out", out.string()}), 2);
  EXPECT_EQ(fault({"--dir", ORVANE_GAME_DATA, "--zone", "plumvale"}), 2);
  EXPECT_EQ(fault({"--dir", ORVANE_GAME_DATA, "--zone", "plumvale", "--scale", "3", "--out", out.string()}), 2);
  EXPECT_EQ(fault({"--dir", "/nonexistent/orvane", "--zone", "plumvale", "--out", out.string()}), 1);
  EXPECT_EQ(fault({"--dir", ORVANE_GAME_DATA, "--zone", "plumvale", "--out", "/nonexistent/dir/x.png"}), 1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace orvane
