// Pieces at fixed screen positions: the status bar, the title card and the act-clear screen. The
// tally that the act-clear screen shows runs in the act cycle (engine/core/ActCycle.cpp).
#include <algorithm>

#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

using platform::Rect;

using platform::kScreenW;

// sheet pieces
constexpr Rect kLabels{83, 0, 136, 43};
constexpr Rect kLivesIcon[2] = {{83, 160, 115, 176}, {83, 176, 115, 192}};
constexpr Rect kTimeWord{83, 16, 120, 28};
constexpr Rect kRingsWord{83, 32, 114, 44};
constexpr Rect kBonusWord{83, 192, 131, 208};
constexpr Rect kTotalWord{83, 224, 131, 240};
constexpr Rect kActWord{83, 240, 108, 272};
constexpr Rect kActOne{83, 240, 125, 272};  // "ACT" with its 1
constexpr Rect kTwo{83, 272, 108, 304};
constexpr Rect kThree{108, 272, 125, 304};
constexpr int kDigitW = 7, kDigitH = 11, kDigitStep = 8;
constexpr int kLetterW = 21, kLetterH = 20, kLetterStep = 22;
constexpr int kStripH = 24, kStrips = 10;
constexpr int kBarW = 94;

// status bar
constexpr int kLabelsX = 17, kLabelsY = 9;
constexpr int kScoreY = 9, kTimeY = 25, kRingsY = 41;
constexpr int kOnesX = 81, kScoreOnesX = 105;
constexpr int kScorePlaces = 7;
constexpr int kLivesX = 17, kLivesY = 216;
constexpr int kLivesDigitX = 45, kLivesDigitY = 221;
constexpr int kDigitsColumn = 16;  // where the digits stand in the common sheet

// title card: the bar of 15 pieces down the screen's height, the zone's name, the act graphic
constexpr int kBarPieceH = 16, kBarPieces = 15;
constexpr int kZoneNameX = 54, kZoneNameY = 64;
constexpr int kCardActX = 160, kCardActY = 96, kCardActH = 48;
constexpr int kCardActCutFrom = kScreenW - kCardActX - kBarW;  // the slide at which it meets the edge

// act-clear screen: the act's two lines and "ACT n", placed from where the lines have slid to
constexpr int kActLine1X = 50, kActLine1Y = 64;
constexpr int kActLine2X = 40, kActLine2Y = 96;
constexpr int kActWordX = 212, kThirdActWordX = 208, kActNumeralX = 238, kActNumberY = 81;

// act-clear screen: the tally's three rows trail the second line by these distances and stop at x 64
constexpr int kRowStopX = 64;
constexpr int kTimeRowLag = 0, kRingsRowLag = 32, kTotalRowLag = 48;
constexpr int kTimeRowY = 128, kRingsRowY = 144, kTotalRowY = 168;
constexpr int kBonusWordX = 42, kTotalWordX = 21;
constexpr int kWordRaise = 1;  // "BONUS" and "TOTAL" stand a pixel above their row
constexpr int kFigureOnesX = 170;
constexpr int kTimeBonusPlaces = 5, kRingBonusPlaces = 7, kTotalPlaces = 7;

Rect DigitRect(int d) { return {kDigitsColumn, kDigitH * d, kDigitsColumn + kDigitW, kDigitH * d + kDigitH}; }

int32_t Pow10(int k) {
  int32_t p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

}  // namespace

// Draws `value`'s digits right to left from `onesX`, `places` places in all: the ones always, a
// higher digit when it or any digit above it (within the places) is not 0.
static void DrawNumber(ZoneForm& f, int32_t value, int places, int onesX, int y) {
  f.PlaceUnclipped(f.CommonSheet, DigitRect(value % 10), onesX, y);
  for (int k = 1; k < places; ++k) {
    const int32_t digit = (value / Pow10(k)) % 10;
    if (digit > 0 || value / Pow10(k + 1) > 0) f.PlaceUnclipped(f.CommonSheet, DigitRect(digit), onesX - kDigitStep * k, y);
  }
}

// A letter whose right edge would pass the screen's edge is cut there.
static void DrawLetters(ZoneForm& f, const Table<int16_t, 0, 12>& letters, Number x0, Number y) {
  for (int i = 0; i <= 12; ++i) {
    const int c = letters[i];
    if (c <= 0) continue;
    const Number x = i * kLetterStep + x0;
    Rect r{0, (c - 1) * kLetterH, kLetterW, c * kLetterH};
    if (x + kLetterW > kScreenW) r.right = ToInt32(kScreenW - x);
    f.PlaceUnclipped(f.LetterSheet, r, x, y);
  }
}

void ZoneForm::DrawStatusBar() {
  PlaceUnclipped(CommonSheet, kLabels, kLabelsX, kLabelsY);

  // rings
  PlaceUnclipped(CommonSheet, DigitRect(RingCount % 10), kOnesX, kRingsY);
  if ((RingCount / 10) % 10 > 0 || RingCount / 100 > 0)
    PlaceUnclipped(CommonSheet, DigitRect((RingCount / 10) % 10), kOnesX - kDigitStep, kRingsY);
  if (RingCount / 100 > 0) PlaceUnclipped(CommonSheet, DigitRect(RingCount / 100), kOnesX - 2 * kDigitStep, kRingsY);

  // time
  PlaceUnclipped(CommonSheet, DigitRect(ClockSeconds % 10), kOnesX, kTimeY);
  PlaceUnclipped(CommonSheet, DigitRect(ClockSeconds / 10), kOnesX - kDigitStep, kTimeY);
  PlaceUnclipped(CommonSheet, DigitRect(ClockMinutes), kOnesX - 3 * kDigitStep, kTimeY);

  DrawNumber(*this, Score, kScorePlaces, kScoreOnesX, kScoreY);

  PlaceUnclipped(CommonSheet, kLivesIcon[Character == 1 ? 1 : 0], kLivesX, kLivesY);
  PlaceUnclipped(CommonSheet, DigitRect(Lives), kLivesDigitX, kLivesDigitY);
}

void ZoneForm::DrawTitleCard() {
  // background strips, opaque, wiped away upwards as TitleStripCutY falls
  for (int i = 0; i < kStrips; ++i) {
    const int k = i * kStripH;
    const Number x0 = TitleStripX[i];
    const int h = k + kStripH > TitleStripCutY ? kStripH - (k + kStripH - TitleStripCutY) : kStripH;
    if (h <= 0) continue;
    const Number a = x0 < 0 ? -x0 : 0;
    PlaceUnclipped(CardBackSheet, {ToInt32(a), 0, kScreenW, h}, x0 + a, k, platform::kBltWait);
    const Rect gap = x0 + kScreenW > 0 ? Rect{0, 0, ToInt32(-x0), h} : Rect{0, 0, kScreenW, h};
    PlaceUnclipped(CardBackSheet, gap, x0 + kScreenW, k, platform::kBltWait);
  }

  // the vertical bar
  const Number a = TitleBarX < 0 ? -TitleBarX : 0;
  const Number x = TitleBarX + a;
  const int32_t cut = ToInt32(a);
  PlaceUnclipped(BarSheet, {cut, 0, kBarW, kBarPieceH}, x, 0);
  for (int n = 1; n < kBarPieces - 1; ++n)
    PlaceUnclipped(BarSheet, {cut, kBarPieceH, kBarW, 2 * kBarPieceH}, x, kBarPieceH * n);
  PlaceUnclipped(BarSheet, {cut, 2 * kBarPieceH, kBarW, 3 * kBarPieceH}, x, kBarPieceH * (kBarPieces - 1));

  DrawLetters(*this, ZoneNameLetters, kZoneNameX + TitleCardSlide, kZoneNameY);

  // the act graphic, below the bar's pieces in the sheet, leaves to the right, cut at the screen's edge
  const int actTop = (ActIndex + 1) * kCardActH;
  Rect act{0, actTop, kBarW, actTop + kCardActH};
  if (TitleCardSlide > kCardActCutFrom) act.right = kBarW - (TitleCardSlide - kCardActCutFrom);
  PlaceUnclipped(BarSheet, act, TitleCardSlide + kCardActX, kCardActY);
}

void ZoneForm::DrawActClearLines() {
  DrawLetters(*this, ActLine1, kActLine1X + TallyLine1X, kActLine1Y);
  DrawLetters(*this, ActLine2, kActLine2X + TallyLine2X, kActLine2Y);
  switch (ActIndex) {
    case 0:
      PlaceUnclipped(CommonSheet, kActOne, TallyLine2X + kActWordX, kActNumberY);
      break;
    case 1:
      PlaceUnclipped(CommonSheet, kActWord, TallyLine2X + kActWordX, kActNumberY);
      PlaceUnclipped(CommonSheet, kTwo, TallyLine2X + kActNumeralX, kActNumberY);
      break;
    case 2:
      PlaceUnclipped(CommonSheet, kActWord, TallyLine2X + kThirdActWordX, kActNumberY);
      PlaceUnclipped(CommonSheet, kThree, TallyLine2X + kActNumeralX, kActNumberY);
      break;
    default:
      break;
  }
}

void ZoneForm::DrawTallyRows() {
  // the three rows arrive one after the other
  const int timeX = std::max<int>(TallyLine2X + kTimeRowLag, kRowStopX);
  const int ringsX = std::max<int>(TallyLine2X + kRingsRowLag, kRowStopX);
  const int totalX = std::max<int>(TallyLine2X + kTotalRowLag, kRowStopX);

  PlaceUnclipped(CommonSheet, kTimeWord, timeX, kTimeRowY);
  PlaceUnclipped(CommonSheet, kBonusWord, timeX + kBonusWordX, kTimeRowY - kWordRaise);
  DrawNumber(*this, TimeBonus, kTimeBonusPlaces, timeX + kFigureOnesX, kTimeRowY);
  PlaceUnclipped(CommonSheet, kRingsWord, ringsX, kRingsRowY);
  PlaceUnclipped(CommonSheet, kBonusWord, ringsX + kBonusWordX, kRingsRowY - kWordRaise);
  DrawNumber(*this, RingBonus, kRingBonusPlaces, ringsX + kFigureOnesX, kRingsRowY);
  PlaceUnclipped(CommonSheet, kTotalWord, totalX + kTotalWordX, kTotalRowY - kWordRaise);
  DrawNumber(*this, TallyTotal, kTotalPlaces, totalX + kFigureOnesX, kTotalRowY);
}

}  // namespace orvane
