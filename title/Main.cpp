// Orvane: the title sequence and the choice of character; S or T starts the launcher.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "platform/sdl/SdlPlatform.h"
#include "title/Title.h"

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
    orvane::Title title(sdl.Get(), OwnFolder());
    title.FormLoad();
  } catch (const orvane::TitleEnded& end) {
    return end.status;
  } catch (const std::exception& e) {
    // One line naming what failed. No message box: without a window manager it blocks the exit unseen.
    std::fprintf(stderr, "Orvane: %s\n", e.what());
    return 1;
  }
  return 0;
}
