// orvane-icon ICON_DIR: writes the desktop icon as ICON_DIR/hicolor/NxN/apps/orvane.png for every size
// the theme asks for.
#include <string>

#include "assets/art/Icon.h"
#include "assets/common/Files.h"
#include "platform/video/Png.h"
#include "tools/common/CommandLine.h"

namespace {

constexpr orvane::tools::ToolUsage kUsage = {"orvane-icon",
    "usage: orvane-icon ICON_DIR\n"
    "Writes the desktop icon as ICON_DIR/hicolor/NxN/apps/orvane.png for every size the theme asks for.\n"};

}  // namespace

int main(int argc, char** argv) {
  return orvane::tools::RunOnLoneOperand(kUsage, "ICON_DIR", argc, argv, [](const std::filesystem::path& folder) {
    for (const int size : assets::art::kIconSizes) {
      const std::string name = std::to_string(size) + "x" + std::to_string(size);
      assets::WriteFileIfChanged(folder / "hicolor" / name / "apps" / "orvane.png",
                                 platform::EncodePng(size, size, 4, assets::art::GameIcon(size)));
    }
  });
}
