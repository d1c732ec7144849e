// Waiting out a lost display: while the window is minimised (or unfocused in full screen) a program
// keeps handling its window events, so a click or a close still ends it, and rests between polls
// so that a minimised game leaves the processor alone.
#pragma once

#include <chrono>
#include <thread>

#include "platform/video/Display.h"

namespace platform {

inline constexpr auto kLostDisplayPoll = std::chrono::milliseconds(10);

// Calls `handleEvents` while the display is lost and once more when it is back. True when it had
// been lost, so that the caller rebuilds its surfaces.
template <class HandleEvents>
bool WaitWhileDisplayLost(Display& display, HandleEvents&& handleEvents) {
  bool lost = false;
  while (!display.ExclusiveHeld()) {
    handleEvents();
    lost = true;
    std::this_thread::sleep_for(kLostDisplayPoll);
  }
  handleEvents();
  return lost;
}

}  // namespace platform
