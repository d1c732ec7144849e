#include "platform/system/CommandLine.h"

#include <getopt.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

namespace {

constexpr int kBadUsage = 2;

// getopt_long answers a long option with this plus its index; below it lie the short options' letters.
constexpr int kFirstLongOption = 256;
// Words that are no option come back in place (code 1), and a missing value is told apart (':').
constexpr char kInOrderMissingValue[] = "-:";
constexpr int kOperand = 1;

// Whether `given` ("--name" or "--name=value") spells the option's whole name.
bool WholeName(std::string_view given, std::string_view name) {
  given.remove_prefix(std::min<size_t>(2, given.size()));
  return given.substr(0, given.find('=')) == name;
}

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

std::optional<OptionFault> ReadOptions(const std::vector<std::string>& args, const std::vector<LongOption>& options,
                                       const std::function<void(const std::string&)>& operand) {
  // getopt_long wants writable words and the names NUL-terminated
  std::vector<std::string> words = args;
  std::vector<char*> argv;
  std::string program = "program";
  argv.push_back(program.data());
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size()) + 1;
  std::vector<std::string> names;
  for (const LongOption& o : options) names.emplace_back(o.name);
  std::vector<option> table;
  for (size_t i = 0; i < options.size(); ++i)
    table.push_back({names[i].c_str(), options[i].takesValue ? required_argument : no_argument, nullptr,
                     kFirstLongOption + static_cast<int>(i)});
  table.push_back({});

  auto takeOperand = [&](const char* word) -> std::optional<OptionFault> {
    if (!operand) return OptionFault{OptionFault::Kind::Unknown, word};
    operand(word);
    return std::nullopt;
  };
  opterr = 0;  // the faults are ours to word
  optind = 0;  // 0, not 1: glibc starts afresh on a new list of words
  for (;;) {
    int index = -1;
    const int c = getopt_long(argc, argv.data(), kInOrderMissingValue, table.data(), &index);
    if (c == -1) break;
    if (c == kOperand) {
      if (auto fault = takeOperand(optarg)) return fault;
      continue;
    }
    if (c == '?' || c == ':') {
      // a short option's letter is all getopt_long tells of it; a long one is the last word read
      const bool letter = optopt > 0 && optopt < kFirstLongOption;
      return OptionFault{c == ':' ? OptionFault::Kind::NeedsValue : OptionFault::Kind::Unknown,
                         letter ? std::string("-") + static_cast<char>(optopt) : std::string(argv[optind - 1])};
    }
    const LongOption& o = options[static_cast<size_t>(c - kFirstLongOption)];
    // the option's own word: the one before its value when that came as a word of its own
    const char* given = optarg && optarg == argv[optind - 1] ? argv[optind - 2] : argv[optind - 1];
    if (!WholeName(given, o.name)) return OptionFault{OptionFault::Kind::Unknown, given};
    o.take(optarg ? optarg : "");
  }
  for (int i = optind; i < argc; ++i)  // the words after "--"
    if (auto fault = takeOperand(argv[i])) return fault;
  return std::nullopt;
}

std::variant<StartOptions, int> ReadCommandLine(int argc, const char* const* argv, const ProgramHelp& help) {
  const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "orvane";
  StartOptions options;
  struct Leave {
    int status;
  };
  const std::vector<LongOption> known = {
      {"window", false, [&](const std::string&) { options.fullScreen = false; }},
      {"fullscreen", false, [&](const std::string&) { options.fullScreen = true; }},
      {"verbose", false, [&](const std::string&) { options.verbose = true; }},
      {"help", false,
       [&](const std::string&) {
         PrintUsage(stdout, program, help);
         std::printf("\nKeys:\n%s", help.keys);
         throw Leave{0};
       }},
      {"version", false,
       [&](const std::string&) {
         std::printf("%s\n", ORVANE_VERSION_LINE);
         throw Leave{0};
       }},
  };
  std::optional<OptionFault> fault;
  try {
    fault = ReadOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), known);
  } catch (const Leave& leave) {
    return leave.status;
  }
  if (fault) {
    std::fprintf(stderr, "%s: unknown option '%s'\n", program.c_str(), fault->arg.c_str());
    PrintUsage(stderr, program, help);
    return kBadUsage;
  }
  return options;
}

}  // namespace platform
