// Pictures in memory and the drawing tools every sheet is made with.
// Black (0, 0, 0) is the colour key: it stays transparent in the game. Any other
// colour dark enough to become 0 in the game's 16-bit display format would turn
// transparent too, so the writer lifts such colours to the darkest visible grey.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "assets/common/Files.h"

namespace assets::art {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kClear{0, 0, 0};
// The outline and shadow colour of every sprite: dark, but never the key.
inline constexpr Rgb kInk{24, 16, 40};

// True when the colour would become the key colour (0) in 16-bit RGB565.
inline bool IsKey(Rgb c) { return c.r < 8 && c.g < 4 && c.b < 8; }

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Shade(Rgb c, double f);  // multiplies every channel by f (clamped)
Rgb FromHsv(double h, double s, double v);

// Four tones of one material, darkest first.
struct Ramp {
  Rgb c[4];
  Rgb operator[](int i) const { return c[i < 0 ? 0 : (i > 3 ? 3 : i)]; }
};
Ramp MakeRamp(Rgb dark, Rgb mid, Rgb light, Rgb high);
Ramp DarkerRamp(const Ramp& r, double f);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kClear);
  int width() const { return w_; }
  int height() const { return h_; }
  Rgb Get(int x, int y) const;
  void Set(int x, int y, Rgb c);
  bool Opaque(int x, int y) const { return !(Get(x, y) == kClear); }
  void Fill(int x, int y, int w, int h, Rgb c);
  // Copies a rectangle; with `keyed` the source's clear pixels are skipped.
  void Blit(const Image& src, int sx, int sy, int w, int h, int dx, int dy, bool keyed = true);
  void Paste(const Image& src, int dx, int dy, bool keyed = true) {
    Blit(src, 0, 0, src.w_, src.h_, dx, dy, keyed);
  }
  Image Crop(int x, int y, int w, int h) const;
  Image MirroredX() const;
  // Nearest-neighbour rotation by `angle` radians (counter-clockwise on screen) about the centre.
  Image Rotated(double angle) const;
  // Nearest-neighbour resize.
  Image Scaled(int w, int h) const;

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgb> px_;
};

// 24-bit uncompressed BMP, rows bottom-up, padded to 4 bytes. With `opaque`, key
// colours are lifted too, so nothing of the picture turns transparent.
Bytes EncodeBmp(const Image& img, bool opaque);
void SaveBmp(const std::filesystem::path& path, const Image& img, bool opaque = false);

// ---- shapes -------------------------------------------------------------------------------

// A light from the upper left, slightly in front.
double Lambert(double nx, double ny, double nz);
int ToneOf(double light);  // 0..3

// Ellipse centred at (cx, cy), radii rx, ry, rotated by `angle` (radians, clockwise on screen),
// shaded like a lit ball. `flat` >= 0 paints one tone instead.
void BallShape(Image& img, double cx, double cy, double rx, double ry, double angle, const Ramp& ramp,
               int flat = -1);
// Rounded bar from (x1, y1) to (x2, y2) with radii r1 and r2 at the ends, shaded like a tube.
void TubeShape(Image& img, double x1, double y1, double x2, double y2, double r1, double r2,
               const Ramp& ramp, int flat = -1);
void FillEllipse(Image& img, double cx, double cy, double rx, double ry, Rgb c);
void FillCircle(Image& img, double cx, double cy, double r, Rgb c);
void FillRect(Image& img, int x, int y, int w, int h, Rgb c);
void FillPolygon(Image& img, const std::vector<double>& xy, Rgb c);
void Line(Image& img, double x1, double y1, double x2, double y2, Rgb c);
void ThickLine(Image& img, double x1, double y1, double x2, double y2, double r, Rgb c);

// Surrounds every opaque area with a one-pixel outline (4-neighbours) in `ink`, inside the
// rectangle (x, y, w, h) of the image.
void Outline(Image& img, int x, int y, int w, int h, Rgb ink = kInk, bool diagonal = false);
void Outline(Image& img, Rgb ink = kInk, bool diagonal = false);

// Recolours the opaque pixels on the edge of every shape (next to a clear pixel) with `ink`.
void InkEdges(Image& img, Rgb ink = kInk);

// Small deterministic noise in [0, 1).
double Hash(int x, int y, int seed = 0);
// Smooth value noise in [0, 1), periodic with `period` cells horizontally when period > 0.
double Noise(double x, double y, int seed, int period = 0);

// A 4x4 ordered-dither threshold in [0, 1).
double Bayer(int x, int y);

}  // namespace assets::art
