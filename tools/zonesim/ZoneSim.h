// zonesim: one zone program's engine run headless, printing its state as JSON lines.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace platform {
struct RecordedEvent;
}

namespace orvane {

// Runs zonesim with the command-line arguments (without the program name), printing to `out` and
// reporting faults on `err`. Returns the exit status: 0 done or ended, 1 a data fault, 2 bad usage.
int RunZoneSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The JSON line zonesim prints for an event of the headless platform in `frame`.
std::string EventLine(long frame, const platform::RecordedEvent& e);

}  // namespace orvane
