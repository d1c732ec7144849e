// Software surfaces in RGB565, standing in for the display's off-screen surfaces.
// A pixel value of 0 is black, the colour key of every sheet loaded from a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Every program composes its picture at 320 x 240.
inline constexpr int kScreenW = 320;
inline constexpr int kScreenH = 240;

// A source or fill rectangle: left, top, right, bottom; right and bottom exclusive.
struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// Blit flags as the programs pass them.
constexpr uint32_t kBltWait = 16;           // opaque copy
constexpr uint32_t kBltSrcColorKey = 1;     // skip source pixels equal to the key
constexpr uint32_t kBltKeyed = kBltWait | kBltSrcColorKey;  // 17

// Result codes.
constexpr int kOk = 0;
constexpr int kErrInvalidRect = -2005532080;  // the blit was refused and drew nothing

constexpr uint16_t Rgb565(int r, int g, int b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Writable access forgets the surface's opaque spans; they are found again at the next keyed blit.
  uint16_t* Row(int y) {
    spans_.reset();
    return pixels_.data() + static_cast<size_t>(y) * width_;
  }
  const uint16_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint16_t At(int x, int y) const { return Row(y)[x]; }
  void Set(int x, int y, uint16_t v) { Row(y)[x] = v; }
  std::vector<uint16_t>& Pixels() {
    spans_.reset();
    return pixels_;
  }
  const std::vector<uint16_t>& Pixels() const { return pixels_; }

  // Source colour key: pixels of this value are skipped by keyed blits from this surface.
  void SetColorKey(uint16_t key) {
    if (!hasKey_ || key_ != key) spans_.reset();
    hasKey_ = true;
    key_ = key;
  }
  bool HasColorKey() const { return hasKey_; }
  uint16_t ColorKey() const { return key_; }

  // The runs of pixels that are not the colour key, row by row, for keyed blits from this surface.
  struct OpaqueSpans {
    struct Run {
      uint16_t start, length;
    };
    std::vector<Run> runs;           // every row's runs, left to right
    std::vector<uint32_t> rowFirst;  // row y's runs are runs[rowFirst[y] .. rowFirst[y + 1])
  };
  const OpaqueSpans& Spans() const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint16_t> pixels_;
  bool hasKey_ = false;
  uint16_t key_ = 0;
  // Found on first use, shared by copies until either is written.
  mutable std::shared_ptr<const OpaqueSpans> spans_;
};

// Copies `src` rectangle `r` to (x, y) of `dst`. Draws nothing and returns kErrInvalidRect when the
// rectangle is empty, inverted or not wholly inside `src`, or the destination is not wholly inside
// `dst`. Flag kBltSrcColorKey skips the source's key colour; kBltWait alone copies opaquely.
int BltFast(Surface& dst, int32_t x, int32_t y, const Surface& src, const Rect& r, uint32_t flags);

// Fills `r` of `dst` with `color`; the rectangle is clipped to the surface.
int BltColorFill(Surface& dst, const Rect& r, uint16_t color);

// Lines and circles, one pixel wide, clipped to the surface.
void DrawLine(Surface& dst, int x0, int y0, int x1, int y1, uint16_t color);
void DrawCircle(Surface& dst, int cx, int cy, int radius, uint16_t color);

// Loads a .bmp file converted to RGB565 (DecodeBitmap: any fault is a FatalError naming the file).
Surface LoadBitmap(const std::filesystem::path& path, int width = 0, int height = 0);

}  // namespace platform
