// The player's settings file: what a bad line gives, what the defaults are, how the file is written,
// and the settings reaching the real SDL input and mixer (a virtual controller, the dummy drivers).
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlSettings.h"
#include "platform/system/Error.h"
#include "tests/programs/TempFolder.h"

namespace platform {
namespace {

using orvane::test::TempFolder;

Settings Parse(const std::string& text, std::vector<std::string>& warnings) {
  return ParseSettings(text, "settings.ini", SdlSettingsNames(), warnings);
}

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SettingsFile, ReadsEveryKindOfSettingAndCanonicalNames) {
  std::vector<std::string> warnings;
  const Settings s = Parse(
      "# mine\n[keys]\njump = space, left shift\nleft = a\nforward = Q\nright = comma, .\n"
      "[audio]\nmusic = 0\neffects = 55\n[video]\nfullscreen = no\n"
      "[controller]\ndead_zone = 40\njump = B, x\nquit = guide\n",
      warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  EXPECT_EQ(s.keys[4], (Names{"Space", "Left Shift"}));
  EXPECT_EQ(s.keys[0], (Names{"A"}));
  EXPECT_EQ(s.keys[11], (Names{"Q"}));
  EXPECT_EQ(s.keys[1], (Names{"Comma", "."}));  // the comma key has a name of its own
  EXPECT_EQ(s.musicVolume, 0);
  EXPECT_EQ(s.effectsVolume, 55);
  EXPECT_FALSE(s.fullScreen);
  EXPECT_EQ(s.deadZone, 40);
  EXPECT_EQ(s.buttons[kButtonJump], (Names{"b", "x"}));
  EXPECT_EQ(s.buttons[kButtonQuit], (Names{"guide"}));

  // what the dialog writes reads back the same, without a warning
  EXPECT_EQ(Parse(FormatSettings(s), warnings), s);
  EXPECT_TRUE(warnings.empty());
}

TEST(SettingsFile, EachBadLineIsOneWarningNamingTheLineAndTheSettingKeepsItsDefault) {
  struct Case {
    const char* text;
    const char* says;  // part of the one warning
    int line = 2;      // the line it names
  };
  const Case cases[] = {
      {"[keys]\njump Space\n", "not a [section] or a \"name = value\" line"},
      {"[keys]\nhop = Space\n", "no setting [keys] hop"},
      {"[keys]\njump = Spcae\n", "no key is called \"Spcae\"; jump keeps its default: Left Ctrl, Right Ctrl"},
      {"[keys]\njump = Space,\n", "an empty key name; jump keeps its default"},
      {"[keys]\njump = \n", "no key given; jump keeps its default"},
      {"[keys]\njump = Up\n", "Up already plays up; jump keeps its default: Left Ctrl, Right Ctrl"},
      {"[audio]\nmusic = 101\n", "a volume is a whole number from 0 to 100; music keeps its default: 100"},
      {"[audio]\neffects = 5x\n", "effects keeps its default: 100"},
      {"[audio]\nmusic = -1\n", "music keeps its default"},
      {"[video]\nfullscreen = maybe\n", "fullscreen is yes or no; fullscreen keeps its default: yes"},
      {"[controller]\ndead_zone = 95\n", "dead_zone keeps its default: 25"},
      {"[controller]\njump = z\n", "no controller button is called \"z\"; jump keeps its default: a, start"},
      {"[controller]\nquit = a\n", "a already plays the controller's jump; the controller's quit keeps its default: back"},
      {"[sound]\nmusic = 3\n", "unknown section [sound]", 1},
      {"# top\njump = Space\n", "a setting before any [section]"},
      {"[video]\nfullscreen = no\nfullscreen = yes\n", "[video] fullscreen was already set on line 2", 3},
  };
  for (const Case& c : cases) {
    std::vector<std::string> warnings;
    const Settings s = Parse(c.text, warnings);
    ASSERT_EQ(warnings.size(), 1u) << c.text;
    EXPECT_NE(warnings[0].find(c.says), std::string::npos) << c.text << " gave: " << warnings[0];
    EXPECT_EQ(warnings[0].rfind("settings.ini:" + std::to_string(c.line) + ": ", 0), 0u) << warnings[0];
    // nothing a bad line says is taken, except the first of two repeated lines
    Settings expected = Settings::Defaults();
    if (std::string(c.text).find("fullscreen = no\nfullscreen") != std::string::npos) expected.fullScreen = false;
    EXPECT_EQ(s, expected) << c.text;
  }
}

TEST(SettingsFile, SharedKeysGiveWayInLineOrderButASwapIsFine) {
  std::vector<std::string> warnings;
  const Settings swapped = Parse("[keys]\nleft = Right\nright = Left\n", warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(swapped.keys[0], Names{"Right"});
  EXPECT_EQ(swapped.keys[1], Names{"Left"});

  // the earlier line holds: the fourth gives way, then the third, whose Up is taken back, then the
  // fifth, whose Left the third gave back
  const Settings s = Parse("[keys]\njump = Space\nleft = Up\nup = Space\ndown = Left\n", warnings);
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0], "settings.ini:4: Space already plays jump; up keeps its default: Up");
  EXPECT_EQ(warnings[2].rfind("settings.ini:5: Left already plays left", 0), 0u) << warnings[2];
  EXPECT_EQ(warnings[1].rfind("settings.ini:3: Up already plays up; left keeps its default: Left", 0), 0u) << warnings[1];
  EXPECT_EQ(s.keys[4], Names{"Space"});
  EXPECT_EQ(s.keys[2], Names{"Up"});
  EXPECT_EQ(s.keys[0], Names{"Left"});
  EXPECT_EQ(s.keys[3], Settings::Defaults().keys[3]) << "down's Left is taken back by left";
}

TEST(SettingsFile, MissingMeansDefaultsAndAFileThatIsNoFileIsOneWarning) {
  TempFolder dir;
  std::vector<std::string> warnings;
  EXPECT_EQ(ReadSettings(dir.path() / "settings.ini", SdlSettingsNames(), warnings), Settings::Defaults());
  EXPECT_TRUE(warnings.empty());

  std::filesystem::create_directory(dir.path() / "folder.ini");
  std::filesystem::create_symlink(dir.path() / "real.ini", dir.path() / "link.ini");
  { std::ofstream(dir.path() / "real.ini") << "[video]\nfullscreen = no\n"; }
  { std::ofstream(dir.path() / "big.ini") << std::string(70000, '#'); }
  for (const char* name : {"folder.ini", "link.ini", "big.ini"}) {
    warnings.clear();
    EXPECT_EQ(ReadSettings(dir.path() / name, SdlSettingsNames(), warnings), Settings::Defaults()) << name;
    ASSERT_EQ(warnings.size(), 1u) << name;
    EXPECT_NE(warnings[0].find(name), std::string::npos) << warnings[0];
  }
}

TEST(SettingsFile, WritingReplacesTheFileWholeAndAltEnterChangesOnlyItsLine) {
  TempFolder dir;
  const auto file = dir.path() / "new" / "orvane" / "settings.ini";
  RememberFullScreen(file, false);  // no folder, no file yet
  EXPECT_EQ(ReadText(file), "[video]\nfullscreen = no\n");

  const std::string mine = "# my keys\n[keys]\njump = Space  \n\n[video]\n# window please\nfullscreen = no\n[audio]\nmusic=3\n";
  WriteSettingsFile(file, mine);
  RememberFullScreen(file, true);
  std::string expected = mine;
  expected.replace(expected.find("fullscreen = no"), 15, "fullscreen = yes");
  EXPECT_EQ(ReadText(file), expected);
  // a [video] without the line gets it after its last setting; no temporary file is left behind
  EXPECT_EQ(WithSetting("[video]\n# c\n\n[keys]\n", "video", "fullscreen", "no"), "[video]\nfullscreen = no\n# c\n\n[keys]\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);

  // a folder that cannot be written: a fault naming the file, and the old file stays
  if (geteuid() != 0) {
    ::chmod(file.parent_path().c_str(), 0500);
    EXPECT_THROW(WriteSettingsFile(file, "x"), FatalError);
    ::chmod(file.parent_path().c_str(), 0700);
    EXPECT_EQ(ReadText(file), expected);
  }
  // a link is never written through: it is refused, and what it points to stays
  std::filesystem::remove(file);
  { std::ofstream(dir.path() / "elsewhere") << "keep"; }
  std::filesystem::create_symlink(dir.path() / "elsewhere", file);
  EXPECT_THROW(RememberFullScreen(file, false), FatalError);
  EXPECT_EQ(ReadText(dir.path() / "elsewhere"), "keep");
}

TEST(SettingsFile, LivesInThePlayersOwnFolder) {
  const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string xdg = savedXdg ? savedXdg : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(SettingsFile(), "/tmp/cfg/orvane/settings.ini");
  EXPECT_EQ(ControllerMappingFile(), "/tmp/cfg/orvane/gamecontrollerdb.txt");
  if (savedXdg) ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
}

// SDL with its dummy drivers: keys pushed as events, a virtual controller, a mixer that plays to nothing.
class SdlSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  }
  void TearDown() override { SDL_Quit(); }

  // Pumps SDL's events into the input, as the display does each frame.
  void Pump(SdlInput& input) {
    input.BeginPump();
    SDL_Event e;
    while (SDL_PollEvent(&e)) input.HandleEvent(e);
  }
  void Tap(SdlInput& input, SDL_Scancode code) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = code;
    SDL_PushEvent(&e);
    Pump(input);
  }
};

TEST_F(SdlSettings, ARemappedJumpIsReadFromItsNewKeyOnly) {
  std::vector<std::string> warnings;
  SdlInput input;
  input.Configure(Parse("[keys]\njump = Space\nquit = Q, Backspace\n", warnings));
  Tap(input, SDL_SCANCODE_SPACE);
  EXPECT_TRUE(input.KeyDown(Key::Control));
  EXPECT_FALSE(input.KeyDown(Key::Escape));
  Tap(input, SDL_SCANCODE_LCTRL);  // the old key plays nothing now
  EXPECT_FALSE(input.KeyDown(Key::Control));
  Tap(input, SDL_SCANCODE_BACKSPACE);
  EXPECT_TRUE(input.KeyDown(Key::Escape));
  EXPECT_FALSE(input.KeyDown(Key::Control));

  // with no settings the game's own keys, both Controls among them
  SdlInput plain;
  Tap(plain, SDL_SCANCODE_RCTRL);
  EXPECT_TRUE(plain.KeyDown(Key::Control));
  Tap(plain, SDL_SCANCODE_SPACE);
  EXPECT_FALSE(plain.KeyDown(Key::Control));
}

TEST_F(SdlSettings, AVirtualControllersStickSteersPastTheDeadZoneAndItsButtonsAreSettable) {
  std::vector<std::string> warnings;
  SdlInput input;
  input.Configure(Parse("[controller]\ndead_zone = 50\njump = x\nquit = start\n", warnings));
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                              SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(index));
  Pump(input);  // plugged in: the input opens it
  SDL_Joystick* stick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
  ASSERT_NE(stick, nullptr);

  struct Push {
    int axis, value;
    Key steers;  // Key::Count: nothing
  };
  const Push pushes[] = {
      {SDL_CONTROLLER_AXIS_LEFTX, -16000, Key::Count},  // inside half the travel
      {SDL_CONTROLLER_AXIS_LEFTX, -17000, Key::Left},
      {SDL_CONTROLLER_AXIS_LEFTX, 32767, Key::Right},
      {SDL_CONTROLLER_AXIS_LEFTY, -20000, Key::Up},
      {SDL_CONTROLLER_AXIS_LEFTY, 16000, Key::Count},
      {SDL_CONTROLLER_AXIS_LEFTY, 30000, Key::Down},
      {SDL_CONTROLLER_AXIS_RIGHTX, 32767, Key::Count},  // the right stick steers nothing
  };
  for (const Push& p : pushes) {
    for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a) SDL_JoystickSetVirtualAxis(stick, a, 0);
    SDL_JoystickSetVirtualAxis(stick, p.axis, static_cast<Sint16>(p.value));
    Pump(input);
    for (Key k : {Key::Left, Key::Right, Key::Up, Key::Down})
      EXPECT_EQ(input.KeyDown(k), k == p.steers) << "axis " << p.axis << " at " << p.value << ", key " << static_cast<int>(k);
  }
  for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a) SDL_JoystickSetVirtualAxis(stick, a, 0);

  // the buttons: the D-pad still steers; x jumps and a no longer does; start quits
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
  Pump(input);
  EXPECT_TRUE(input.KeyDown(Key::Left));
  EXPECT_FALSE(input.KeyDown(Key::Control));
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_X, 1);
  SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
  Pump(input);
  EXPECT_TRUE(input.KeyDown(Key::Control));
  EXPECT_TRUE(input.KeyDown(Key::Escape));

  // unplugged: nothing is held any more
  SDL_JoystickDetachVirtual(index);
  Pump(input);
  EXPECT_FALSE(input.KeyDown(Key::Left));
  EXPECT_FALSE(input.KeyDown(Key::Control));
}

TEST_F(SdlSettings, ThePlayersOwnControllerMappingsAreAddedAndABadFileIsOneWarning) {
  TempFolder dir;
  const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string xdg = savedXdg ? savedXdg : "";
  ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
  const char* guid = "03000000f00d0000beef000000000000";
  std::filesystem::create_directories(dir.path() / "orvane");
  {
    std::ofstream(ControllerMappingFile())
        << "# my pad\n"
        << guid << ",Orvane Test Pad,a:b0,b:b1,back:b6,start:b7,leftx:a0,lefty:a1,platform:Linux,\n"
        << "not a mapping\n"
        << "03000000f00d0000cafe000000000000,Another System's Pad,a:b0,platform:Windows,\n";
  }
  testing::internal::CaptureStderr();
  LoadPlayerControllerMappings("test");
  const std::string bad = testing::internal::GetCapturedStderr();
  EXPECT_EQ(bad.rfind("test: warning: " + ControllerMappingFile().string() + ":3: ", 0), 0u) << bad;
  EXPECT_EQ(std::count(bad.begin(), bad.end(), '\n'), 1) << bad;
  char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid));
  ASSERT_NE(mapping, nullptr);
  EXPECT_NE(std::string(mapping).find("Orvane Test Pad"), std::string::npos);
  SDL_free(mapping);
  EXPECT_EQ(SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString("03000000f00d0000cafe000000000000")), nullptr)
      << "another system's line was added";

  std::filesystem::remove(ControllerMappingFile());
  std::filesystem::create_directory(ControllerMappingFile());
  testing::internal::CaptureStderr();
  LoadPlayerControllerMappings("test");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("test: warning: " + ControllerMappingFile().string() + ": not a regular file", 0), 0u) << said;
  if (savedXdg) ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SdlSettings, VolumesReachTheMixerPerKindAndSilentMusicStillPlays) {
  TempFolder dir;
  // a short wave file of our own: 0.1 s of a square wave, 44100 Hz, 16-bit stereo
  const uint32_t frames = 4410, dataBytes = frames * 4;
  std::ofstream out(dir.path() / "beep.wav", std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + dataBytes);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(2), u32(44100), u32(44100 * 4), u16(4), u16(16);
  out << "data";
  u32(dataBytes);
  for (uint32_t i = 0; i < frames * 2; ++i) u16(static_cast<uint16_t>((i / 100) % 2 ? 8000 : -8000));
  out.close();

  SdlAudio audio;
  audio.SetVolumes(0, 40);
  audio.Load(22, dir.path() / "beep.wav", SoundKind::Music);
  audio.Load(3, dir.path() / "beep.wav", SoundKind::Effect);
  ASSERT_FALSE(audio.Silent()) << "the dummy sound driver did not open";
  EXPECT_EQ(Mix_Volume(audio.ChannelOf(22), -1), 0);
  EXPECT_EQ(Mix_Volume(audio.ChannelOf(3), -1), MIX_MAX_VOLUME * 40 / 100);
  audio.Play(22, true);
  EXPECT_EQ(Mix_Playing(audio.ChannelOf(22)), 1) << "silent music is still running";

  audio.SetVolumes(75, 100);  // the dialog's sliders: the slots already loaded follow
  EXPECT_EQ(Mix_Volume(audio.ChannelOf(22), -1), MIX_MAX_VOLUME * 75 / 100);
  EXPECT_EQ(Mix_Volume(audio.ChannelOf(3), -1), MIX_MAX_VOLUME);
}

}  // namespace
}  // namespace platform
