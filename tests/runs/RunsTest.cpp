// Every act, with each character, played to its end by its recorded key script (tests/runs/*.keys,
// found by tools/runfind) through the whole engine, drawing included, from the laid-out game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "tools/runfind/RunFind.h"
#include "tools/runfind/RunPlay.h"

namespace orvane::runs {
namespace {

namespace fs = std::filesystem;

const fs::path kData = ORVANE_GAME_DATA;
const fs::path kRuns = ORVANE_RUNS_DIR;

class RecordedRun : public ::testing::TestWithParam<const char*> {};

TEST_P(RecordedRun, ReachesTheActsEndAndTheNextAct) {
  const auto run = ParseRunName(GetParam());
  ASSERT_TRUE(run);
  const fs::path file = kRuns / (run->Text() + ".keys");
  ASSERT_TRUE(fs::exists(file)) << run->Text() << ": no recorded run " << file;
  const platform::KeyScript script = platform::KeyScript::Load(file.string());
  const RunOutcome o = Replay(*run, script, kData);
  const std::string what = run->Text() + ": " + o.Describe();
  EXPECT_TRUE(o.reached) << what;
  EXPECT_LE(o.reachedAt, kRunFrameLimit) << what;
  EXPECT_FALSE(o.gameOver) << what;
  EXPECT_EQ(o.deaths, 0) << what;
  EXPECT_EQ(o.hits, 0) << what << " (the recorded runs take no hit)";
  // after the tally the next act is loaded, or the zone is complete and the program ends
  EXPECT_TRUE(o.finished) << what;
  RecordProperty("frames", static_cast<int>(o.reachedAt));
}

INSTANTIATE_TEST_SUITE_P(EveryAct, RecordedRun,
                         ::testing::Values("plumvale-0-zinto", "plumvale-0-kubo", "ashmoor-0-zinto", "ashmoor-0-kubo",
                                           "ashmoor-1-zinto", "ashmoor-1-kubo", "ashmoor-2-zinto", "ashmoor-2-kubo"),
                         [](const ::testing::TestParamInfo<const char*>& p) {
                           std::string name = p.param;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// Jumps onto the right edge of a loop's lower-right piece, where the wall is all but upright:
// the fall turns into a speed along the curve no greater than the fall's own (once a speed of 50
// to 150 threw the player down through the ground), and a fall that starts on that wall moves as
// a fall (once the wall's mode stayed set in the air and the fall speed drove the player
// sideways through the whole act). The player lives on and never moves faster than a dash.
class LoopEdge : public ::testing::TestWithParam<const char*> {};

TEST_P(LoopEdge, LandingThereIsNoDeathAndNoFlight) {
  const std::string file = GetParam();
  const RunName run = *ParseRunName(file.substr(0, file.find('-', file.find('-', file.find('-') + 1) + 1)));
  const platform::KeyScript script = platform::KeyScript::Load((kRuns / "loop-edge" / (file + ".keys")).string());
  const PlayFolder folder(kData, run.character);
  Game game(run, folder.path());
  const long last = script.Entries().back().frame;
  constexpr double kDashSpeed = 15;
  double fastest = 0;
  bool caught = false;
  for (long n = 1; n <= last + 300; ++n) {
    const bool inAir = game.form().Airborne == -1;
    const double x = game.form().PlayerX, y = game.form().PlayerY;
    game.Step(script.HeldAt(n));
    const ZoneForm& f = game.form();
    ASSERT_EQ(f.Dying, 0) << file << ": died in frame " << n << " at x " << f.PlayerX << ", y " << f.PlayerY;
    caught = caught || (inAir && f.OnCurve == 1);
    fastest = std::max({fastest, std::abs(f.SpeedX), std::abs(f.PlayerX - x)});
    ASSERT_LE(std::abs(f.PlayerX - x), kDashSpeed + 1) << file << ": frame " << n << " moved from " << x << ", " << y
                                                      << " to " << f.PlayerX << ", " << f.PlayerY;
  }
  EXPECT_TRUE(caught) << file << ": the jump never landed on a curve";
  EXPECT_LE(fastest, kDashSpeed + 1) << file;
}

INSTANTIATE_TEST_SUITE_P(Loops, LoopEdge,
                         ::testing::Values("plumvale-0-zinto", "ashmoor-1-zinto", "ashmoor-2-zinto",
                                           "ashmoor-2-zinto-jump"),
                         [](const ::testing::TestParamInfo<const char*>& p) {
                           std::string name = p.param;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// A run that goes nowhere is reported as not reaching the end, with where the player stood.
TEST(Replay, ARunThatStaysAtTheStartDoesNotReachTheEnd) {
  const RunName run = *ParseRunName("plumvale-0-zinto");
  const RunOutcome o = Replay(run, platform::KeyScript::Parse("0:none"), kData, 600);
  EXPECT_FALSE(o.reached);
  EXPECT_FALSE(o.finished);
  EXPECT_EQ(o.frames, 600);
  EXPECT_LT(o.x, 200);
  EXPECT_NE(o.Describe().find("not reached in 600 frames"), std::string::npos) << o.Describe();
}

// Running right and jumping every second loses a life at a pit sooner or later: the replay counts
// the deaths and tells a game over from the zone's end.
TEST(Replay, DeathsAndTheGameOverAreCounted) {
  const RunName run = *ParseRunName("plumvale-0-zinto");
  platform::KeyScript script;
  script.Hold(230, {platform::Key::Right});
  for (long f = 300; f < 12000; f += 60) {
    script.Hold(f, {platform::Key::Right, platform::Key::Control});
    script.Hold(f + 2, {platform::Key::Right});
  }
  const RunOutcome o = Replay(run, script, kData, 12000);
  EXPECT_FALSE(o.finished) << o.Describe();
  EXPECT_GE(o.deaths, 1) << o.Describe();
  EXPECT_NE(o.Describe().find(" death"), std::string::npos) << o.Describe();
  if (o.ended) {
    EXPECT_TRUE(o.gameOver) << o.Describe();
    EXPECT_EQ(o.deaths, 4) << "three lives and the last one: " << o.Describe();
  }
}

// Branching: a state saved and restored plays on exactly as the original did.
TEST(Branching, ARestoredStatePlaysTheSameFrames) {
  const RunName run = *ParseRunName("ashmoor-0-kubo");
  const PlayFolder folder(kData, run.character);
  Game game(run, folder.path());
  const platform::KeyScript script = platform::KeyScript::Parse("0:none;230:Right;300:Right+Control;303:Right;340:Right+Control;345:Right");
  for (long n = 1; n <= 320; ++n) game.Step(script.HeldAt(n));
  ZoneState saved;
  long frame = 0;
  game.Save(saved, frame);
  std::vector<std::pair<double, double>> first;
  for (long n = frame + 1; n <= frame + 200; ++n) {
    game.Step(script.HeldAt(n));
    first.emplace_back(game.form().PlayerX, game.form().PlayerY);
  }
  ASSERT_GT(first.back().first, first.front().first + 100) << "the player ran on";
  game.Restore(saved, frame);
  for (size_t i = 0; i < first.size(); ++i) {
    game.StepWithoutDrawing(script.HeldAt(frame + 1 + static_cast<long>(i)));
    ASSERT_EQ(game.form().PlayerX, first[i].first) << "frame " << frame + 1 + static_cast<long>(i);
    ASSERT_EQ(game.form().PlayerY, first[i].second) << "frame " << frame + 1 + static_cast<long>(i);
  }
}

TEST(RunNames, NameAZoneAnActOfItAndACharacter) {
  const auto kubo = ParseRunName("ashmoor-2-kubo");
  ASSERT_TRUE(kubo);
  EXPECT_EQ(kubo->zone, "ashmoor");
  EXPECT_EQ(kubo->act, 2);
  EXPECT_EQ(kubo->character, 1);
  EXPECT_EQ(kubo->Text(), "ashmoor-2-kubo");
  for (const char* bad : {"plumvale-1-zinto", "ashmoor-3-kubo", "ashmoor--1-kubo", "hills-0-zinto", "ashmoor-0-nobody",
                          "ashmoor-0", "ashmoor-x-zinto", ""})
    EXPECT_FALSE(ParseRunName(bad)) << bad;
}

// The search itself: it finds a run of Plum Vale in a few seconds, writes it compactly, and the
// run written holds when replayed with every pass of the frame.
TEST(RunFind, FindsARunThatReplaysToTheEnd) {
  const fs::path out = fs::temp_directory_path() / "orvane-runfind-test.keys";
  std::ostringstream log, err;
  ASSERT_EQ(RunRunFind({"--data", kData.string(), "--run", "plumvale-0-kubo", "--seconds", "120", "--report-every", "0",
                        "--no-hits", "--out", out.string()},
                       log, err),
            0)
      << log.str() << err.str();
  const platform::KeyScript script = platform::KeyScript::Load(out.string());
  // spans of frames, not one entry a frame
  EXPECT_LT(script.Entries().size(), 200u) << log.str();
  const RunOutcome o = Replay(*ParseRunName("plumvale-0-kubo"), script, kData);
  EXPECT_TRUE(o.reached && o.finished) << o.Describe();
  EXPECT_EQ(o.hits, 0) << o.Describe();
  fs::remove(out);
}

TEST(RunFind, RefusesBadUsage) {
  std::ostringstream log, err;
  EXPECT_EQ(RunRunFind({"--run", "plumvale-0-kubo"}, log, err), 2);
  EXPECT_EQ(RunRunFind({"--data", kData.string(), "--run", "plumvale-1-kubo"}, log, err), 2);
  EXPECT_EQ(RunRunFind({"--data", kData.string(), "--run", "plumvale-0-kubo", "--seconds", "soon"}, log, err), 2);
  EXPECT_EQ(RunRunFind({"--data", "/nonexistent", "--run", "plumvale-0-kubo"}, log, err), 1);
  EXPECT_NE(err.str().find("/nonexistent"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace orvane::runs
