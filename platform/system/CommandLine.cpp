#include "platform/system/CommandLine.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

namespace {

constexpr int kBadUsage = 2;

void PrintUsage(std::FILE* to, const std::string& program, const ProgramHelp& help) {
  std::fprintf(to,
               "Usage: %s [--window | --fullscreen] [--verbose]\n"
               "%s\n"
               "\n"
               "Options:\n"
               "  --window      start in a window\n"
               "  --fullscreen  start full screen (the default)\n"
               "  --verbose     say at start-up how the picture reaches the screen\n"
               "  --help        show this help and the keys, then leave\n"
               "  --version     show the version, then leave\n",
               program.c_str(), help.summary);
}

}  // namespace

std::variant<StartOptions, int> ReadCommandLine(int argc, const char* const* argv, const ProgramHelp& help) {
  const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "orvane";
  StartOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--window") {
      options.fullScreen = false;
    } else if (arg == "--fullscreen") {
      options.fullScreen = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--help") {
      PrintUsage(stdout, program, help);
      std::printf("\nKeys:\n%s", help.keys);
      return 0;
    } else if (arg == "--version") {
      std::printf("%s\n", ORVANE_VERSION_LINE);
      return 0;
    } else {
      std::fprintf(stderr, "%s: unknown option '%s'\n", program.c_str(), argv[i]);
      PrintUsage(stderr, program, help);
      return kBadUsage;
    }
  }
  return options;
}

}  // namespace platform
