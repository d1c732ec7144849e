// The two player sheets, the two curve sheets and the title's character sheet.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/art/Heroes.h"
#include "assets/art/HeroPen.h"

namespace assets::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The dying frames lean the whole figure back by this much (radians), so the fall reads as a defeat.
constexpr double kDefeatTilt = 0.8;

const Ramp kPuff = MakeRamp({140, 128, 150}, {196, 188, 204}, {230, 226, 236}, {252, 250, 255});

// Little dust clouds kicked up by skids and spin charges.
void Dust(Image& img, double x, double y, double r) {
  BallShape(img, x, y, r + 1, r * 0.8 + 1, 0, MakeRamp(kInk, kInk, kInk, kInk), 0);
  BallShape(img, x, y, r, r * 0.8, 0, kPuff);
}

// Speed streaks trailing a figure, fading with distance.
void Streaks(Image& img, int x0, int y0, int w, int h, const Ramp& ramp, int count, bool downward) {
  for (int k = 0; k < count; ++k) {
    const int x = x0 + (k + 1) * w / (count + 1);
    const int len = h - (k % 2) * h / 3 - 2;
    for (int j = 0; j < len; ++j) {
      const int y = downward ? y0 + j : y0 + h - 1 - j;
      const double t = static_cast<double>(j) / len;
      if (t > 0.55 && Bayer(x, y) < (t - 0.55) * 2.2) continue;
      img.Set(x, y, t < 0.3 ? ramp[3] : (t < 0.65 ? ramp[2] : ramp[1]));
      img.Set(x + 1, y, kInk);
      img.Set(x - 1, y, kInk);
    }
  }
}

const Ramp kZintoTrail = MakeRamp({150, 40, 60}, {220, 90, 80}, {250, 180, 120}, {255, 236, 190});
const Ramp kKuboTrail = MakeRamp({60, 60, 160}, {110, 110, 220}, {170, 200, 250}, {220, 240, 255});

Image ZintoCell(int f) {
  const int h = f == 27 ? 70 : (f == 34 ? 42 : 38);
  Image cell(40, h);
  const Pose p = ZintoFrame(f);
  if (f == 27) {
    Streaks(cell, 8, 36, 22, 33, kZintoTrail, 3, true);
    DrawHero(cell, Hero::Zinto, 0, 0, 1.0, p);
    return cell;
  }
  if (f >= 22 && f <= 26) {
    const int k = f - 22;
    Dust(cell, 6 - (k % 3), 33 - (k % 2), 3.0 + (k % 3) * 0.6);
    Dust(cell, 11 + (k % 2), 35, 2.4);
  }
  if (f == 16 || f == 17) {
    Dust(cell, 33 + (f - 16) * 2, 34 - (f - 16), 2.6);
    Dust(cell, 29 + (f - 16) * 3, 35, 2.0);
  }
  if (f == 34) {
    // defeated: thrown over backwards, limbs flung wide
    DrawHero(cell, Hero::Zinto, 0, 2, 1.0, p, 1, kDefeatTilt, 20, 21);
    return cell;
  }
  DrawHero(cell, Hero::Zinto, 0, 0, 1.0, p);
  if (f >= 7 && f <= 10) {
    // speed lines behind a running Zinto
    for (int k = 0; k < 3; ++k) {
      const int y = 14 + k * 6 + (f % 2);
      for (int x = 0; x < 4 - k % 2; ++x) cell.Set(x, y, kZintoTrail[2 + (x > 1)]);
    }
  }
  return cell;
}

Image KuboCell(int f) {
  const int h = (f == 25 || f == 27) ? 64 : 32;
  Image cell(43, h);
  const Pose p = KuboFrame(f);
  if (f == 25 || f == 27) {
    Streaks(cell, 10, 30, 22, 33, kKuboTrail, 3, true);
    DrawHero(cell, Hero::Kubo, 0, 0, 1.0, p);
    return cell;
  }
  if (f >= 22 && f <= 24) {
    const int k = f - 22;
    Dust(cell, 6 - k, 27 - (k % 2), 3.0 + k * 0.5);
    Dust(cell, 11 + k, 29, 2.2);
  }
  if (f == 19) {
    Dust(cell, 35, 28, 2.6);
    Dust(cell, 31, 29, 2.0);
  }
  if (f == 36) {
    DrawHero(cell, Hero::Kubo, 0.5, 0, 1.0, p, 1, kDefeatTilt, 21, 16);
    return cell;
  }
  DrawHero(cell, Hero::Kubo, 0.5, 0, 1.0, p);
  return cell;
}

// A player sheet: left-facing frames at x 0, right-facing at x `cellW`. Frames listed in
// `skip` are covered by the taller sprung picture above them.
template <typename CellFn>
Image PlayerSheet(int cellW, int cellH, int frames, int sheetH, CellFn cellOf, const std::vector<int>& skip) {
  Image sheet(cellW * 2, sheetH);
  for (int f = 0; f < frames; ++f) {
    if (std::find(skip.begin(), skip.end(), f) != skip.end()) continue;
    const Image right = cellOf(f);
    const Image left = right.MirroredX();
    sheet.Paste(left, 0, f * cellH);
    sheet.Paste(right, cellW, f * cellH);
  }
  return sheet;
}

// Curve poses: 8 angles around a loop, 4 running frames each, 44x44 cells.
Image CurveSheet(Hero hero) {
  Image sheet(88, 1408);
  const double scale = 0.92;
  // design cell placed so the feet stand a little below the cell centre line
  const double ox = hero == Hero::Zinto ? 3.6 : 2.2;
  const double oy = hero == Hero::Zinto ? 1.5 : 7.4;
  for (int pose = 0; pose < 8; ++pose)
    for (int f = 0; f < 4; ++f) {
      const double angle = pose * kPi / 4;
      const Pose p = CurveRunFrame(hero, f);
      Image right(44, 44), leftSrc(44, 44);
      DrawHero(right, hero, ox, oy, scale, p, 1, angle, 21.5, 21.5);
      DrawHero(leftSrc, hero, ox, oy, scale, p, 1, -angle, 21.5, 21.5);
      const int row = (pose * 4 + f) * 44;
      sheet.Paste(leftSrc.MirroredX(), 0, row);
      sheet.Paste(right, 44, row);
    }
  return sheet;
}

// The title's character sheet: Zinto in 74x74 cells at x 0 (frame 0 leaping in, then landing),
// Kubo in 87x64 cells at x 74 (frame 0 flying in, then landing).
Image TitleSheet() {
  Image sheet(161, 384);
  for (int f = 0; f < 5; ++f) {
    Pose p;
    if (f == 0) {
      p.lean = 0.7, p.hipF = 1.2, p.kneeF = 1.6, p.hipB = -0.6, p.kneeB = 1.0, p.armF = 2.6, p.elbowF = 0.2;
      p.armB = -1.2, p.elbowB = 0.8, p.scarf = 1.1, p.tail = -0.6, p.mouth = 0, p.lift = 4;
    } else {
      const double t = (f - 1) / 3.0;  // 0 touch-down .. 1 settled
      p.drop = 3.5 * (1 - t);
      p.lean = 0.35 * (1 - t) - 0.05 * t;
      p.hipF = 0.9 * (1 - t) + 0.2 * t, p.kneeF = 1.8 * (1 - t) + 0.1 * t;
      p.hipB = 0.5 * (1 - t) - 0.15 * t, p.kneeB = 1.6 * (1 - t) + 0.2 * t;
      p.armF = 0.4 + 1.1 * t, p.elbowF = 0.9 - 0.7 * t;  // ends pointing ahead
      p.armB = -0.4 - 0.5 * t, p.elbowB = 1.6;
      p.scarf = 0.7 - 0.4 * t, p.tail = 0.5, p.mouth = f == 4 ? 0 : 3, p.headTilt = 0.12 * t;
    }
    Image cell(74, 74);
    // a little under the cell's height so the crest stays in the cell, the feet on its last row
    DrawHero(cell, Hero::Zinto, 0, f == 0 ? 11 : 5, 1.76, p, 2);
    sheet.Paste(cell, 0, f * 74);
  }
  for (int g = 0; g < 6; ++g) {
    Pose p;
    p.armF = 0.5, p.elbowF = 0.6, p.armB = -0.1, p.elbowB = 0.6;
    if (g == 0) {
      p.lean = 0.25, p.hipF = 0.4, p.kneeF = 0.7, p.hipB = 0.2, p.kneeB = 0.8, p.footF = -0.4, p.footB = -0.5;
      p.armF = 1.5, p.armB = 1.2, p.wing = 1.0, p.lift = 2;
    } else {
      const double t = (g - 1) / 4.0;
      p.wing = 1.0 - 1.2 * t + 0.2 * t * t;
      p.drop = 2.5 * (1 - t) * (g > 1);
      p.lean = 0.2 * (1 - t);
      p.hipF = 0.8 * (1 - t) + 0.15 * t, p.kneeF = 1.5 * (1 - t) + 0.1 * t;
      p.hipB = 0.6 * (1 - t) - 0.15 * t, p.kneeB = 1.4 * (1 - t) + 0.1 * t;
      p.armF = 0.6 + 1.0 * t, p.elbowF = 0.2, p.armB = 0.4 - 2.6 * t;  // paws spread: hooray
      p.mouth = g >= 4 ? 1 : 0, p.eyes = g == 5 ? 4 : 0;
    }
    Image cell(87, 64);
    // the raised wings of the flight stay in the cell
    DrawHero(cell, Hero::Kubo, 2, g == 0 ? 9 : (g == 1 ? 6.5 : 3.5), g == 0 ? 1.72 : (g == 1 ? 1.8 : 1.89), p, 2);
    sheet.Paste(cell, 74, g * 64);
  }
  return sheet;
}

}  // namespace

void WriteHeroSheets(const std::filesystem::path& game) {
  const auto data = game / "Data" / "Data";
  SaveBmp(data / "Player.bmp", PlayerSheet(40, 38, 35, 1335, ZintoCell, {28}));
  SaveBmp(data / "Player2.bmp", PlayerSheet(43, 32, 37, 1184, KuboCell, {26, 28}));
  SaveBmp(data / "Zloop.bmp", CurveSheet(Hero::Zinto));
  SaveBmp(data / "Kloop2.bmp", CurveSheet(Hero::Kubo));
  SaveBmp(data / "Title" / "ZK.bmp", TitleSheet());
}

}  // namespace assets::art
