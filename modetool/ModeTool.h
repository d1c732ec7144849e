// The display-mode tool's one decision: the resolution written into Data/Orvane.cfg below its folder
// (or the user's own copy of a read-only installation's, UserFiles.h),
// as a 16-bit value at offset 2 (offset 3, the high byte, becomes 0). The file is opened for each
// press and closed again.
#pragma once

#include <cstdint>
#include <filesystem>

namespace orvane {

// Writes the display mode (0 = 320x240, 1 = 640x480). A file that cannot be opened or written is a
// FatalError naming it.
void WriteDisplayMode(const std::filesystem::path& ownFolder, int16_t mode);

// "320x240" writes 0 and ends the tool; "640x480" writes 1 and leaves the window open.
struct ModeButton {
  const char* text;
  int16_t mode;
  bool endsTool;
};
inline constexpr ModeButton kCommand1{"320x240", 0, true};
inline constexpr ModeButton kCommand2{"640x480", 1, false};

inline constexpr const char* kModeToolCaption = "Orvane Config Program";
inline constexpr const char* kModeToolPrompt = "Choose the resolution you want";

}  // namespace orvane
