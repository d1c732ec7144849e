#include "platform/video/ScreenBlit.h"

#include <algorithm>

namespace platform {

int BltFastClipped(Surface& dst, int32_t x, int32_t y, const Surface& src, Rect r, uint32_t flags) {
  if (r.Width() <= 0 || r.Height() <= 0 || r.left < 0 || r.top < 0 || r.right > src.Width() ||
      r.bottom > src.Height())
    return kErrInvalidRect;
  // cut the left and top edges
  if (x < 0) {
    r.left += std::min<int64_t>(-int64_t{x}, r.Width());
    x = 0;
  }
  if (y < 0) {
    r.top += std::min<int64_t>(-int64_t{y}, r.Height());
    y = 0;
  }
  // cut the right and bottom edges
  if (int64_t{x} + r.Width() > dst.Width()) r.right -= static_cast<int32_t>(std::min<int64_t>(int64_t{x} + r.Width() - dst.Width(), r.Width()));
  if (int64_t{y} + r.Height() > dst.Height()) r.bottom -= static_cast<int32_t>(std::min<int64_t>(int64_t{y} + r.Height() - dst.Height(), r.Height()));
  if (r.Width() <= 0 || r.Height() <= 0) return kOk;
  return BltFast(dst, x, y, src, r, flags);
}

}  // namespace platform
