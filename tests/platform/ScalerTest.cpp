// Our presentation scaler: every screen pixel of the picture is its source pixel's colour at the
// whole scale, the rest untouched; a row that did not change is not written again.
#include <gtest/gtest.h>

#include <vector>

#include "platform/video/Scaler.h"

namespace platform {
namespace {

TEST(Scaler, WritesEachPixelScaledAndSkipsRowsThatDidNotChange) {
  for (int scale : {1, 3, 4, 7}) {
    Surface src(20, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 20; ++x) src.Row(y)[x] = static_cast<uint16_t>(y * 20 + x + 1);
    Scaler scaler;
    for (uint32_t v = 0; v < 65536; ++v) scaler.colours[v] = v * 3 + 1;
    const int w = 20 * scale + 5, h = 10 * scale + 3;
    std::vector<uint32_t> screen(static_cast<size_t>(w * h), 0);
    const Placement at = Letterbox(20, 10, w, h);
    ASSERT_EQ(at.scale, scale);
    const ScreenPixels pixels{screen.data(), w * 4, w, h, 4};
    auto bands = scaler.Draw(src, pixels, at, true);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].top, at.y);
    EXPECT_EQ(bands[0].bottom, at.y + 10 * scale);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool inside = x >= at.x && x < at.x + 20 * scale && y >= at.y && y < at.y + 10 * scale;
        const uint32_t want =
            inside ? scaler.colours[src.Row((y - at.y) / scale)[(x - at.x) / scale]] : 0u;
        ASSERT_EQ(screen[static_cast<size_t>(y * w + x)], want) << "scale " << scale << " at " << x << ", " << y;
      }
    // one pixel of row 6 changes: only its screen rows are written
    src.Row(6)[3] = 9;
    screen.assign(screen.size(), 0);
    bands = scaler.Draw(src, pixels, at, false);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].top, at.y + 6 * scale);
    EXPECT_EQ(bands[0].bottom, at.y + 7 * scale);
    EXPECT_EQ(screen[static_cast<size_t>((at.y + 6 * scale) * w + at.x + 3 * scale)], scaler.colours[9]);
    EXPECT_EQ(screen[static_cast<size_t>(at.y * w + at.x)], 0u) << "an unchanged row was written";
  }
}

}  // namespace
}  // namespace platform
