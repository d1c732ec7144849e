// settings.ini of any content: it reads without fault; every warning names the file and a line;
// no key or button plays two actions; the volumes and the dead zone stay in range; what the
// dialog would write reads back the same without a warning; and Alt+Enter's one-line change is
// what a fresh reading finds, whatever else the file holds.
#include <set>
#include <string>

#include "platform/sdl/SdlSettings.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace platform;
  static const SettingsNames names = SdlSettingsNames();
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> warnings;
  const Settings s = ParseSettings(text, "settings.ini", names, warnings);
  for (const std::string& w : warnings)
    if (w.rfind("settings.ini:", 0) != 0) orvane::fuzz::Broken("a warning names no line: " + w);

  auto distinct = [](const auto& lists, const char* what) {
    std::set<std::string> seen;
    for (const Names& l : lists)
      for (const std::string& n : l)
        if (!seen.insert(n).second) orvane::fuzz::Broken(std::string(what) + " " + n + " plays two actions");
  };
  distinct(s.keys, "key");
  distinct(s.buttons, "button");
  if (s.musicVolume < 0 || s.musicVolume > kMaxVolume || s.effectsVolume < 0 || s.effectsVolume > kMaxVolume ||
      s.deadZone < 0 || s.deadZone > kMaxDeadZone)
    orvane::fuzz::Broken("a number out of range");

  std::vector<std::string> again;
  if (ParseSettings(FormatSettings(s), "settings.ini", names, again) != s || !again.empty())
    orvane::fuzz::Broken("what the dialog writes does not read back the same");

  for (const bool full : {false, true}) {
    again.clear();
    if (ParseSettings(WithSetting(text, "video", "fullscreen", full ? "yes" : "no"), "settings.ini", names, again)
            .fullScreen != full)
      orvane::fuzz::Broken("Alt+Enter's line is not what the file says afterwards");
  }
  return 0;
}
