// The real backend: one SDL window (full screen on the desktop unless the options or the player's
// settings ask for a window, the picture letterboxed at the largest integer scale, Alt+Enter
// switches), SDL keyboard and game controller, sound through SDL, the real clock, random seeded from
// the clock, programs started with fork and exec. The player's settings file (platform/settings)
// chooses the keys, the controller's buttons and dead zone, the two volumes and full screen or a
// window; Alt+Enter's choice is written back, and --window or --fullscreen wins over the file. A
// zone program asks for demo playback: then ORVANE_DEMO, when set, names a key script that plays
// instead of the keyboard, on a frame-counting clock and a seeded generator (DemoInput.h).
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
