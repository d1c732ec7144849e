// Lines, circles and text on a surface: every pixel they set lies inside it, and they draw where
// they should.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/system/Error.h"
#include "platform/video/Surface.h"
#include "platform/video/Text.h"

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

TEST(Text, LettersChangeOnlyTheirOwnPixelsInTheColourGiven) {
  Surface s(120, 30);
  BltColorFill(s, {0, 0, 120, 30}, Rgb565(0, 0, 255));
  DrawText(s, 4, 4, "Press", Rgb565(255, 255, 255));
  const int white = Count(s, 0xFFFF), blue = Count(s, Rgb565(0, 0, 255));
  EXPECT_GT(white, 0);                           // the strokes' cores
  EXPECT_GT(120 * 30 - blue, 40);                // and their soft edges
  EXPECT_GT(blue, 120 * 30 / 2);                 // the background shows through around them
  // An edge is white mixed into blue: blue stays full, red and green rise together.
  for (uint16_t p : s.Pixels()) {
    ASSERT_EQ(p & 31, 31);
    ASSERT_LE(std::abs(static_cast<int>(p >> 11) * 2 - static_cast<int>((p >> 5) & 63)), 2);
  }
  // Nothing above or left of the text's corner changed.
  for (int x = 0; x < 120; ++x) EXPECT_EQ(s.At(x, 0), Rgb565(0, 0, 255));
  for (int y = 0; y < 30; ++y) EXPECT_EQ(s.At(0, y), Rgb565(0, 0, 255));
  // About 12 pixels high: nothing drawn below row 4 + 16.
  for (int y = 21; y < 30; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_EQ(s.At(x, y), Rgb565(0, 0, 255)) << x << "," << y;
}

TEST(Text, IsClippedAtEveryEdge) {
  Surface s(16, 8);
  DrawText(s, -6, -5, "T for Kubo", 0xFFFF);
  DrawText(s, 10, 4, "S for Zinto", 0xFFFF);
  EXPECT_GT(Count(s, 0xFFFF), 0);
}

TEST(Text, AMissingFontNamesTheFile) {
  Surface s(16, 8);
  try {
    DrawText(s, 0, 0, "or", 0xFFFF, "/nonexistent/Font.ttf");
    FAIL() << "no error";
  } catch (const FatalError& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/Font.ttf"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace platform
