#include "platform/video/Surface.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

#include "platform/system/Error.h"

namespace platform {

Surface::Surface(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0) {}

int BltFast(Surface& dst, int32_t x, int32_t y, const Surface& src, const Rect& r, uint32_t flags) {
  const int32_t w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return kErrInvalidRect;
  if (r.left < 0 || r.top < 0 || r.right > src.Width() || r.bottom > src.Height()) return kErrInvalidRect;
  if (x < 0 || y < 0 || int64_t{x} + w > dst.Width() || int64_t{y} + h > dst.Height()) return kErrInvalidRect;

  const bool keyed = (flags & kBltSrcColorKey) && src.HasColorKey();
  const size_t rowBytes = static_cast<size_t>(w) * sizeof(uint16_t);
  for (int32_t row = 0; row < h; ++row) {
    const uint16_t* s = src.Row(r.top + row) + r.left;
    uint16_t* d = dst.Row(y + row) + x;
    if (!keyed) {
      std::memcpy(d, s, rowBytes);
      continue;
    }
    const uint16_t key = src.ColorKey();
    for (int32_t i = 0; i < w; ++i) {
      if (s[i] != key) d[i] = s[i];
    }
  }
  return kOk;
}

int BltColorFill(Surface& dst, const Rect& r, uint16_t color) {
  const int32_t l = std::max(r.left, 0), t = std::max(r.top, 0);
  const int32_t rr = std::min(r.right, dst.Width()), b = std::min(r.bottom, dst.Height());
  if (rr <= l || b <= t) return kErrInvalidRect;
  for (int32_t y = t; y < b; ++y) std::fill(dst.Row(y) + l, dst.Row(y) + rr, color);
  return kOk;
}

static void Plot(Surface& dst, int x, int y, uint16_t color) {
  if (x >= 0 && y >= 0 && x < dst.Width() && y < dst.Height()) dst.Set(x, y, color);
}

void DrawLine(Surface& dst, int x0, int y0, int x1, int y1, uint16_t color) {
  // Bresenham, both ends drawn.
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (int guard = 0; guard < 100000; ++guard) {
    Plot(dst, x0, y0, color);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

void DrawCircle(Surface& dst, int cx, int cy, int radius, uint16_t color) {
  if (radius < 0) return;
  int x = radius, y = 0, err = 1 - radius;
  while (x >= y) {
    const int pts[8][2] = {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
    for (const auto& p : pts) Plot(dst, cx + p[0], cy + p[1], color);
    ++y;
    if (err < 0) {
      err += 2 * y + 1;
    } else {
      --x;
      err += 2 * (y - x) + 1;
    }
  }
}

namespace {

// The largest picture a sheet may be when any size is accepted (4096 x 4096).
constexpr int64_t kMaxBitmapPixels = int64_t{4096} * 4096;

// The size a bitmap's header declares, read before the loader allocates its pixels, so that a
// corrupt header cannot ask for gigabytes. Nothing when the header is too short to say.
std::optional<std::pair<int64_t, int64_t>> DeclaredSize(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  uint8_t h[26] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M') return std::nullopt;
  auto le32 = [&](int at) { return static_cast<int32_t>(uint32_t{h[at]} | uint32_t{h[at + 1]} << 8 | uint32_t{h[at + 2]} << 16 | uint32_t{h[at + 3]} << 24); };
  auto le16 = [&](int at) { return static_cast<int16_t>(h[at] | h[at + 1] << 8); };
  const int32_t info = le32(14);
  if (info == 12) return std::pair<int64_t, int64_t>{le16(18), le16(20)};  // the old core header
  return std::pair<int64_t, int64_t>{le32(18), std::abs(int64_t{le32(22)})};  // negative: rows top-down
}

}  // namespace

Surface LoadBitmap(const std::filesystem::path& path, int width, int height) {
  if (const auto size = DeclaredSize(path)) {
    const auto [w, h] = *size;
    const bool wrong = (width && w != width) || (height && h != height);
    if (wrong || std::abs(w) * h > kMaxBitmapPixels)
      Fail(path.string() + ": bitmap is " + std::to_string(w) + "x" + std::to_string(h) +
           (wrong ? ", expected " + std::to_string(width) + "x" + std::to_string(height) : ", too large"));
  }
  SDL_Surface* raw = SDL_LoadBMP(path.c_str());
  if (!raw) Fail(path.string() + ": cannot load bitmap (" + SDL_GetError() + ")");
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB565, 0);
  SDL_FreeSurface(raw);
  if (!rgb) Fail(path.string() + ": cannot convert bitmap (" + SDL_GetError() + ")");
  if ((width && rgb->w != width) || (height && rgb->h != height)) {
    const std::string found = std::to_string(rgb->w) + "x" + std::to_string(rgb->h);
    SDL_FreeSurface(rgb);
    Fail(path.string() + ": bitmap is " + found + ", expected " + std::to_string(width) + "x" +
         std::to_string(height));
  }
  Surface out(rgb->w, rgb->h);
  SDL_LockSurface(rgb);
  for (int y = 0; y < rgb->h; ++y) {
    std::memcpy(out.Row(y), static_cast<const uint8_t*>(rgb->pixels) + static_cast<size_t>(y) * rgb->pitch,
                static_cast<size_t>(rgb->w) * 2);
  }
  SDL_UnlockSurface(rgb);
  SDL_FreeSurface(rgb);
  return out;
}

}  // namespace platform
