// The sheets both zones share: rings, boxes, springs and hazards, the lamp post, the status
// bar pieces and act-clear words (Spriteg2), the title card (Zbar, Tback, Otext), the shields,
// the end sign faces and the end capsule.
#include <cmath>
#include <string>

#include "assets/art/Common.h"
#include "assets/art/Font.h"
#include "assets/art/Heroes.h"

namespace assets::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

const Ramp kGoldRing = MakeRamp({170, 100, 10}, {230, 170, 30}, {255, 220, 70}, {255, 250, 200});
const Ramp kInkRamp{{kInk, kInk, kInk, kInk}};
const Ramp kLabel = MakeRamp({200, 120, 20}, {240, 180, 40}, {255, 226, 90}, {255, 250, 200});
const Ramp kWhiteText = MakeRamp({150, 150, 190}, {206, 210, 236}, {240, 242, 252}, {255, 255, 255});
const Ramp kPlumBox = MakeRamp({60, 20, 70}, {110, 40, 120}, {160, 70, 170}, {214, 130, 220});
const Ramp kMetal = MakeRamp({70, 70, 96}, {130, 130, 156}, {186, 186, 206}, {236, 236, 246});
const Ramp kSpringCoil = MakeRamp({90, 90, 110}, {150, 150, 170}, {200, 200, 216}, {245, 245, 250});
const Ramp kSpringPlate = MakeRamp({160, 30, 40}, {220, 60, 60}, {250, 120, 90}, {255, 200, 170});
const Ramp kMint = MakeRamp({20, 110, 90}, {50, 190, 140}, {130, 240, 190}, {220, 255, 240});
const Ramp kFlame = MakeRamp({170, 40, 10}, {240, 100, 20}, {255, 170, 50}, {255, 240, 160});
const Ramp kWater = MakeRamp({30, 70, 170}, {60, 130, 230}, {130, 190, 250}, {220, 240, 255});

// ---- rings and sparkles ------------------------------------------------------------------

void DrawRing(Image& img, double cx, double cy, double r, double turn, const Ramp& ramp) {
  // turn: cosine of the ring's rotation about the vertical axis
  const double w = std::max(std::fabs(turn), 0.12);
  const double thick = std::max(1.6, r * 0.36);
  for (int y = static_cast<int>(cy - r - 2); y <= static_cast<int>(cy + r + 2); ++y)
    for (int x = static_cast<int>(cx - r - 2); x <= static_cast<int>(cx + r + 2); ++x) {
      const double u = (x - cx) / (r * w + 0.6), v = (y - cy) / r;
      const double d = std::sqrt(u * u + v * v);
      const double innerR = std::max(0.0, 1 - thick / r);
      const double ui = (x - cx) / std::max(0.01, (r - thick) * w), vi = (y - cy) / std::max(0.01, r - thick);
      const bool inOuter = d <= 1.0;
      const bool inInner = innerR > 0 && ui * ui + vi * vi < 1.0 && std::fabs(turn) > 0.2;
      const bool nearOuter = !inOuter && d <= 1.0 + 1.2 / r * (1 / std::max(w, 0.4));
      if (inOuter && !inInner) {
        const double a = std::atan2(v, u);
        int tone = 1 + (std::sin(a - 2.4) > 0.2) + (std::sin(a - 2.4) > 0.8);
        if (turn < 0) tone = std::max(0, tone - 1);
        if (std::fabs(turn) < 0.3) tone = (x < cx) ? 3 : 1;
        img.Set(x, y, ramp[tone]);
      } else if (nearOuter || (inInner && ui * ui + vi * vi > 0.72)) {
        img.Set(x, y, kInk);
      }
    }
}

void Sparkle(Image& img, double cx, double cy, double r, const Ramp& ramp) {
  for (int y = static_cast<int>(cy - r - 1); y <= static_cast<int>(cy + r + 1); ++y)
    for (int x = static_cast<int>(cx - r - 1); x <= static_cast<int>(cx + r + 1); ++x) {
      const double dx = std::fabs(x - cx), dy = std::fabs(y - cy);
      const double star = std::min(dx, dy) * 3 + std::max(dx, dy) * 0.35;  // four-pointed
      if (star < r * 0.55) img.Set(x, y, ramp[star < r * 0.2 ? 3 : 2]);
      else if (star < r * 0.75) img.Set(x, y, ramp[1]);
    }
}

// ---- item boxes --------------------------------------------------------------------------

void BoxShell(Image& s, int x0, int y0, bool opened) {
  Image b(28, 32);
  if (!opened) {
    // body with a round window (the icon shows through x 6..21, y 5..18)
    for (int y = 1; y < 28; ++y)
      for (int x = 1; x < 27; ++x) {
        int tone = x < 4 ? 3 : (x < 14 ? 2 : (x < 24 ? 1 : 0));
        if (y < 3) tone = 3;
        b.Set(x, y, kPlumBox[tone]);
      }
    FillRect(b, 5, 4, 18, 16, kInk);
    FillRect(b, 6, 5, 16, 14, {30, 40, 60});
    for (int y = 5; y < 19; ++y)
      for (int x = 6; x < 22; ++x)
        if ((x + y) % 7 == 0 && y < 11) b.Set(x, y, {70, 90, 120});  // glass glint
    FillRect(b, 3, 28, 22, 3, kMetal[1]);
    FillRect(b, 3, 28, 22, 1, kMetal[3]);
    FillRect(b, 8, 22, 12, 3, kMetal[2]);
  } else {
    // the broken shell: a low base with jagged remains
    for (int y = 18; y < 28; ++y)
      for (int x = 1; x < 27; ++x) {
        const int jag = 18 + static_cast<int>(3 * std::fabs(std::sin(x * 1.7)));
        if (y < jag) continue;
        b.Set(x, y, kPlumBox[x < 8 ? 2 : 1]);
      }
    FillRect(b, 3, 28, 22, 3, kMetal[1]);
    FillRect(b, 3, 28, 22, 1, kMetal[3]);
  }
  Outline(b);
  s.Paste(b, x0, y0);
}

void BoxIcon(Image& s, int x0, int y0, int kind) {
  Image ic(16, 14);
  switch (kind) {
    case 3:  // ten rings: one big ring, face on, with a glint (two overlapping rings read as letters)
      DrawRing(ic, 7, 7.5, 5.8, 1.0, kGoldRing);
      Sparkle(ic, 13, 3, 3.2, kWhiteText);
      break;
    case 4:  // the double-jump shield: a mint bubble with a feather
      BallShape(ic, 8, 7, 6, 6, 0, kMint);
      Line(ic, 5, 10, 11, 4, kMint[3]);
      Line(ic, 6, 10, 11, 5, kMint[0]);
      break;
    case 5:  // the dash shield: a flame
      BallShape(ic, 8, 9, 5, 4, 0, kFlame);
      FillPolygon(ic, {4, 8, 8, 1, 12, 8}, kFlame[2]);
      FillPolygon(ic, {6, 9, 8, 4, 10, 9}, kFlame[3]);
      break;
    case 6:  // the bounce shield: a water drop bubble
      BallShape(ic, 8, 8, 5.5, 5, 0, kWater);
      FillPolygon(ic, {5, 6, 8, 0, 11, 6}, kWater[2]);
      break;
    case 8:  // invincibility: three stars
      Sparkle(ic, 5, 5, 5, kGoldRing);
      Sparkle(ic, 11, 9, 5, kGoldRing);
      break;
    default: {  // a mystery swirl
      const Ramp r = kind == 7 ? kWhiteText : (kind == 9 ? kMint : (kind == 10 ? kFlame : kWater));
      DrawGlyphFit(ic, 5, 1, '?', 6, 11, r);
      break;
    }
  }
  Outline(ic);
  s.Paste(ic, x0, y0);
}

// ---- hazards and springs (32x32 cells) -----------------------------------------------------

void Spikes(Image& c, int x0, int y0, int len, int dir, int count, int size) {
  // dir: 0 up, 1 down, 2 left, 3 right
  for (int k = 0; k < count; ++k) {
    const double a = x0 + (k + 0.5) * len / count;
    std::vector<double> tri;
    if (dir == 0) tri = {a - size * 0.5, static_cast<double>(y0), a, static_cast<double>(y0 - size), a + size * 0.5, static_cast<double>(y0)};
    if (dir == 1) tri = {a - size * 0.5, static_cast<double>(y0), a, static_cast<double>(y0 + size), a + size * 0.5, static_cast<double>(y0)};
    if (dir == 2) tri = {static_cast<double>(y0), a - size * 0.5, static_cast<double>(y0 - size), a, static_cast<double>(y0), a + size * 0.5};
    if (dir == 3) tri = {static_cast<double>(y0), a - size * 0.5, static_cast<double>(y0 + size), a, static_cast<double>(y0), a + size * 0.5};
    FillPolygon(c, tri, kMetal[2]);
    // light the left half of each spike
    if (dir < 2) FillPolygon(c, {tri[0], tri[1], tri[2], tri[3], a, tri[5]}, kMetal[3]);
    else FillPolygon(c, {tri[0], tri[1], tri[2], tri[3], tri[4], a}, kMetal[3]);
  }
}

void MetalBlock(Image& c, int x, int y, int w, int h) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int tone = (i < 2 || j < 2) ? 3 : ((i > w - 3 || j > h - 3) ? 0 : (((i + j) / 4) % 2 ? 1 : 2));
      c.Set(x + i, y + j, kMetal[tone]);
    }
  c.Set(x + 3, y + 3, kInk), c.Set(x + w - 4, y + 3, kInk), c.Set(x + 3, y + h - 4, kInk), c.Set(x + w - 4, y + h - 4, kInk);
}

void Coil(Image& c, double x1, double y1, double x2, double y2, double r) {
  const int turns = 4;
  for (int k = 0; k <= turns * 8; ++k) {
    const double t = static_cast<double>(k) / (turns * 8);
    const double px = x1 + (x2 - x1) * t, py = y1 + (y2 - y1) * t;
    const double nx = -(y2 - y1), ny = x2 - x1, len = std::hypot(nx, ny);
    const double off = std::sin(t * turns * 2 * kPi) * r;
    const int tone = std::cos(t * turns * 2 * kPi) > 0 ? 3 : 1;
    FillCircle(c, px + nx / len * off, py + ny / len * off, 1.2, kSpringCoil[tone]);
  }
}

Image HazardCell(int kind) {
  Image c(32, 32);
  switch (kind) {
    case 13:  // thorn block: spikes on top, solid sides
      MetalBlock(c, 2, 12, 28, 20);
      Spikes(c, 2, 12, 28, 0, 4, 10);
      break;
    case 14:  // a spiked ceiling plate (scenery)
      MetalBlock(c, 2, 0, 28, 8);
      Spikes(c, 2, 8, 28, 1, 4, 10);
      break;
    case 15:  // side hazard: spikes facing left on a low block
      MetalBlock(c, 12, 16, 18, 16);
      Spikes(c, 16, 12, 16, 2, 2, 10);
      break;
    case 16:  // the mirrored side plate (scenery)
      MetalBlock(c, 2, 16, 18, 16);
      Spikes(c, 16, 20, 16, 3, 2, 10);
      break;
    case 17:  // spring, up
      MetalBlock(c, 4, 26, 24, 6);
      Coil(c, 16, 26, 16, 20, 8);
      BallShape(c, 16, 18, 14, 3.2, 0, kSpringPlate);
      break;
    case 18:  // spring, right: mounted on its left, plate at x 14
      MetalBlock(c, 0, 4, 5, 24);
      Coil(c, 5, 16, 12, 16, 8);
      BallShape(c, 14, 16, 3.2, 13, 0, kSpringPlate);
      break;
    case 19:  // spring, left: mounted on its right, plate at x 17
      MetalBlock(c, 27, 4, 5, 24);
      Coil(c, 27, 16, 20, 16, 8);
      BallShape(c, 18, 16, 3.2, 13, 0, kSpringPlate);
      break;
    case 20:  // spring, down
      MetalBlock(c, 4, 0, 24, 6);
      Coil(c, 16, 6, 16, 18, 8);
      BallShape(c, 16, 20, 14, 3.2, 0, kSpringPlate);
      break;
    case 21:  // spring, up-right: a foot on the ground, a mount at 45 degrees, coil and plate
    case 22: {  // spring, up-left: the mirror
      Image r(32, 32);
      MetalBlock(r, 1, 26, 22, 6);
      // the mount: a thick plate square to the spring's axis, lit on its upper face
      const double ax = 0.7071, ay = -0.7071;  // along the spring
      const double px = 0.7071, py = 0.7071;   // across it
      auto plate = [&](double cx, double cy, double half, double t0, double t1, Rgb col) {
        FillPolygon(r, {cx - px * half + ax * t0, cy - py * half + ay * t0, cx + px * half + ax * t0, cy + py * half + ay * t0,
                        cx + px * half + ax * t1, cy + py * half + ay * t1, cx - px * half + ax * t1, cy - py * half + ay * t1},
                    col);
      };
      plate(7, 25, 8, -2, 3, kMetal[1]);
      plate(7, 25, 8, 1, 3, kMetal[2]);
      plate(7, 25, 8, 2.2, 3, kMetal[3]);
      for (int k = 0; k <= 32; ++k) {  // a stout coil
        const double t = k / 32.0;
        const double x = 9 + 10 * t, y = 23 - 10 * t;
        const double off = std::sin(t * 3.5 * 2 * kPi) * 4.5;
        const int tone = std::cos(t * 3.5 * 2 * kPi) > 0 ? 3 : 1;
        FillCircle(r, x + px * off, y + py * off, 1.5, kSpringCoil[tone]);
      }
      BallShape(r, 21.5, 10.5, 10.5, 3.4, -kPi / 4, kSpringPlate);
      c.Paste(kind == 21 ? r : r.MirroredX(), 0, 0);
      break;
    }
    default:
      break;
  }
  Outline(c);
  return c;
}

// ---- lamp post ----------------------------------------------------------------------------

void LampPost(Image& s) {
  Image pole(16, 50);
  FillRect(pole, 6, 2, 4, 44, kMetal[1]);
  FillRect(pole, 6, 2, 1, 44, kMetal[3]);
  FillRect(pole, 9, 2, 1, 44, kMetal[0]);
  FillRect(pole, 3, 44, 10, 6, kPlumBox[1]);
  FillRect(pole, 3, 44, 10, 2, kPlumBox[3]);
  FillRect(pole, 4, 0, 8, 3, kPlumBox[2]);
  Outline(pole);
  s.Paste(pole, 0, 238);
  for (int lit = 0; lit < 2; ++lit) {
    Image head(16, 16);
    const Ramp r = lit ? MakeRamp({220, 120, 30}, {255, 190, 60}, {255, 236, 140}, {255, 255, 230})
                       : MakeRamp({50, 30, 80}, {90, 60, 130}, {130, 100, 170}, {180, 160, 210});
    BallShape(head, 8, 8, 6, 6, 0, r);
    if (lit) Sparkle(head, 8, 8, 7, MakeRamp({255, 200, 80}, {255, 230, 140}, {255, 250, 210}, {255, 255, 255}));
    Outline(head);
    s.Paste(head, 0, 288 + lit * 16);
  }
}

// ---- invincibility stars ------------------------------------------------------------------

Image Star(int frame) {
  Image c(32, 32);
  const double r = 6 + frame * 3;
  Sparkle(c, 16, 16, r + 2, MakeRamp({200, 140, 255}, {240, 200, 255}, {255, 240, 255}, {255, 255, 255}));
  Sparkle(c, 16, 16, r * 0.6, kGoldRing);
  if (frame == 2) {
    c.Set(6, 6, {255, 255, 255}), c.Set(26, 24, {255, 255, 255}), c.Set(24, 7, {255, 240, 200});
  }
  return c;
}

// ---- status bar words ---------------------------------------------------------------------

// A status bar word in thin capitals, 7 rows tall, or 9 with the second and sixth rows doubled.
void Word(Image& s, int x, int y, const std::string& text, int h, const Ramp& ramp) {
  static constexpr int kRowOf9[9] = {0, 1, 1, 2, 3, 4, 5, 5, 6};
  Image w(static_cast<int>(text.size()) * 6 + 2, h + 2);
  for (size_t i = 0; i < text.size(); ++i)
    for (int r = 0; r < h; ++r)
      for (int col = 0; col < 5; ++col) {
        if (!ThinGlyphPixel(text[i], col, h == 9 ? kRowOf9[r] : r)) continue;
        const double t = static_cast<double>(r) / (h - 1);
        w.Set(1 + static_cast<int>(i) * 6 + col, 1 + r, ramp[t < 0.22 ? 3 : (t < 0.5 ? 2 : (t < 0.78 ? 1 : 0))]);
      }
  Outline(w);
  s.Paste(w, x, y);
}

void Digits(Image& s) {
  for (int d = 0; d < 10; ++d) {
    Image cell(7, 11);
    DrawGlyphFit(cell, 1, 1, static_cast<char>('0' + d), 5, 9, kWhiteText);
    Outline(cell);
    s.Paste(cell, 16, d * 11);
  }
}

// The clock's colon, in the labels block: the status bar shows the labels at (17, 9), the
// minutes at x 57 and the seconds from x 73 on the time line y 25, so the colon lands between them.
void ClockColon(Image& s) {
  Image cell(4, 11);
  for (int top : {3, 7}) {
    cell.Fill(1, top, 2, 2, kWhiteText[2]);
    cell.Set(1, top, kWhiteText[3]);
  }
  Outline(cell);
  s.Paste(cell, 132, 16);
}

void LivesIcon(Image& s, int y, Hero hero) {
  Image icon(32, 16);
  DrawHeroHead(icon, hero, hero == Hero::Zinto ? 10 : 11, hero == Hero::Zinto ? 8.5 : 9.5, 0.82);
  Image x(7, 9);
  DrawGlyphFit(x, 1, 1, 'x', 5, 7, kWhiteText);
  Outline(x);
  icon.Paste(x, 21, 6);
  s.Paste(icon, 83, y);
}

void ActNumbers(Image& s) {
  // badge (25x32) shared by every act, then the numbers 1 (17 wide), 2 (25 wide), 3 (17 wide)
  Image badge(25, 32);
  for (int y = 2; y < 30; ++y)
    for (int x = 2; x < 23; ++x) {
      const double dx = (x - 12) / 10.5, dy = (y - 16) / 14.0;
      if (dx * dx + dy * dy > 1) continue;
      badge.Set(x, y, kPlumBox[dx + dy < -0.5 ? 3 : (dx + dy < 0.3 ? 2 : 1)]);
    }
  Outline(badge);
  Word(badge, 3, 12, "ACT", 7, kLabel);
  s.Paste(badge, 83, 240);
  auto number = [&](char ch, int x, int y, int w) {
    Image n(w, 32);
    DrawGlyphFit(n, (w - 13) / 2, 3, ch, 13, 26, kLabel);
    Outline(n);
    Outline(n, kInk, true);
    s.Paste(n, x, y);
  };
  number('1', 108, 240, 17);
  number('2', 83, 272, 25);
  number('3', 108, 272, 17);
}

}  // namespace

void GoldRing(Image& img, double cx, double cy, double r, double turn) { DrawRing(img, cx, cy, r, turn, kGoldRing); }

Image CommonSheet() {
  Image s(136, 320);
  for (int f = 0; f < 8; ++f) {
    Image ring(16, 16);
    DrawRing(ring, 7.5, 7.5, 6.8, std::cos(f * kPi / 8), kGoldRing);
    s.Paste(ring, 0, f * 16);
  }
  for (int k = 0; k < 5; ++k) {
    Image sp(16, 16);
    const double r = k < 2 ? 5 + k * 2.5 : 9 - (k - 2) * 2.5;
    Sparkle(sp, 7.5, 7.5, r, MakeRamp({230, 170, 30}, {255, 220, 80}, {255, 250, 200}, {255, 255, 255}));
    if (k >= 2) Sparkle(sp, 3, 3, 3, kGoldRing), Sparkle(sp, 12, 12, 3, kGoldRing);
    s.Paste(sp, 0, 128 + k * 16);
  }
  LampPost(s);
  Digits(s);
  for (int kind = 3; kind <= 12; ++kind) {
    BoxShell(s, 23, (kind - 3) * 32, kind == 12);
    if (kind != 12) BoxIcon(s, 29, (kind - 3) * 32 + 5, kind);
  }
  for (int kind = 13; kind <= 22; ++kind) s.Paste(HazardCell(kind), 51, (kind - 13) * 32);
  Word(s, 83, 0, "SCORE", 9, kLabel);
  Word(s, 83, 16, "TIME", 9, kLabel);
  Word(s, 83, 32, "RINGS", 9, kLabel);
  ClockColon(s);
  for (int f = 0; f < 3; ++f) s.Paste(Star(f), 83, 64 + f * 32);
  LivesIcon(s, 160, Hero::Zinto);
  LivesIcon(s, 176, Hero::Kubo);
  Word(s, 83 + 8, 195, "BONUS", 9, kLabel);
  Word(s, 83 + 8, 227, "TOTAL", 9, kLabel);
  ActNumbers(s);
  return s;
}

// The card's vertical bar, drawn 94 pixels wide but painted only on its left 68: the zone name
// starts at x 76, so its first letter stands on the card's strips, clear of the bar's gold edge.
Image CardBar() {
  constexpr int kBodyW = 60, kEdgeW = 8;  // plum body, then ink, gold, ink
  Image s(94, 192);
  // the bar: a plum band with a golden edge; the middle piece repeats every 16 rows
  auto band = [&](int y0, int h, int cap) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < kBodyW + kEdgeW; ++x) {
        Rgb c = kPlumBox[x < 14 ? 2 : (x < 46 ? 1 : 0)];
        if (x >= kBodyW) c = kGoldRing[x > kBodyW + 4 ? 1 : 2];
        if (x == kBodyW || x == kBodyW + kEdgeW - 1) c = kInk;
        if (((x + y) % 16) < 2 && x < kBodyW) c = kPlumBox[3];
        if (cap == 0 && y < 3) c = kGoldRing[3 - y];
        if (cap == 2 && y > h - 4) c = kGoldRing[h - 1 - y];
        s.Set(x, y0 + y, c);
      }
  };
  band(0, 16, 0);
  band(16, 16, 1);
  band(32, 16, 2);
  for (int a = 0; a < 3; ++a) {
    Image g(94, 48);
    TextStyle st{kLabel, 3, 3, 6, true, kInk};
    DrawText(g, 4, 12, "ACT", TextStyle{kWhiteText, 2, 3, 6, true, kInk});
    DrawText(g, 50, 6, std::string(1, static_cast<char>('1' + a)), st);
    s.Paste(g, 0, 48 + a * 48);
  }
  return s;
}

Image CardBack() {
  Image s(320, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 320; ++x) {
      const int d = ((x + y * 2) % 40 + 40) % 40;
      Rgb c = d < 20 ? Rgb{96, 40, 110} : Rgb{120, 54, 136};
      if (d == 0 || d == 20) c = {150, 80, 170};
      if (y == 0) c = {220, 170, 60};
      if (y == 23) c = {60, 24, 70};
      s.Set(x, y, c);
    }
  return s;
}

// The card and act-clear letters: each on a dark enamel plate of its own, so that a line of them
// reads as one sign over the card's strips and over any scenery behind the act's end. Letters sit
// 22 pixels apart, so neighbouring plates keep a one-pixel seam.
Image Letters() {
  constexpr int kCellW = 21, kCellH = 20;
  constexpr int kGlyphX = 3, kGlyphY = 2, kPix = 2;  // 7x8 glyph pixels drawn 2x2
  const Ramp plate = MakeRamp({34, 20, 56}, {48, 28, 78}, {66, 40, 104}, {120, 84, 160});
  Image s(kCellW, kCellH * 26);
  for (int c = 0; c < 26; ++c) {
    Image l(kCellW, kCellH);
    for (int y = 0; y < kCellH; ++y)
      for (int x = 0; x < kCellW; ++x) {
        const bool corner = (x == 0 || x == kCellW - 1) && (y == 0 || y == kCellH - 1);
        if (corner) continue;
        Rgb col = plate[y < 2 ? 2 : (y > kCellH - 3 ? 0 : 1)];
        if (y == 1) col = plate[3];
        if (x == 0 || x == kCellW - 1 || y == 0 || y == kCellH - 1) col = kInk;
        l.Set(x, y, col);
      }
    const char ch = static_cast<char>('A' + c);
    const int gx = kGlyphX - (CardGlyphWidth(ch) - 7);  // the wide letters start a pixel further left
    // a drop shadow one pixel down and right, then the letter: white above, gold below
    for (int row = 0; row < 8; ++row)
      for (int col = 0; col < 8; ++col)
        if (CardGlyphPixel(ch, col, row)) l.Fill(gx + col * kPix + 1, kGlyphY + row * kPix + 1, kPix, kPix, kInk);
    for (int row = 0; row < 8; ++row)
      for (int col = 0; col < 8; ++col) {
        if (!CardGlyphPixel(ch, col, row)) continue;
        const Rgb ink = row < 3 ? kWhiteText[row == 0 ? 3 : 2] : Mix(kWhiteText[2], kGoldRing[2], (row - 2) / 5.0);
        l.Fill(gx + col * kPix, kGlyphY + row * kPix, kPix, kPix, ink);
      }
    s.Paste(l, 0, c * kCellH);
  }
  return s;
}

Image ShieldSheet() {
  Image s(72, 2784);
  auto bubble = [&](Image& c, double cx, double cy, double rx, double ry, const Ramp& r, double phase, int sparkles) {
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) {
        const double u = (x - cx) / rx, v = (y - cy) / ry, d = std::sqrt(u * u + v * v);
        if (d > 1.0) continue;
        const double a = std::atan2(v, u);
        if (d > 0.9) c.Set(x, y, r[std::sin(a * 3 + phase) > 0 ? 3 : 2]);
        else if (d > 0.8) c.Set(x, y, r[1]);
        else if (d > 0.55 && Bayer(x, y) < 0.18) c.Set(x, y, r[2]);
        if (u < -0.2 && v < -0.2 && d > 0.5 && d < 0.7 && std::fabs(u - v) < 0.35) c.Set(x, y, {255, 255, 255});
      }
    for (int k = 0; k < sparkles; ++k) {
      const double a = phase + k * 2 * kPi / sparkles;
      Sparkle(c, cx + std::cos(a) * rx * 0.95, cy + std::sin(a) * ry * 0.95, 3, r);
    }
  };
  // double-jump shield: mint bubble with circling sparkles, 0..15
  for (int f = 0; f < 16; ++f) {
    Image c(64, 48);
    bubble(c, 22, 24, 21, 21, kMint, f * 2 * kPi / 16, 3);
    s.Paste(c, 0, f * 48);
  }
  // dash shield: flickering fire, 16..25
  auto flames = [&](Image& c, double cx, double cy, double r, int f, int trail) {
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) {
        const double dx = x - cx, dy = y - cy;
        double d = std::hypot(dx, dy) / r;
        const double flick = Noise(x / 5.0, y / 5.0 + f * 1.7, 300) * 0.35;
        if (trail != 0) {
          const double along = -trail * dx;  // distance behind
          if (along > 0) d = std::hypot(dy / r * (1 + along / 30), std::max(0.0, (std::fabs(dx) - along * 0.9)) / r);
        }
        const double v = d - flick;
        if (v > 0.95) continue;
        if (v > 0.78) c.Set(x, y, kFlame[1]);
        else if (v > 0.66) c.Set(x, y, kFlame[2]);
        else if (v > 0.58 && Bayer(x, y) < 0.5) c.Set(x, y, kFlame[3]);
        else if (Bayer(x + f, y) < 0.08) c.Set(x, y, kFlame[2]);
      }
  };
  for (int f = 0; f < 10; ++f) {
    Image c(64, 48);
    flames(c, 22, 25, 21, f, 0);
    s.Paste(c, 0, (16 + f) * 48);
  }
  // bounce shield: a wobbling water bubble, 26..43 (and spares 44..47)
  for (int f = 26; f <= 47; ++f) {
    Image c(64, 48);
    const double w = std::sin((f - 26) * 2 * kPi / 18);
    bubble(c, 22, 24, 21 + w * 1.5, 21 - w * 1.5, kWater, (f - 26) * 0.35, 2);
    s.Paste(c, 0, f * 48);
  }
  // dash to the right 48..51, to the left 54..57: fire streaming behind the player at x 35
  for (int f = 0; f < 4; ++f) {
    Image c(64, 48);
    flames(c, 36, 25, 20, f, 1);
    s.Paste(c, 0, (48 + f) * 48);
    Image l(64, 48);
    flames(l, 36, 25, 20, f, -1);
    s.Paste(l, 0, (54 + f) * 48);
  }
  // bounce: squashed bubble under way, 52 (and 53)
  for (int f = 52; f <= 53; ++f) {
    Image c(64, 48);
    bubble(c, 35, 27, 25, 17, kWater, f * 0.5, 0);
    s.Paste(c, 0, f * 48);
  }
  return s;
}

Image SignSheet() {
  Image s(48, 288);
  auto post = [&](Image& c) {
    FillRect(c, 21, 34, 6, 14, kInk);
    FillRect(c, 22, 34, 4, 14, kMetal[1]);
    FillRect(c, 22, 34, 1, 14, kMetal[3]);
  };
  for (int f = 0; f < 6; ++f) {
    Image c(48, 48);
    post(c);
    const double w = f == 1 || f == 3 ? 0.55 : (f == 2 ? 0.12 : 1.0);
    const double rx = 17 * w, ry = 17;
    BallShape(c, 24, 18, rx + 1.5, ry + 1.5, 0, kInkRamp, 0);
    BallShape(c, 24, 18, rx + 0.5, ry + 0.5, 0, f == 3 ? kMetal : kGoldRing);
    if (f != 2) BallShape(c, 24, 18, std::max(1.0, rx - 2.5), ry - 2.5, 0, kWhiteText, 2);
    if (f == 0 || f == 1) {
      // the zone emblem: a plum with a leaf
      BallShape(c, 24, 19, 9 * w, 9, 0, kPlumBox);
      FillEllipse(c, 24 + 3 * w, 10, 3 * w + 0.5, 2, {60, 170, 80});
    }
    if (f == 4) DrawHeroHead(c, Hero::Zinto, 22, 19, 1.55, 1);
    if (f == 5) DrawHeroHead(c, Hero::Kubo, 22, 21, 1.4, 1);
    s.Paste(c, 0, f * 48);
  }
  return s;
}

namespace {

// The capsule's stem: a post from the base up to the plate the button sits on (the button is drawn
// 15 rows above the body's top), so the button never floats once the dome is gone. `seen` tints it
// when it stands behind the glass.
void CapsuleStem(Image& c, const Ramp& seen) {
  TubeShape(c, 32, 4, 32, 40, 3.5, 4.5, seen);
  FillRect(c, 21, 0, 22, 4, kInk);
  FillRect(c, 22, 0, 20, 3, seen[2]);
  FillRect(c, 22, 0, 20, 1, seen[3]);
}

}  // namespace

Image CapsuleSheet() {
  Image s(64, 256);
  const Ramp glass = MakeRamp({60, 120, 160}, {110, 180, 220}, {170, 220, 245}, {235, 250, 255});
  // closed: base, metal band and a glass dome round the stem, with shadows of the figures inside
  {
    Image c(64, 64);
    BallShape(c, 32, 30, 27, 26, 0, kInkRamp, 0);
    BallShape(c, 32, 30, 26, 25, 0, glass);
    const Ramp behindGlass = MakeRamp(Mix(kMetal[0], glass[1], 0.6), Mix(kMetal[1], glass[2], 0.6),
                                      Mix(kMetal[2], glass[2], 0.6), Mix(kMetal[3], glass[3], 0.6));
    CapsuleStem(c, behindGlass);
    for (int k = 0; k < 5; ++k) FillEllipse(c, 16 + k * 8, 40 - (k % 2) * 3, 3, 4, {70, 100, 130});
    FillRect(c, 2, 40, 60, 24, kInk);
    MetalBlock(c, 3, 41, 58, 22);
    FillRect(c, 3, 48, 58, 6, kPlumBox[2]);
    FillRect(c, 3, 48, 58, 1, kPlumBox[3]);
    s.Paste(c, 0, 0);
  }
  // open: the dome gone, the bare stem holding the button, a jagged rim on the base
  {
    Image c(64, 64);
    CapsuleStem(c, kMetal);
    for (int x = 6; x < 58; ++x) {
      const int top = 36 + static_cast<int>(3 * std::fabs(std::sin(x * 0.9)));
      for (int y = top; y < 41; ++y) c.Set(x, y, glass[1 + (x % 3 == 0)]);
    }
    FillRect(c, 2, 40, 60, 24, kInk);
    MetalBlock(c, 3, 41, 58, 22);
    FillRect(c, 3, 48, 58, 6, kPlumBox[2]);
    Outline(c);
    s.Paste(c, 0, 64);
  }
  // button, up and pressed. A player standing on the capsule has the feet on the button cell's
  // row 6 (the cell is drawn 15 rows above the capsule's top), so the pressed cap's top is row 7:
  // the player visibly stands on it. The raised cap stands higher, waiting to be stepped on.
  for (int p = 0; p < 2; ++p) {
    Image b(32, 16);
    FillRect(b, 4, 12, 24, 4, kInk);
    MetalBlock(b, 5, 13, 22, 3);
    const int top = p ? 7 : 2;
    FillRect(b, 10, top + 3, 12, 13 - top - 3, kMetal[1]);  // the plunger under the cap
    FillRect(b, 10, top + 3, 2, 13 - top - 3, kMetal[3]);
    BallShape(b, 16, top + 2.5, 10, 3.5, 0, kInkRamp, 0);
    BallShape(b, 16, top + 2.5, 9, 2.5, 0, kSpringPlate);
    for (int x = 9; x < 24; ++x) b.Set(x, top + 1, kSpringPlate[3]);
    Outline(b);
    s.Paste(b, p * 32, 128);
  }
  // six pieces of debris
  const int dx[6] = {48, 16, 0, 8, 32, 56}, dw[6] = {8, 16, 8, 8, 16, 8};
  for (int k = 0; k < 6; ++k) {
    Image d(dw[k], 16);
    const double cx = dw[k] / 2.0;
    FillPolygon(d, {cx - dw[k] * 0.4, 13, cx - dw[k] * 0.2, 2, cx + dw[k] * 0.4, 5, cx + dw[k] * 0.3, 14}, k % 2 ? glass[2] : kMetal[2]);
    Line(d, cx - dw[k] * 0.2, 3, cx + dw[k] * 0.1, 12, k % 2 ? glass[3] : kMetal[3]);
    Outline(d);
    s.Paste(d, dx[k], 144);
  }
  // the freed figures: kind 1 a plum chick, kind 2 a mint hopper-mouse; before and after landing
  for (int kind = 0; kind < 2; ++kind)
    for (int loose = 0; loose < 2; ++loose) {
      Image f(16, 24);
      const Ramp body = kind == 0 ? kPlumBox : kMint;
      const double bob = loose ? 0 : -2;
      BallShape(f, 8, 16 + bob, 6, 6, 0, kInkRamp, 0);
      BallShape(f, 8, 16 + bob, 5, 5, 0, body);
      BallShape(f, 9, 9 + bob, 5, 4.5, 0, kInkRamp, 0);
      BallShape(f, 9, 9 + bob, 4, 3.5, 0, body);
      f.Set(11, 8 + static_cast<int>(bob), kInk);
      if (kind == 0) FillPolygon(f, {12, 9 + bob, 15, 10 + bob, 12, 11 + bob}, kGoldRing[2]);  // beak
      else FillEllipse(f, 6, 3 + bob, 1.5, 3, body[2]);                                     // ear
      if (!loose) {  // arms up, cheering
        Line(f, 4, 14 + bob, 2, 9 + bob, kInk);
        Line(f, 12, 14 + bob, 14, 9 + bob, kInk);
      } else {  // feet apart, hopping
        Line(f, 6, 21, 5, 23, kInk);
        Line(f, 10, 21, 11, 23, kInk);
      }
      Outline(f);
      const int x = kind * 32;
      s.Paste(f.MirroredX(), x, 160 + loose * 24);  // facing left
      s.Paste(f, x + 16, 160 + loose * 24);         // facing right
    }
  return s;
}

}  // namespace assets::art
