// The title program's pictures, the launcher's four status pictures and the ring demo's bitmaps.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "assets/art/Common.h"
#include "assets/art/Font.h"
#include "assets/art/Heroes.h"
#include "assets/art/Zones.h"

namespace assets::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
const Ramp kInkRamp{{kInk, kInk, kInk, kInk}};
const Ramp kGold = MakeRamp({170, 100, 10}, {230, 170, 30}, {255, 220, 70}, {255, 250, 200});
const Ramp kPlum = MakeRamp({60, 20, 70}, {110, 40, 120}, {160, 70, 170}, {214, 130, 220});
const Ramp kCream = MakeRamp({200, 170, 130}, {236, 214, 176}, {250, 238, 210}, {255, 250, 236});

// The ledge the two characters land on, over a cream ribbon. The ribbon ends above the prompt,
// which is written below it on the bands (its lines run from screen row 186 to 226, further
// down than the bar reaches, so no line may cross the ribbon's edge).
Image TitleBar() {
  Image s(261, 109);
  // ledge: top at row 22, from x 20 to 240
  for (int y = 22; y < 40; ++y)
    for (int x = 20; x < 241; ++x) {
      const double inset = (y - 22) * 0.8;
      if (x < 20 + inset || x > 240 - inset) continue;
      Rgb c = kPlum[y < 24 ? 3 : (y < 30 ? 2 : 1)];
      if (y == 26 || y == 35) c = kGold[2];
      s.Set(x, y, c);
    }
  // ribbon with folded ends
  for (int y = 40; y < 90; ++y)
    for (int x = 2; x < 259; ++x) {
      const double bend = 5 * std::sin((x - 2) / 257.0 * kPi);
      const double top = 43 + bend, bottom = 81 + bend * 0.6;
      const bool end = x < 26 || x > 234;
      const double et = end ? top + 8 : top, eb = end ? bottom - 4 : bottom;
      if (y < et || y > eb) continue;
      Rgb c = kCream[y < et + 3 ? 3 : (y > eb - 4 ? 1 : 2)];
      if (end) c = Mix(c, kGold[1], 0.45);
      if ((x == 26 || x == 234) && !end) c = kGold[0];
      if (y > et + 5 && y < et + 7 && !end) c = kGold[2];
      if (y > eb - 8 && y < eb - 6 && !end) c = kGold[2];
      s.Set(x, y, c);
    }
  // the two names on the ribbon, each under the place its hero lands on (Kubo on the left, Zinto
  // on the right), a gold star between them
  const TextStyle names{kPlum, 2, 3, 6, false, kInk};
  for (const auto& [name, centre] : {std::pair<std::string, int>{"KUBO", 70}, {"ZINTO", 185}}) {
    const int x = centre - TextWidth(name, names) / 2;
    const double bend = 5 * std::sin((centre - 2) / 257.0 * kPi);
    DrawText(s, x, static_cast<int>(52 + bend * 0.8), name, names);
  }
  const double sx = 128, sy = 66;
  FillPolygon(s, {sx, sy - 7, sx + 2, sy - 2, sx + 7, sy, sx + 2, sy + 2, sx, sy + 7, sx - 2, sy + 2, sx - 7, sy, sx - 2, sy - 2},
              kGold[2]);
  s.Set(static_cast<int>(sx), static_cast<int>(sy), kGold[3]);
  Outline(s);
  return s;
}

// Wings and a halo behind the characters.
Image TitleWings() {
  Image s(256, 144);
  for (int side = -1; side <= 1; side += 2) {
    for (int k = 0; k < 6; ++k) {
      const double a = -0.2 - k * 0.22;
      const double len = 110 - k * 10;
      const double x1 = 128 + side * 20, y1 = 80;
      const double x2 = 128 + side * std::cos(a) * len, y2 = 80 + std::sin(a) * len * 0.8;
      TubeShape(s, x1, y1, x2, y2, 13 - k, 4, kInkRamp, 0);
    }
    for (int k = 0; k < 6; ++k) {
      const double a = -0.2 - k * 0.22;
      const double len = 110 - k * 10;
      const double x1 = 128 + side * 20, y1 = 80;
      const double x2 = 128 + side * std::cos(a) * len, y2 = 80 + std::sin(a) * len * 0.8;
      TubeShape(s, x1, y1, x2, y2, 12 - k, 3, k % 2 ? kPlum : MakeRamp({120, 60, 150}, {170, 100, 200}, {210, 150, 235}, {245, 215, 255}));
    }
  }
  for (int y = 0; y < 144; ++y)
    for (int x = 0; x < 256; ++x) {
      const double d = std::hypot(x - 128, (y - 74) * 1.1);
      if (d < 46 && d > 40) s.Set(x, y, kGold[d < 42 ? 3 : (d < 44 ? 2 : 1)]);
      if ((d >= 46 && d < 47.5) || (d <= 40 && d > 38.5)) s.Set(x, y, kInk);
    }
  return s;
}

// The logo's letters, each a solid shape drawn in a 24x32 box and squeezed to its height. The
// strokes are broad (6 pixels) and every bar several rows tall: while the logo waves, its even and
// odd rows swing apart, and each half must still show every stroke of every letter. The letters
// are kept low (26 rows), because the settled ripple bends a tall letter further out of shape.
void LogoLetter(Image& m, char ch, double x, double y, double h, Rgb c) {
  const double sy = h / 32;  // the shapes are drawn in a 24x32 box, squeezed to height h
  auto place = [&](std::vector<double> xy) {
    for (size_t i = 0; i < xy.size(); i += 2) xy[i] += x, xy[i + 1] = y + xy[i + 1] * sy;
    return xy;
  };
  auto poly = [&](std::vector<double> xy) { FillPolygon(m, place(std::move(xy)), c); };
  auto hole = [&](std::vector<double> xy) { FillPolygon(m, place(std::move(xy)), kClear); };
  switch (ch) {
    case 'O':
      FillEllipse(m, x + 12, y + 16 * sy, 12, 16 * sy, c);
      FillEllipse(m, x + 12, y + 16 * sy, 5.5, 9.5 * sy, kClear);
      break;
    case 'R':
      poly({0, 0, 16, 0, 21, 2, 24, 6, 24, 12, 21, 16, 16, 18, 6, 18, 6, 32, 0, 32});
      hole({6, 6, 15, 6, 18, 8, 18, 10, 15, 12, 6, 12});
      poly({10, 16, 17, 16, 24, 32, 17, 32});
      break;
    case 'V':  // the arms meet low, with no stem: a rippled V must not turn into a Y
      poly({0, 0, 7, 0, 12, 25, 17, 0, 24, 0, 14.5, 32, 9.5, 32});
      break;
    case 'A':
      poly({8.5, 0, 15.5, 0, 24, 32, 17.5, 32, 16, 26, 8, 26, 6.5, 32, 0, 32});
      hole({12, 8, 14.6, 20, 9.4, 20});
      break;
    case 'N': poly({0, 0, 7, 0, 18, 19, 18, 0, 24, 0, 24, 32, 17, 32, 6, 13, 6, 32, 0, 32}); break;
    case 'E':
      poly({0, 0, 24, 0, 24, 6, 6, 6, 6, 13, 20, 13, 20, 19, 6, 19, 6, 26, 24, 26, 24, 32, 0, 32});
      break;
    default: break;
  }
}

Image TitleLogo() {
  constexpr double kOddRowShade = 0.7;
  constexpr int kLetterW = 24, kGap = 3, kLetterH = 26, kTop = 3 + (32 - kLetterH) / 2;
  const std::string word = "ORVANE";
  Image letters(165, 42);
  for (size_t i = 0; i < word.size(); ++i)
    LogoLetter(letters, word[i], 3 + static_cast<double>(i) * (kLetterW + kGap), kTop, kLetterH, kGold[2]);
  // gold, lighter towards the top, with a pale band across the upper third
  for (int y = 0; y < 42; ++y)
    for (int x = 0; x < 165; ++x) {
      if (!letters.Opaque(x, y)) continue;
      const int r = y - kTop;
      const double t = r / static_cast<double>(kLetterH);
      letters.Set(x, y, t < 0.12 ? kGold[3] : (t < 0.28 ? Rgb{255, 255, 236} : (t < 0.62 ? kGold[2] : (t < 0.84 ? kGold[1] : kGold[0]))));
    }
  Image s(165, 42);
  for (int y = 0; y < 42; ++y)
    for (int x = 0; x < 165; ++x)
      if (letters.Opaque(x, y)) s.Set(x + 2, y + 2, {60, 20, 70});  // deep shadow
  Outline(letters);
  s.Paste(letters, 0, 0);
  Outline(s);
  // While the logo waves its odd rows swing against the even ones: they are painted a shade darker,
  // so the bright even rows read as the word and the odd ones trail as its shadow; once the logo
  // settles they give it a fine engraved line.
  for (int y = 1; y < 42; y += 2)
    for (int x = 0; x < 165; ++x)
      if (s.Opaque(x, y) && !(s.Get(x, y) == kInk)) s.Set(x, y, Shade(s.Get(x, y), kOddRowShade));
  return s;
}

Image TitleBackdrop() {
  Image s(320, 264);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const double t = y / 240.0;
      Rgb c = Mix({90, 70, 170}, {250, 200, 220}, t);
      if (Noise(x / 30.0, y / 12.0, 5, 0) > 0.7 && y < 160) c = Mix(c, {255, 245, 250}, 0.5);
      s.Set(x, y, c);
    }
  // the band strip: soft horizontal streaks on light lavender, seamless over 320 pixels
  for (int y = 240; y < 264; ++y)
    for (int x = 0; x < 320; ++x) {
      const int j = y - 240;
      const double n = Noise(x / 20.0, j / 3.0, 77, 16);
      Rgb c = Mix({196, 180, 236}, {236, 224, 252}, std::sin(j / 23.0 * kPi));
      if (n > 0.68) c = Mix(c, {255, 255, 255}, 0.6);
      else if (n < 0.22) c = Mix(c, {160, 140, 220}, 0.5);
      s.Set(x, y, c);
    }
  return s;
}

Image StatusPicture(int zone, Hero hero) {
  Image pic = zone == 1 ? PlumValeScene(200, 150) : AshMoorScene(200, 150);
  Pose p;
  if (hero == Hero::Zinto) {
    p.hipF = 0.25, p.hipB = -0.2, p.armF = 1.45, p.elbowF = 0.2, p.armB = -0.6, p.elbowB = 1.2, p.tail = 0.6;
    p.headTilt = 0.1, p.scarf = 0.7;
    DrawHero(pic, hero, 46, 150 - 35 - 37 * 2.2, 2.2, p, 2);
  } else {
    p.hipF = 0.2, p.hipB = -0.2, p.armF = 1.5, p.elbowF = 0.1, p.armB = -2.2, p.wing = 0.8, p.mouth = 1;
    DrawHero(pic, hero, 40, 150 - 35 - 31 * 2.4, 2.4, p, 2);
  }
  // name plate
  const std::string name = hero == Hero::Zinto ? "ZINTO" : "KUBO";
  DrawText(pic, 8, 8, zone == 1 ? "PLUM VALE" : "ASH MOOR", TextStyle{kGold, 1, 1, 6, true, kInk});
  DrawText(pic, 8, 20, name, TextStyle{kCream, 1, 1, 6, true, kInk});
  return pic;
}

}  // namespace

void WriteTitleArt(const std::filesystem::path& game) {
  const auto dir = game / "Data" / "Data" / "Title";
  SaveBmp(dir / "Obar.bmp", TitleBar());
  SaveBmp(dir / "Owng.bmp", TitleWings());
  SaveBmp(dir / "Otxt1.bmp", TitleLogo());
  SaveBmp(dir / "Vesk.bmp", TitleBackdrop(), true);
  // the prompt's letters in the ribbon's cream, edged in the ledge's plum
  SaveBmp(dir / kPromptFontFile, PromptFontSheet(kCream, {60, 20, 70}));
}

void WriteLauncherArt(const std::filesystem::path& game) {
  const auto dir = game / "Data" / "Data" / "Save";
  SaveBmp(dir / "Zone1Zinto.bmp", StatusPicture(1, Hero::Zinto), true);
  SaveBmp(dir / "Zone1Kubo.bmp", StatusPicture(1, Hero::Kubo), true);
  SaveBmp(dir / "Zone2Zinto.bmp", StatusPicture(2, Hero::Zinto), true);
  SaveBmp(dir / "Zone2Kubo.bmp", StatusPicture(2, Hero::Kubo), true);
}

void WriteRingDemoArt(const std::filesystem::path& game) {
  const auto dir = game / "Ringdepth";
  // The floor's far rows meet at screen row 120 (the demo's projection centre), so the horizon is
  // painted there. The floor is a grid floating in open space, mirrored about the horizon: the
  // Up and Down keys move the eye through the floor's plane, and from below it the grid runs
  // above the horizon, where it must read as the same grid seen from underneath, not as lines
  // scratched across a sky. A glow at the vanishing point is where the ring line leads.
  constexpr int kHorizon = 120;
  Image back(320, 240);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const double d = std::abs(y - kHorizon) / static_cast<double>(kHorizon);  // 0 at the horizon
      Rgb c = Mix({200, 110, 170}, {14, 10, 40}, std::pow(std::min(d, 1.0), 0.45));
      if (Hash(x, y, 3) > 0.995 && d > 0.25) c = Mix(c, {255, 250, 230}, d);  // stars, fading near the glow
      if (y == kHorizon) c = {255, 200, 160};
      back.Set(x, y, c);
    }
  for (int y = kHorizon - 24; y <= kHorizon + 24; ++y)
    for (int x = 136; x <= 184; ++x) {
      const double r = std::hypot(x - 160, y - kHorizon);
      if (r < 7) back.Set(x, y, {255, 246, 220});
      else if (r < 10) back.Set(x, y, {255, 200, 160});
      else if (r < 16 && Bayer(x, y) < (16 - r) / 8) back.Set(x, y, Mix(back.Get(x, y), {255, 200, 160}, 0.5));
    }
  SaveBmp(dir / "back.bmp", back, true);

  Image rings(128, 144);
  for (int size = 0; size < 9; ++size)
    for (int f = 0; f < 8; ++f) {
      Image cell(16, 16);
      const double r = 7.4 - size * 0.68;
      GoldRing(cell, 7.5, 7.5, r, std::cos(f * kPi / 8));
      rings.Paste(cell, f * 16, size * 16);
    }
  SaveBmp(dir / "ring.bmp", rings);
}

}  // namespace assets::art
