// Waiting out a lost display: while the window is minimised (or unfocused in full screen) a program
// keeps handling its window events, so that a click or a close still ends it. The real display rests
// between its polls (ExclusiveHeld), so a minimised game leaves the processor alone.
#pragma once

#include "platform/video/Display.h"

namespace platform {

// Calls `handleEvents` while the display is lost and once more when it is back. True when it had
// been lost, so that the caller rebuilds its surfaces.
template <class HandleEvents>
bool WaitWhileDisplayLost(Display& display, HandleEvents&& handleEvents) {
  bool lost = false;
  while (!display.ExclusiveHeld()) {
    handleEvents();
    lost = true;
  }
  handleEvents();
  return lost;
}

}  // namespace platform
