#include "assets/art/Scenery.h"

#include <cmath>
#include <stdexcept>

namespace assets::art {

Image FullTile(const GroundStyle& st, bool openTop) {
  return PaintSurface(st, [](int) { return 0.0; }, openTop);
}

Image StepTile(const GroundStyle& st, bool leftHigh) {
  return PaintSurface(st, [leftHigh](int x) { return (x < 64) == leftHigh ? 0.0 : 32.0; });
}

Image SlopeTile(const GroundStyle& st, bool risingRight) {
  return PaintSurface(st, [risingRight](int x) { return risingRight ? 68.0 - x / 2.0 : 4.0 + x / 2.0; });
}

Image LoopTile(const GroundStyle& st, double cx, double cy, const Ramp& outer) {
  auto dist = [=](int x, int y) { return std::hypot(x - cx, y - cy); };
  const double far = kLoopRadius + kLoopBand;
  Image img = PaintGround(
      st, [&](int x, int y) { return dist(x, y) >= kLoopRadius && dist(x, y) < far; },
      [&](int x, int y) { return dist(x, y) - kLoopRadius; }, true);
  // the band's outer rim
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double d = dist(x, y);
      if (d >= far - 2 && d < far) img.Set(x, y, d >= far - 1 ? st.edge : outer[0]);
      else if (d >= far - 5 && d < far - 2) img.Set(x, y, Mix(img.Get(x, y), outer[0], 0.5));
    }
  return img;
}

namespace {
// A squared timber or stone beam with lit and shaded faces, an ink outline and seams every
// `seam` pixels along it.
void Beam(Image& img, int x0, int y0, int w, int h, const Ramp& r, bool upright, int seam) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const int across = upright ? x - x0 : y - y0, span = upright ? w : h;
      const int along = upright ? y - y0 : x - x0;
      Rgb c = r[2];
      if (across < 3) c = r[3];
      else if (across >= span - 4) c = r[0];
      else if (across >= span - 8) c = r[1];
      if (along % seam == 0) c = kInk;
      else if (along % seam == 1) c = Mix(c, r[3], 0.5);
      if (across == 0 || across == span - 1) c = kInk;
      if (Hash(x / 2, y / 3, 77) > 0.93 && across > 2 && across < span - 4) c = r[1];
      img.Set(x, y, c);
    }
}
}  // namespace

Image LoopSideTile(const Ramp& post) {
  Image img(128, 128);
  Beam(img, 0, 0, 128, 12, post, false, 43);
  Beam(img, 0, 0, kLoopPost, 128, post, true, 32);
  Beam(img, 128 - kLoopPost, 0, kLoopPost, 128, post, true, 32);
  return img;
}

Image LoopCapTile(const Ramp& post, const Ramp& track) {
  Image img(128, 128);
  Beam(img, 0, 128 - kLoopCapDepth, 128, kLoopCapDepth, post, false, 43);
  // the lintel's foot is the track over the top of the loop
  for (int x = 0; x < 128; ++x) {
    const int blade = 2 + static_cast<int>(Hash(x / 2, 5, 78) * 3);
    for (int k = 0; k < blade; ++k) img.Set(x, 127 - k, track[k == 0 ? 3 : (k < 2 ? 2 : 1)]);
  }
  return img;
}

void LeafClump(Image& img, double cx, double cy, double rx, double ry, const Ramp& leaf, int seed, double sway) {
  // Outline blob first, then many small shaded leaves.
  const Ramp ink{{kInk, kInk, kInk, kInk}};
  const int n = static_cast<int>(rx * ry / 9) + 6;
  std::vector<double> lx(n), ly(n), lr(n);
  for (int i = 0; i < n; ++i) {
    const double a = Hash(i, 1, seed) * 6.2832, r = std::sqrt(Hash(i, 2, seed));
    lx[i] = cx + std::cos(a) * r * (rx - 3) + sway * (1 - r * std::sin(a) * 0.5) * (cy - ry < 0 ? 1 : 1);
    ly[i] = cy + std::sin(a) * r * (ry - 3);
    lr[i] = 3.2 + Hash(i, 3, seed) * 2.6;
  }
  for (int i = 0; i < n; ++i) BallShape(img, lx[i], ly[i], lr[i] + 1, lr[i] * 0.8 + 1, 0, ink, 0);
  for (int i = 0; i < n; ++i) {
    // leaves lower in the clump sit in shade
    const double t = (ly[i] - (cy - ry)) / (2 * ry);
    const Ramp r = t > 0.6 ? DarkerRamp(leaf, 0.8) : leaf;
    BallShape(img, lx[i], ly[i], lr[i], lr[i] * 0.8, Hash(i, 4, seed) - 0.5, r);
  }
}

void Flower(Image& img, int x, int y, const Ramp& petal, Rgb centre) {
  img.Set(x, y - 1, petal[3]);
  img.Set(x - 1, y, petal[2]);
  img.Set(x + 1, y, petal[2]);
  img.Set(x, y + 1, petal[1]);
  img.Set(x, y, centre);
  img.Set(x - 1, y - 1, kInk);
  img.Set(x + 1, y + 1, kInk);
  img.Set(x + 1, y - 1, petal[0]);
  img.Set(x - 1, y + 1, petal[0]);
}

void Rock(Image& img, double cx, double cy, double rx, double ry, const Ramp& ramp) {
  const Ramp ink{{kInk, kInk, kInk, kInk}};
  BallShape(img, cx, cy, rx + 1, ry + 1, 0, ink, 0);
  BallShape(img, cx, cy, rx, ry, 0, ramp);
}

void SaveTileTable(const std::filesystem::path& path, const std::vector<TilePair>& pairs) {
  Bytes out(pairs.size() * 2);
  for (size_t i = 0; i < pairs.size(); ++i) {
    out[i] = static_cast<uint8_t>(pairs[i].t1);
    out[pairs.size() + i] = static_cast<uint8_t>(pairs[i].t2);
  }
  WriteFileIfChanged(path, out);
}

void SaveBackMap(const std::filesystem::path& path, const std::vector<std::vector<int>>& rows) {
  Bytes out;
  for (const auto& row : rows) {
    if (row.size() != 16) throw std::runtime_error(path.string() + ": a background row needs 16 cells");
    for (int v : row) out.push_back(static_cast<uint8_t>(v));
  }
  if (out.size() != 112) throw std::runtime_error(path.string() + ": the background map needs 7 rows");
  WriteFileIfChanged(path, out);
}

}  // namespace assets::art
