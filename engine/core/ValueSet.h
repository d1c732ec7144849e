// A set of block or item values (0..255), written as a list of values and ranges:
//   constexpr ValueSet kFloors{1, 2, {20, 27}};
// Lookups are one array read; a value outside 0..255 is never in the set.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

namespace orvane {

struct ValueRange {
  int lo, hi;
  constexpr ValueRange(int v) : lo(v), hi(v) {}  // NOLINT: a single value reads as a range of one
  constexpr ValueRange(int l, int h) : lo(l), hi(h) {}
};

class ValueSet {
 public:
  constexpr ValueSet() = default;
  constexpr ValueSet(std::initializer_list<ValueRange> ranges) {
    for (const ValueRange& r : ranges)
      for (int v = r.lo; v <= r.hi; ++v)
        if (v >= 0 && v < 256) in_[static_cast<std::size_t>(v)] = true;
  }
  constexpr bool Contains(int v) const { return v >= 0 && v < 256 && in_[static_cast<std::size_t>(v)]; }
  constexpr ValueSet Union(const ValueSet& other) const {
    ValueSet r = *this;
    for (std::size_t v = 0; v < 256; ++v) r.in_[v] = r.in_[v] || other.in_[v];
    return r;
  }

 private:
  std::array<bool, 256> in_{};
};

}  // namespace orvane
