// Writing a surface as a PNG file (for screenshots of headless runs and tools), and encoding raw
// pixels as PNG (the desktop icons).
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/video/Surface.h"

namespace platform {

// Writes `surface` as an 8-bit RGB PNG; a FatalError names the file when it cannot be written.
void WritePng(const Surface& surface, const std::filesystem::path& path);

// The PNG file of a width x height picture of 8-bit samples, `channels` per pixel (3 RGB, 4 RGBA),
// rows top to bottom.
std::vector<uint8_t> EncodePng(int width, int height, int channels, const std::vector<uint8_t>& pixels);

}  // namespace platform
