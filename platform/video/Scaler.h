// Our own presentation scaler: the finished back buffer (RGB565) written into a screen's pixel
// buffer at the largest whole scale that fits, centred, each 565 value mapped to the screen's format
// through a table made once. It writes every screen pixel of the picture, so it is built to be as
// cheap as the memory allows: a scaled row is made once and copied down, rows are widened by the
// scale known at compile time, and only the pieces of rows that changed since the last frame are
// written.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/video/Surface.h"

namespace platform {

// Where a back buffer of w x h lands in an area of areaW x areaH: the largest whole scale that fits
// (at least 1), centred.
struct Placement {
  int scale, x, y;
};
Placement Letterbox(int w, int h, int areaW, int areaH);

// A screen's pixel buffer: 2 or 4 bytes a pixel.
struct ScreenPixels {
  void* pixels;
  int pitch, width, height, bytesPerPixel;
};

// A band of screen rows [top, bottom) that was written.
struct RowBand {
  int top, bottom;
};

class Scaler {
 public:
  // The screen's value for each RGB565 value.
  std::vector<uint32_t> colours = std::vector<uint32_t>(65536);

  // Writes `src` at `at`, clipped to the screen. With `all` false, rows the same as in the last
  // call (same size and placement) are skipped. Returns the bands of screen rows written.
  const std::vector<RowBand>& Draw(const Surface& src, const ScreenPixels& screen, const Placement& at, bool all);

 private:
  template <typename Pixel>
  void DrawRows(const Surface& src, const ScreenPixels& screen, const Placement& at, bool all);
  void FindChanges(const uint16_t* s, const uint16_t* last, int width);

  std::vector<uint16_t> last_;  // the rows as last drawn
  int lastW_ = 0, lastH_ = 0;
  std::vector<uint32_t> row_;
  std::vector<RowBand> bands_;
  struct Stretch {
    int from, to;  // source pixels [from, to) of one row
  };
  std::vector<Stretch> changes_;  // the stretches of the row being drawn that changed
};

}  // namespace platform
