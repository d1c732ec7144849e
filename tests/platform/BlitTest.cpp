// The keyed and opaque blit: which rectangles it refuses (drawing nothing), and that what it draws is
// exactly a pixel-by-pixel copy that skips the key, whatever shape the transparent parts have.
#include <gtest/gtest.h>

#include <random>

#include "platform/video/Surface.h"

namespace platform {
namespace {

// The rule the blit must follow, one pixel at a time.
void ReferenceBlit(Surface& dst, int x, int y, const Surface& src, const Rect& r, bool keyed) {
  for (int row = r.top; row < r.bottom; ++row)
    for (int col = r.left; col < r.right; ++col) {
      const uint16_t v = src.At(col, row);
      if (!keyed || v != src.ColorKey()) dst.Set(x + col - r.left, y + row - r.top, v);
    }
}

// A sheet whose transparent parts are: 0 solid rows and columns of key, 1 scattered single pixels,
// 2 long runs with ragged edges.
Surface Sheet(int w, int h, int kind, uint32_t seed) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint16_t v = static_cast<uint16_t>(1 + rng() % 0xFFFE);
      if (kind == 0 && (y % 9 == 0 || x % 13 == 0)) v = 0;
      if (kind == 1 && rng() % 4 == 0) v = 0;
      if (kind == 2 && (x + y * 3) % 70 < 30 + static_cast<int>(rng() % 5)) v = 0;
      s.Set(x, y, v);
    }
  s.SetColorKey(0);
  return s;
}

Surface Noise(int w, int h, uint32_t seed) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  for (auto& p : s.Pixels()) p = static_cast<uint16_t>(rng());
  return s;
}

TEST(BltFastRefuses, EmptyInvertedAndOutsideRectanglesDrawNothing) {
  const Surface src = Sheet(64, 48, 0, 1);
  const Rect refused[] = {
      {5, 5, 5, 10},    // empty width
      {5, 5, 10, 5},    // empty height
      {10, 5, 5, 10},   // inverted horizontally
      {5, 10, 10, 5},   // inverted vertically
      {-1, 0, 10, 10},  // left of the sheet
      {0, -1, 10, 10},  // above it
      {0, 0, 65, 10},   // past its right edge
      {0, 0, 10, 49},   // past its bottom
      {-20, -20, -10, -10},
  };
  for (const Rect& r : refused) {
    Surface dst = Noise(320, 240, 2);
    const Surface before = dst;
    for (uint32_t flags : {kBltWait, kBltKeyed}) {
      EXPECT_EQ(BltFast(dst, 10, 10, src, r, flags), kErrInvalidRect)
          << r.left << "," << r.top << "," << r.right << "," << r.bottom;
      EXPECT_EQ(dst.Pixels(), before.Pixels());
    }
  }
}

TEST(BltFastRefuses, DestinationsNotWhollyInsideTheTarget) {
  const Surface src = Sheet(64, 48, 0, 1);
  const Rect r{0, 0, 32, 16};
  const int refused[][2] = {{-1, 0}, {0, -1}, {289, 0}, {0, 225}, {320, 240}, {-32, -16}, {2147483600, 0}};
  for (const auto& at : refused) {
    Surface dst = Noise(320, 240, 3);
    const Surface before = dst;
    EXPECT_EQ(BltFast(dst, at[0], at[1], src, r, kBltKeyed), kErrInvalidRect) << at[0] << "," << at[1];
    EXPECT_EQ(dst.Pixels(), before.Pixels());
  }
  // Touching the far edges exactly is inside.
  Surface dst(320, 240);
  EXPECT_EQ(BltFast(dst, 288, 224, src, r, kBltKeyed), kOk);
  EXPECT_EQ(BltFast(dst, 0, 0, src, {0, 0, 64, 48}, kBltWait), kOk);
}

TEST(BltFastDraws, KeyedAndOpaqueCopiesMatchThePixelRuleForAnyRectangle) {
  std::mt19937 rng(11);
  for (int kind = 0; kind < 3; ++kind) {
    const Surface src = Sheet(136, 200, kind, 20 + kind);
    for (int trial = 0; trial < 120; ++trial) {
      const int32_t l = static_cast<int32_t>(rng() % 136), t = static_cast<int32_t>(rng() % 200);
      const int32_t r = l + 1 + static_cast<int32_t>(rng() % (136 - l)), b = t + 1 + static_cast<int32_t>(rng() % (200 - t));
      const Rect rect{l, t, r, b};
      if (rect.Width() > 320 || rect.Height() > 240) continue;
      const int x = static_cast<int>(rng() % (321 - rect.Width())), y = static_cast<int>(rng() % (241 - rect.Height()));
      const bool keyed = trial % 3 != 0;
      Surface got = Noise(320, 240, static_cast<uint32_t>(trial));
      Surface want = got;
      ASSERT_EQ(BltFast(got, x, y, src, rect, keyed ? kBltKeyed : kBltWait), kOk);
      ReferenceBlit(want, x, y, src, rect, keyed);
      ASSERT_EQ(got.Pixels(), want.Pixels()) << "kind " << kind << " rect " << l << "," << t << "," << r << "," << b
                                             << " at " << x << "," << y << (keyed ? " keyed" : " opaque");
    }
  }
}

TEST(BltFastDraws, ASheetWithoutKeyIsCopiedWhole) {
  Surface src(8, 1);  // zeros, no key set
  Surface dst = Noise(8, 1, 4);
  ASSERT_EQ(BltFast(dst, 0, 0, src, {0, 0, 8, 1}, kBltKeyed), kOk);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(dst.At(x, 0), 0);
}

TEST(BltFastDraws, AnotherKeyColourIsHonoured) {
  Surface src(20, 1);
  for (int x = 0; x < 20; ++x) src.Set(x, 0, x % 2 ? 0xF800 : 0);
  src.SetColorKey(0xF800);
  Surface dst = Noise(20, 1, 5);
  const Surface before = dst;
  ASSERT_EQ(BltFast(dst, 0, 0, src, {0, 0, 20, 1}, kBltKeyed), kOk);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(dst.At(x, 0), x % 2 ? before.At(x, 0) : 0) << x;
}

TEST(BltFastDraws, ASheetChangedAfterABlitIsDrawnAsItIsNow) {
  Surface src = Sheet(64, 8, 2, 6);
  Surface dst(64, 8);
  BltFast(dst, 0, 0, src, {0, 0, 64, 8}, kBltKeyed);
  // A transparent pixel made opaque, an opaque one made transparent, through each writable access.
  src.Set(0, 0, 0x1234);
  src.Row(1)[5] = 0;
  src.Pixels()[2 * 64 + 7] = 0x4321;
  const Surface copy = src;
  Surface want = Noise(64, 8, 7), got = want, gotFromCopy = want;
  ReferenceBlit(want, 0, 0, src, {0, 0, 64, 8}, true);
  BltFast(got, 0, 0, src, {0, 0, 64, 8}, kBltKeyed);
  BltFast(gotFromCopy, 0, 0, copy, {0, 0, 64, 8}, kBltKeyed);
  EXPECT_EQ(got.Pixels(), want.Pixels());
  EXPECT_EQ(gotFromCopy.Pixels(), want.Pixels());
  // Writing to a copy leaves the original's drawing alone.
  Surface copy2 = src;
  copy2.Set(3, 3, 0);
  Surface again = Noise(64, 8, 7);
  BltFast(again, 0, 0, src, {0, 0, 64, 8}, kBltKeyed);
  EXPECT_EQ(again.Pixels(), want.Pixels());
}

TEST(BltColorFill, ClipsToTheSurfaceAndRefusesWhatLiesOutside) {
  Surface s(10, 10);
  EXPECT_EQ(BltColorFill(s, {-5, -5, 3, 2}, 7), kOk);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(s.At(x, y), (x < 3 && y < 2) ? 7 : 0) << x << "," << y;
  EXPECT_EQ(BltColorFill(s, {8, 8, 100, 100}, 9), kOk);
  EXPECT_EQ(s.At(9, 9), 9);
  EXPECT_EQ(s.At(7, 9), 0);
  const Surface before = s;
  EXPECT_EQ(BltColorFill(s, {10, 0, 20, 5}, 1), kErrInvalidRect);
  EXPECT_EQ(BltColorFill(s, {4, 4, 4, 8}, 1), kErrInvalidRect);
  EXPECT_EQ(BltColorFill(s, {6, 4, 2, 8}, 1), kErrInvalidRect);
  EXPECT_EQ(s.Pixels(), before.Pixels());
}

}  // namespace
}  // namespace platform
