// How the game turns fractional numbers into whole ones. Every conversion rounds to the nearest
// integer with halves to even; a position divided into blocks is rounded first, then divided
// truncating towards zero. Use these everywhere instead of bare casts.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvane {

using Number = double;

// Nearest whole number, halves to even (the default rounding mode).
inline double RoundEven(double v) { return std::nearbyint(v); }

// Rounded to a 32-bit integer; values beyond the range (and NaN) saturate instead of overflowing.
inline int32_t ToInt32(double v) {
  const double r = RoundEven(v);
  if (!(r > -2147483648.0)) return std::numeric_limits<int32_t>::min();
  if (r > 2147483647.0) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

// Rounded to a 16-bit integer, saturating.
inline int16_t ToInt16(double v) {
  const int32_t r = ToInt32(v);
  if (r < -32768) return -32768;
  if (r > 32767) return 32767;
  return static_cast<int16_t>(r);
}

// "Integer division" of a position: round first, then divide truncating towards zero.
inline int32_t DivRounded(double position, int32_t divisor) { return ToInt32(position) / divisor; }

// Adds to a 16-bit counter without leaving its range.
inline int16_t AddSaturated(int16_t value, int delta) {
  const int r = value + delta;
  return static_cast<int16_t>(r > 32767 ? 32767 : (r < -32768 ? -32768 : r));
}

}  // namespace orvane
