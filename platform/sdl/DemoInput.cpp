#include "platform/sdl/DemoInput.h"

#include "platform/system/Error.h"
#include "platform/system/Overrides.h"

namespace platform {

DemoInput::DemoInput(KeyScript script, const Input& keyboard, std::function<int64_t()> passes)
    : script_(std::move(script)), keyboard_(keyboard), passes_(std::move(passes)) {}

std::unique_ptr<KeyScript> DemoInput::ScriptFromEnvironment() {
  const std::string path = ReadOverrides().demo;
  if (path.empty()) return nullptr;
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
