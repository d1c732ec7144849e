// Every act, with each character, played to its end by its recorded key script (tests/runs/*.keys,
// found by tools/runfind) through the whole engine, drawing included, from the laid-out game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "engine/core/Vocabulary.h"
#include "tools/runfind/RunFind.h"
#include "tools/runfind/RunPlay.h"

namespace orvane::runs {
namespace {

namespace fs = std::filesystem;

const fs::path kData = ORVANE_GAME_DATA;
const fs::path kRuns = ORVANE_RUNS_DIR;
// A first play of an act takes a minute to two and a half on the clock.
constexpr int kFirstPlayShortest = 60, kFirstPlayLongest = 150;

// Every act, each character, each of the act's three routes.
std::vector<std::string> EveryRun() {
  std::vector<std::string> names;
  for (const char* act : {"plumvale-0", "ashmoor-0", "ashmoor-1", "ashmoor-2"})
    for (const char* character : {"zinto", "kubo"})
      for (const char* route : {"high", "middle", "low"}) names.push_back(std::string(act) + "-" + character + "-" + route);
  return names;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& p) {
  std::string name = p.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

class RecordedRun : public ::testing::TestWithParam<std::string> {};

TEST_P(RecordedRun, ReachesTheActsEndOnItsRouteAndTheNextAct) {
  const auto run = ParseRunName(GetParam());
  ASSERT_TRUE(run);
  const fs::path file = kRuns / (run->Text() + ".keys");
  if (!fs::exists(file)) GTEST_SKIP() << run->Text() << ": not recorded (EveryRouteIsRecorded fails for it)";
  const platform::KeyScript script = platform::KeyScript::Load(file.string());
  const RunOutcome o = Replay(*run, script, kData);
  const std::string what = run->Text() + ": " + o.Describe();
  EXPECT_TRUE(o.reached) << what;
  EXPECT_LE(o.reachedAt, kRunFrameLimit) << what;
  EXPECT_FALSE(o.gameOver) << what;
  EXPECT_EQ(o.deaths, 0) << what;
  EXPECT_EQ(o.hits, 0) << what << " (the recorded runs take no hit)";
  EXPECT_EQ(o.offRoute, 0) << what << " (" << RouteCheck(*run).Describe() << ")";
  // after the tally the next act is loaded, or the zone is complete and the program ends
  EXPECT_TRUE(o.finished) << what;
  std::printf("%s: the end in frame %ld, %d:%02d on the clock\n", run->Text().c_str(), o.reachedAt,
              o.clockAtEnd / 60, o.clockAtEnd % 60);
  RecordProperty("frames", static_cast<int>(o.reachedAt));
  RecordProperty("clock", o.clockAtEnd);
}

INSTANTIATE_TEST_SUITE_P(EveryAct, RecordedRun, ::testing::ValuesIn(EveryRun()),
                         TestName);

// A scripted first-timer (hold Right, jump at what comes, try another way when stuck) finishes every
// act with each character, taking a first play's time: a change to an act that strands or rushes a
// newcomer shows here.
class FirstPlay : public ::testing::TestWithParam<std::string> {};

TEST_P(FirstPlay, ReachesTheActsEndAtAFirstPlaysPace) {
  const auto run = ParseRunName(GetParam());
  ASSERT_TRUE(run);
  const RunOutcome o = PlayFirstTime(*run, kData);
  const std::string what = run->Text() + ": " + o.Describe();
  ASSERT_TRUE(o.reached) << what;
  EXPECT_FALSE(o.gameOver) << what;
  EXPECT_GE(o.clockAtEnd, kFirstPlayShortest) << what;
  EXPECT_LE(o.clockAtEnd, kFirstPlayLongest) << what;
  std::printf("%s: a first play, %d:%02d on the clock, %d deaths\n", run->Text().c_str(), o.clockAtEnd / 60,
              o.clockAtEnd % 60, o.deaths);
}

INSTANTIATE_TEST_SUITE_P(EveryAct, FirstPlay,
                         ::testing::Values("plumvale-0-zinto", "plumvale-0-kubo", "ashmoor-0-zinto", "ashmoor-0-kubo",
                                           "ashmoor-1-zinto", "ashmoor-1-kubo", "ashmoor-2-zinto", "ashmoor-2-kubo"),
                         TestName);

TEST(RecordedRuns, EveryRouteIsRecorded) {
  for (const std::string& name : EveryRun())
    EXPECT_TRUE(fs::exists(kRuns / (name + ".keys"))) << name << ": no recorded run";
}

// A named route holds a standing player to its rows inside its columns, and nowhere else.
TEST(RouteCheck, HoldsAStandingPlayerToItsRowsInItsColumns) {
  const RunName run = *ParseRunName("plumvale-0-zinto");
  const RouteCheck high(levels::Route::High, {{levels::Route::High, 10, 20}});
  const RouteCheck low(levels::Route::Low, {{levels::Route::Low, 10, 20}});
  PlayFolder folder(kData, run.character);
  Game game(run, folder.path());
  ZoneForm& f = game.form();
  f.Airborne = 0;
  f.Dying = 0;
  auto at = [&](int column, int blockRow) {
    f.PlayerX = column * 128 + 40;
    f.PlayerY = blockRow * 128 - 38;  // feet on the block's top
  };
  at(15, 3);
  EXPECT_TRUE(high.Holds(f));
  EXPECT_FALSE(low.Holds(f));
  at(15, 7);
  EXPECT_FALSE(high.Holds(f));
  EXPECT_TRUE(low.Holds(f));
  at(21, 7);  // past the span: anything goes
  EXPECT_TRUE(high.Holds(f));
  at(15, 7);
  f.Airborne = kOn;  // in the air is not standing
  EXPECT_TRUE(high.Holds(f));
  EXPECT_EQ(high.Describe(), "high route, columns 10-20, rows 0-3");
}

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

// Running right and jumping every 56 frames, whatever comes, kills Zinto again and again in Ash Moor's
// last act until his lives are gone: the replay counts the deaths and tells a game over from the
// zone's end.
TEST(Replay, DeathsAndTheGameOverAreCounted) {
  const RunName run = *ParseRunName("ashmoor-2-zinto");
  platform::KeyScript script;
  script.Hold(230, {platform::Key::Right});
  for (long f = 300; f < 18000; f += 56) {
    script.Hold(f, {platform::Key::Right, platform::Key::Control});
    script.Hold(f + 14, {platform::Key::Right});
  }
  const RunOutcome o = Replay(run, script, kData, 18000);
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
  EXPECT_FALSE(kubo->route);
  const auto high = ParseRunName("ashmoor-2-kubo-high");
  ASSERT_TRUE(high && high->route == levels::Route::High);
  EXPECT_EQ(high->Text(), "ashmoor-2-kubo-high");
  for (const char* bad : {"plumvale-1-zinto", "ashmoor-3-kubo", "ashmoor--1-kubo", "hills-0-zinto", "ashmoor-0-nobody",
                          "ashmoor-0", "ashmoor-x-zinto", "ashmoor-0-kubo-top", "ashmoor-0-kubo-", ""})
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
