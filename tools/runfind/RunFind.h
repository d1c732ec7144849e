// runfind: searches for a key script that plays an act to its end, through the headless engine.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane {

// Runs runfind with the command-line arguments (without the program name). Returns 0 when a run
// was found (and checked by replaying it), 1 when none was found or the data could not be read,
// 2 for bad usage.
int RunRunFind(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane
