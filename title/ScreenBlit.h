// A blit cut to the destination's edges, for the title and the ring demo: the part of the picture
// that lies on the screen is drawn, the rest is left out. It fails only when the source rectangle
// itself is bad; a picture wholly off the screen draws nothing and succeeds.
#pragma once

#include <cstdint>

#include "platform/video/Surface.h"

namespace orvane {

int BltFastClipped(platform::Surface& dst, int32_t x, int32_t y, const platform::Surface& src, platform::Rect r,
                   uint32_t flags);

}  // namespace orvane
