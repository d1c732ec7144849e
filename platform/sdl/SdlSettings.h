// The player's settings as SDL reads them: key names are SDL's key names, controller buttons SDL's
// button names ("a", "start", "back", "leftshoulder", ...).
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/settings/Settings.h"

namespace platform {

SettingsNames SdlSettingsNames();

// The player's settings file, each warning printed as one line "PROGRAM: warning: ...".
Settings LoadPlayerSettings(const char* program);

// The player's own controller mappings (SDL's database format), added to SDL's; a file that SDL
// cannot read is one warning. Call after SDL's controller subsystem is up.
void LoadPlayerControllerMappings(const char* program);

// The keyboard keys that play an action. Keys the game has always had stay the same physical keys,
// whatever the layout; keys the player chose are found by their name on the current layout.
std::vector<SDL_Scancode> ScancodesOf(const Names& keys, const Names& defaults);

}  // namespace platform
