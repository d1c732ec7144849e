// Demo playback and the frame log: the script's keys by pass, Escape from the keyboard, the frame
// clock, and the picture hash the end-to-end tests compare.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/headless/Headless.h"
#include "platform/sdl/DemoInput.h"
#include "platform/sdl/FrameLog.h"
#include "platform/system/Repeatable.h"

namespace platform {
namespace {

TEST(Demo, KeysFollowTheScriptByPassAndOnlyEscapeComesFromTheKeyboard) {
  ScriptedInput keyboard;
  int64_t flipped = 0;
  DemoInput demo(KeyScript::Parse("1:none;3:Right+Control;5:Left"), keyboard, [&flipped] { return flipped; });
  keyboard.Set(Key::Down, true);  // a key on the real keyboard does not disturb the replay
  auto at = [&](int64_t pass, Key k) {
    flipped = pass - 1;  // pass n is read after n - 1 flips
    return demo.KeyDown(k);
  };
  EXPECT_FALSE(at(2, Key::Right));
  EXPECT_TRUE(at(3, Key::Right));
  EXPECT_TRUE(at(4, Key::Control));
  EXPECT_FALSE(at(5, Key::Right));
  EXPECT_TRUE(at(5, Key::Left));
  EXPECT_TRUE(at(500, Key::Left));  // the last entry holds on
  EXPECT_FALSE(at(3, Key::Down));
  EXPECT_FALSE(at(3, Key::Escape));
  keyboard.Set(Key::Escape, true);
  EXPECT_TRUE(at(3, Key::Escape));
  EXPECT_TRUE(DemoInput(KeyScript::Parse("1:Escape"), ScriptedInput{}, [] { return int64_t{0}; }).KeyDown(Key::Escape));
}

TEST(Demo, TheFrameClockReadsAsTheHeadlessOne) {
  int64_t frames = 0;
  FrameClock clock([&frames] { return frames; });
  HeadlessPlatform headless;
  for (frames = 0; frames < 200; ++frames) {
    EXPECT_EQ(clock.TickCount(), 100000 + frames * 1000 / 60);
    EXPECT_EQ(clock.TickCount(), headless.clock.TickCount());
    headless.display.Flip();
  }
}

TEST(Demo, AScriptThatCannotBeReadIsAFaultNamingIt) {
  const std::string path = (std::filesystem::temp_directory_path() / "orvane-no-such-demo.keys").string();
  setenv("ORVANE_DEMO", path.c_str(), 1);
  try {
    DemoInput::ScriptFromEnvironment();
    ADD_FAILURE() << "no fault";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  unsetenv("ORVANE_DEMO");
  EXPECT_EQ(DemoInput::ScriptFromEnvironment(), nullptr);
}

TEST(FrameLog, OneFlushedLinePerFrameWithAHashOfThePicture) {
  Surface a(320, 240), b(320, 240), c(640, 480);
  EXPECT_EQ(PictureHash(a), PictureHash(b));
  b.Set(319, 239, 1);
  EXPECT_NE(PictureHash(a), PictureHash(b));
  EXPECT_NE(PictureHash(a), PictureHash(c));  // the size counts

  const auto path = std::filesystem::temp_directory_path() / ("orvane-frames-" + std::to_string(::getpid()));
  {
    FrameLog log(path.string());
    log.Write(1, a);
    log.Write(2, b);
    std::ifstream in(path);  // flushed at once: readable while the program runs
    std::string l1, l2;
    std::getline(in, l1);
    std::getline(in, l2);
    EXPECT_EQ(l1.rfind("frame 1 ms ", 0), 0u) << l1;
    EXPECT_EQ(l2.rfind("frame 2 ms ", 0), 0u) << l2;
    EXPECT_NE(l1.substr(l1.find(" picture ")), l2.substr(l2.find(" picture ")));
  }
  std::filesystem::remove(path);
  EXPECT_THROW(FrameLog("/nonexistent/folder/frames.log"), std::exception);
}

}  // namespace
}  // namespace platform
