// Lines and circles on a surface: every pixel they set lies inside it, and they draw where
// they should.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/system/Error.h"
#include "platform/video/Surface.h"

namespace platform {
namespace {

int Count(const Surface& s, uint16_t v) {
  int n = 0;
  for (uint16_t p : s.Pixels()) n += p == v;
  return n;
}

TEST(Lines, DrawBothEndsAndOnlyThePartInsideTheSurface) {
  Surface s(10, 10);
  DrawLine(s, 2, 3, 7, 3, 5);
  EXPECT_EQ(Count(s, 5), 6);
  EXPECT_EQ(s.At(2, 3), 5);
  EXPECT_EQ(s.At(7, 3), 5);

  Surface c(10, 10);
  DrawLine(c, -20, -20, 30, 30, 9);  // the diagonal, most of it outside
  EXPECT_EQ(Count(c, 9), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(c.At(i, i), 9);

  Surface none(10, 10);
  DrawLine(none, -5, -1, 20, -1, 3);  // wholly above
  EXPECT_EQ(Count(none, 3), 0);
}

TEST(Circles, AreClippedAndARadiusOfZeroIsOnePixel) {
  Surface s(20, 20);
  DrawCircle(s, 10, 10, 0, 4);
  EXPECT_EQ(Count(s, 4), 1);
  EXPECT_EQ(s.At(10, 10), 4);

  Surface c(20, 20);
  DrawCircle(c, 0, 0, 5, 6);  // three quarters outside
  EXPECT_EQ(c.At(5, 0), 6);
  EXPECT_EQ(c.At(0, 5), 6);
  EXPECT_GT(Count(c, 6), 3);
  EXPECT_EQ(c.At(0, 0), 0);

  Surface whole(40, 40);
  DrawCircle(whole, 20, 20, 10, 1);
  EXPECT_EQ(whole.At(30, 20), 1);
  EXPECT_EQ(whole.At(10, 20), 1);
  EXPECT_EQ(whole.At(20, 30), 1);
  EXPECT_EQ(whole.At(20, 10), 1);
  EXPECT_EQ(whole.At(20, 20), 0);
}

}  // namespace
}  // namespace platform
