// Writing a surface as a PNG file (for screenshots of headless runs and tools).
#pragma once

#include <filesystem>

#include "platform/video/Surface.h"

namespace platform {

// Writes `surface` as an 8-bit RGB PNG; a FatalError names the file when it cannot be written.
void WritePng(const Surface& surface, const std::filesystem::path& path);

}  // namespace platform
