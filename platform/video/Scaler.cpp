#include "platform/video/Scaler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

// One source row widened `Scale` times into `out`, from source pixel `sx` (of which the first
// `skip` copies are clipped away) for `count` screen pixels.
template <typename Pixel, int Scale>
void Widen(const uint16_t* s, int sx, int skip, int count, const uint32_t* colours, Pixel* out) {
  int i = 0;
  if (skip) {
    const Pixel p = static_cast<Pixel>(colours[s[sx++]]);
    for (int k = skip; k < Scale && i < count; ++k) out[i++] = p;
  }
  for (; i + Scale <= count; i += Scale) {
    const Pixel p = static_cast<Pixel>(colours[s[sx++]]);
    for (int k = 0; k < Scale; ++k) out[i + k] = p;  // a fixed count: unrolled, stored wide
  }
  if (i < count) {
    const Pixel p = static_cast<Pixel>(colours[s[sx]]);
    for (; i < count; ++i) out[i] = p;
  }
}

// Copies a finished row to the screen with stores that bypass the cache: the screen's buffer is
// only handed on, never read back here, so filling the cache with it would only evict the source.
void CopyToScreen(uint8_t* dst, const uint8_t* src, size_t bytes) {
#if defined(__SSE2__)
  const size_t head = std::min(bytes, (16 - reinterpret_cast<uintptr_t>(dst) % 16) % 16);
  std::memcpy(dst, src, head);
  size_t i = head;
  for (; i + 16 <= bytes; i += 16)
    _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)));
  std::memcpy(dst + i, src + i, bytes - i);
#else
  std::memcpy(dst, src, bytes);
#endif
}

template <typename Pixel>
void WidenAny(const uint16_t* s, int sx, int skip, int count, int scale, const uint32_t* colours, Pixel* out) {
  switch (scale) {
    case 1: Widen<Pixel, 1>(s, sx, skip, count, colours, out); return;
    case 2: Widen<Pixel, 2>(s, sx, skip, count, colours, out); return;
    case 3: Widen<Pixel, 3>(s, sx, skip, count, colours, out); return;
    case 4: Widen<Pixel, 4>(s, sx, skip, count, colours, out); return;
    case 5: Widen<Pixel, 5>(s, sx, skip, count, colours, out); return;
    case 6: Widen<Pixel, 6>(s, sx, skip, count, colours, out); return;
    case 8: Widen<Pixel, 8>(s, sx, skip, count, colours, out); return;
    case 9: Widen<Pixel, 9>(s, sx, skip, count, colours, out); return;
    default: break;
  }
  int i = 0;
  int rep = skip;
  while (i < count) {
    const Pixel p = static_cast<Pixel>(colours[s[sx++]]);
    for (; rep < scale && i < count; ++rep) out[i++] = p;
    rep = 0;
  }
}

// Within a changed row, the stretches of source pixels that differ from the last frame, found a
// piece of kPiece pixels at a time; stretches closer than kJoin pieces are joined, as one longer copy
// costs less than two calls. A scrolling picture changes every row, but flat sky, water and shade
// shifted sideways stay the same, and their pixels need not be written again.
constexpr int kPiece = 8;
constexpr int kJoin = 2;

bool SamePiece(const uint16_t* a, const uint16_t* b, int n) {
  if (n == kPiece) return std::memcmp(a, b, kPiece * sizeof(uint16_t)) == 0;  // a fixed size: inlined
  return std::memcmp(a, b, static_cast<size_t>(n) * sizeof(uint16_t)) == 0;
}

}  // namespace

Placement Letterbox(int w, int h, int areaW, int areaH) {
  const int scale = std::max(1, std::min(areaW / w, areaH / h));
  return {scale, (areaW - w * scale) / 2, (areaH - h * scale) / 2};
}

const std::vector<RowBand>& Scaler::Draw(const Surface& src, const ScreenPixels& screen, const Placement& at, bool all) {
  bands_.clear();
  const bool same = src.Width() == lastW_ && src.Height() == lastH_;
  if (!same) {
    last_.assign(static_cast<size_t>(src.Width()) * static_cast<size_t>(src.Height()), 0);
    lastW_ = src.Width();
    lastH_ = src.Height();
  }
  if (screen.bytesPerPixel == 4)
    DrawRows<uint32_t>(src, screen, at, all || !same);
  else
    DrawRows<uint16_t>(src, screen, at, all || !same);
  return bands_;
}

void Scaler::FindChanges(const uint16_t* s, const uint16_t* last, int width) {
  changes_.clear();
  for (int a = 0; a < width; a += kPiece) {
    const int n = std::min(kPiece, width - a);
    if (SamePiece(s + a, last + a, n)) continue;
    if (!changes_.empty() && a - changes_.back().to <= kJoin * kPiece)
      changes_.back().to = a + n;
    else
      changes_.push_back({a, a + n});
  }
}

template <typename Pixel>
void Scaler::DrawRows(const Surface& src, const ScreenPixels& screen, const Placement& at, bool all) {
  const int x0 = std::max(0, at.x), x1 = std::min(screen.width, at.x + src.Width() * at.scale);
  if (x1 <= x0) return;
  const int visible = x1 - x0;
  row_.resize(static_cast<size_t>(visible));  // room for Pixel of either width
  Pixel* row = reinterpret_cast<Pixel*>(row_.data());
  auto* base = static_cast<uint8_t*>(screen.pixels);
  const size_t rowBytes = static_cast<size_t>(src.Width()) * sizeof(uint16_t);
  for (int sy = 0; sy < src.Height(); ++sy) {
    const int dy0 = std::max(0, at.y + sy * at.scale), dy1 = std::min(screen.height, at.y + (sy + 1) * at.scale);
    if (dy1 <= dy0) continue;
    const uint16_t* s = src.Row(sy);
    uint16_t* last = &last_[static_cast<size_t>(sy) * static_cast<size_t>(src.Width())];
    if (all) {
      changes_.assign(1, {0, src.Width()});
    } else {
      FindChanges(s, last, src.Width());
      if (changes_.empty()) continue;
    }
    std::memcpy(last, s, rowBytes);
    for (const Stretch& c : changes_) {
      // the stretch in screen pixels, clipped to the picture's visible part, widened once
      const int sx0 = std::max(x0, at.x + c.from * at.scale), sx1 = std::min(x1, at.x + c.to * at.scale);
      if (sx1 <= sx0) continue;
      Pixel* part = row + (sx0 - x0);
      WidenAny<Pixel>(s, (sx0 - at.x) / at.scale, (sx0 - at.x) % at.scale, sx1 - sx0, at.scale, colours.data(), part);
      const auto* from = reinterpret_cast<const uint8_t*>(part);
      const size_t bytes = static_cast<size_t>(sx1 - sx0) * sizeof(Pixel);
      for (int dy = dy0; dy < dy1; ++dy)
        CopyToScreen(base + static_cast<size_t>(dy) * static_cast<size_t>(screen.pitch) + static_cast<size_t>(sx0) * sizeof(Pixel),
                     from, bytes);
    }
    if (!bands_.empty() && bands_.back().bottom == dy0)
      bands_.back().bottom = dy1;
    else
      bands_.push_back({dy0, dy1});
  }
#if defined(__SSE2__)
  _mm_sfence();  // the streamed rows are all in memory before the screen is handed on
#endif
}

}  // namespace platform
