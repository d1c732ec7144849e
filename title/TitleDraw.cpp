// The title's picture, composed on the work surface each frame: circles, then the bands, the wing,
// the characters and the bar, the waving logo and the prompt; then presented and flipped. A drawing
// call that fails gives up the rest of the frame, which is then not shown; the next frame starts
// afresh.
#include <cmath>

#include "assets/common/PromptFont.h"
#include "engine/core/Numbers.h"
#include "platform/video/ScreenBlit.h"
#include "title/Title.h"

namespace orvane {

namespace {
using platform::Check;
using platform::FrameAbandoned;

using platform::kScreenH;
using platform::kScreenW;
constexpr int kBandH = 24;
constexpr int kBandSourceY = 240;   // the band strip's rows in the backdrop
constexpr int kUpperBandsLastY = 144;
constexpr int kLowerBandsFirstY = 144;
constexpr int kLowerBandsLastY = 216;
constexpr uint16_t kCircleColor = platform::Rgb565(240, 240, 255);
constexpr int kZintoFrameH = 74;
constexpr int kKuboFrameH = 64;
constexpr int kLogoX = 78;
constexpr int kLogoY = 10;
constexpr int kLogoLastRow = 64;
constexpr double kWaveFastStep = 0.8;
constexpr double kWaveSlowStep = 0.4;
constexpr double kSettledAmplitude = 8;
constexpr double kSettledGrowth = 0.02;
constexpr int16_t kSettledPeriod = 10;
constexpr double kPromptStart = 8;

// A position the wave computed; a period of 0 makes it incomputable, and the frame is given up.
int32_t WavePosition(double x) {
  if (!std::isfinite(x)) throw FrameAbandoned{};
  return ToInt32(x);
}
}  // namespace

void Title::Blit() {
  RestoreAfterLostDisplay();
  try {
    DrawFrame();
    Present();
  } catch (const FrameAbandoned&) {
    ++AbandonedFrames;
  }
}

void Title::DrawFrame() {
  // the intro: one circle growing, one shrinking
  if (StageTime < 3) {
    DrawCircle(WorkSurface, 160, 120, ToInt32(25 * StageTime), kCircleColor);
    DrawCircle(WorkSurface, 160, 120, ToInt32(150 - 50 * StageTime), kCircleColor);
  }

  // the flight: bands, wing, characters, bands again, bar
  if (StageTime > 3) {
    DrawBands(0, kUpperBandsLastY);
    Check(BltFast(WorkSurface, 32, 48, WingSheet, {0, 0, WingSheet.Width(), WingSheet.Height()}, platform::kBltKeyed));
    const int32_t f = Zinto.Counter / 2;
    Check(BltFast(WorkSurface, ToInt32(Zinto.X), ToInt32(Zinto.Y), CharacterSheet,
                  {0, kZintoFrameH * f, 74, kZintoFrameH * f + kZintoFrameH}, platform::kBltKeyed));
    const int32_t g = Kubo.Counter / 2;
    Check(BltFast(WorkSurface, ToInt32(Kubo.X), ToInt32(Kubo.Y), CharacterSheet,
                  {74, kKuboFrameH * g, 161, kKuboFrameH * g + kKuboFrameH}, platform::kBltKeyed));
    DrawBands(kLowerBandsFirstY, kLowerBandsLastY);
    Check(BltFast(WorkSurface, 31, 97, BarSheet, {0, 0, BarSheet.Width(), BarSheet.Height()}, platform::kBltKeyed));
  }

  if (StageTime > 6) DrawLogo();
  if (StageTime > kPromptStart) DrawPrompt();
}

void Title::DrawBands(int firstY, int lastY) {
  // Each band is a 24-pixel strip of the backdrop's last rows, drawn twice side by side so that
  // its scroll wraps round.
  const platform::Rect strip{0, kBandSourceY, kScreenW, kBandSourceY + kBandH};
  for (int y = firstY; y <= lastY; y += kBandH) {
    const double offset = BandOffset[static_cast<size_t>(y / kBandH)];
    Check(BltFastClipped(WorkSurface, ToInt32(offset), y, Backdrop, strip, platform::kBltWait));
    Check(BltFastClipped(WorkSurface, ToInt32(kScreenW + offset), y, Backdrop, strip, platform::kBltWait));
  }
}

void Title::DrawLogo() {
  if (WavePhase == 360) WavePhase = 0;
  // One logo row at x, y; rows below the picture's last are empty, and a row is cut at the
  // screen's edges.
  auto row = [&](int d, int32_t x, int32_t y) {
    if (d >= LogoSheet.Height()) return;
    Check(BltFastClipped(WorkSurface, x, y, LogoSheet, {0, d, LogoSheet.Width(), d + 1}, platform::kBltKeyed));
  };

  if (WaveSettled == 0) {
    // waving: even rows swing one way, odd rows the other
    WavePhase += kWaveFastStep;
    for (int d = 0; d <= kLogoLastRow; d += 2) {
      const double s = std::sin((WavePhase + d) / WavePeriod);
      const double s1 = std::sin((WavePhase + d + 1) / WavePeriod);
      row(d, WavePosition(kLogoX + LogoOffset + WaveAmplitude * s), d + kLogoY);
      row(d + 1, WavePosition(kLogoX - (LogoOffset + WaveAmplitude * s1)), d + kLogoY + 1);
    }
  } else if (WaveSettled == 1) {
    // settled: a slow, gentle ripple
    WavePhase += kWaveSlowStep;
    if (WaveAmplitude < kSettledAmplitude) {
      WaveAmplitude += kSettledGrowth;
      WavePeriod = kSettledPeriod;
    }
    for (int d = 0; d <= kLogoLastRow; ++d) {
      const double s = std::sin((WavePhase + d) / WavePeriod);
      row(d, WavePosition(kLogoX + LogoOffset + WaveAmplitude * s), d + kLogoY);
    }
  }

  if (WaveAmplitude == 0 && WaveSettled == 0) WaveSettled = 1;
}

void Title::DrawPrompt() {
  DrawPromptText(80, 200, "Press");
  DrawPromptText(126, 186, "S for Zinto");
  DrawPromptText(150, 200, "or");
  DrawPromptText(126, 214, "T for Kubo");
}

// Each letter's cell has a one-pixel border for the outline, so the cell goes one pixel up and
// left of the text's corner.
void Title::DrawPromptText(int x, int y, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const int k = static_cast<unsigned char>(text[i]) - assets::kPromptFirstChar;
    if (k <= 0 || k >= assets::kPromptChars) continue;  // spaces and what the font lacks
    const int cx = (k % assets::kPromptColumns) * assets::kPromptCellW, cy = (k / assets::kPromptColumns) * assets::kPromptCellH;
    Check(BltFastClipped(WorkSurface, x - 1 + static_cast<int>(i) * assets::kPromptAdvance, y - 1, PromptFont,
                         {cx, cy, cx + assets::kPromptCellW, cy + assets::kPromptCellH}, platform::kBltKeyed));
  }
}

void Title::Present() {
  platform::Surface& back = os_.display.BackBuffer();
  const platform::Rect whole{0, 0, kScreenW, kScreenH};
  if (DisplayMode == 1) {
    // 640x480: the picture unscaled in the middle of a black screen
    Check(BltColorFill(back, {0, 0, 640, 480}, 0));
    Check(BltFast(back, 160, 120, WorkSurface, whole, platform::kBltWait));
  } else {
    // Any other display byte presents as 320x240 rather than showing nothing at all.
    Check(BltFast(back, 0, 0, WorkSurface, whole, platform::kBltWait));
  }
  os_.display.Flip();
}

}  // namespace orvane
