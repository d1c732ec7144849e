// The small services: the simulated clock, program names, the real backend's frame pacing and key map.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <set>
#include <thread>

#include "platform/headless/Headless.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlMain.h"
#include "platform/sdl/SdlInput.h"
#include "platform/system/CommandLine.h"
#include "platform/system/PosixProcess.h"

namespace platform {
namespace {

// The options in the order written, values as words of their own or after "=", words that are no
// option in place (all after "--"); only a whole name counts; a fault names what was written.
TEST(ReadOptions, TakesOptionsAndOperandsInOrderAndNamesTheFault) {
  std::vector<std::string> seen;
  const std::vector<LongOption> options = {
      {"frames", true, [&](const std::string& v) { seen.push_back("frames=" + v); }},
      {"final", false, [&](const std::string& v) { seen.push_back("final" + v); }}};
  auto read = [&](std::vector<std::string> args) {
    seen.clear();
    return ReadOptions(args, options, [&](const std::string& w) { seen.push_back("word " + w); });
  };
  EXPECT_FALSE(read({"a", "--frames", "-3", "--final", "--frames=4", "b", "--", "--final"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"word a", "frames=-3", "final", "frames=4", "word b", "word --final"}));

  const auto fault = [&](std::vector<std::string> args) {
    const auto f = read(args);
    return f ? (f->kind == OptionFault::Kind::Unknown ? "unknown " : "no value ") + f->arg : std::string("none");
  };
  EXPECT_EQ(fault({"--final", "--fram", "3"}), "unknown --fram");  // getopt_long alone would take it
  EXPECT_EQ(fault({"--fin"}), "unknown --fin");
  EXPECT_EQ(fault({"--bogus", "--final"}), "unknown --bogus");
  EXPECT_EQ(fault({"-w"}), "unknown -w");
  EXPECT_EQ(fault({"--final=1"}), "unknown --final=1");
  EXPECT_EQ(fault({"--final", "--frames"}), "no value --frames");
  EXPECT_EQ(ReadOptions({"x"}, options)->arg, "x");  // no operand wanted: a word is an unknown option
}

TEST(SimulatedClock, FrameNReads100000PlusWholeMillisecondsOfSixtiethsOfASecond) {
  HeadlessPlatform os;
  for (int64_t n = 0; n <= 400; ++n) {
    ASSERT_EQ(os.clock.TickCount(), 100000 + n * 1000 / 60) << "frame " << n;
    os.display.Flip();
  }
  // Frame 3 is 100050, frame 6 is 100100: the whole milliseconds round down.
  HeadlessPlatform again;
  for (int i = 0; i < 3; ++i) again.display.Flip();
  EXPECT_EQ(again.clock.TickCount(), 100050);
}

TEST(HeadlessDisplay, IsLostForExactlyTheNumberOfPollsAsked) {
  HeadlessPlatform os;
  os.display.LoseDisplayFor(2);
  EXPECT_FALSE(os.display.ExclusiveHeld());
  EXPECT_FALSE(os.display.ExclusiveHeld());
  EXPECT_TRUE(os.display.ExclusiveHeld());
}

// Without a display the game programs end at once with one line, instead of running unseen on SDL's
// offscreen driver; a driver asked for by name is used as it is.
TEST(SdlProgram, WithoutADisplayEndsWithOneLineUnlessADriverIsAskedFor) {
  const struct {
    const char* display;  // nullptr: unset
    const char* driver;
    int status;
    std::string line;
  } cases[] = {
      {nullptr, nullptr, 1, "Orvane: cannot open the display (no X11 or Wayland display; DISPLAY is not set)\n"},
      {":97", nullptr, 1, "Orvane: cannot open the display (no X11 or Wayland display; DISPLAY is set but did not answer)\n"},
      {nullptr, "offscreen", 0, ""},
  };
  const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
  std::vector<std::optional<std::string>> saved;
  for (const char* n : names) saved.push_back(std::getenv(n) ? std::optional<std::string>(std::getenv(n)) : std::nullopt);
  for (const auto& c : cases) {
    ::unsetenv("WAYLAND_DISPLAY");
    c.display ? ::setenv("DISPLAY", c.display, 1) : ::unsetenv("DISPLAY");
    c.driver ? ::setenv("SDL_VIDEODRIVER", c.driver, 1) : ::unsetenv("SDL_VIDEODRIVER");
    bool ran = false;
    ::testing::internal::CaptureStderr();
    const char* argv[] = {"Orvane", nullptr};
    const int status = RunSdlProgram("Orvane", 1, argv, ProgramHelp{"the title", ""},
                                     [&](Platform&, const std::filesystem::path&) { ran = true; });
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.line);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(ran, c.status == 0);
  }
  for (size_t i = 0; i < saved.size(); ++i)
    saved[i] ? ::setenv(names[i], saved[i]->c_str(), 1) : ::unsetenv(names[i]);
}

TEST(InstalledProgramName, DropsOnlyATrailingExeInAnyCase) {
  EXPECT_EQ(InstalledProgramName("Save.exe"), "Save");
  EXPECT_EQ(InstalledProgramName("Plumvale.EXE"), "Plumvale");
  EXPECT_EQ(InstalledProgramName("Ashmoor.Exe"), "Ashmoor");
  EXPECT_EQ(InstalledProgramName("Save"), "Save");
  EXPECT_EQ(InstalledProgramName(".exe"), ".exe");
  EXPECT_EQ(InstalledProgramName("a.exe.exe"), "a.exe");
  EXPECT_EQ(InstalledProgramName("Save.exe.txt"), "Save.exe.txt");
}

TEST(SdlKeys, EveryGameKeyHasItsOwnKeyboardKey) {
  std::set<int> seen;
  for (int k = 0; k < static_cast<int>(Key::Count); ++k) {
    const SDL_Scancode code = SdlInput::ScancodeOf(static_cast<Key>(k));
    EXPECT_NE(code, SDL_SCANCODE_UNKNOWN) << k;
    EXPECT_TRUE(seen.insert(code).second) << k;
  }
  EXPECT_EQ(SdlInput::ScancodeOf(Key::A), SDL_SCANCODE_A);
  EXPECT_EQ(SdlInput::ScancodeOf(Key::Z), SDL_SCANCODE_Z);
  EXPECT_EQ(SdlInput::ScancodeOf(Key::Digit0), SDL_SCANCODE_0);
  EXPECT_EQ(SdlInput::ScancodeOf(Key::Digit9), SDL_SCANCODE_9);
}

// --window and --fullscreen: the window opens as asked, and setting a display mode keeps it so.
TEST(SdlWindowMode, TheWindowOpensAsAskedAndTheDisplayModeKeepsIt) {
  // SDL offers its window-less driver only when the environment names it
  const char* old = std::getenv("SDL_VIDEODRIVER");
  const std::string saved = old ? old : "";
  ::setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_VideoInit(nullptr), 0) << SDL_GetError();
  for (const bool fullScreen : {false, true}) {
    SdlDisplay display(fullScreen);
    display.Open("window mode");
    EXPECT_EQ(display.FullScreen(), fullScreen);
    display.SetDisplayMode(640, 480);
    EXPECT_EQ(display.FullScreen(), fullScreen);
    display.RestoreDisplayMode();  // a program gives the desktop back
    display.Open("window mode");
    display.SetDisplayMode(320, 240);
    EXPECT_EQ(display.FullScreen(), fullScreen);
  }
  SDL_VideoQuit();
  if (old) ::setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
  else ::unsetenv("SDL_VIDEODRIVER");
}

// Only lower bounds on time: a busy machine can make a frame later, never earlier.
using Steady = std::chrono::steady_clock;

TEST(SdlFramePacing, FlipWaitsForTheNextSixtiethOfASecond) {
  SdlDisplay display;  // no window: Flip only paces
  const auto start = Steady::now();
  display.Flip();  // starts the frame clock and waits for its first tick
  for (int i = 0; i < 30; ++i) display.Flip();
  EXPECT_GE(Steady::now() - start, std::chrono::microseconds(31 * 16666));
}

TEST(SdlFramePacing, ALateFrameIsNotMadeUpWithABurst) {
  SdlDisplay display;
  display.Flip();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // six frames late
  display.Flip();
  const auto start = Steady::now();
  for (int i = 0; i < 5; ++i) display.Flip();
  // Each of the five waits for a tick of its own: together at least four whole periods.
  EXPECT_GE(Steady::now() - start, std::chrono::microseconds(4 * 16667));
}

}  // namespace
}  // namespace platform
