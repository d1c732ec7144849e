// The act cycle: title card, end sign, tally, restart, next act and the zone's end.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "tests/support/StartedZone.h"

namespace orvane {
namespace {

using test::Started;
using test::ZoneFixture;

std::vector<uint8_t> ConfigBytes(const ZoneFixture& z) {
  std::ifstream in(z.folder() / "Orvane.cfg", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TitleCard, ControlComesOnFrame222AndTheStripsAreGoneByFrame160) {
  ZoneFixture z;
  z->TitleStripCutY = 240;
  for (int frame = 1; frame <= 221; ++frame) {
    z->TitleCard();
    if (frame == 160) {
      EXPECT_EQ(z->TitleStripCutY, 0);
    }
    ASSERT_EQ(z->ControlOn, 0) << "frame " << frame;
  }
  z->TitleCard();
  EXPECT_EQ(z->ControlOn, 1);
  EXPECT_EQ(z->TitleBarX, -88);
}

TEST(TitleCard, RunsOnlyWhileThePlayerHasNoControl) {
  ZoneFixture z;
  z->TitleCard();
  EXPECT_EQ(z->TitleCardFrames, 1);
  z->ControlOn = 1;
  z->TitleCard();
  EXPECT_EQ(z->TitleCardFrames, 1);
}

TEST(EndSign, TurnsFifteenTimesThenRestsOnTheCharactersFace) {
  ZoneFixture z;
  z->SignX[0] = 9800;
  z->PlayerX = 9806;
  int frames = 0;
  while (z->ActDone == 0 && frames < 1000) {
    z->EndSignStep();
    ++frames;
    if (frames == 2) {
      z->PlayerX = 9900;  // passing the sign again while it spins changes nothing
      EXPECT_EQ(z->SignSpin, 16);
    }
  }
  EXPECT_EQ(frames, 151);  // 150 frames of turning, the act is done on the frame after
  EXPECT_EQ(z->SignFrame, 4);
  EXPECT_EQ(z->SignSpin, 1);
}

TEST(EndSign, NotPassedWhileThePlayerIsLeftOfIt) {
  ZoneFixture z;
  z->SignX[0] = 9800;
  z->PlayerX = 9805;
  z->EndSignStep();
  EXPECT_EQ(z->SignSpin, 0);
}

// Runs the act-clear sequence frame by frame from ActDone = 1; returns the frames until the act
// finished (ResetAct ran), or -1.
class Tally : public ::testing::Test {
 protected:
  void StartTally(int minutes, int seconds, int rings) {
    z->Running = 1;  // the act is reloaded, the start-up does not run again
    z->ClockMinutes = static_cast<int16_t>(minutes);
    z->ClockSeconds = static_cast<int16_t>(seconds);
    z->RingCount = static_cast<int16_t>(rings);
    z->ActDone = 1;
  }
  ZoneFixture z{AshmoorTables()};
};

TEST_F(Tally, HalfAMinuteCountsTenThousandInHundredStepsAfterFrame340) {
  z.SaveAct();
  StartTally(0, 29, 0);
  z->ActClearScreen();
  EXPECT_EQ(z->TimeBonus, 10000);  // the first frame starts the tally but counts nothing yet
  EXPECT_EQ(z->TallyTotal, 0);
  int steps = 0, blips = 0, frame = 1, jingleFrame = 0;
  const int blipsBefore = z.SoundCalls(kSoundBlip, "play");
  while (z->ActIndex == 0 && frame < 2000) {
    const int32_t before = z->TallyTotal;
    const int actDone = z->ActDone;
    z->ActClearScreen();
    ++frame;
    if (z->ActIndex != 0) break;
    if (z->TallyTotal != before) {
      ++steps;
      EXPECT_GT(actDone, 340);
    }
    if (z->TallyDone == 1 && jingleFrame == 0) jingleFrame = frame;
  }
  blips = z.SoundCalls(kSoundBlip, "play") - blipsBefore;
  EXPECT_EQ(steps, 100);
  EXPECT_EQ(blips, 99);  // the hundredth step empties the bonus and plays the Jingle instead
  EXPECT_EQ(z.SoundCalls(kSoundJingle, "play"), 1);
  EXPECT_EQ(z->Score, 10000);
  EXPECT_EQ(frame - jingleFrame, 180);  // the next act starts 180 frames after the Jingle
  EXPECT_EQ(z->ActIndex, 1);  // the next act
  EXPECT_EQ(z->ActDone, 0);
  EXPECT_EQ(z->ControlOn, 0);
}

TEST_F(Tally, TheBonusesAreWorkedOutOnTheFirstFrame) {
  StartTally(1, 31, 12);
  z->TallyStart();
  EXPECT_EQ(z->TimeBonus, 7000);
  EXPECT_EQ(z->RingBonus, 1200);
  EXPECT_EQ(z->TallyLine1X, -320);
  EXPECT_EQ(z->TallyLine2X, 320);
  EXPECT_EQ(z.SoundCalls(kSoundMusic, "stop"), 1);
  EXPECT_EQ(z.SoundCalls(kSoundActEnd, "play"), 1);
}

TEST_F(Tally, FiveMinutesGiveNoTimeBonusAndTheJinglePlaysAtTheFirstStep) {
  StartTally(5, 0, 0);
  z->TallyStart();
  EXPECT_EQ(z->TimeBonus, 0);
  z->ActDone = 341;
  for (int i = 0; i < 3; ++i) z->TallyCount();
  EXPECT_EQ(z->TallyDone, 1);
  EXPECT_EQ(z->TallyDoneAt, 341);
  EXPECT_EQ(z->TallyTotal, 0);
}

TEST(ActCycle, CompletingPlumValesActWritesProgressTwoAndStartsTheLauncher) {
  Started s(PlumvaleTables(), {1, 1, 0});
  s.z.FillRow(5, 1);  // ground to stand on, so that the player does not fall out of the act
  s.z.SaveAct();
  s.z->ControlOn = kSet;
  s.z->ActDone = 1;  // the sign has stopped
  EXPECT_TRUE(s.Ended(2000));
  EXPECT_EQ(ConfigBytes(s.z), (std::vector<uint8_t>{2, 1, 0}));
  EXPECT_EQ(s.Starts(), std::vector<std::string>{"Save.exe"});
}

TEST(ActCycle, AshMoorPlaysThreeActsThenEndsStartingNothing) {
  Started s(AshmoorTables(), {2, 0, 0});
  s.z.FillRow(5, 1);  // ground to stand on, so that the player does not fall out of the act
  s.z.SaveAct();
  for (int act = 0; act < 3; ++act) {
    ASSERT_EQ(s.z->ActIndex, act);
    if (act < 2) {
      s.z->SignSpin = 1;  // the sign has turned
    } else {
      s.z->CapsuleState = 1;  // burst: its debris starts falling
      for (int j = 0; j < 6; ++j) s.z->DebrisSpeedY[j] = -2;
    }
    if (act < 2) {
      ASSERT_FALSE(s.Ended(1500));
    } else {
      EXPECT_TRUE(s.Ended(1500));
    }
  }
  EXPECT_TRUE(s.Starts().empty());
  EXPECT_EQ(s.CdCommands().back(), "stop cdaudio");
  EXPECT_EQ(ConfigBytes(s.z), (std::vector<uint8_t>{2, 0, 0}));  // the second zone never writes
}

TEST(ActCycle, TheDebrisReleaseStartsTheActClearOnTheFrameItPasses) {
  ZoneFixture z;
  z->CapsuleY = 832;
  z->CapsuleState = 1;
  z->ActIndex = 2;
  for (int j = 0; j < 6; ++j) {
    z->DebrisY[j] = 848;
    z->DebrisSpeedY[j] = -2;
  }
  int frame = 0;
  while (z->ActDone == 0 && frame < 200) {
    z->CapsuleDebrisStep();
    z->CapsuleReleaseTest();
    ++frame;
    if (z->ActDone == 0) {
      EXPECT_LE(z->DebrisY[0], 832 + 128);
    }
  }
  EXPECT_GT(z->DebrisY[0], 832 + 128);
  EXPECT_EQ(z->CapsuleState, 2);
  EXPECT_EQ(frame, 71);  // it rises for 20 frames, then falls ever faster
}

TEST(Restart, DyingAfterALampPostRestartsThereWithOneLifeLess) {
  ZoneFixture z;
  z.SaveAct();
  z->Running = 1;
  z->Lives = 3;
  z->Dying = kSet;
  z->CheckpointX = 4000;
  z->CheckpointY = 700;
  z->ResetAct();
  EXPECT_EQ(z->PlayerX, 4000);
  EXPECT_EQ(z->PlayerY, 700);
  EXPECT_EQ(z->Lives, 2);
  EXPECT_EQ(z->Dying, 0);
  EXPECT_EQ(z->ActIndex, 0);
  EXPECT_EQ(z->Airborne, -1);
  z->Dying = kSet;
  z->CheckpointX = z->CheckpointY = 0;
  z->PlayerX = 900;
  z->ResetAct();
  EXPECT_EQ(z->PlayerX, 0);
  EXPECT_EQ(z->PlayerY, 0);
}

TEST(Restart, DyingWithNoLifeLeftEndsTheGameAndTheFirstZoneStartsTheLauncher) {
  ZoneFixture z;
  z.SaveAct();
  z->Running = 1;
  z->Lives = 0;
  z->Dying = kSet;
  EXPECT_THROW(z->ResetAct(), ProgramEnded);
  EXPECT_EQ(z->Lives, -1);
  ASSERT_EQ(z.os().Events().back().kind, platform::RecordedEvent::Kind::Start);
  EXPECT_EQ(z.os().Events().back().text, "Save.exe");
}

}  // namespace
}  // namespace orvane
