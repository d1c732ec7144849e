// The main of every game program that draws through SDL: the title, the zones and the ring demo.
// It reads the command line, opens the platform, runs the program's form, and turns the way the
// program ended into its exit status: ProgramEnded gives its status, a fault is one line on standard
// error and status 1, --help and --version 0, an unknown option 2 (CommandLine.h).
#pragma once

#include <filesystem>
#include <functional>

#include "platform/Platform.h"
#include "platform/system/CommandLine.h"

namespace platform {

using ProgramBody = std::function<void(Platform& platform, const std::filesystem::path& folder)>;

// `name` heads the fault line ("Orvane: cannot read Data/Title/Owng.bmp: ..."). No message box: where
// no desktop answers it, it would block the exit unseen. The zones ask for `demoPlayback`: then
// ORVANE_DEMO may name a key script to play instead of the keyboard (SdlPlatform.h).
int RunSdlProgram(const char* name, int argc, const char* const* argv, const ProgramHelp& help,
                  const ProgramBody& body, bool demoPlayback = false);

}  // namespace platform
