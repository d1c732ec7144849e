#include "platform/video/Png.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include <zlib.h>

#include "platform/system/Error.h"

namespace platform {

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, static_cast<uint32_t>(crc32(0L, body.data(), static_cast<uInt>(body.size()))));
}

}  // namespace

std::vector<uint8_t> EncodePng(int width, int height, int channels, const std::vector<uint8_t>& pixels) {
  // a filter byte and the row's bytes, for each row
  const size_t rowBytes = static_cast<size_t>(width) * static_cast<size_t>(channels);
  const size_t stride = 1 + rowBytes;
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(height) * stride);
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const auto row = pixels.begin() + static_cast<long>(static_cast<size_t>(y) * rowBytes);
    raw.insert(raw.end(), row, row + static_cast<long>(rowBytes));
  }
  // Each row's bytes are best told apart from the row above: the "up" filter, then deflate.
  for (size_t row = static_cast<size_t>(height); row-- > 1;) {
    raw[row * stride] = 2;
    for (size_t i = 1; i < stride; ++i)
      raw[row * stride + i] = static_cast<uint8_t>(raw[row * stride + i] - raw[(row - 1) * stride + i]);
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> z(size);
  if (compress2(z.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK)
    Fail("cannot compress the picture");
  z.resize(size);

  constexpr uint8_t kRgb = 2, kRgba = 6;  // PNG colour types
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  Put32(ihdr, static_cast<uint32_t>(width));
  Put32(ihdr, static_cast<uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, channels == 4 ? kRgba : kRgb, 0, 0, 0});
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", {});
  return png;
}

void WritePng(const Surface& s, const std::filesystem::path& path) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(s.Height()) * 3 * static_cast<size_t>(s.Width()));
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      const uint16_t p = s.At(x, y);
      const int r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
      rgb.push_back(static_cast<uint8_t>((r << 3) | (r >> 2)));
      rgb.push_back(static_cast<uint8_t>((g << 2) | (g >> 4)));
      rgb.push_back(static_cast<uint8_t>((b << 3) | (b >> 2)));
    }
  }
  std::vector<uint8_t> png;
  try {
    png = EncodePng(s.Width(), s.Height(), 3, rgb);
  } catch (const FatalError& e) {
    Fail(path.string() + ": " + e.what());
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!out) Fail(path.string() + ": cannot write picture");
}

}  // namespace platform
