#include "platform/sdl/SdlInput.h"

#include <algorithm>

namespace platform {

SdlInput::~SdlInput() {
  for (SDL_GameController* c : controllers_) SDL_GameControllerClose(c);
}

SDL_Scancode SdlInput::ScancodeOf(Key key) {
  const int k = static_cast<int>(key);
  if (key >= Key::A && key <= Key::Z) return static_cast<SDL_Scancode>(SDL_SCANCODE_A + (k - static_cast<int>(Key::A)));
  if (key >= Key::Digit1 && key <= Key::Digit9)
    return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (k - static_cast<int>(Key::Digit1)));
  switch (key) {
    case Key::Escape: return SDL_SCANCODE_ESCAPE;
    case Key::Left: return SDL_SCANCODE_LEFT;
    case Key::Right: return SDL_SCANCODE_RIGHT;
    case Key::Up: return SDL_SCANCODE_UP;
    case Key::Down: return SDL_SCANCODE_DOWN;
    case Key::Control: return SDL_SCANCODE_LCTRL;
    case Key::Digit0: return SDL_SCANCODE_0;
    default: return SDL_SCANCODE_UNKNOWN;
  }
}

bool SdlInput::KeyDown(Key key) const {
  read_ = true;
  const Uint8* keys = SDL_GetKeyboardState(nullptr);
  const SDL_Scancode code = ScancodeOf(key);
  if (code != SDL_SCANCODE_UNKNOWN && (keys[code] || tapped_[code])) return true;
  if (key == Key::Control && (keys[SDL_SCANCODE_RCTRL] || tapped_[SDL_SCANCODE_RCTRL])) return true;

  auto pressed = [this](SDL_GameControllerButton b) {
    return std::any_of(controllers_.begin(), controllers_.end(),
                       [b](SDL_GameController* c) { return SDL_GameControllerGetButton(c, b) != 0; });
  };
  switch (key) {
    case Key::Left: return pressed(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    case Key::Right: return pressed(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    case Key::Up: return pressed(SDL_CONTROLLER_BUTTON_DPAD_UP);
    case Key::Down: return pressed(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    case Key::Control: return pressed(SDL_CONTROLLER_BUTTON_A) || pressed(SDL_CONTROLLER_BUTTON_START);
    case Key::Escape: return pressed(SDL_CONTROLLER_BUTTON_BACK);
    default: return false;
  }
}

void SdlInput::HandleEvent(const SDL_Event& e) {
  if (e.type == SDL_KEYDOWN) {
    if (e.key.keysym.scancode < SDL_NUM_SCANCODES) tapped_[e.key.keysym.scancode] = true;
  } else if (e.type == SDL_CONTROLLERDEVICEADDED) {
    if (SDL_GameController* c = SDL_GameControllerOpen(e.cdevice.which)) {
      if (std::find(controllers_.begin(), controllers_.end(), c) == controllers_.end()) {
        controllers_.push_back(c);
      } else {
        SDL_GameControllerClose(c);  // already open: give back the second reference
      }
    }
  } else if (e.type == SDL_CONTROLLERDEVICEREMOVED) {
    for (auto it = controllers_.begin(); it != controllers_.end(); ++it) {
      if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*it)) == e.cdevice.which) {
        SDL_GameControllerClose(*it);
        controllers_.erase(it);
        break;
      }
    }
  }
}

}  // namespace platform
