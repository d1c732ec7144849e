// A key pressed in a GTK window, named as the settings file names keys (SDL's key names), so that
// the key a player presses in the launcher's dialog is the key the game reads.
#pragma once

#include <optional>
#include <string>

namespace orvane {

// The SDL name of the GDK key value `keyval`, or nothing for a key the game cannot tell apart.
std::optional<std::string> SdlKeyNameOf(unsigned keyval);

}  // namespace orvane
