#include "platform/sdl/SdlSettings.h"

#include <cstdio>
#include <system_error>

namespace platform {

SettingsNames SdlSettingsNames() {
  return {
      [](std::string_view name) -> std::optional<std::string> {
        const SDL_Keycode key = SDL_GetKeyFromName(std::string(name).c_str());
        if (key == SDLK_UNKNOWN) return std::nullopt;
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
  if (!std::filesystem::is_regular_file(file, ec)) {
    std::fprintf(stderr, "%s: warning: %s: not a regular file; no controller mappings added\n", program, file.c_str());
    return;
  }
  if (SDL_GameControllerAddMappingsFromFile(file.c_str()) < 0) {
    std::fprintf(stderr, "%s: warning: %s: %s; no controller mappings added\n", program, file.c_str(), SDL_GetError());
  }
}

std::vector<SDL_Scancode> ScancodesOf(const Names& keys, const Names& defaults) {
  std::vector<SDL_Scancode> out;
  const bool asAlways = keys == defaults;
  for (const std::string& name : keys) {
    SDL_Scancode code = SDL_SCANCODE_UNKNOWN;
    if (!asAlways) code = SDL_GetScancodeFromKey(SDL_GetKeyFromName(name.c_str()));
    // the game's own keys, and any key the layout does not have, by position
    if (code == SDL_SCANCODE_UNKNOWN) code = SDL_GetScancodeFromName(name.c_str());
    if (code != SDL_SCANCODE_UNKNOWN) out.push_back(code);
  }
  return out;
}

}  // namespace platform
