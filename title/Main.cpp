// Orvane: the title sequence and the choice of character; S or T starts the launcher.
#include "platform/sdl/SdlMain.h"
#include "title/Title.h"

int main() {
  return platform::RunSdlProgram("Orvane", [](platform::Platform& platform, const std::filesystem::path& folder) {
    orvane::Title title(platform, folder);
    title.FormLoad();
  });
}
