// Pieces at fixed screen positions: the status bar's digits, the title card's strips and letters.
#include <gtest/gtest.h>

#include "tests/support/ZoneFixture.h"

namespace orvane {
namespace {

using test::ZoneFixture;

// A common sheet whose digit cells are numbered: every pixel of cell d holds d + 1.
class StatusBar : public ::testing::Test {
 protected:
  StatusBar() {
    z->CommonSheet = platform::Surface(136, 320);
    for (int y = 0; y < 320; ++y)
      for (int x = 16; x < 23; ++x) z->CommonSheet.Set(x, y, static_cast<uint16_t>(y / 11 + 1));
    z->CommonSheet.SetColorKey(0);
  }
  // The digit drawn at (x, y) of the screen, or -1 for none.
  int DigitAt(int x, int y) const { return z->WorkSurface.At(x + 3, y + 5) - 1; }
  mutable ZoneFixture z;
};

TEST_F(StatusBar, RingsShowWithoutLeadingZerosAndTheHundredsUnreduced) {
  z->RingCount = 0;
  z->DrawStatusBar();
  EXPECT_EQ(DigitAt(81, 41), 0);
  EXPECT_EQ(DigitAt(73, 41), -1);
  z->WorkSurface = platform::Surface(320, 240);
  z->RingCount = 105;
  z->DrawStatusBar();
  EXPECT_EQ(DigitAt(65, 41), 1);
  EXPECT_EQ(DigitAt(73, 41), 0);
  EXPECT_EQ(DigitAt(81, 41), 5);
  z->WorkSurface = platform::Surface(320, 240);
  z->RingCount = 1000;
  z->DrawStatusBar();
  EXPECT_EQ(DigitAt(65, 41), 10);  // the digit cell 10, below the nine
}

TEST_F(StatusBar, TheScoreKeepsInnerZerosAndDropsLeadingOnes) {
  z->Score = 1000200;
  z->DrawStatusBar();
  const int expected[7] = {1, 0, 0, 0, 2, 0, 0};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(DigitAt(57 + 8 * k, 9), expected[k]) << "place " << k;
  z->WorkSurface = platform::Surface(320, 240);
  z->Score = 0;
  z->DrawStatusBar();
  EXPECT_EQ(DigitAt(105, 9), 0);
  for (int x = 57; x <= 97; x += 8) EXPECT_EQ(DigitAt(x, 9), -1);
}

TEST_F(StatusBar, TheClockShowsMinutesAndTwoDigitsOfSeconds) {
  z->ClockMinutes = 9;
  z->ClockSeconds = 5;
  z->DrawStatusBar();
  EXPECT_EQ(DigitAt(57, 25), 9);
  EXPECT_EQ(DigitAt(73, 25), 0);
  EXPECT_EQ(DigitAt(81, 25), 5);
}

// A card strip whose columns are numbered (opaque), and letters whose pixels hold their code.
class TitleCardDrawing : public ::testing::Test {
 protected:
  TitleCardDrawing() {
    z->CardBackSheet = platform::Surface(320, 24);
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 320; ++x) z->CardBackSheet.Set(x, y, static_cast<uint16_t>(1000 + x));
    z->CardBackSheet.SetColorKey(0);
    z->LetterSheet = platform::Surface(21, 520);
    for (int y = 0; y < 520; ++y)
      for (int x = 0; x < 21; ++x) z->LetterSheet.Set(x, y, static_cast<uint16_t>(y / 20 + 1));
    z->LetterSheet.SetColorKey(0);
    z->TitleStripCutY = 240;
  }
  ZoneFixture z;
};

TEST_F(TitleCardDrawing, AStripOffsetByMinus100WrapsAround) {
  z->TitleStripX[0] = -100;
  z->DrawTitleCard();
  EXPECT_EQ(z->WorkSurface.At(0, 5), 1000 + 100);
  EXPECT_EQ(z->WorkSurface.At(219, 5), 1000 + 319);
  EXPECT_EQ(z->WorkSurface.At(220, 5), 1000 + 0);
  EXPECT_EQ(z->WorkSurface.At(319, 5), 1000 + 99);
}

TEST_F(TitleCardDrawing, NoStripIsDrawnOnceTheCutHasReachedTheTop) {
  z->TitleStripCutY = 0;
  z->DrawTitleCard();
  EXPECT_NE(z->WorkSurface.At(200, 5) / 1000, 1);
  z->TitleStripCutY = 30;  // the second strip keeps 6 rows
  z->DrawTitleCard();
  EXPECT_EQ(z->WorkSurface.At(200, 29), 1000 + 200);
  EXPECT_NE(z->WorkSurface.At(200, 30), 1000 + 200);
}

TEST_F(TitleCardDrawing, LettersAreCutAtTheScreensEdge) {
  z->ZoneNameLetters[12] = 3;  // C at 12 * 22 + 54 + slide
  z->TitleCardSlide = 10;      // x = 328: wholly off screen, nothing drawn
  z->DrawTitleCard();
  z->TitleCardSlide = -8;  // x = 310: ten columns show
  z->DrawTitleCard();
  EXPECT_EQ(z->WorkSurface.At(319, 70), 3);
  EXPECT_EQ(z->WorkSurface.At(309, 70) == 3, false);
}

// Every field of the zone state, in order, as numbers.
std::vector<double> StateOf(const ZoneForm& f) {
  std::vector<double> v;
#define ZONE_FIELD(T, N) v.push_back(static_cast<double>(f.N));
#define ZONE_TABLE(T, N, LO, HI) \
  for (int i = LO; i <= HI; ++i) v.push_back(static_cast<double>(f.N[i]));
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE
  return v;
}

// The rules run at their points of Blit; the drawing between them only draws, in every phase of
// the act's end: the title card, a burst capsule with its debris in the air, the tally under way.
TEST(Drawing, ChangesNoStateWhileTheCardTheCapsuleAndTheTallyShow) {
  ZoneFixture z(AshmoorTables());
  z->ControlOn = 0;
  z->ActIndex = 2;
  z->CapsuleX = 9792;
  z->CapsuleY = 832;
  z->CapsuleState = 1;
  for (int j = 0; j < 6; ++j) z->DebrisSpeedY[j] = -2;
  z->ActDone = 345;
  z->TallyLine1X = -100;
  z->TallyLine2X = 40;
  z->TimeBonus = 5000;
  const std::vector<double> before = StateOf(z.form());
  z->DrawBackground();
  z->DrawBlockLayer();
  z->DrawItems();
  z->DrawEndSign();
  z->DrawCapsule();
  z->DrawCapsuleDebris();
  z->DrawPlayer();
  z->DrawForeground();
  z->DrawStatusBar();
  z->DrawTitleCard();
  z->DrawActClearLines();
  z->DrawTallyRows();
  EXPECT_EQ(StateOf(z.form()), before);
}

}  // namespace
}  // namespace orvane
