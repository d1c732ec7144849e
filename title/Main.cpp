// Orvane: the title sequence and the choice of character; S or T starts the launcher.
#include "platform/sdl/SdlMain.h"
#include "title/Title.h"

namespace {

constexpr platform::ProgramHelp kHelp{
    "Orvane, a platform game: choose Zinto or Kubo, then the launcher starts the next zone.",
    "  S           play as Zinto\n"
    "  T           play as Kubo\n"
    "  1           wave the logo again; 2 and 3 change the length of its wave\n"
    "  Escape      quit (so does a click)\n"
    "  Alt+Enter   switch between a window and full screen\n"};

}  // namespace

int main(int argc, char** argv) {
  return platform::RunSdlProgram("Orvane", argc, argv, kHelp, [](platform::Platform& platform, const std::filesystem::path& folder) {
    orvane::Title title(platform, folder);
    title.FormLoad();
  });
}
