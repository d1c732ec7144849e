// The key script: its text form, which keys are held in which frame, and zonesim playing one from
// a file exactly as from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/input/KeyScript.h"
#include "tools/zonesim/ZoneSim.h"

namespace platform {
namespace {

TEST(KeyScript, HoldsEachEntrysKeysUntilTheNextEntry) {
  const KeyScript s = KeyScript::Parse("0:none;230:Right;300:Right+Control;303:Right;900:Left+Up+Down");
  EXPECT_EQ(s.HeldAt(0), 0u);
  EXPECT_EQ(s.HeldAt(229), 0u);
  EXPECT_EQ(s.HeldAt(230), KeyScript::Bit(Key::Right));
  EXPECT_TRUE(s.Holds(302, Key::Control));
  EXPECT_TRUE(s.Holds(302, Key::Right));
  EXPECT_FALSE(s.Holds(303, Key::Control));
  EXPECT_TRUE(s.Holds(899, Key::Right));
  EXPECT_EQ(s.HeldAt(100000), KeyScript::Bit(Key::Left) | KeyScript::Bit(Key::Up) | KeyScript::Bit(Key::Down));
  // before a first entry later than frame 0 nothing is held
  EXPECT_EQ(KeyScript::Parse("50:Escape").HeldAt(49), 0u);
  EXPECT_TRUE(KeyScript::Parse("50:Escape").Holds(50, Key::Escape));
}

TEST(KeyScript, ReadsOneEntryALineWithCommentsAndWritesItsTextBack) {
  const std::string text = "# a run\n0:none\n  230 : Right   # off we go\r\n300:Control+Right;303:Right\n\n";
  const KeyScript s = KeyScript::Parse(text);
  EXPECT_EQ(s.Format(), "0:none;230:Right;300:Right+Control;303:Right");
  EXPECT_EQ(s.Format(true), "0:none\n230:Right\n300:Right+Control\n303:Right\n");
  EXPECT_EQ(KeyScript::Parse(s.Format(true)).Entries(), s.Entries());
  EXPECT_TRUE(KeyScript::Parse("").Entries().empty());
  EXPECT_TRUE(KeyScript::Parse("# nothing\n").Entries().empty());
}

TEST(KeyScript, BuildsCompactly) {
  KeyScript s;
  s.Hold(1, {Key::Right});
  s.Hold(5, {Key::Right});           // the same keys again: nothing new
  s.Hold(9, {Key::Right, Key::Control});
  s.Hold(9, {Key::Left});            // the same frame: replaces
  s.Hold(12, 0u);
  EXPECT_EQ(s.Format(), "1:Right;9:Left;12:none");
  s.Hold(12, {Key::Left});           // replacing the last by what the one before holds drops it
  EXPECT_EQ(s.Format(), "1:Right;9:Left");
  EXPECT_THROW(s.Hold(3, 0u), KeyScriptError);
}

TEST(KeyScript, BadTextIsRefusedWithTheEntryNamed) {
  for (const char* bad : {"0:Jump", "x:Right", "-5:Right", "Right", "10:Right;5:Left", "3:", "3:Right+", "1e3:Left"}) {
    try {
      KeyScript::Parse(bad);
      ADD_FAILURE() << bad << " was accepted";
    } catch (const KeyScriptError& e) {
      EXPECT_NE(std::string(e.what()).find("key script"), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(KeyScript::Load("/nonexistent/run.keys"), KeyScriptError);
}

TEST(KeyScript, ZonesimPlaysAScriptFileAsItPlaysTheSameScriptGiven) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "orvane-keyscript-test.keys";
  const std::string script = "0:none\n230:Right\n300:Right+Control\n303:Right\n";
  std::ofstream(file) << script;
  auto sim = [](std::vector<std::string> keys, std::string& printed) {
    std::vector<std::string> args = {"--zone", "plumvale", "--dir", ORVANE_GAME_DATA, "--frames", "400",
                                     "--final", "--print", "PlayerX,PlayerY,SpeedX"};
    args.insert(args.end(), keys.begin(), keys.end());
    std::ostringstream out, err;
    const int status = orvane::RunZoneSim(args, out, err);
    printed = out.str() + err.str();
    return status;
  };
  std::string fromText, fromFile, bad;
  ASSERT_EQ(sim({"--keys", script}, fromText), 0) << fromText;
  ASSERT_EQ(sim({"--keys-file", file.string()}, fromFile), 0) << fromFile;
  EXPECT_EQ(fromText, fromFile);
  EXPECT_NE(fromText.find("\"PlayerX\":"), std::string::npos);
  EXPECT_EQ(sim({"--keys-file", "/nonexistent/run.keys"}, bad), 2);
  EXPECT_NE(bad.find("/nonexistent/run.keys"), std::string::npos) << bad;
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace platform
