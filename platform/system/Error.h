// The one error report of every program: a fatal fault names what failed (file, call) in one line.
// It is thrown as FatalError and caught by main, which prints it on standard error and exits with
// status 1; tests catch it like any exception. The game programs show no message box (SdlMain.h says
// why); the desktop windows of Save and Modepick also show it in a dialog while their window is up.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

struct FatalError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Thrown when a program ends of its own accord (Escape, a finished zone, a click on the demo): nothing
// after it runs; it unwinds to main, which returns `status`.
struct ProgramEnded {
  int status = 0;
};

[[noreturn]] inline void Fail(const std::string& message) { throw FatalError(message); }

}  // namespace platform
