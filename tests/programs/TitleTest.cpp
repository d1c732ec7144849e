// The title program on the headless platform: the sequence's timing, the keys, the configuration
// write and the start of the launcher, and frames that cannot be drawn.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "engine/core/ConfigFile.h"
#include "platform/headless/Headless.h"
#include "platform/system/Error.h"
#include "tests/programs/Pictures.h"
#include "tests/programs/TempFolder.h"
#include "title/Title.h"

namespace orvane {
namespace {

using platform::Key;
using test::ReadBytes;
using test::WriteBytes;

void WriteTitlePictures(const std::filesystem::path& top) {
  const auto dir = top / "Data/Data/Title";
  test::WritePicture(dir / "Obar.bmp", 261, 109, 200, 60, 60);
  test::WritePicture(dir / "Owng.bmp", 256, 144, 60, 200, 60);
  test::WritePicture(dir / "Otxt1.bmp", 165, 42, 250, 220, 40);
  test::WritePicture(dir / "ZK.bmp", 161, 384, 60, 60, 220);
  test::WritePicture(dir / "Vesk.bmp", 320, 264, 90, 150, 230);
  test::WritePicture(dir / "Ofont.bmp", 128, 72, 250, 240, 220);
}

class TitleTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteTitlePictures(top.path()); }

  void Start(std::vector<uint8_t> config = {}) {
    if (!config.empty()) WriteBytes(cfg(), config);
    title.StartUp();
  }
  std::filesystem::path cfg() const { return top.path() / "Data/Orvane.cfg"; }
  // Runs frames; true when the title ended during them.
  bool Frames(int n) {
    try {
      for (int i = 0; i < n; ++i) title.Frame();
    } catch (const ProgramEnded&) {
      return true;
    }
    return false;
  }

  test::TempFolder top;
  platform::HeadlessPlatform headless;
  test::FolderRecordingProcess process;
  platform::Platform os{headless.display, headless.audio, headless.input, headless.clock,
                        headless.random,  process,        headless.cd};
  Title title{os, top.path()};
};

// --- timing

TEST_F(TitleTest, StageTimeFirstExceedsThreeOnFrame150AndSetsTheOneShotFlag) {
  Start();
  for (int frame = 1; frame <= 149; ++frame) {
    title.STMovement();
    ASSERT_FALSE(title.StageTime > 3) << frame;
    ASSERT_EQ(title.FlightBegun, 0) << frame;
  }
  title.STMovement();
  EXPECT_GT(title.StageTime, 3);
  EXPECT_EQ(title.FlightBegun, 1);
  for (int frame = 151; frame <= 400; ++frame) title.STMovement();
  EXPECT_EQ(title.FlightBegun, 1);
  EXPECT_NEAR(title.StageTime, 8.0, 1e-9);
}

TEST_F(TitleTest, BandsDrawNewSpeedsUntilTheFlightThenScrollAndWrap) {
  Start();
  title.STMovement();
  const auto first = title.BandSpeed;
  for (double s : first) {
    EXPECT_LE(s, 0);
    EXPECT_GT(s, -1);
  }
  title.STMovement();
  EXPECT_NE(title.BandSpeed, first);
  while (!(title.StageTime > 3)) {
    title.STMovement();
    if (!(title.StageTime > 3)) {
      for (double o : title.BandOffset) ASSERT_EQ(o, 0);
    }
  }
  // frame 150: the speeds are frozen and the bands have moved once
  const auto frozen = title.BandSpeed;
  for (size_t i = 0; i < 11; ++i) EXPECT_EQ(title.BandOffset[i], frozen[i]);
  for (int i = 0; i < 2000; ++i) {
    title.STMovement();
    for (double o : title.BandOffset) ASSERT_GE(o, -320);
  }
  EXPECT_EQ(title.BandSpeed, frozen);
}

TEST_F(TitleTest, ZintoLandsFirstThenKuboAndTheirCountersStop) {
  Start();
  for (int i = 0; i < 149; ++i) title.STMovement();
  EXPECT_EQ(title.Zinto.X, 130);
  title.STMovement();
  EXPECT_DOUBLE_EQ(title.Zinto.X, 130.01);
  EXPECT_DOUBLE_EQ(title.Zinto.Y, 142 - 1.98);
  EXPECT_EQ(title.Kubo.X, 100);
  for (int i = 0; i < 600; ++i) {
    const double kuboX = title.Kubo.X;
    title.STMovement();
    title.Animation();
    // Kubo sets off in the very frame Zinto passes 160
    if (!(title.Zinto.X > 160)) {
      ASSERT_EQ(title.Kubo.X, kuboX);
    }
  }
  EXPECT_GT(title.Zinto.X, 160);
  EXPECT_LE(title.Kubo.X, 78);
  EXPECT_EQ(title.Zinto.Counter, 9);
  EXPECT_EQ(title.Kubo.Counter, 11);
}

TEST_F(TitleTest, TheWaveDiesDownAfterSixAndSettles) {
  Start();
  ASSERT_FALSE(Frames(300));
  EXPECT_EQ(title.WaveAmplitude, 80);  // StageTime is 6 (or just below): not yet
  ASSERT_FALSE(Frames(1));
  EXPECT_EQ(title.WaveAmplitude, 79.5);
  EXPECT_EQ(title.WaveSettled, 0);
  ASSERT_FALSE(Frames(158));
  EXPECT_EQ(title.WaveAmplitude, 0.5);
  ASSERT_FALSE(Frames(1));
  EXPECT_EQ(title.WaveAmplitude, 0);
  EXPECT_EQ(title.WaveSettled, 1);
  ASSERT_FALSE(Frames(1));
  EXPECT_DOUBLE_EQ(title.WaveAmplitude, 0.02);
  EXPECT_EQ(title.WavePeriod, 10);
  ASSERT_FALSE(Frames(600));
  EXPECT_GE(title.WaveAmplitude, 8);
  EXPECT_LT(title.WaveAmplitude, 8.02);
  EXPECT_EQ(title.WaveSettled, 1);
}

TEST_F(TitleTest, TheWholeSequenceDrawsEveryFrame) {
  Start();
  ASSERT_FALSE(Frames(1000));
  EXPECT_EQ(title.AbandonedFrames, 0);
  EXPECT_EQ(headless.FramesFlipped(), 1000);
}

// --- keys and the start of the game

TEST_F(TitleTest, SStartsTheGameWithZintoEvenBeforeThePrompt) {
  Start({0, 1, 1, 0, 42});
  headless.input.Set(Key::S, true);
  EXPECT_TRUE(Frames(1));
  EXPECT_EQ(ReadBytes(cfg()), (std::vector<uint8_t>{1, 0, 1, 0, 42}));
  ASSERT_EQ(process.starts.size(), 1u);
  EXPECT_EQ(process.starts[0].file, "Save.exe");
  EXPECT_EQ(process.starts[0].folder, top.path() / "Data");
  EXPECT_FALSE(headless.display.ModeSet());
}

TEST_F(TitleTest, TChoosesKubo) {
  Start({2, 0, 0});
  ASSERT_FALSE(Frames(500));
  headless.input.Set(Key::T, true);
  EXPECT_TRUE(Frames(1));
  EXPECT_EQ(ReadBytes(cfg()), (std::vector<uint8_t>{1, 1, 0}));
  ASSERT_EQ(process.starts.size(), 1u);
}

TEST_F(TitleTest, OnAFreshInstallationTheFileGetsProgressAndCharacter) {
  Start();
  EXPECT_FALSE(std::filesystem::exists(cfg()));  // reading the display mode creates nothing
  headless.input.Set(Key::S, true);
  EXPECT_TRUE(Frames(1));
  EXPECT_EQ(ReadBytes(cfg()), (std::vector<uint8_t>{1, 0}));
}

// Killed at any moment of the start of a game, the title leaves the file as it was or as it means it
// to be, never Progress 1 with the old character. The child starts games with Kubo over and over, the
// zone's Progress 2 written between them, until it is killed at a random moment.
TEST_F(TitleTest, AKillDuringTheWriteNeverLeavesAMixedFile) {
  constexpr int kKills = 60;
  constexpr unsigned kLongestWaitMicroseconds = 4000;
  Start();
  headless.input.Set(Key::T, true);
  std::mt19937 rng(19);
  int mixed = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    WriteBytes(cfg(), {2, 1, 1});
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) {
        Frames(1);
        ConfigFile(cfg()).WriteByte(kConfigProgress, 2);
      }
    }
    ::usleep(rng() % kLongestWaitMicroseconds);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::vector<uint8_t> bytes = ReadBytes(cfg());
    if (bytes != std::vector<uint8_t>{2, 1, 1} && bytes != std::vector<uint8_t>{1, 1, 1}) ++mixed;
  }
  EXPECT_EQ(mixed, 0);
}

TEST_F(TitleTest, EscapeEndsWithoutWritingOrStartingAndIsCheckedBeforeS) {
  Start({2, 1, 0});
  headless.input.Set(Key::Escape, true);
  headless.input.Set(Key::S, true);
  EXPECT_TRUE(Frames(1));
  EXPECT_TRUE(process.starts.empty());
  EXPECT_EQ(ReadBytes(cfg()), (std::vector<uint8_t>{2, 1, 0}));
}

TEST_F(TitleTest, AClickOrClosingTheWindowEndsTheTitle) {
  Start();
  headless.display.QueueClick();
  EXPECT_TRUE(Frames(1));
  headless.display.QueueClose();
  EXPECT_TRUE(Frames(1));
  EXPECT_TRUE(process.starts.empty());
}

TEST_F(TitleTest, OneReplaysTheWaveThreeAndTwoChangeThePeriod) {
  Start();
  ASSERT_FALSE(Frames(500));
  ASSERT_EQ(title.WaveSettled, 1);
  headless.input.Set(Key::Digit1, true);
  ASSERT_FALSE(Frames(1));
  EXPECT_EQ(title.WaveSettled, 0);
  EXPECT_EQ(title.WaveAmplitude, 80);
  headless.input.ReleaseAll();
  ASSERT_FALSE(Frames(1));
  EXPECT_EQ(title.WaveAmplitude, 79.5);
  const int16_t period = title.WavePeriod;
  headless.input.Set(Key::Digit3, true);
  ASSERT_FALSE(Frames(4));
  EXPECT_EQ(title.WavePeriod, period + 4);
  headless.input.Set(Key::Digit3, false);
  headless.input.Set(Key::Digit2, true);
  ASSERT_FALSE(Frames(1));
  EXPECT_EQ(title.WavePeriod, period + 3);
}

TEST_F(TitleTest, APeriodOfZeroAbandonsThoseFramesAndTheTitleGoesOn) {
  Start();
  ASSERT_FALSE(Frames(320));  // the logo is waving
  ASSERT_EQ(title.WavePeriod, 8);
  headless.input.Set(Key::Digit2, true);
  ASSERT_FALSE(Frames(8));
  EXPECT_EQ(title.WavePeriod, 0);
  const int64_t shown = headless.FramesFlipped();
  ASSERT_FALSE(Frames(0));
  headless.input.ReleaseAll();
  ASSERT_FALSE(Frames(3));
  EXPECT_EQ(headless.FramesFlipped(), shown);
  EXPECT_GE(title.AbandonedFrames, 3);
  // past zero the wave is computable again
  headless.input.Set(Key::Digit2, true);
  ASSERT_FALSE(Frames(1));
  headless.input.ReleaseAll();
  ASSERT_FALSE(Frames(2));
  EXPECT_EQ(title.WavePeriod, -1);
  EXPECT_EQ(headless.FramesFlipped(), shown + 3);
}

TEST_F(TitleTest, HoldingTwoForEverStopsAtTheSmallestPeriod) {
  Start();
  headless.input.Set(Key::Digit2, true);
  for (int i = 0; i < 40000; ++i) title.KeyHandler();
  EXPECT_EQ(title.WavePeriod, -32768);
}

// --- display

TEST_F(TitleTest, InTheLargeModeThePictureStandsCentredOnBlack) {
  Start({0, 0, 1});
  EXPECT_TRUE(headless.display.ModeSet());
  ASSERT_FALSE(Frames(200));
  const platform::Surface& shown = headless.display.LastFrame();
  ASSERT_EQ(shown.Width(), 640);
  ASSERT_EQ(shown.Height(), 480);
  int borderLit = 0, pictureDiffers = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool inside = x >= 160 && x < 480 && y >= 120 && y < 360;
      if (!inside && shown.At(x, y) != 0) ++borderLit;
      if (inside && shown.At(x, y) != title.WorkSurface.At(x - 160, y - 120)) ++pictureDiffers;
    }
  EXPECT_EQ(borderLit, 0);
  EXPECT_EQ(pictureDiffers, 0);
}

TEST_F(TitleTest, AnUnknownDisplayByteSetsNoModeAndShowsTheSmallPicture) {
  Start({0, 0, 7});
  EXPECT_FALSE(headless.display.ModeSet());
  ASSERT_FALSE(Frames(200));
  EXPECT_EQ(headless.display.LastFrame().Width(), 320);
  EXPECT_EQ(headless.display.LastFrame().Pixels(), title.WorkSurface.Pixels());
}

TEST_F(TitleTest, TheIntroDrawsItsCirclesAndTheFlightCoversTheScreen) {
  Start();
  ASSERT_FALSE(Frames(100));
  const uint16_t circle = platform::Rgb565(240, 240, 255);
  // StageTime 2: radii 50 (growing) and 50 (shrinking) meet
  EXPECT_EQ(title.WorkSurface.At(160 + 50, 120), circle);
  ASSERT_FALSE(Frames(60));
  int dark = 0;
  for (uint16_t p : title.WorkSurface.Pixels()) dark += p == 0;
  EXPECT_EQ(dark, 0);
}

TEST_F(TitleTest, AMissingPictureIsAFaultNamingIt) {
  std::filesystem::remove(top.path() / "Data/Data/Title/ZK.bmp");
  try {
    title.StartUp();
    FAIL() << "no fault";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find("ZK.bmp"), std::string::npos) << e.what();
  }
}

TEST_F(TitleTest, ALostDisplayIsWaitedOutAndThePicturesReloaded) {
  Start();
  ASSERT_FALSE(Frames(10));
  headless.display.LoseDisplayFor(3);
  title.WorkSurface.Set(5, 5, 1234);
  ASSERT_FALSE(Frames(1));
  EXPECT_EQ(headless.FramesFlipped(), 11);
  EXPECT_NE(title.WorkSurface.At(5, 5), 1234);
}

}  // namespace
}  // namespace orvane
