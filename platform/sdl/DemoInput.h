// Demo playback: a recorded run played in the real window. When ORVANE_DEMO names a key script
// (the text form of platform/input/KeyScript.h), a zone program takes the keys of each pass from
// the script instead of the keyboard; Escape still comes from the keyboard (and from the script), so
// the player can always leave, and closing the window still ends the program. While a demo plays,
// the clock counts frames and the random generator starts from seed 1 and is never re-seeded from
// the timer (platform/system/Repeatable.h), so the replay shows what zonesim shows for the script.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/input/KeyScript.h"
#include "platform/input/Input.h"

namespace platform {

class DemoInput final : public Input {
 public:
  // `passes` tells how many passes of the main loop have been shown (frames flipped): the keys read
  // now belong to pass passes() + 1, as zonesim's frame numbers count.
  DemoInput(KeyScript script, const Input& keyboard, std::function<int64_t()> passes);
  // The script ORVANE_DEMO names, or nothing when it is not set. A file that cannot be read or
  // parsed is a fault naming it.
  static std::unique_ptr<KeyScript> ScriptFromEnvironment();

  bool KeyDown(Key key) const override;

 private:
  KeyScript script_;
  const Input& keyboard_;
  std::function<int64_t()> passes_;
};

}  // namespace platform
