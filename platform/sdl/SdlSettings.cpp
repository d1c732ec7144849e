#include "platform/sdl/SdlSettings.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

namespace platform {

namespace {

constexpr uintmax_t kMaxMappingFileBytes = 4 << 20;  // SDL's whole database is under a megabyte
constexpr const char* kThisPlatform = "Linux";

// The comma separates the keys of an action in the file, so the comma key is written "Comma".
constexpr const char* kCommaName = "Comma";

SDL_Keycode KeycodeOf(const std::string& name) {
  if (SDL_strcasecmp(name.c_str(), kCommaName) == 0) return SDLK_COMMA;
  return SDL_GetKeyFromName(name.c_str());
}

}  // namespace

SettingsNames SdlSettingsNames() {
  return {
      [](std::string_view name) -> std::optional<std::string> {
        const SDL_Keycode key = KeycodeOf(std::string(name));
        if (key == SDLK_UNKNOWN) return std::nullopt;
        if (key == SDLK_COMMA) return std::string(kCommaName);
        return std::string(SDL_GetKeyName(key));
      },
      [](std::string_view name) -> std::optional<std::string> {
        const SDL_GameControllerButton b = SDL_GameControllerGetButtonFromString(std::string(name).c_str());
        if (b == SDL_CONTROLLER_BUTTON_INVALID) return std::nullopt;
        return std::string(SDL_GameControllerGetStringForButton(b));
      },
  };
}

Settings LoadPlayerSettings(const char* program) {
  std::vector<std::string> warnings;
  Settings s = ReadSettings(SettingsFile(), SdlSettingsNames(), warnings);
  for (const std::string& w : warnings) std::fprintf(stderr, "%s: warning: %s\n", program, w.c_str());
  return s;
}

void LoadPlayerControllerMappings(const char* program) {
  const std::filesystem::path file = ControllerMappingFile();
  std::error_code ec;
  if (file.empty() || !std::filesystem::exists(file, ec)) return;
  auto warn = [&](const std::string& where, const std::string& why) {
    std::fprintf(stderr, "%s: warning: %s%s: %s\n", program, file.c_str(), where.c_str(), why.c_str());
  };
  const auto size = std::filesystem::file_size(file, ec);
  if (!std::filesystem::is_regular_file(file, ec) || ec || size > kMaxMappingFileBytes) {
    warn("", "not a regular file of controller mappings; none added");
    return;
  }
  std::ifstream in(file);
  std::string line;
  // one mapping a line, as in SDL's own database; lines for other systems are passed over
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto platform = line.find("platform:");
    if (platform != std::string::npos && line.compare(platform + 9, std::strlen(kThisPlatform), kThisPlatform) != 0)
      continue;
    if (SDL_GameControllerAddMapping(line.c_str()) < 0) warn(":" + std::to_string(number), SDL_GetError());
  }
}

std::vector<SDL_Scancode> ScancodesOf(const Names& keys, const Names& defaults) {
  std::vector<SDL_Scancode> out;
  const bool asAlways = keys == defaults;
  for (const std::string& name : keys) {
    SDL_Scancode code = SDL_SCANCODE_UNKNOWN;
    const SDL_Keycode key = KeycodeOf(name);
    if (!asAlways) code = SDL_GetScancodeFromKey(key);
    // the game's own keys, and any key the layout does not have, by position
    if (code == SDL_SCANCODE_UNKNOWN) code = SDL_GetScancodeFromName(SDL_GetKeyName(key));
    if (code != SDL_SCANCODE_UNKNOWN) out.push_back(code);
  }
  return out;
}

}  // namespace platform
