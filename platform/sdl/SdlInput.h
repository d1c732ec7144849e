// Keys from the SDL keyboard state, and game controllers (plugged in at any time) mapped onto the
// same keys. Which keyboard keys play each action comes from the player's settings; on a controller
// the D-pad, and the left stick pushed past its dead zone, are the arrows; the jump buttons (the
// south face button and Start unless set otherwise) are Control, the quit button (Back) is Escape.
#pragma once

#include <SDL.h>

#include <array>
#include <vector>

#include "platform/input/Input.h"
#include "platform/settings/Settings.h"

namespace platform {

class SdlInput final : public Input {
 public:
  // The keys and buttons the game has always had.
  SdlInput();
  ~SdlInput() override;
  SdlInput(const SdlInput&) = delete;
  SdlInput& operator=(const SdlInput&) = delete;

  // The keys, buttons and dead zone of `settings`.
  void Configure(const Settings& settings);

  bool KeyDown(Key key) const override;
  // Keys pressed, controllers coming and going.
  void HandleEvent(const SDL_Event& e);
  // A new pump of events begins: keys tapped before it are forgotten once the game has read the keys.
  void BeginPump() {
    if (!read_) return;
    tapped_.fill(false);
    read_ = false;
  }

  // The keyboard scancode the game has always read for a key (SDL_SCANCODE_UNKNOWN for Key::Count).
  static SDL_Scancode ScancodeOf(Key key);

 private:
  bool ControllerButton(SDL_GameControllerButton b) const;
  bool StickPast(SDL_GameControllerAxis axis, int direction) const;

  static constexpr size_t kKeyCount = static_cast<size_t>(Key::Count);
  std::array<std::vector<SDL_Scancode>, kKeyCount> scancodes_;
  std::vector<SDL_GameControllerButton> jumpButtons_, quitButtons_;
  int deadZone_ = 0;  // axis value a stick must pass to steer

  std::vector<SDL_GameController*> controllers_;
  // Keys that went down during the last pump: a tap shorter than a frame still reads as down once.
  std::array<bool, SDL_NUM_SCANCODES> tapped_{};
  mutable bool read_ = false;
};

}  // namespace platform
