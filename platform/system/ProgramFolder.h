// Where the running program lies: every program finds its data beside itself, wherever the
// installation was put and whatever the working folder.
#pragma once

#include <filesystem>

namespace platform {

// The folder of the running executable; the working folder if the system cannot tell.
std::filesystem::path ProgramFolder();

}  // namespace platform
