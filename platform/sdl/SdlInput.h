// Keys from the SDL keyboard state, and game controllers (plugged in at any time) mapped onto the
// same keys: the D-pad is the arrows, the south face button and Start are Control, Back is Escape.
#pragma once

#include <SDL.h>

#include <array>
#include <vector>

#include "platform/input/Input.h"

namespace platform {

class SdlInput final : public Input {
 public:
  SdlInput() = default;
  ~SdlInput() override;
  SdlInput(const SdlInput&) = delete;
  SdlInput& operator=(const SdlInput&) = delete;

  bool KeyDown(Key key) const override;
  // Keys pressed, controllers coming and going.
  void HandleEvent(const SDL_Event& e);
  // A new pump of events begins: keys tapped before it are forgotten once the game has read the keys.
  void BeginPump() {
    if (!read_) return;
    tapped_.fill(false);
    read_ = false;
  }

  // The keyboard scancode of a key (SDL_SCANCODE_UNKNOWN for Key::Count).
  static SDL_Scancode ScancodeOf(Key key);

 private:
  std::vector<SDL_GameController*> controllers_;
  // Keys that went down during the last pump: a tap shorter than a frame still reads as down once.
  std::array<bool, SDL_NUM_SCANCODES> tapped_{};
  mutable bool read_ = false;
};

}  // namespace platform
