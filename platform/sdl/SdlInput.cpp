#include "platform/sdl/SdlInput.h"

#include <algorithm>

#include "platform/sdl/SdlSettings.h"

namespace platform {

namespace {

constexpr int kAxisTravel = 32767;  // SDL's axis range is -32768 to 32767

std::vector<SDL_GameControllerButton> ButtonsOf(const Names& names) {
  std::vector<SDL_GameControllerButton> out;
  for (const std::string& n : names) {
    const SDL_GameControllerButton b = SDL_GameControllerGetButtonFromString(n.c_str());
    if (b != SDL_CONTROLLER_BUTTON_INVALID) out.push_back(b);
  }
  return out;
}

}  // namespace

SdlInput::SdlInput() { Configure(Settings::Defaults()); }

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

void SdlInput::Configure(const Settings& settings) {
  // keys no action names keep their own key
  for (size_t k = 0; k < kKeyCount; ++k) scancodes_[k] = {ScancodeOf(static_cast<Key>(k))};
  const Settings defaults = Settings::Defaults();
  for (size_t i = 0; i < kActionCount; ++i)
    scancodes_[static_cast<size_t>(kKeyActions[i].key)] = ScancodesOf(settings.keys[i], defaults.keys[i]);
  jumpButtons_ = ButtonsOf(settings.buttons[kButtonJump]);
  quitButtons_ = ButtonsOf(settings.buttons[kButtonQuit]);
  deadZone_ = settings.deadZone * kAxisTravel / 100;
}

bool SdlInput::ControllerButton(SDL_GameControllerButton b) const {
  return std::any_of(controllers_.begin(), controllers_.end(),
                     [b](SDL_GameController* c) { return SDL_GameControllerGetButton(c, b) != 0; });
}

bool SdlInput::StickPast(SDL_GameControllerAxis axis, int direction) const {
  return std::any_of(controllers_.begin(), controllers_.end(), [&](SDL_GameController* c) {
    return direction * static_cast<int>(SDL_GameControllerGetAxis(c, axis)) > deadZone_;
  });
}

bool SdlInput::KeyDown(Key key) const {
  read_ = true;
  if (key >= Key::Count) return false;
  const Uint8* keys = SDL_GetKeyboardState(nullptr);
  for (const SDL_Scancode code : scancodes_[static_cast<size_t>(key)]) {
    if (code != SDL_SCANCODE_UNKNOWN && (keys[code] || tapped_[code])) return true;
  }
  if (controllers_.empty()) return false;

  auto anyOf = [this](const std::vector<SDL_GameControllerButton>& buttons) {
    return std::any_of(buttons.begin(), buttons.end(), [this](SDL_GameControllerButton b) { return ControllerButton(b); });
  };
  switch (key) {
    case Key::Left: return ControllerButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || StickPast(SDL_CONTROLLER_AXIS_LEFTX, -1);
    case Key::Right: return ControllerButton(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || StickPast(SDL_CONTROLLER_AXIS_LEFTX, 1);
    case Key::Up: return ControllerButton(SDL_CONTROLLER_BUTTON_DPAD_UP) || StickPast(SDL_CONTROLLER_AXIS_LEFTY, -1);
    case Key::Down: return ControllerButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || StickPast(SDL_CONTROLLER_AXIS_LEFTY, 1);
    case Key::Control: return anyOf(jumpButtons_);
    case Key::Escape: return anyOf(quitButtons_);
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
