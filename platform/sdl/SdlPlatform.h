// The real backend: one SDL window (full screen on the desktop unless the options ask for a window,
// the picture letterboxed at the largest integer scale, Alt+Enter switches), SDL keyboard and game
// controller, sound through SDL, the real clock, random seeded from the clock, programs started with
// fork and exec. A zone program asks for demo playback: then ORVANE_DEMO, when set, names a key
// script that plays instead of the keyboard, on a frame-counting clock and a seeded generator
// (DemoInput.h).
#pragma once

#include <memory>

#include "platform/Platform.h"
#include "platform/system/CommandLine.h"

namespace platform {

class SdlPlatform {
 public:
  explicit SdlPlatform(const StartOptions& options = {}, bool demoPlayback = false);
  ~SdlPlatform();
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;
  Platform& Get();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
