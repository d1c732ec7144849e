#include "platform/video/Surface.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "platform/video/Bmp.h"

namespace platform {

Surface::Surface(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0) {}

const Surface::OpaqueSpans& Surface::Spans() const {
  if (spans_) return *spans_;
  auto spans = std::make_shared<OpaqueSpans>();
  spans->rowFirst.reserve(static_cast<size_t>(height_) + 1);
  for (int y = 0; y < height_; ++y) {
    spans->rowFirst.push_back(static_cast<uint32_t>(spans->runs.size()));
    const uint16_t* row = Row(y);
    for (int x = 0; x < width_;) {
      if (row[x] == key_) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width_ && row[x] != key_) ++x;
      spans->runs.push_back({static_cast<uint16_t>(start), static_cast<uint16_t>(x - start)});
    }
  }
  spans->rowFirst.push_back(static_cast<uint32_t>(spans->runs.size()));
  spans_ = std::move(spans);
  return *spans_;
}

namespace {

// A row whose opaque runs are this long on average is copied run by run; shorter runs (pixels of the
// key scattered through the picture) are merged eight pixels at a time instead.
constexpr int32_t kLongRun = 24;

// Keyed copy of one row, eight pixels at a time where SSE2 is there (always, on x86-64): each block
// of eight is merged with what lies beneath under the mask of key pixels.
void MergeRow(uint16_t* d, const uint16_t* s, int32_t w, uint16_t key) {
  int32_t i = 0;
#if defined(__SSE2__)
  const __m128i keys = _mm_set1_epi16(static_cast<short>(key));
  for (; i + 8 <= w; i += 8) {
    const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    __m128i* out = reinterpret_cast<__m128i*>(d + i);
    const __m128i transparent = _mm_cmpeq_epi16(src, keys);
    const __m128i dst = _mm_loadu_si128(out);
    _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(transparent, dst), _mm_andnot_si128(transparent, src)));
  }
#endif
  for (; i < w; ++i) {
    if (s[i] != key) d[i] = s[i];
  }
}

// Copies n pixels: long runs through the C library's copy (the widest the processor has), short ones
// inline, where the call would cost more than the copy.
constexpr int32_t kLibraryCopyFrom = 48;
inline void CopyPixels(uint16_t* d, const uint16_t* s, int32_t n) {
  if (n >= kLibraryCopyFrom) {
    std::memcpy(d, s, static_cast<size_t>(n) * sizeof(uint16_t));
    return;
  }
#if defined(__SSE2__)
  if (n >= 8) {
    int32_t i = 0;
    for (; i + 8 <= n; i += 8)
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
    // the last few again as one block of eight ending at the run's end
    if (i < n)
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + n - 8), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + n - 8)));
    return;
  }
#endif
  for (int32_t i = 0; i < n; ++i) d[i] = s[i];
}

// Keyed copy of columns [left, right) of one source row by its opaque runs.
void CopyRuns(uint16_t* d, const uint16_t* s, const Surface::OpaqueSpans::Run* run,
              const Surface::OpaqueSpans::Run* end, int32_t left, int32_t right) {
  for (; run != end; ++run) {
    const int32_t a = std::max<int32_t>(run->start, left);
    const int32_t b = std::min<int32_t>(run->start + run->length, right);
    if (run->start >= right) break;
    if (a < b) CopyPixels(d + (a - left), s + a, b - a);
  }
}

}  // namespace

int BltFast(Surface& dst, int32_t x, int32_t y, const Surface& src, const Rect& r, uint32_t flags) {
  const int32_t w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return kErrInvalidRect;
  if (r.left < 0 || r.top < 0 || r.right > src.Width() || r.bottom > src.Height()) return kErrInvalidRect;
  if (x < 0 || y < 0 || int64_t{x} + w > dst.Width() || int64_t{y} + h > dst.Height()) return kErrInvalidRect;

  if (!((flags & kBltSrcColorKey) && src.HasColorKey())) {
    const size_t rowBytes = static_cast<size_t>(w) * sizeof(uint16_t);
    for (int32_t row = 0; row < h; ++row) std::memmove(dst.Row(y + row) + x, src.Row(r.top + row) + r.left, rowBytes);
    return kOk;
  }

  const Surface::OpaqueSpans& spans = src.Spans();
  const uint16_t key = src.ColorKey();
  const size_t srcPitch = static_cast<size_t>(src.Width()), dstPitch = static_cast<size_t>(dst.Width());
  const uint16_t* s = src.Pixels().data() + static_cast<size_t>(r.top) * srcPitch;
  uint16_t* d = dst.Pixels().data() + static_cast<size_t>(y) * dstPitch + x;
  const uint32_t* rowFirst = spans.rowFirst.data() + r.top;
  const Surface::OpaqueSpans::Run* runs = spans.runs.data();
  for (int32_t row = 0; row < h; ++row, s += srcPitch, d += dstPitch) {
    const uint32_t first = rowFirst[row], last = rowFirst[row + 1];
    if (first == last) continue;  // wholly transparent
    const Surface::OpaqueSpans::Run& one = runs[first];
    if (last - first == 1 && one.start <= r.left && one.start + one.length >= r.right) {
      CopyPixels(d, s + r.left, w);  // opaque across the rectangle
    } else if (static_cast<int32_t>(last - first) * kLongRun <= src.Width()) {
      CopyRuns(d, s, runs + first, runs + last, r.left, r.right);
    } else {
      MergeRow(d, s + r.left, w, key);
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
  const RgbImage image = DecodeBitmap(path, width, height);
  Surface out(image.width, image.height);
  std::vector<uint16_t>& pixels = out.Pixels();
  for (size_t i = 0; i < pixels.size(); ++i) {
    const uint32_t p = image.pixels[i];
    pixels[i] = Rgb565(static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF));
  }
  return out;
}

}  // namespace platform
