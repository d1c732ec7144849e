// The options a person at a shell may give the title, the zone programs and the ring demo. The
// programs start one another with none, so a started program always behaves as it always did.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// One long option: --NAME, or --NAME VALUE (also --NAME=VALUE) when it takes a value.
struct LongOption {
  std::string_view name;  // without the dashes
  bool takesValue;
  std::function<void(const std::string& value)> take;  // value is empty for an option without one
};

// What ends the reading of a command line: an option unknown (or a word that is no option where
// none is wanted), or one given without its value. `arg` is the argument as it was written.
struct OptionFault {
  enum class Kind { Unknown, NeedsValue } kind;
  std::string arg;
};

// Reads `args` (the program's name left out) with getopt_long, in the order written: each option's
// `take`, and `operand` for each word that is no option (every word after "--" is one). Only an
// option's whole name counts, not an abbreviation of it. A fault ends the reading; whatever a
// `take` throws goes to the caller. getopt_long keeps its place in globals: one reading at a time.
std::optional<OptionFault> ReadOptions(const std::vector<std::string>& args, const std::vector<LongOption>& options,
                                       const std::function<void(const std::string&)>& operand = {});

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
