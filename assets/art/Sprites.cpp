#include "assets/art/Sprites.h"

#include <cmath>

namespace assets::art {

void PaintPlatform(Image& sheet, int x0, int y0, const Ramp& top, const Ramp& body, Rgb edge) {
  Image p(112, 32);
  // a slab tapering into a rocky underside
  for (int y = 2; y < 32; ++y) {
    const double inset = y < 12 ? 4 : 4 + (y - 12) * 1.9;
    for (int x = static_cast<int>(inset); x < 100 - static_cast<int>(inset * 0.8); ++x) {
      Rgb c;
      if (y < 3) c = top[3];
      else if (y < 5) c = top[2];
      else if (y < 8 + ((x * 7) % 3)) c = top[1];
      else {
        const double n = Noise(x / 7.0, y / 5.0, 17);
        c = body[n > 0.6 ? 2 : (n > 0.3 ? 1 : 0)];
        if (y < 11) c = Mix(c, edge, 0.4);
      }
      p.Set(x, y, c);
    }
  }
  Outline(p, edge == Rgb{0, 0, 0} ? kInk : kInk);
  sheet.Paste(p, x0, y0);
}

void PaintCrawler(Image& sheet, int y0, const Ramp& body, const Ramp& accent, Rgb eye) {
  const double kPi = 3.14159265358979323846;
  const Ramp ink{{kInk, kInk, kInk, kInk}};
  for (int f = 0; f < 8; ++f) {
    Image cell(64, 22);
    const double ph = f * 2 * kPi / 8;
    // right-facing: head at the right end
    double sx[5], sy[5];
    for (int i = 0; i < 5; ++i) {
      sx[i] = 10 + i * 9.5 + std::sin(ph + i * 1.1) * 1.2;
      sy[i] = 12 - std::max(0.0, std::sin(ph + i * 1.1)) * 3.0;
    }
    for (int i = 0; i < 5; ++i) {
      const int lx = static_cast<int>(sx[i]);
      const int step = static_cast<int>(std::sin(ph + i * 1.1) * 2);
      Line(cell, lx - 2, 17, lx - 3 + step, 21, kInk);
      Line(cell, lx + 2, 17, lx + 3 + step, 21, kInk);
    }
    for (int i = 0; i < 5; ++i) BallShape(cell, sx[i], sy[i], 7, 6.4, 0, ink, 0);
    for (int i = 0; i < 5; ++i) {
      BallShape(cell, sx[i], sy[i], 6, 5.4, 0, i == 4 ? body : (i % 2 ? body : accent));
      cell.Set(static_cast<int>(sx[i]) - 1, static_cast<int>(sy[i]) - 4, body[3]);
    }
    // head details: eye, mandible, feelers
    const double hx = sx[4], hy = sy[4];
    BallShape(cell, hx + 2, hy - 1.5, 2.2, 2.6, 0, MakeRamp({200, 200, 200}, {240, 240, 240}, {255, 255, 255}, {255, 255, 255}), 2);
    cell.Set(static_cast<int>(hx + 3), static_cast<int>(hy - 1), kInk);
    cell.Set(static_cast<int>(hx + 3), static_cast<int>(hy - 2), kInk);
    Line(cell, hx + 1, hy - 5, hx + 5, hy - 10 + std::sin(ph) * 1.5, kInk);
    Line(cell, hx - 2, hy - 5, hx, hy - 10 + std::cos(ph) * 1.5, kInk);
    cell.Set(static_cast<int>(hx + 5), static_cast<int>(hy - 10 + std::sin(ph) * 1.5), eye);
    cell.Set(static_cast<int>(hx + 5), static_cast<int>(hy + 3), eye);
    sheet.Paste(cell, 64, y0 + f * 22);
    sheet.Paste(cell.MirroredX(), 0, y0 + f * 22);
  }
}

}  // namespace assets::art
