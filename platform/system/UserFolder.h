// The folders a program may write for the person running it, found the freedesktop way: a
// system-wide installation is read-only, and every user keeps their own files.
#pragma once

#include <filesystem>

namespace platform {

// $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or not an absolute path (the convention
// says to ignore a relative one). HOME comes from the environment, else from the password database;
// a user with neither is a FatalError. Nothing is created.
std::filesystem::path ConfigHome();

// Creates `folder` and any missing parents, private to the user (mode 0700). An existing folder,
// or a link to one, is fine; anything else there, or a folder that cannot be made, is a FatalError
// naming it and the reason.
void MakeFolder(const std::filesystem::path& folder);

// False only when the user is refused writing in `folder` (permissions or a read-only file system).
// A missing folder counts as writable: the attempt to use it reports the real fault.
bool MayWriteIn(const std::filesystem::path& folder);

}  // namespace platform
