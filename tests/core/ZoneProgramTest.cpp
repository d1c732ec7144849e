// Start-up, the main loop's clock, the copy to the screen, the lost display, the program's end, and
// the placement rule with the block layers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/core/ConfigFile.h"
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/MiniInstall.h"
#include "tests/support/StartedZone.h"
#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

using platform::RecordedEvent;
using test::Started;
using test::ZoneFixture;

std::vector<int16_t> Letters(const Table<int16_t, 0, 12>& t) {
  std::vector<int16_t> v;
  for (int i = 0; i <= 12; ++i) v.push_back(t[i]);
  return v;
}

TEST(StartUp, LoadsTheSoundsInOrderIntoTheirSlots) {
  Started s;
  std::vector<int> slots;
  for (const auto& [slot, path] : s.z.os().audio.loaded) slots.push_back(slot);
  EXPECT_EQ(slots, (std::vector<int>{2, 3, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                     kSoundMusic, kSoundActEnd}));
  EXPECT_EQ(s.z.os().audio.loaded[19].second.filename(), "Music1.Wav");
  // the zone music starts looping, and nothing plays before it
  EXPECT_EQ(s.z.SoundCalls(kSoundMusic, "loop"), 1);
}

TEST(StartUp, SetsTheFirstZonesStartValues) {
  Started s;
  ZoneForm& f = s.z.form();
  EXPECT_EQ(Letters(f.ZoneNameLetters), (std::vector<int16_t>{0, 16, 12, 21, 13, 0, 22, 1, 12, 5, 0, 0, 0}));
  EXPECT_EQ(Letters(f.ActLine1), (std::vector<int16_t>{0, 0, 26, 9, 14, 20, 15, 0, 8, 1, 19, 0, 0}));
  EXPECT_EQ(Letters(f.ActLine2), (std::vector<int16_t>{0, 16, 1, 19, 19, 5, 4, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(f.Lives, 3);
  EXPECT_EQ(f.SignX[2], 10200);
  EXPECT_EQ(f.SignY[0], 848);
  EXPECT_EQ(f.DebrisX[5], 9792 + 56);
  EXPECT_EQ(f.FigureX[15], 9792 + 45);
  EXPECT_EQ(f.FigureY[3], 848);
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(f.FigureKind[i] == 1 || f.FigureKind[i] == 2);
  EXPECT_EQ(f.SignFrameRow[4], 4);
  EXPECT_EQ(f.HopOffsetB, -128);
  EXPECT_EQ(f.PlayerX, 0);
  EXPECT_EQ(f.PlayerY, 255);
  EXPECT_EQ(f.TitleStripCutY, 240);
  EXPECT_EQ(f.CurveTable[0], 128);
  EXPECT_EQ(f.CurveTable[128], 0);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_LE(f.TitleStripSpeed[i], 0);
    EXPECT_GT(f.TitleStripSpeed[i], -1);
  }
  EXPECT_EQ(f.Facing, kFacingRight);
  EXPECT_EQ(f.SpriteDropY, 0);
  EXPECT_EQ(f.Running, 1);
}

TEST(StartUp, SetsTheSecondZonesStartValuesForKubo) {
  Started s(AshmoorTables(), {2, 1, 0});
  ZoneForm& f = s.z.form();
  EXPECT_EQ(Letters(f.ZoneNameLetters), (std::vector<int16_t>{0, 0, 1, 19, 8, 0, 13, 15, 15, 18, 0, 0, 0}));
  EXPECT_EQ(Letters(f.ActLine1), (std::vector<int16_t>{0, 0, 11, 21, 2, 15, 0, 8, 1, 19, 0, 0, 0}));
  EXPECT_EQ(f.SignFrameRow[4], 5);
  EXPECT_EQ(f.SignY[0], 1040);
  EXPECT_EQ(f.HopOffsetB, 0);
  EXPECT_EQ(f.FacingAlt, kFacingAltRight);
  EXPECT_EQ(f.SpriteDropY, 6);
  EXPECT_EQ(s.CdCommands(), std::vector<std::string>{"play cdaudio"});
}

TEST(StartUp, AnUnknownCharacterByteIsPlayedAsZinto) {
  Started s(PlumvaleTables(), {1, 7, 0});
  EXPECT_EQ(s.z->Character, 0);
  EXPECT_EQ(s.z->PlayerSheet.Width(), 80);
  EXPECT_EQ(s.z->SignFrameRow[4], 4);
  EXPECT_EQ(s.z->ActLine1[2], 26);  // Z
}

TEST(StartUp, AMissingBitmapIsAFaultNamingIt) {
  ZoneFixture z;
  z.SaveAct();
  test::WriteMinimalInstallation(z.folder(), PlumvaleTables());
  std::filesystem::remove(z.folder() / "Data/Shields.bmp");
  try {
    z->FormLoad();
    FAIL() << "started";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find("Shields.bmp"), std::string::npos) << e.what();
  }
}

TEST(Clock, TheFirstPassTicksButSecondsCountOnlyOnceInControl) {
  Started s;
  s.z.Frames(1);
  EXPECT_NE(s.z->LastClockTick, 0);
  EXPECT_EQ(s.z->ClockSeconds, 0);
  // the next tick comes 1000 ms later: 60 frames of the simulated clock
  s.z->ControlOn = kSet;
  s.z->TitleCardSlide = 400;
  s.z.Frames(59);
  EXPECT_EQ(s.z->ClockSeconds, 0);
  s.z.Frames(1);
  EXPECT_EQ(s.z->ClockSeconds, 1);
}

TEST(Clock, FiftyNineSecondsAndOneMoreMakeAMinute) {
  ZoneFixture z;
  z->ControlOn = kSet;
  z->ClockSeconds = 59;
  z->ClockMinutes = 9;
  z->ClockTick();
  EXPECT_EQ(z->ClockSeconds, 0);
  EXPECT_EQ(z->ClockMinutes, 10);
  z->ActDone = 1;  // the clock stops at the act's end
  z->ClockTick();
  EXPECT_EQ(z->ClockSeconds, 0);
}

TEST(Present, The640ModeCentresThePictureOnBlack) {
  Started s(PlumvaleTables(), {1, 0, 1});
  s.z.Frames(1);
  const platform::Surface& screen = s.z.os().display.LastFrame();
  ASSERT_EQ(screen.Width(), 640);
  ASSERT_EQ(screen.Height(), 480);
  bool blackOutside = true, pictureInside = true;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool inside = x >= 160 && x < 480 && y >= 120 && y < 360;
      const uint16_t got = screen.At(x, y);
      if (!inside && got != 0) blackOutside = false;
      if (inside && got != s.z->WorkSurface.At(x - 160, y - 120)) pictureInside = false;
    }
  EXPECT_TRUE(blackOutside);
  EXPECT_TRUE(pictureInside);
}

TEST(Present, AnUnknownDisplayByteLeavesTheModeAndStillShowsThePicture) {
  Started s(PlumvaleTables(), {1, 0, 9});
  EXPECT_FALSE(s.z.os().display.ModeSet());
  s.z.Frames(1);
  const platform::Surface& screen = s.z.os().display.LastFrame();
  ASSERT_EQ(screen.Width(), 320);
  EXPECT_EQ(screen.Pixels(), s.z->WorkSurface.Pixels());
}

TEST(LostDisplay, TheFrameWaitsThenEverySheetIsReloaded) {
  Started s;
  s.z.Frames(2);
  EXPECT_EQ(s.z->DisplayLost, 0);  // frames that did not wait leave no mark
  s.z->BlockSheet.Set(0, 0, 1234);  // spoiled while the display is away
  const double x = s.z->PlayerX, y = s.z->PlayerY;
  const int rings = s.z->RingCount;
  const int flips = static_cast<int>(s.z.os().FramesFlipped());
  s.z.os().display.LoseDisplayFor(5);
  s.z.Frames(1);
  EXPECT_EQ(s.z.os().FramesFlipped(), flips + 1);
  EXPECT_NE(s.z->BlockSheet.At(0, 0), 1234);
  EXPECT_EQ(s.z->DisplayLost, 0);
  EXPECT_EQ(s.z->RingCount, rings);
  EXPECT_EQ(s.z->PlayerX, x);
  (void)y;
}

TEST(LostDisplay, APlayerFacingLeftStillFacesLeftWhenTheDisplayIsBack) {
  for (const uint8_t character : {0, 1}) {
    Started s(PlumvaleTables(), {1, character, 0});
    s.z.Frames(1);
    s.z->Facing = kFacingLeft;  // turned to the left, standing
    s.z->FacingAlt = kFacingAltLeft;
    s.z.os().display.LoseDisplayFor(3);
    s.z.Frames(1);
    EXPECT_EQ(s.z->Facing, 0) << "character " << int{character};
    EXPECT_EQ(s.z->FacingAlt, 0) << "character " << int{character};
    EXPECT_EQ(s.z->SpriteDropY, character == 1 ? 6 : 0);
  }
}

TEST(Ending, EscapeEndsTheFirstZoneWithoutStartingTheLauncher) {
  Started s;
  s.z.os().input.Set(platform::Key::Escape, true);
  EXPECT_TRUE(s.Ended(1));
  EXPECT_EQ(s.z->QuitRequested, 1);
  EXPECT_TRUE(s.Starts().empty());
}

TEST(Ending, AClickEndsTheFirstZoneAndStartsTheLauncher) {
  Started s;
  s.z.os().display.QueueClick();
  EXPECT_TRUE(s.Ended(1));
  EXPECT_EQ(s.Starts(), std::vector<std::string>{"Save.exe"});
  EXPECT_GE(s.z.SoundCalls(kSoundMusic, "stop"), 1);
}

TEST(Ending, ClosingTheWindowCountsAsEscape) {
  Started s;
  s.z.os().display.QueueClose();
  EXPECT_TRUE(s.Ended(1));
  EXPECT_TRUE(s.Starts().empty());
}

TEST(Ending, TheSecondZoneStopsTheCdAndStartsNothing) {
  Started s(AshmoorTables());
  s.z.os().display.QueueClick();
  EXPECT_TRUE(s.Ended(1));
  EXPECT_TRUE(s.Starts().empty());
  EXPECT_EQ(s.CdCommands(), (std::vector<std::string>{"play cdaudio", "stop cdaudio"}));
}

// A sheet whose columns are numbered: pixel (x, y) holds x + 1, so a drawn pixel tells its source column.
platform::Surface NumberedSheet(int w, int h) {
  platform::Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.Set(x, y, static_cast<uint16_t>(x + 1));
  s.SetColorKey(0);
  return s;
}

TEST(Placement, APieceLeftOfTheScreenIsCutAtItsLeftEdge) {
  ZoneFixture z;
  const auto sheet = NumberedSheet(16, 16);
  EXPECT_EQ(z->Place(sheet, {0, 0, 16, 16}, -5, 10), platform::kOk);
  EXPECT_EQ(z->WorkSurface.At(0, 10), 6);  // the sixth column at x 0
  EXPECT_EQ(z->WorkSurface.At(10, 25), 16);
  EXPECT_EQ(z->WorkSurface.At(11, 10), 0);
}

TEST(Placement, APieceFarRightDrawsNothingAndTheFrameGoesOn) {
  ZoneFixture z;
  const auto sheet = NumberedSheet(16, 16);
  EXPECT_NE(z->Place(sheet, {0, 0, 16, 16}, 520, 10), platform::kOk);
  EXPECT_TRUE(std::all_of(z->WorkSurface.Pixels().begin(), z->WorkSurface.Pixels().end(), [](uint16_t p) { return p == 0; }));
  EXPECT_NO_THROW(z.Frames(1));
}

TEST(Placement, PiecesAreCutAtTheBottomAndTop) {
  ZoneFixture z;
  const auto sheet = NumberedSheet(16, 16);
  EXPECT_EQ(z->Place(sheet, {0, 0, 16, 16}, 300, 230), platform::kOk);
  EXPECT_EQ(z->WorkSurface.At(315, 239), 16);
  EXPECT_EQ(z->Place(sheet, {0, 0, 16, 16}, 310, -8), platform::kOk);
  EXPECT_EQ(z->WorkSurface.At(319, 0), 10);  // cut at x 320: ten columns left
  EXPECT_EQ(z->WorkSurface.At(319, 8), 0);
}

class BlockLayers : public ::testing::Test {
 protected:
  BlockLayers() {
    // tile t is one colour t + 1 all over; block value v + 1 uses tile v
    z->BlockSheet = platform::Surface(128, 2560);
    for (int y = 0; y < 2560; ++y)
      for (int x = 0; x < 128; ++x) z->BlockSheet.Set(x, y, static_cast<uint16_t>(y / 128 + 1));
    z->BlockSheet.SetColorKey(0);
    for (int v = 0; v < 20; ++v) z->TileTable[v] = static_cast<uint8_t>(v);
  }
  ZoneFixture z;
};

TEST_F(BlockLayers, TheCameraScrollsTheLayerAndTheScreenEdgeCutsIt) {
  for (int c = 0; c < 6; ++c) z.SetBlock(0, c, static_cast<uint8_t>(c + 1));
  z->CameraX = 100;
  z->DrawBlockLayer();
  EXPECT_EQ(z->WorkSurface.At(0, 5), 1);      // column 0 from its 101st pixel
  EXPECT_EQ(z->WorkSurface.At(27, 5), 1);
  EXPECT_EQ(z->WorkSurface.At(28, 5), 2);     // column 1 at x 28
  EXPECT_EQ(z->WorkSurface.At(284, 5), 4);    // column 3 at x 284, cut at 320
  EXPECT_EQ(z->WorkSurface.At(319, 5), 4);
}

TEST_F(BlockLayers, AHalfBlockIsDrawnInTheLowerHalfAndCutAtTheBottom) {
  z.SetBlock(1, 0, 3);  // a Half block in the first zone: the top half of tile T1
  z->TileTable[2] = 4;
  z->CameraY = 128 - 150;  // the cell's screen y is 150
  z->DrawBlockLayer();
  EXPECT_EQ(z->WorkSurface.At(10, 213), 0);
  EXPECT_EQ(z->WorkSurface.At(10, 214), 5);
  EXPECT_EQ(z->WorkSurface.At(10, 239), 5);  // 26 rows kept
  z->WorkSurface = platform::Surface(320, 240);
  z->CameraY = 128 - 200;  // the piece would start at y 264
  z->DrawBlockLayer();
  EXPECT_TRUE(std::all_of(z->WorkSurface.Pixels().begin(), z->WorkSurface.Pixels().end(), [](uint16_t p) { return p == 0; }));
}

TEST_F(BlockLayers, ValuesBeyondTheTableDrawNothing) {
  z.SetBlock(0, 0, 68);
  z->DrawBlockLayer();
  EXPECT_EQ(z->WorkSurface.At(5, 5), 0);
}

}  // namespace
}  // namespace orvane
