// What the developer tools share on their command lines: the options read with getopt_long (the same
// reader as the game's programs), --help, the usage fault, the reading of numbers. --help prints the
// tool's usage and ends it with status 0; a usage fault is one line (the whole usage after it for an
// unknown option, as the game's programs do) and ends the tool with status 2.
#pragma once

#include <algorithm>
#include <charconv>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/system/CommandLine.h"

namespace orvane::tools {

constexpr int kBadUsage = 2;

struct UsageError {
  enum class Then { Nothing, UsageLine, Usage };
  std::string message;
  Then then = Then::Nothing;  // what follows the line: the usage's first line, or all of it
};

// What a tool says of itself: its name and its usage (the "usage: ..." line, what it does, its
// options), the text --help prints.
struct ToolUsage {
  const char* tool;
  const char* text;
};

using platform::LongOption;

// The whole of `s` as a number of type T; anything else is a usage fault naming `what`.
template <class T>
T ParseNumber(const std::string& s, const std::string& what) {
  T v{};
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) throw UsageError{"bad " + what + ": " + s};
  return v;
}

inline long ParseLong(const std::string& s, const std::string& what) { return ParseNumber<long>(s, what); }
inline double ParseDouble(const std::string& s, const std::string& what) { return ParseNumber<double>(s, what); }

// Thrown by --help: the tool prints its usage and goes no further.
struct HelpAsked {};

// Reads a tool's options and --help. A word that is no option goes to `operand`; without one it is
// an unknown option.
inline void ReadOptions(const std::vector<std::string>& args, std::vector<LongOption> options,
                        const std::function<void(const std::string&)>& operand = {}) {
  options.push_back({"help", false, [](const std::string&) { throw HelpAsked{}; }});
  const auto fault = platform::ReadOptions(args, options, operand);
  if (!fault) return;
  if (fault->kind == platform::OptionFault::Kind::NeedsValue) throw UsageError{fault->arg + " needs a value"};
  throw UsageError{"unknown option: " + fault->arg, UsageError::Then::Usage};
}

// The words after the options, exactly `names` of them (such as MAP and ITM); otherwise a usage fault.
inline void CheckOperands(const std::vector<std::string>& operands, const std::vector<std::string>& names) {
  if (operands.size() < names.size())
    throw UsageError{names[operands.size()] + " is missing", UsageError::Then::UsageLine};
  if (operands.size() > names.size())
    throw UsageError{"unexpected argument: " + operands[names.size()], UsageError::Then::UsageLine};
}

// Runs `read`, a tool's reading of its command line, and answers the status to leave with when the
// tool goes no further: 0 after --help (the usage on `out`), 2 after a usage fault (on `err`).
inline std::optional<int> TakeCommandLine(const ToolUsage& usage, std::ostream& out, std::ostream& err,
                                          const std::function<void()>& read) {
  try {
    read();
  } catch (const HelpAsked&) {
    out << usage.text;
    return 0;
  } catch (const UsageError& e) {
    err << usage.tool << ": " << e.message << "\n";
    const std::string_view text = usage.text;
    if (e.then == UsageError::Then::UsageLine) err << text.substr(0, text.find('\n') + 1);
    if (e.then == UsageError::Then::Usage) err << text;
    return kBadUsage;
  }
  return std::nullopt;
}

// The whole run of a tool that takes one word called `name` (a folder to write) and no option but
// --help: `body` gets the folder; a fault it throws is one line on standard error and status 1.
inline int RunOnLoneOperand(const ToolUsage& usage, const std::string& name, int argc, const char* const* argv,
                            const std::function<void(const std::filesystem::path&)>& body) {
  std::vector<std::string> words;
  const auto status = TakeCommandLine(usage, std::cout, std::cerr, [&] {
    ReadOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), {},
                [&](const std::string& word) { words.push_back(word); });
    CheckOperands(words, {name});
  });
  if (status) return *status;
  try {
    body(words[0]);
  } catch (const std::exception& e) {
    std::cerr << usage.tool << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace orvane::tools
