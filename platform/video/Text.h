// Text drawn onto a surface in DejaVu Sans at about 12 pixels, on a transparent background: only the
// letters' own pixels change, their soft edges mixed with what lies beneath.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/video/Surface.h"

namespace platform {

// The font every program's text uses.
inline const std::filesystem::path kTextFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kTextSize = 12;

// Draws `text` (UTF-8) with its top-left corner at (x, y) of `dst` in `color`, clipped to the surface.
// The font is opened on first use; a missing or unreadable font is a FatalError naming the file.
void DrawText(Surface& dst, int x, int y, const std::string& text, uint16_t color);

// The same with a font file of the caller's choosing (tests use it to check the failure).
void DrawText(Surface& dst, int x, int y, const std::string& text, uint16_t color, const std::filesystem::path& font);

}  // namespace platform
