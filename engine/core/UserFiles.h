// Where a player's own files lie. A developer's build/game or an installation of one's own keeps the
// configuration file in its Data folder, as the programs always did. A system-wide installation,
// which the player cannot write, leaves it to each user: $XDG_CONFIG_HOME/orvane/Orvane.cfg
// (~/.config/orvane/), with the same bytes at the same offsets and the same writes.
#pragma once

#include <filesystem>

namespace orvane {

// $XDG_CONFIG_HOME/orvane (~/.config/orvane when unset), created private to the user when missing.
// A folder that cannot be made is a FatalError naming it.
std::filesystem::path UserFolder();

// The configuration file for the installation whose Data folder is `dataFolder`: Orvane.cfg in it
// when the user may write there, else the user's own copy (UserConfigFile).
std::filesystem::path ConfigFilePath(const std::filesystem::path& dataFolder);

// The user's Orvane.cfg. A user who has none yet starts from a copy of the installation's file, when
// there is one; the copy appears whole or not at all, and a copy that cannot be made (a full disk, an
// unreadable file) is a FatalError naming the file.
std::filesystem::path UserConfigFile(const std::filesystem::path& dataFolder);

}  // namespace orvane
