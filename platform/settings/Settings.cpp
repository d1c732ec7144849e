#include "platform/settings/Settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <map>
#include <set>

#include "platform/system/Error.h"
#include "platform/system/UserFolder.h"

namespace platform {

namespace {

constexpr size_t kMaxFileBytes = 64 * 1024;  // a settings file is a few hundred bytes

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// "a, b" is two names, "a," a name and an empty one, "" none.
Names Split(std::string_view list) {
  Names out;
  if (Trim(list).empty()) return out;
  for (;;) {
    const auto comma = list.find(',');
    out.emplace_back(Trim(list.substr(0, comma)));
    if (comma == std::string_view::npos) return out;
    list.remove_prefix(comma + 1);
  }
}

std::optional<int> Number(std::string_view text, int lowest, int highest) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < lowest || v > highest) return std::nullopt;
  return v;
}

std::optional<bool> Flag(std::string_view text) {
  std::string t(text);
  std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (t == "yes" || t == "true" || t == "on" || t == "1") return true;
  if (t == "no" || t == "false" || t == "off" || t == "0") return false;
  return std::nullopt;
}

// Names checked one by one: the canonical list, or the reason the value cannot be read.
std::optional<Names> CheckedNames(std::string_view value, const NameCheck& check, const char* what, std::string& why) {
  Names out;
  const Names given = Split(value);
  if (given.empty()) {
    why = std::string("no ") + what + " given";
    return std::nullopt;
  }
  for (const std::string& n : given) {
    if (n.empty()) {
      why = std::string("an empty ") + what + " name";
      return std::nullopt;
    }
    const std::optional<std::string> canonical = check(n);
    if (!canonical) {
      why = std::string("no ") + what + " is called \"" + n + "\"";
      return std::nullopt;
    }
    if (std::find(out.begin(), out.end(), *canonical) == out.end()) out.push_back(*canonical);
  }
  return out;
}

size_t KeyActionIndex(std::string_view name) {
  const auto a = std::find_if(kKeyActions.begin(), kKeyActions.end(), [&](const KeyAction& k) { return name == k.name; });
  return static_cast<size_t>(a - kKeyActions.begin());
}

bool IsSetting(std::string_view section, std::string_view key) {
  if (section == "keys") return KeyActionIndex(key) < kActionCount;
  if (section == "audio") return key == "music" || key == "effects";
  if (section == "video") return key == "fullscreen";
  return key == "dead_zone" || key == "jump" || key == "quit";  // [controller]
}

// A binding read from the file: which action, on which line.
struct Bound {
  size_t action;
  int line;
};

// No name may play two actions of one list: the earlier line holds. Bindings from the file are looked
// at from the last line up; one that shares a name with another action gives way to its defaults,
// with a warning at its line, until no name is shared (each action gives way at most once, and the
// defaults share none). Two actions that swap their keys share nothing and both hold.
template <size_t N>
void RefuseSharedNames(std::array<Names, N>& lists, const std::array<Names, N>& defaults,
                       const std::vector<Bound>& bound, const std::function<std::string(size_t)>& actionName,
                       const std::string& fileName, std::vector<std::string>& warnings) {
  std::set<size_t> reverted;
  for (bool changed = true; changed;) {
    changed = false;
    for (auto b = bound.rbegin(); b != bound.rend(); ++b) {
      if (reverted.count(b->action)) continue;
      for (const std::string& n : lists[b->action]) {
        const auto other = std::find_if(lists.begin(), lists.end(), [&](const Names& l) {
          return &l != &lists[b->action] && std::find(l.begin(), l.end(), n) != l.end();
        });
        if (other == lists.end()) continue;
        warnings.push_back(fileName + ":" + std::to_string(b->line) + ": " + n + " already plays " +
                           actionName(static_cast<size_t>(other - lists.begin())) + "; " + actionName(b->action) +
                           " keeps its default: " + JoinNames(defaults[b->action]));
        lists[b->action] = defaults[b->action];
        reverted.insert(b->action);
        changed = true;
        break;
      }
    }
  }
}

}  // namespace

Settings Settings::Defaults() {
  Settings s;
  for (size_t i = 0; i < kActionCount; ++i) s.keys[i] = Split(kKeyActions[i].defaults);
  for (size_t i = 0; i < kButtonActionCount; ++i) s.buttons[i] = Split(kButtonDefaults[i]);
  return s;
}

std::string JoinNames(const Names& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

std::optional<size_t> ActionUsing(const std::array<Names, kActionCount>& keys, const std::string& name, size_t except) {
  for (size_t i = 0; i < kActionCount; ++i) {
    if (i != except && std::find(keys[i].begin(), keys[i].end(), name) != keys[i].end()) return i;
  }
  return std::nullopt;
}

Settings ParseSettings(std::string_view text, const std::string& fileName, const SettingsNames& names,
                       std::vector<std::string>& warnings) {
  const Settings defaults = Settings::Defaults();
  Settings s = defaults;
  std::string section;
  bool sectionKnown = false;
  std::map<std::string, int> seen;  // "section.key" -> the line that set it
  std::vector<Bound> keysBound, buttonsBound;

  int line = 0;
  while (!text.empty() || line == 0) {
    const auto end = text.find('\n');
    const std::string_view raw = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++line;
    auto warn = [&](const std::string& why, const std::string& kept) {
      warnings.push_back(fileName + ":" + std::to_string(line) + ": " + why + "; " + kept);
    };
    if (raw.empty() || raw[0] == '#' || raw[0] == ';') continue;

    // [section]
    if (raw.front() == '[' && raw.back() == ']') {
      section = std::string(Trim(raw.substr(1, raw.size() - 2)));
      sectionKnown = section == "keys" || section == "audio" || section == "video" || section == "controller";
      if (!sectionKnown) warn("unknown section [" + section + "]", "its lines are skipped");
      continue;
    }
    const auto equals = raw.find('=');
    if (equals == std::string_view::npos) {
      warn("not a [section] or a \"name = value\" line", "the line is skipped");
      continue;
    }
    if (section.empty()) {
      warn("a setting before any [section]", "the line is skipped");
      continue;
    }
    if (!sectionKnown) continue;
    const std::string key(Trim(raw.substr(0, equals)));
    const std::string_view value = Trim(raw.substr(equals + 1));
    const std::string where = "[" + section + "] " + key;
    if (!IsSetting(section, key)) {
      warn("no setting " + where, "the line is skipped");
      continue;
    }
    if (auto [first, fresh] = seen.emplace(section + "." + key, line); !fresh) {
      warn(where + " was already set on line " + std::to_string(first->second), "this line is skipped");
      continue;
    }

    // read the value; a bad one leaves the default
    std::string why, kept;
    if (section == "keys") {
      const size_t i = KeyActionIndex(key);
      kept = key + " keeps its default: " + JoinNames(defaults.keys[i]);
      if (auto n = CheckedNames(value, names.key, "key", why)) {
        s.keys[i] = *n;
        keysBound.push_back({i, line});
      }
    } else if (section == "audio") {
      int& volume = key == "music" ? s.musicVolume : s.effectsVolume;
      kept = key + " keeps its default: " + std::to_string(kMaxVolume);
      if (auto v = Number(value, 0, kMaxVolume)) {
        volume = *v;
      } else {
        why = "a volume is a whole number from 0 to " + std::to_string(kMaxVolume);
      }
    } else if (section == "video") {
      kept = "fullscreen keeps its default: yes";
      if (auto f = Flag(value)) {
        s.fullScreen = *f;
      } else {
        why = "fullscreen is yes or no";
      }
    } else if (key == "dead_zone") {
      kept = "dead_zone keeps its default: " + std::to_string(kDefaultDeadZone);
      if (auto v = Number(value, 0, kMaxDeadZone)) {
        s.deadZone = *v;
      } else {
        why = "the dead zone is a whole number from 0 to " + std::to_string(kMaxDeadZone) + " (percent)";
      }
    } else {
      const size_t i = key == "jump" ? kButtonJump : kButtonQuit;
      kept = key + " keeps its default: " + JoinNames(defaults.buttons[i]);
      if (auto n = CheckedNames(value, names.button, "controller button", why)) {
        s.buttons[i] = *n;
        buttonsBound.push_back({i, line});
      }
    }
    if (!why.empty()) warn(why, kept);
  }

  RefuseSharedNames(s.keys, defaults.keys, keysBound, [](size_t i) { return std::string(kKeyActions[i].name); },
                    fileName, warnings);
  RefuseSharedNames(s.buttons, defaults.buttons, buttonsBound,
                    [](size_t i) { return std::string("the controller's ") + kButtonActionNames[i]; }, fileName,
                    warnings);
  return s;
}

std::string FormatSettings(const Settings& s) {
  std::string out = "# Orvane's settings, written by the launcher's Settings dialog.\n";
  out += "\n[keys]\n# SDL key names; several keys for one action are separated by commas\n";
  for (size_t i = 0; i < kActionCount; ++i) out += std::string(kKeyActions[i].name) + " = " + JoinNames(s.keys[i]) + "\n";
  out += "\n[audio]\n# volumes from 0 (silent) to " + std::to_string(kMaxVolume) + "\n";
  out += "music = " + std::to_string(s.musicVolume) + "\neffects = " + std::to_string(s.effectsVolume) + "\n";
  out += "\n[video]\nfullscreen = " + std::string(s.fullScreen ? "yes" : "no") + "\n";
  out += "\n[controller]\n# dead_zone: percent of the stick's travel it may move without steering\n";
  out += "dead_zone = " + std::to_string(s.deadZone) + "\n";
  for (size_t i = 0; i < kButtonActionCount; ++i) out += std::string(kButtonActionNames[i]) + " = " + JoinNames(s.buttons[i]) + "\n";
  return out;
}

namespace {

// The player's own folder, $XDG_CONFIG_HOME/orvane; empty for a user without a home folder.
std::filesystem::path PlayerFolder() {
  try {
    return ConfigHome() / "orvane";
  } catch (const FatalError&) {
    return {};
  }
}

}  // namespace

std::filesystem::path SettingsFile() {
  const std::filesystem::path folder = PlayerFolder();
  return folder.empty() ? folder : folder / "settings.ini";
}

std::filesystem::path ControllerMappingFile() {
  const std::filesystem::path folder = PlayerFolder();
  return folder.empty() ? folder : folder / "gamecontrollerdb.txt";
}

namespace {

// The file's text: empty when it does not exist; nothing (with the reason in `fault`) when it is not a
// plain file of a settings file's size or cannot be read.
std::optional<std::string> ReadPlainFile(const std::filesystem::path& file, std::string& fault) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::string();
    fault = errno == ELOOP ? "is a link, not a file" : std::strerror(errno);
    return std::nullopt;
  }
  struct stat st {};
  std::string text;
  if (::fstat(fd, &st) != 0) {
    fault = std::strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    fault = "not a regular file";
  } else if (static_cast<size_t>(st.st_size) > kMaxFileBytes) {
    fault = "larger than " + std::to_string(kMaxFileBytes / 1024) + " KiB, not a settings file";
  } else {
    text.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < text.size()) {
      const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) fault = std::strerror(errno);
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    text.resize(got);
  }
  ::close(fd);
  if (!fault.empty()) return std::nullopt;
  return text;
}

}  // namespace

Settings ReadSettings(const std::filesystem::path& file, const SettingsNames& names, std::vector<std::string>& warnings) {
  if (file.empty()) return Settings::Defaults();
  std::string fault;
  const std::optional<std::string> text = ReadPlainFile(file, fault);
  if (!text) {
    warnings.push_back(file.string() + ": " + fault + "; every setting keeps its default");
    return Settings::Defaults();
  }
  return ParseSettings(*text, file.string(), names, warnings);
}

void WriteSettingsFile(const std::filesystem::path& file, const std::string& text) {
  if (file.empty()) Fail("cannot find a home folder to keep the player's settings in");
  MakeFolder(file.parent_path());
  std::string temp = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) Fail(file.string() + ": cannot write (" + std::strerror(errno) + ")");
  ::fchmod(fd, 0644);
  size_t done = 0;
  int error = 0;
  while (done < text.size() && error == 0) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) error = n < 0 ? errno : ENOSPC;
    else done += static_cast<size_t>(n);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), file.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    Fail(file.string() + ": cannot write (" + std::strerror(error) + "); the old file is unchanged");
  }
  // the rename itself reaches the disk with its folder
  if (const int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

std::string WithSetting(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = std::string(key) + " = " + std::string(value) + "\n";
  std::string out;
  bool inSection = false, sectionSeen = false, done = false;
  size_t sectionEnd = std::string::npos;  // where a missing line goes: after the section's last setting
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const std::string_view t = Trim(line);
    if (!t.empty() && t.front() == '[' && t.back() == ']') {
      inSection = Trim(t.substr(1, t.size() - 2)) == section;
      if (inSection) sectionSeen = true;
    } else if (inSection && !done) {
      const auto equals = t.find('=');
      if (equals != std::string_view::npos && Trim(t.substr(0, equals)) == key) {
        out += entry;
        done = true;
        continue;
      }
    }
    out += std::string(line) + "\n";
    if (inSection && !t.empty() && t[0] != '#' && t[0] != ';') sectionEnd = out.size();
  }
  if (done) return out;
  if (sectionSeen) return out.insert(sectionEnd, entry);
  if (!out.empty() && out.back() != '\n') out += "\n";
  return out + (out.empty() ? "" : "\n") + "[" + std::string(section) + "]\n" + entry;
}

void RememberFullScreen(const std::filesystem::path& file, bool fullScreen) {
  if (file.empty()) return;
  // a file that cannot be read is left as it is rather than replaced by one line
  std::string fault;
  const std::optional<std::string> text = ReadPlainFile(file, fault);
  if (!text) Fail(file.string() + ": " + fault + "; the window choice is not remembered");
  WriteSettingsFile(file, WithSetting(*text, "video", "fullscreen", fullScreen ? "yes" : "no"));
}

}  // namespace platform
