// Pieces at fixed screen positions: the status bar, the title card and the act-clear screen.
#include <algorithm>

#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

using platform::Rect;

constexpr int kScreenW = 320;

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

// status bar lines
constexpr int kScoreY = 9, kTimeY = 25, kRingsY = 41;
constexpr int kOnesX = 81, kScoreOnesX = 105;

Rect DigitRect(int d) { return {16, kDigitH * d, 16 + kDigitW, kDigitH * d + kDigitH}; }

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
  PlaceUnclipped(CommonSheet, kLabels, 17, 9);

  // rings
  PlaceUnclipped(CommonSheet, DigitRect(RingCount % 10), kOnesX, kRingsY);
  if ((RingCount / 10) % 10 > 0 || RingCount / 100 > 0)
    PlaceUnclipped(CommonSheet, DigitRect((RingCount / 10) % 10), kOnesX - kDigitStep, kRingsY);
  if (RingCount / 100 > 0) PlaceUnclipped(CommonSheet, DigitRect(RingCount / 100), kOnesX - 2 * kDigitStep, kRingsY);

  // time
  PlaceUnclipped(CommonSheet, DigitRect(ClockSeconds % 10), kOnesX, kTimeY);
  PlaceUnclipped(CommonSheet, DigitRect(ClockSeconds / 10), kOnesX - kDigitStep, kTimeY);
  PlaceUnclipped(CommonSheet, DigitRect(ClockMinutes), kOnesX - 3 * kDigitStep, kTimeY);

  DrawNumber(*this, Score, 7, kScoreOnesX, kScoreY);

  PlaceUnclipped(CommonSheet, kLivesIcon[Character == 1 ? 1 : 0], 17, 216);
  PlaceUnclipped(CommonSheet, DigitRect(Lives), 45, 221);
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
  PlaceUnclipped(BarSheet, {cut, 0, kBarW, 16}, x, 0);
  for (int n = 1; n <= 13; ++n) PlaceUnclipped(BarSheet, {cut, 16, kBarW, 32}, x, 16 * n);
  PlaceUnclipped(BarSheet, {cut, 32, kBarW, 48}, x, 224);

  DrawLetters(*this, ZoneNameLetters, 54 + TitleCardSlide, 64);

  // the act graphic leaves to the right, cut at the screen's edge
  Rect act{0, ActIndex * 48 + 48, kBarW, ActIndex * 48 + 96};
  if (TitleCardSlide > 66) act.right = kBarW - (TitleCardSlide - 66);
  PlaceUnclipped(BarSheet, act, TitleCardSlide + 160, 96);
}

void ZoneForm::ActClearScreen() {
  TallyStart();
  TallyCount();

  DrawLetters(*this, ActLine1, 50 + TallyLine1X, 64);
  DrawLetters(*this, ActLine2, 40 + TallyLine2X, 96);
  switch (ActIndex) {
    case 0:
      PlaceUnclipped(CommonSheet, kActOne, TallyLine2X + 212, 81);
      break;
    case 1:
      PlaceUnclipped(CommonSheet, kActWord, TallyLine2X + 212, 81);
      PlaceUnclipped(CommonSheet, kTwo, TallyLine2X + 238, 81);
      break;
    case 2:
      PlaceUnclipped(CommonSheet, kActWord, TallyLine2X + 208, 81);
      PlaceUnclipped(CommonSheet, kThree, TallyLine2X + 238, 81);
      break;
    default:
      break;
  }

  TallySlide();
  // the three rows arrive one after the other and stop at x 64
  const int rowX1 = std::max<int>(TallyLine2X, 64);
  const int rowX2 = TallyLine2X < 33 ? 64 : TallyLine2X + 32;
  const int rowX3 = TallyLine2X < 17 ? 64 : TallyLine2X + 48;
  TallyAdvance();

  PlaceUnclipped(CommonSheet, kTimeWord, rowX1, 128);
  PlaceUnclipped(CommonSheet, kBonusWord, rowX1 + 42, 127);
  DrawNumber(*this, TimeBonus, 5, rowX1 + 170, 128);
  PlaceUnclipped(CommonSheet, kRingsWord, rowX2, 144);
  PlaceUnclipped(CommonSheet, kBonusWord, rowX2 + 42, 143);
  DrawNumber(*this, RingBonus, 7, rowX2 + 170, 144);
  PlaceUnclipped(CommonSheet, kTotalWord, rowX3 + 21, 167);
  DrawNumber(*this, TallyTotal, 7, rowX3 + 170, 168);

  TallyFinish();
}

}  // namespace orvane
