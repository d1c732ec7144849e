// The presenter: the program's window with its back buffer, the flip, the loss of the display and the
// window's events. The real backend is an SDL window; the headless one keeps the last frame in memory.
#pragma once

#include <string>

#include "platform/video/Surface.h"

namespace platform {

struct WindowEvents {
  bool clicked = false;  // a mouse click on the window
  bool closed = false;   // the window was closed (counts as Escape)
};

class Display {
 public:
  virtual ~Display() = default;
  // Shows the window with its caption.
  virtual void Open(const std::string& caption) = 0;
  // Takes the full-screen display with a back buffer of width x height (320x240 or 640x480).
  virtual void SetDisplayMode(int width, int height) = 0;
  // Gives the desktop back (window mode, normal cooperation).
  virtual void RestoreDisplayMode() = 0;
  // The back buffer of the flip chain; 320x240 until a display mode is set.
  virtual Surface& BackBuffer() = 0;
  // Presents the back buffer and waits for the next tick of the fixed 60 Hz frame clock.
  virtual void Flip() = 0;
  // True while the display is held: false while the window is minimised, or unfocused in full screen.
  virtual bool ExclusiveHeld() = 0;
  // Handles pending window events; reports clicks and closing since the last call.
  virtual WindowEvents PumpEvents() = 0;
};

}  // namespace platform
