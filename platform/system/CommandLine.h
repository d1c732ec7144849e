// The options a person at a shell may give the title, the zone programs and the ring demo. The
// programs start one another with none, so a started program always behaves as it always did.
#pragma once

#include <optional>
#include <variant>

namespace platform {

// How the program starts.
struct StartOptions {
  // --window starts in a window, --fullscreen full screen; with neither the player's settings decide
  std::optional<bool> fullScreen;
  bool verbose = false;  // --verbose: a start-up line says how the picture reaches the screen
};

// What --help tells about one program.
struct ProgramHelp {
  const char* summary;  // one line: what the program is
  const char* keys;     // lines of "  KEY   what it does"
};

// Reads the command line. --help prints the usage and the keys, --version the version, both to
// standard output, and answer exit status 0; an unknown option prints the usage to standard error
// and answers 2. Otherwise the options to start with (the last of --window and --fullscreen wins).
std::variant<StartOptions, int> ReadCommandLine(int argc, const char* const* argv, const ProgramHelp& help);

}  // namespace platform
