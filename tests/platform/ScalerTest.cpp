// Our presentation scaler: every screen pixel of the picture is its source pixel's colour at the
// whole scale, the rest untouched; of a row that changed, only the changed stretch is written again.
#include <gtest/gtest.h>

#include <vector>

#include "platform/video/Scaler.h"

namespace platform {
namespace {

TEST(Scaler, WritesEachPixelScaledAndSkipsWhatDidNotChange) {
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
    // one pixel near the start of row 6 and the last of row 8 change: only their screen rows are
    // written, and of those only the pieces around the change
    src.Row(6)[3] = 9;
    src.Row(8)[19] = 11;
    screen.assign(screen.size(), 0);
    bands = scaler.Draw(src, pixels, at, false);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].top, at.y + 6 * scale);
    EXPECT_EQ(bands[0].bottom, at.y + 7 * scale);
    EXPECT_EQ(bands[1].top, at.y + 8 * scale);
    auto shown = [&](int sx, int sy, int dy = 0) { return screen[static_cast<size_t>((at.y + sy * scale + dy) * w + at.x + sx * scale)]; };
    EXPECT_EQ(shown(3, 6, scale - 1), scaler.colours[9]);
    EXPECT_EQ(shown(0, 6), scaler.colours[src.Row(6)[0]]);
    EXPECT_EQ(shown(19, 8, scale - 1), scaler.colours[11]);
    EXPECT_EQ(shown(16, 8), scaler.colours[src.Row(8)[16]]);
    EXPECT_EQ(shown(0, 0), 0u) << "an unchanged row was written";
    EXPECT_EQ(shown(10, 6), 0u) << "an unchanged stretch was written";
    EXPECT_EQ(shown(10, 8), 0u) << "an unchanged stretch was written";
  }
}

}  // namespace
}  // namespace platform
