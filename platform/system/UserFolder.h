// The player's own folder: $XDG_CONFIG_HOME/orvane/ (~/.config/orvane/ when unset), where each user's
// settings live whatever the installation. Finding it creates nothing; only a program that writes
// there makes the folder.
#pragma once

#include <filesystem>

namespace platform {

// The folder's path, not created. An XDG_CONFIG_HOME that is not absolute is ignored, as the desktop
// rules ask. Empty when neither it nor a home folder can be found.
std::filesystem::path UserFolder();

// Creates the folder (and its parents) for a write; a FatalError naming it when that fails.
void CreateUserFolder(const std::filesystem::path& folder);

}  // namespace platform
