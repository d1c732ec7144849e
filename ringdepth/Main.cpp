// Ringdepth: the stand-alone ring demo. Arrows move the view, A and Z go forward and back, a click ends it.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "platform/sdl/SdlPlatform.h"
#include "ringdepth/Ringdepth.h"

namespace {
std::filesystem::path OwnFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}
}  // namespace

int main() {
  try {
    platform::SdlPlatform sdl;
    orvane::RingdepthForm demo(sdl.Get(), OwnFolder());
    demo.FormLoad();
  } catch (const orvane::RingdepthEnded& end) {
    return end.status;
  } catch (const std::exception& e) {
    // One line naming what failed. No message box: without a window manager it blocks the exit unseen.
    std::fprintf(stderr, "Ringdepth: %s\n", e.what());
    return 1;
  }
  return 0;
}
