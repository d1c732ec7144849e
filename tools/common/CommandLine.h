// What the developer tools share on their command lines: the usage fault, the reading of numbers,
// and the word after an option. A usage fault is printed as one line and ends the tool with status 2.
#pragma once

#include <charconv>
#include <string>
#include <system_error>
#include <vector>

namespace orvane::tools {

struct UsageError {
  std::string message;
};

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

// The value after the option at args[i]; moves i onto it.
inline const std::string& OptionValue(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{args[i] + " needs a value"};
  return args[++i];
}

}  // namespace orvane::tools
