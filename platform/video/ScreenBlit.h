// Drawing a frame that may be given up, for the title and the ring demo: a blit cut to the
// destination's edges, and the check that gives up the rest of the frame when a drawing call fails.
#pragma once

#include <cstdint>

#include "platform/video/Surface.h"

namespace platform {

// The part of the picture that lies on the destination is drawn, the rest is left out. It fails only
// when the source rectangle itself is bad; a picture wholly off the destination draws nothing and
// succeeds.
int BltFastClipped(Surface& dst, int32_t x, int32_t y, const Surface& src, Rect r, uint32_t flags);

// Thrown by Check: the frame is given up, and the next one starts afresh.
struct FrameAbandoned {};

// A drawing call's result: anything but kOk gives up the frame.
inline void Check(int result) {
  if (result != kOk) throw FrameAbandoned{};
}

}  // namespace platform
