// Decoding .bmp files, for the game's sheets and the launcher's status pictures alike: uncompressed
// pictures of 1, 4, 8, 16, 24 or 32 bits per pixel, rows bottom-up or top-down, with a palette or with
// bit-field masks in any channel order. Only the header and the pixel rows are read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace platform {

struct RgbImage {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, rows top-down
};

// The largest picture accepted when any size is (4096 x 4096).
constexpr int64_t kMaxBitmapPixels = int64_t{4096} * 4096;

// Decodes `path`. A file that is missing, not a regular file or unreadable, not a bitmap of a kind
// listed above, cut short, or not `width` x `height` pixels (a size of 0 accepts any size up to
// kMaxBitmapPixels) is a FatalError naming the file and the fault.
RgbImage DecodeBitmap(const std::filesystem::path& path, int width = 0, int height = 0);

}  // namespace platform
