// A fixed table with the index range the game uses (for example -78..858 for the block maps).
// A lookup outside the range reads 0 and a write there is dropped: a guard against a crash, not a
// change of behaviour inside the range.
#pragma once

#include <array>

namespace orvane {

template <typename T, int Lo, int Hi>
class Table {
 public:
  static constexpr int kLo = Lo;
  static constexpr int kHi = Hi;
  static constexpr int kSize = Hi - Lo + 1;

  static constexpr bool InRange(int i) { return i >= Lo && i <= Hi; }

  T& operator[](int i) {
    if (!InRange(i)) {
      outside_ = T{};
      return outside_;
    }
    return data_[static_cast<size_t>(i - Lo)];
  }
  T operator[](int i) const { return InRange(i) ? data_[static_cast<size_t>(i - Lo)] : T{}; }

  void Fill(T value) { data_.fill(value); }
  T* data() { return data_.data(); }
  const T* data() const { return data_.data(); }

 private:
  std::array<T, kSize> data_{};
  T outside_{};
};

}  // namespace orvane
