#include "platform/system/Overrides.h"

#include <cstdlib>

namespace platform {

namespace {
std::string Value(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}
bool Set(const char* name) { return std::getenv(name) != nullptr; }
}  // namespace

Overrides ReadOverrides() {
  Overrides o;
  o.present = Value("ORVANE_PRESENT");
  o.verbose = Set("ORVANE_VERBOSE");
  o.frameTimes = Set("ORVANE_FRAME_TIMES");
  o.frameLog = Value("ORVANE_FRAME_LOG");
  o.demo = Value("ORVANE_DEMO");
  o.uiLog = Value("ORVANE_UI_LOG");
  return o;
}

}  // namespace platform
