#include "assets/art/Canvas.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace assets::art {

namespace {
uint8_t Clamp8(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t)};
}

Rgb Shade(Rgb c, double f) { return {Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f)}; }

Rgb FromHsv(double h, double s, double v) {
  h = std::fmod(h, 360.0);
  if (h < 0) h += 360.0;
  const double c = v * s, x = c * (1 - std::fabs(std::fmod(h / 60.0, 2.0) - 1)), m = v - c;
  double r = 0, g = 0, b = 0;
  if (h < 60) r = c, g = x;
  else if (h < 120) r = x, g = c;
  else if (h < 180) g = c, b = x;
  else if (h < 240) g = x, b = c;
  else if (h < 300) r = x, b = c;
  else r = c, b = x;
  return {Clamp8((r + m) * 255), Clamp8((g + m) * 255), Clamp8((b + m) * 255)};
}

Ramp MakeRamp(Rgb dark, Rgb mid, Rgb light, Rgb high) { return Ramp{{dark, mid, light, high}}; }

Ramp DarkerRamp(const Ramp& r, double f) {
  return Ramp{{Shade(r.c[0], f), Shade(r.c[1], f), Shade(r.c[2], f), Shade(r.c[3], f)}};
}

Image::Image(int width, int height, Rgb fill) : w_(width), h_(height), px_(static_cast<size_t>(width) * height, fill) {}

Rgb Image::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return kClear;
  return px_[static_cast<size_t>(y) * w_ + x];
}

void Image::Set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  px_[static_cast<size_t>(y) * w_ + x] = c;
}

void Image::Fill(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Image::Blit(const Image& src, int sx, int sy, int w, int h, int dx, int dy, bool keyed) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const int x = sx + i, y = sy + j;
      if (x < 0 || y < 0 || x >= src.w_ || y >= src.h_) continue;
      const Rgb c = src.Get(x, y);
      if (keyed && c == kClear) continue;
      Set(dx + i, dy + j, c);
    }
}

Image Image::Crop(int x, int y, int w, int h) const {
  Image out(w, h);
  out.Blit(*this, x, y, w, h, 0, 0, false);
  return out;
}

Image Image::MirroredX() const {
  Image out(w_, h_);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) out.Set(w_ - 1 - x, y, Get(x, y));
  return out;
}

Image Image::Rotated(double angle) const {
  Image out(w_, h_);
  const double cx = (w_ - 1) / 2.0, cy = (h_ - 1) / 2.0;
  const double c = std::cos(angle), s = std::sin(angle);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      // Inverse map: screen counter-clockwise rotation (y points down).
      const double dx = x - cx, dy = y - cy;
      const double srcx = dx * c - dy * s + cx;
      const double srcy = dx * s + dy * c + cy;
      out.Set(x, y, Get(static_cast<int>(std::lround(srcx)), static_cast<int>(std::lround(srcy))));
    }
  return out;
}

Image Image::Scaled(int w, int h) const {
  Image out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.Set(x, y, Get(x * w_ / w, y * h_ / h));
  return out;
}

Bytes EncodeBmp(const Image& img, bool opaque) {
  const int w = img.width(), h = img.height();
  const int stride = (w * 3 + 3) / 4 * 4;
  const uint32_t pixelBytes = static_cast<uint32_t>(stride) * h;
  const uint32_t fileSize = 54 + pixelBytes;
  Bytes out(fileSize, 0);
  auto put16 = [&](size_t at, uint32_t v) {
    out[at] = v & 0xff;
    out[at + 1] = (v >> 8) & 0xff;
  };
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xff;
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, fileSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  put16(26, 1);
  put16(28, 24);
  put32(30, 0);
  put32(34, pixelBytes);
  put32(38, 2835);
  put32(42, 2835);
  for (int y = 0; y < h; ++y) {
    const size_t row = 54 + static_cast<size_t>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      Rgb c = img.Get(x, y);
      if (IsKey(c) && (opaque || !(c == kClear))) c = {8, 6, 10};
      out[row + x * 3 + 0] = c.b;
      out[row + x * 3 + 1] = c.g;
      out[row + x * 3 + 2] = c.r;
    }
  }
  return out;
}

void SaveBmp(const std::filesystem::path& path, const Image& img, bool opaque) {
  WriteFileIfChanged(path, EncodeBmp(img, opaque));
}

double Lambert(double nx, double ny, double nz) {
  static const double lx = -0.48, ly = -0.62, lz = 0.62;
  static const double len = std::sqrt(lx * lx + ly * ly + lz * lz);
  return (nx * lx + ny * ly + nz * lz) / len;
}

int ToneOf(double light) {
  if (light > 0.80) return 3;
  if (light > 0.42) return 2;
  if (light > 0.02) return 1;
  return 0;
}

void BallShape(Image& img, double cx, double cy, double rx, double ry, double angle, const Ramp& ramp, int flat) {
  const double rr = std::max(rx, ry) + 1;
  const double c = std::cos(angle), s = std::sin(angle);
  for (int y = static_cast<int>(std::floor(cy - rr)); y <= static_cast<int>(std::ceil(cy + rr)); ++y)
    for (int x = static_cast<int>(std::floor(cx - rr)); x <= static_cast<int>(std::ceil(cx + rr)); ++x) {
      const double dx = x + 0.5 - cx - 0.5, dy = y + 0.5 - cy - 0.5;
      const double u = (dx * c + dy * s) / rx, v = (-dx * s + dy * c) / ry;
      const double d = u * u + v * v;
      if (d > 1.0) continue;
      if (flat >= 0) {
        img.Set(x, y, ramp[flat]);
        continue;
      }
      const double nx = u * c - v * s, ny = u * s + v * c;
      const double nz = std::sqrt(std::max(0.0, 1.0 - d));
      img.Set(x, y, ramp[ToneOf(Lambert(nx, ny, nz))]);
    }
}

void TubeShape(Image& img, double x1, double y1, double x2, double y2, double r1, double r2, const Ramp& ramp,
               int flat) {
  const double minx = std::min(x1 - r1, x2 - r2) - 1, maxx = std::max(x1 + r1, x2 + r2) + 1;
  const double miny = std::min(y1 - r1, y2 - r2) - 1, maxy = std::max(y1 + r1, y2 + r2) + 1;
  const double vx = x2 - x1, vy = y2 - y1, len2 = std::max(1e-9, vx * vx + vy * vy);
  for (int y = static_cast<int>(std::floor(miny)); y <= static_cast<int>(std::ceil(maxy)); ++y)
    for (int x = static_cast<int>(std::floor(minx)); x <= static_cast<int>(std::ceil(maxx)); ++x) {
      const double px = x, py = y;
      double t = ((px - x1) * vx + (py - y1) * vy) / len2;
      t = std::clamp(t, 0.0, 1.0);
      const double qx = x1 + vx * t, qy = y1 + vy * t, r = r1 + (r2 - r1) * t;
      const double dx = px - qx, dy = py - qy, d = std::sqrt(dx * dx + dy * dy);
      if (d > r) continue;
      if (flat >= 0) {
        img.Set(x, y, ramp[flat]);
        continue;
      }
      const double nx = dx / std::max(r, 0.5), ny = dy / std::max(r, 0.5);
      const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
      img.Set(x, y, ramp[ToneOf(Lambert(nx, ny, nz))]);
    }
}

void FillEllipse(Image& img, double cx, double cy, double rx, double ry, Rgb c) {
  for (int y = static_cast<int>(std::floor(cy - ry - 1)); y <= static_cast<int>(std::ceil(cy + ry + 1)); ++y)
    for (int x = static_cast<int>(std::floor(cx - rx - 1)); x <= static_cast<int>(std::ceil(cx + rx + 1)); ++x) {
      const double u = (x - cx) / rx, v = (y - cy) / ry;
      if (u * u + v * v <= 1.0) img.Set(x, y, c);
    }
}

void FillCircle(Image& img, double cx, double cy, double r, Rgb c) { FillEllipse(img, cx, cy, r, r, c); }

void FillRect(Image& img, int x, int y, int w, int h, Rgb c) { img.Fill(x, y, w, h, c); }

void FillPolygon(Image& img, const std::vector<double>& xy, Rgb c) {
  const size_t n = xy.size() / 2;
  if (n < 3) return;
  double miny = 1e9, maxy = -1e9;
  for (size_t i = 0; i < n; ++i) miny = std::min(miny, xy[2 * i + 1]), maxy = std::max(maxy, xy[2 * i + 1]);
  for (int y = static_cast<int>(std::floor(miny)); y <= static_cast<int>(std::ceil(maxy)); ++y) {
    const double sy = y + 0.5;
    std::vector<double> xs;
    for (size_t i = 0; i < n; ++i) {
      const double ax = xy[2 * i], ay = xy[2 * i + 1];
      const double bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
      if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2)
      for (int x = static_cast<int>(std::ceil(xs[k] - 0.5)); x <= static_cast<int>(std::floor(xs[k + 1] - 0.5)); ++x)
        img.Set(x, y, c);
  }
}

void Line(Image& img, double x1, double y1, double x2, double y2, Rgb c) {
  const int steps = static_cast<int>(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1))) + 1;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    img.Set(static_cast<int>(std::lround(x1 + (x2 - x1) * t)), static_cast<int>(std::lround(y1 + (y2 - y1) * t)), c);
  }
}

void ThickLine(Image& img, double x1, double y1, double x2, double y2, double r, Rgb c) {
  Ramp flat{{c, c, c, c}};
  TubeShape(img, x1, y1, x2, y2, r, r, flat, 0);
}

void Outline(Image& img, int x0, int y0, int w, int h, Rgb ink, bool diagonal) {
  std::vector<uint8_t> mark(static_cast<size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (img.Opaque(x0 + x, y0 + y)) continue;
      auto in = [&](int dx, int dy) {
        const int xx = x + dx, yy = y + dy;
        if (xx < 0 || yy < 0 || xx >= w || yy >= h) return false;
        return img.Opaque(x0 + xx, y0 + yy);
      };
      bool edge = in(1, 0) || in(-1, 0) || in(0, 1) || in(0, -1);
      if (diagonal) edge = edge || in(1, 1) || in(-1, 1) || in(1, -1) || in(-1, -1);
      if (edge) mark[static_cast<size_t>(y) * w + x] = 1;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (mark[static_cast<size_t>(y) * w + x]) img.Set(x0 + x, y0 + y, ink);
}

void Outline(Image& img, Rgb ink, bool diagonal) { Outline(img, 0, 0, img.width(), img.height(), ink, diagonal); }

void InkEdges(Image& img, Rgb ink) {
  std::vector<std::pair<int, int>> edge;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      if (!img.Opaque(x, y)) continue;
      if (!img.Opaque(x - 1, y) || !img.Opaque(x + 1, y) || !img.Opaque(x, y - 1) || !img.Opaque(x, y + 1))
        edge.emplace_back(x, y);
    }
  for (auto [x, y] : edge) img.Set(x, y, ink);
}

double Hash(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / static_cast<double>(0x1000000);
}

double Noise(double x, double y, int seed, int period) {
  const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
  const double fx = x - xi, fy = y - yi;
  auto at = [&](int i, int j) {
    if (period > 0) i = ((i % period) + period) % period;
    return Hash(i, j, seed);
  };
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = at(xi, yi) + (at(xi + 1, yi) - at(xi, yi)) * sx;
  const double b = at(xi, yi + 1) + (at(xi + 1, yi + 1) - at(xi, yi + 1)) * sx;
  return a + (b - a) * sy;
}

double Bayer(int x, int y) {
  static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (m[y & 3][x & 3] + 0.5) / 16.0;
}

}  // namespace assets::art
