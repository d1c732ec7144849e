#include "platform/video/Surface.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

Surface LoadBitmap(const std::filesystem::path& path, int width, int height) {
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
