// orvane-icon ICON_DIR: writes the desktop icon as ICON_DIR/hicolor/NxN/apps/orvane.png for every size
// the theme asks for.
#include <cstdio>
#include <exception>
#include <string>

#include "assets/art/Icon.h"
#include "assets/common/Files.h"
#include "platform/video/Png.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: orvane-icon ICON_DIR\n");
    return 2;
  }
  try {
    for (const int size : assets::art::kIconSizes) {
      const std::string name = std::to_string(size) + "x" + std::to_string(size);
      assets::WriteFileIfChanged(std::filesystem::path(argv[1]) / "hicolor" / name / "apps" / "orvane.png",
                                 platform::EncodePng(size, size, 4, assets::art::GameIcon(size)));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane-icon: %s\n", e.what());
    return 1;
  }
  return 0;
}
