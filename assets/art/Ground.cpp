#include "assets/art/Ground.h"

#include <algorithm>
#include <cmath>

namespace assets::art {

namespace {

// Distance to the nearest of a periodic set of jittered points (basalt cells); returns the
// gap between the nearest and second nearest, and the nearest cell's id.
void Cells(int x, int y, int seed, double& gap, int& id, double& d1out) {
  const int cell = 32, n = 128 / cell;
  double d1 = 1e9, d2 = 1e9;
  id = 0;
  const int cx = x / cell, cy = y / cell;
  for (int j = cy - 1; j <= cy + 1; ++j)
    for (int i = cx - 1; i <= cx + 1; ++i) {
      const int wi = ((i % n) + n) % n, wj = ((j % n) + n) % n;
      const double px = i * cell + 6 + Hash(wi, wj, seed) * (cell - 12);
      const double py = j * cell + 6 + Hash(wi, wj, seed + 7) * (cell - 12);
      const double d = std::hypot(x - px, y - py);
      if (d < d1) {
        d2 = d1, d1 = d, id = wj * n + wi;
      } else if (d < d2) {
        d2 = d;
      }
    }
  gap = d2 - d1;
  d1out = d1;
}

}  // namespace

Rgb SoilAt(const GroundStyle& st, int x, int y) {
  const int wx = ((x % 128) + 128) % 128, wy = ((y % 128) + 128) % 128;
  if (st.pattern == 0) {
    // diamond checker, 32-pixel diamonds, with soft pebbles
    const int u = ((wx + wy) % 64 + 64) % 64, v = ((wx - wy) % 64 + 64) % 64;
    const bool a = (u < 32) != (v < 32);
    const Ramp& r = a ? st.soilA : st.soilB;
    const int du = std::min(u % 32, 31 - u % 32), dv = std::min(v % 32, 31 - v % 32);
    const double n = Noise(wx / 9.0, wy / 9.0, st.seed, 128 / 9 + 1);
    int tone = 1 + (n > 0.62) - (n < 0.25);
    if (du == 0 || dv == 0) tone = 0;
    else if (du == 1 || dv == 1) tone = std::min(tone, 1);
    else if ((du == 2 && u % 32 < 16) || (dv == 2 && v % 32 < 16)) tone = std::max(tone, 2);
    if (Hash(wx / 3, wy / 3, st.seed + 3) > 0.97 && tone > 0) tone = 3;
    return r[tone];
  }
  double gap, d1;
  int id;
  Cells(wx, wy, st.seed, gap, id, d1);
  const Ramp& r = Hash(id, 1, st.seed) > 0.5 ? st.soilA : st.soilB;
  if (gap < 1.3) return st.edge;
  int tone = 1;
  if (gap < 2.6) tone = 0;
  else if (d1 < 7 && gap > 6) tone = 2;
  if (Hash(wx, wy, st.seed + 11) > 0.985) tone = 3;
  const double n = Noise(wx / 6.0, wy / 6.0, st.seed + 5, 128 / 6 + 1);
  if (n > 0.75 && tone == 1) tone = 2;
  return r[tone];
}

Image PaintGround(const GroundStyle& st, const SolidFn& solid, const DepthFn& depth, bool openTop) {
  Image img(128, 128);
  auto isSolid = [&](int x, int y) {
    if (y < 0) return !openTop && solid(std::clamp(x, 0, 127), 0);
    if (x < 0 || x > 127 || y > 127) return solid(std::clamp(x, 0, 127), std::clamp(y, 0, 127));
    return solid(x, y);
  };
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      if (!solid(x, y)) continue;
      double dv = depth ? depth(x, y) : -1;
      if (dv < 0) {
        dv = 99;
        for (int k = 1; k <= 40; ++k)
          if (!isSolid(x, y - k)) {
            dv = k - 1;
            break;
          }
      }
      int dh = 99;
      for (int k = 1; k <= 6; ++k)
        if (!isSolid(x - k, y) || !isSolid(x + k, y)) {
          dh = k - 1;
          break;
        }
      const double jag = 3.0 * Hash(x / 2, 3, st.seed) + 2.0 * Noise(x / 5.0, 0, st.seed + 1, 26);
      const double band = st.topDepth + jag;
      Rgb c;
      if (dv < band) {
        int tone;
        if (dv < 1) tone = 3;
        else if (dv < 3) tone = 2;
        else if (dv > band - 2) tone = 0;
        else tone = (Hash(x, static_cast<int>(dv) / 3, st.seed + 2) > 0.55) ? 2 : 1;
        // blades: vertical streaks of the darker tone
        if (tone >= 1 && dv >= 3 && ((x + static_cast<int>(Hash(x, 9, st.seed) * 4)) % 5 == 0)) tone = 1;
        c = st.top[tone];
      } else {
        c = SoilAt(st, x, y);
        if (dv < band + 4) c = Mix(c, st.edge, 0.45 - (dv - band) * 0.1);
      }
      if (dh == 0) c = st.edge;
      else if (dh == 1 && dv >= band) c = Mix(c, st.edge, 0.5);
      else if (dh == 2 && dv >= band) c = Mix(c, st.edge, 0.25);
      img.Set(x, y, c);
    }
  return img;
}

Image PaintSurface(const GroundStyle& st, const std::function<double(int x)>& surface, bool openTop) {
  return PaintGround(
      st,
      [&](int x, int y) {
        const double s = surface(x);
        return !std::isnan(s) && y >= s;
      },
      nullptr, openTop);
}

}  // namespace assets::art
