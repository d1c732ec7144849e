// The game's icon for the desktop: Zinto's head in front of a golden ring, drawn at each size the
// icon themes ask for, smoothed by drawing four times as large and averaging.
#pragma once

#include <cstdint>
#include <vector>

namespace assets::art {

// The sizes of the hicolor theme the icon is made in (size x size pixels).
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` as RGBA bytes, rows top to bottom; the background is transparent.
std::vector<uint8_t> GameIcon(int size);

}  // namespace assets::art
