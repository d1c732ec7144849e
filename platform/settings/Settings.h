// The player's settings: which keys play each action, the game controller, the two volumes and the
// window, kept in one plain-text file per user ($XDG_CONFIG_HOME/orvane/settings.ini):
//
//   [keys]        left = Left, A          (SDL key names; an action may have several keys)
//   [audio]       music = 80              (0 to 100; 0 is silent, the music still runs)
//   [video]       fullscreen = yes
//   [controller]  dead_zone = 25  jump = a, start  quit = back
//
// Every program reads it at start; a missing file means the defaults, which play exactly as the
// game always has. A line that cannot be read is one warning naming the file and the line, and the
// setting keeps its default. Only the launcher's dialog writes the whole file; Alt+Enter changes the
// one [video] line. Both write a temporary file and rename it over the old one.
//
// This module knows no backend: the names a key or a button may have are checked by the caller's
// SettingsNames (platform/sdl gives SDL's).
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input/Input.h"

namespace platform {

// One action a player may bind, read by the programs as one key of Input.h.
struct KeyAction {
  const char* name;      // in [keys]
  Key key;               // what the programs ask for
  const char* defaults;  // the keys the game has always used, in the file's own spelling
  const char* label;     // in the launcher's dialog
};
inline constexpr std::array<KeyAction, 13> kKeyActions{{
    {"left", Key::Left, "Left", "Left"},
    {"right", Key::Right, "Right", "Right"},
    {"up", Key::Up, "Up", "Up (look up)"},
    {"down", Key::Down, "Down", "Down (crouch, roll)"},
    {"jump", Key::Control, "Left Ctrl, Right Ctrl", "Jump"},
    {"quit", Key::Escape, "Escape", "Quit"},
    {"zinto", Key::S, "S", "Title: play Zinto"},
    {"kubo", Key::T, "T", "Title: play Kubo"},
    {"wave_again", Key::Digit1, "1", "Title: wave the logo again"},
    {"wave_slower", Key::Digit2, "2", "Title: shorter waves"},
    {"wave_faster", Key::Digit3, "3", "Title: longer waves"},
    {"forward", Key::A, "A", "Ring demo: forward"},
    {"back", Key::Z, "Z", "Ring demo: back"},
}};
inline constexpr size_t kActionCount = kKeyActions.size();

// The controller's two bindable actions, in [controller].
enum ButtonAction : size_t { kButtonJump, kButtonQuit, kButtonActionCount };
inline constexpr std::array<const char*, kButtonActionCount> kButtonActionNames{"jump", "quit"};
inline constexpr std::array<const char*, kButtonActionCount> kButtonDefaults{"a, start", "back"};

inline constexpr int kMaxVolume = 100;
inline constexpr int kDefaultDeadZone = 25;  // percent of the stick's travel
inline constexpr int kMaxDeadZone = 90;      // beyond this a stick could never reach its direction

using Names = std::vector<std::string>;

struct Settings {
  std::array<Names, kActionCount> keys;
  int musicVolume = kMaxVolume;
  int effectsVolume = kMaxVolume;
  bool fullScreen = true;
  int deadZone = kDefaultDeadZone;
  std::array<Names, kButtonActionCount> buttons;

  // The defaults: the keys, the sound and the full screen the game has always had.
  static Settings Defaults();
  bool operator==(const Settings&) const = default;
};

// The names a key or a controller button may be given: each answers the canonical spelling of a
// name ("space" is "Space"), or nothing when there is no such key or button.
using NameCheck = std::function<std::optional<std::string>(std::string_view)>;
struct SettingsNames {
  NameCheck key;
  NameCheck button;
};

// Reads the text of a settings file. Every line that cannot be read adds one warning
// "FILE:LINE: what is wrong; what is kept" to `warnings`.
Settings ParseSettings(std::string_view text, const std::string& fileName, const SettingsNames& names,
                       std::vector<std::string>& warnings);

// The file's text for `settings`, with a short comment per section.
std::string FormatSettings(const Settings& settings);

// "a, b, c"
std::string JoinNames(const Names& names);

// The other action of the same list already bound to `name`, if any.
std::optional<size_t> ActionUsing(const std::array<Names, kActionCount>& keys, const std::string& name, size_t except);

// Where the settings and the player's own controller mappings live: $XDG_CONFIG_HOME/orvane/ (empty
// paths for a user without a home folder).
std::filesystem::path SettingsFile();
std::filesystem::path ControllerMappingFile();

// Reads the file: a missing one means the defaults, silently; one that cannot be read (not a regular
// file, too large, no permission) is one warning and the defaults.
Settings ReadSettings(const std::filesystem::path& file, const SettingsNames& names, std::vector<std::string>& warnings);

// Writes `text` as the whole file: a temporary file beside it, flushed, renamed over the old one, so
// a reader sees the old file or the new, never half of one. Creates the folder. FatalError naming
// the file when it cannot.
void WriteSettingsFile(const std::filesystem::path& file, const std::string& text);

// `text` with `key = value` in `section`: the first such line replaced, or one added at the section's
// end (and the section at the file's end when it has none). Every other line stays as it was.
std::string WithSetting(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

// Remembers the window choice (Alt+Enter) in the file's [video] section, leaving its other lines alone.
void RememberFullScreen(const std::filesystem::path& file, bool fullScreen);

}  // namespace platform
