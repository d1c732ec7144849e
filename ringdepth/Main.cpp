// Ringdepth: the stand-alone ring demo. Arrows move the view, A and Z go forward and back, a click ends it.
#include "platform/sdl/SdlMain.h"
#include "ringdepth/Ringdepth.h"

int main() {
  return platform::RunSdlProgram("Ringdepth", [](platform::Platform& platform, const std::filesystem::path& folder) {
    orvane::RingdepthForm demo(platform, folder);
    demo.FormLoad();
  });
}
