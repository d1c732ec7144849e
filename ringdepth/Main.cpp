// Ringdepth: the stand-alone ring demo. Arrows move the view, A and Z go forward and back, a click ends it.
#include "platform/sdl/SdlMain.h"
#include "ringdepth/Ringdepth.h"

namespace {

constexpr platform::ProgramHelp kHelp{
    "Ringdepth, Orvane's pseudo-3D ring demo.",
    "  Arrows      move the view\n"
    "  A, Z        go forward, go back\n"
    "  a click     quit\n"
    "  Alt+Enter   switch between a window and full screen\n"};

}  // namespace

int main(int argc, char** argv) {
  return platform::RunSdlProgram("Ringdepth", argc, argv, kHelp, [](platform::Platform& platform, const std::filesystem::path& folder) {
    orvane::RingdepthForm demo(platform, folder);
    demo.FormLoad();
  });
}
