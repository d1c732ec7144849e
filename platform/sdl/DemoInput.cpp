#include "platform/sdl/DemoInput.h"

#include <cstdlib>

#include "platform/system/Error.h"

namespace platform {

DemoInput::DemoInput(KeyScript script, const Input& keyboard, std::function<int64_t()> passes)
    : script_(std::move(script)), keyboard_(keyboard), passes_(std::move(passes)) {}

std::unique_ptr<KeyScript> DemoInput::ScriptFromEnvironment() {
  const char* path = std::getenv("ORVANE_DEMO");
  if (!path || !*path) return nullptr;
  try {
    return std::make_unique<KeyScript>(KeyScript::Load(path));
  } catch (const KeyScriptError& e) {
    Fail(std::string("demo ") + e.what());
  }
}

bool DemoInput::KeyDown(Key key) const {
  const bool scripted = script_.Holds(static_cast<long>(passes_() + 1), key);
  if (key == Key::Escape) return scripted || keyboard_.KeyDown(Key::Escape);
  return scripted;
}

}  // namespace platform
