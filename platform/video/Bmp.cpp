#include "platform/video/Bmp.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <string>

#include "platform/system/InputFile.h"

namespace platform {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;  // the old header: 16-bit sizes, 3-byte palette entries
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kMaskBytes = 12;  // red, green and blue masks after the 40-byte header
constexpr uint32_t kLargestHeaderBytes = 124;
constexpr uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// One colour channel of a packed pixel: its bits under `mask`, widened to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;
  explicit Channel(uint32_t m) : mask(m), shift(m ? std::countr_zero(m) : 0), max(m >> shift) {}
  uint32_t Of(uint32_t pixel) const {
    return max ? static_cast<uint32_t>((uint64_t{(pixel & mask) >> shift} * 255 + max / 2) / max) : 0;
  }
};

std::string SizeText(int64_t w, int64_t h) { return std::to_string(w) + "x" + std::to_string(h); }

}  // namespace

RgbImage DecodeBitmap(const std::filesystem::path& path, int width, int height) {
  const InputFile in(path, "picture file");
  const std::vector<uint8_t> head = in.Read(0, kFileHeaderBytes + 4);
  if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') in.Fail("not a bitmap file");
  if (head.size() < kFileHeaderBytes + 4) in.Fail("truncated bitmap (header cut short)");
  const uint32_t pixelOffset = Le32(&head[10]);
  const uint32_t infoBytes = Le32(&head[14]);
  if (infoBytes != kCoreHeaderBytes && (infoBytes < kInfoHeaderBytes || infoBytes > kLargestHeaderBytes))
    in.Fail("not a bitmap of a kind we read (header of " + std::to_string(infoBytes) + " bytes)");
  std::vector<uint8_t> info = in.Read(kFileHeaderBytes, kInfoHeaderBytes + kMaskBytes);
  const size_t infoPresent = info.size();
  if (infoPresent < std::min(infoBytes, kInfoHeaderBytes)) in.Fail("truncated bitmap (header cut short)");
  info.resize(kInfoHeaderBytes + kMaskBytes, 0);
  const bool core = infoBytes == kCoreHeaderBytes;
  // The core header's sizes are unsigned 16-bit; a negative height in the others means top-down rows.
  const int64_t w = core ? Le16(&info[4]) : static_cast<int32_t>(Le32(&info[4]));
  const int64_t signedH = core ? Le16(&info[6]) : static_cast<int32_t>(Le32(&info[8]));
  const int64_t h = std::abs(signedH);
  const bool topDown = signedH < 0;
  const int bits = core ? Le16(&info[10]) : Le16(&info[14]);
  const uint32_t compression = core ? kUncompressed : Le32(&info[16]);

  const bool wrong = (width && w != width) || (height && h != height);
  if (wrong) in.Fail("bitmap is " + SizeText(w, h) + ", expected " + SizeText(width, height));
  if (w <= 0 || h <= 0) in.Fail("bitmap is " + SizeText(w, h) + ", empty");
  if (w * h > kMaxBitmapPixels) in.Fail("bitmap is " + SizeText(w, h) + ", too large");

  const bool packed = bits == 16 || bits == 32;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && !packed)
    in.Fail(std::to_string(bits) + "-bit bitmaps are not supported");
  if (compression != kUncompressed && !(packed && (compression == kBitFields || compression == kAlphaBitFields)))
    in.Fail("compressed bitmaps are not supported (compression " + std::to_string(compression) + ")");

  // colours: a palette, or the masks of a packed pixel
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    const uint32_t entryBytes = core ? 3 : 4;
    const uint32_t used = core ? 0 : Le32(&info[32]);
    const uint32_t entries = used == 0 || used > (1u << bits) ? 1u << bits : used;
    const std::vector<uint8_t> p = in.Read(kFileHeaderBytes + infoBytes, entries * entryBytes);
    for (size_t i = 0; i + entryBytes <= p.size(); i += entryBytes)
      palette.push_back(uint32_t{p[i + 2]} << 16 | uint32_t{p[i + 1]} << 8 | p[i]);
    palette.resize(1u << bits, 0);  // indexes past a short palette are black
  }
  uint32_t masks[3] = {0xFF0000, 0x00FF00, 0x0000FF};
  if (bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  if (compression != kUncompressed) {
    if (infoPresent < kInfoHeaderBytes + kMaskBytes) in.Fail("truncated bitmap (bit-field masks cut short)");
    for (int c = 0; c < 3; ++c) masks[c] = Le32(&info[kInfoHeaderBytes + 4 * static_cast<uint32_t>(c)]);
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

  // the pixel rows, each padded to four bytes
  const uint64_t stride = (static_cast<uint64_t>(w) * static_cast<uint64_t>(bits) + 31) / 32 * 4;
  const uint64_t pixelBytes = stride * static_cast<uint64_t>(h);
  if (uint64_t{pixelOffset} + pixelBytes > in.Size())
    in.Fail("truncated bitmap (" + std::to_string(pixelBytes) + " bytes of pixels, " +
            std::to_string(in.Size() > pixelOffset ? in.Size() - pixelOffset : 0) + " present)");
  const std::vector<uint8_t> rows =
      in.ReadExactly(pixelOffset, static_cast<size_t>(pixelBytes), "truncated bitmap (cut short while loading)");

  RgbImage out{static_cast<int>(w), static_cast<int>(h), std::vector<uint32_t>(static_cast<size_t>(w * h))};
  for (int64_t y = 0; y < h; ++y) {
    const uint8_t* row = rows.data() + static_cast<size_t>(topDown ? y : h - 1 - y) * stride;
    uint32_t* dst = out.pixels.data() + static_cast<size_t>(y * w);
    for (int64_t x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(x);
      if (bits <= 8) {
        const size_t bit = i * static_cast<size_t>(bits);
        const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        dst[x] = palette[index];
      } else if (bits == 24) {
        dst[x] = uint32_t{row[3 * i + 2]} << 16 | uint32_t{row[3 * i + 1]} << 8 | row[3 * i];
      } else {
        const uint32_t p = bits == 16 ? Le16(row + 2 * i) : Le32(row + 4 * i);
        dst[x] = red.Of(p) << 16 | green.Of(p) << 8 | blue.Of(p);
      }
    }
  }
  return out;
}

}  // namespace platform
