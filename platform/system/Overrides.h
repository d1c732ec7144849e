// The environment variables that change how a program runs, for developers and the end-to-end
// tests. Each is read here and nowhere else; README.md lists them. An empty value is as if unset,
// except where a variable counts by being set at all.
#pragma once

#include <string>

namespace platform {

struct Overrides {
  // ORVANE_PRESENT: how the picture reaches the screen, "renderer", "renderer-lock" (the renderer,
  // its texture locked and written instead of updated) or "scaler" (our own); else chosen by machine.
  std::string present;
  // ORVANE_VERBOSE, when set: say at start-up how the picture reaches the screen, as --verbose does.
  bool verbose = false;
  // ORVANE_FRAME_TIMES, when set: the frames' processor and wall times every 120 frames.
  bool frameTimes = false;
  // ORVANE_FRAME_LOG=FILE: a line per shown frame (its number, the time, its picture's hash).
  std::string frameLog;
  // ORVANE_DEMO=FILE: a zone program plays this key script instead of the keyboard.
  std::string demo;
  // ORVANE_UI_LOG=FILE: the desktop windows append their controls' texts and places.
  std::string uiLog;
};

// The overrides as the environment has them now.
Overrides ReadOverrides();

}  // namespace platform
