// Sprites shared in form by the two zones: the floating platform and the crawling enemy.
#pragma once

#include "assets/art/Canvas.h"

namespace assets::art {

// A 112x32 platform whose walkable top is row 2 (placed at x, y on the sheet).
void PaintPlatform(Image& sheet, int x, int y, const Ramp& top, const Ramp& body, Rgb edge);
// Eight walk frames of the crawler, 64x22 each from row y0: left-facing at x 0, right-facing at x 64.
void PaintCrawler(Image& sheet, int y0, const Ramp& body, const Ramp& accent, Rgb eye);

}  // namespace assets::art
