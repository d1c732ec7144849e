// The pen the characters are drawn with: design coordinates of the player cell, mapped by an
// offset, a scale, a vertical stretch about the ground line and a rotation about a pivot.
// Every part it draws gets its own dark outline first, so overlapping parts stay readable.
#pragma once

#include <algorithm>
#include <cmath>

#include "assets/art/Canvas.h"

namespace assets::art {

class HeroPen {
 public:
  HeroPen(Image& img, double ox, double oy, double scale, int ink, double ground, double stretch)
      : img_(img), ox_(ox), oy_(oy), s_(scale), ink_(ink), ground_(ground), stretch_(stretch) {}

  // Rotates everything drawn afterwards by `angle` (counter-clockwise on screen) about (px, py).
  void SetRotation(double angle, double px, double py) { rot_ = angle, pivx_ = px, pivy_ = py; }

  void Map(double x, double y, double& X, double& Y) const {
    const double y1 = ground_ + (y - ground_) * stretch_;
    const double dx = x - pivx_, dy = y1 - pivy_;
    const double c = std::cos(rot_), s = std::sin(rot_);
    X = ox_ + (pivx_ + dx * c + dy * s) * s_;
    Y = oy_ + (pivy_ - dx * s + dy * c) * s_;
  }
  double Px(double r) const { return r * s_; }

  void Ball(double cx, double cy, double rx, double ry, double ang, const Ramp& ramp, bool outline = true,
            int flat = -1) {
    double X, Y;
    Map(cx, cy, X, Y);
    const double a = ang - rot_;
    ry *= stretch_;
    if (outline) BallShape(img_, X, Y, rx * s_ + ink_, ry * s_ + ink_, a, Border(ramp), 0);
    BallShape(img_, X, Y, rx * s_, ry * s_, a, ramp, flat);
  }
  void Tube(double x1, double y1, double x2, double y2, double r1, double r2, const Ramp& ramp,
            bool noOutline = false) {
    double X1, Y1, X2, Y2;
    Map(x1, y1, X1, Y1);
    Map(x2, y2, X2, Y2);
    if (!noOutline) TubeShape(img_, X1, Y1, X2, Y2, r1 * s_ + ink_, r2 * s_ + ink_, Border(ramp), 0);
    TubeShape(img_, X1, Y1, X2, Y2, r1 * s_, r2 * s_, ramp);
  }
  // Only the border of a tube (so a chain of tubes can be bordered first and filled after).
  void TubeBorder(double x1, double y1, double x2, double y2, double r1, double r2, const Ramp& ramp) {
    double X1, Y1, X2, Y2;
    Map(x1, y1, X1, Y1);
    Map(x2, y2, X2, Y2);
    TubeShape(img_, X1, Y1, X2, Y2, r1 * s_ + ink_, r2 * s_ + ink_, Border(ramp), 0);
  }
  void TubeFill(double x1, double y1, double x2, double y2, double r1, double r2, const Ramp& ramp) {
    Tube(x1, y1, x2, y2, r1, r2, ramp, true);
  }
  void FlatEllipse(double cx, double cy, double rx, double ry, Rgb c) {
    Ramp r{{c, c, c, c}};
    Ball(cx, cy, std::max(rx, 0.5 / s_), std::max(ry, 0.5 / s_), 0, r, false, 0);
  }
  void InkEllipse(double cx, double cy, double rx, double ry) { FlatEllipse(cx, cy, rx, ry, kInk); }
  void Dot(double x, double y, Rgb c) {
    double X, Y;
    Map(x, y, X, Y);
    if (s_ < 1.6) {
      img_.Set(static_cast<int>(std::lround(X)), static_cast<int>(std::lround(Y)), c);
    } else {
      FillCircle(img_, X, Y, s_ * 0.45, c);
    }
  }
  // A line about one pixel wide at any scale.
  void Stroke(double x1, double y1, double x2, double y2, Rgb c) {
    double X1, Y1, X2, Y2;
    Map(x1, y1, X1, Y1);
    Map(x2, y2, X2, Y2);
    if (s_ < 1.6) Line(img_, X1, Y1, X2, Y2, c);
    else ThickLine(img_, X1, Y1, X2, Y2, s_ * 0.4, c);
  }

  // A curled-up hero: a shaded ball with a band of the second material that turns with `spin`;
  // style 0 adds Zinto's crest spines, style 1 Kubo's ears and wing tips.
  void SpinBall(double cx, double cy, double r, double spin, const Ramp& skin, const Ramp& band, const Ramp& accent,
                int style) {
    const double ca = std::cos(spin), sa = std::sin(spin);
    auto dir = [&](double a, double& dx, double& dy) {
      dx = std::cos(a + spin);
      dy = std::sin(a + spin);
    };
    double dx, dy;
    if (style == 0) {
      for (int k = 0; k < 3; ++k) {
        dir(2.4 + k * 0.5, dx, dy);
        Tube(cx + dx * (r - 3), cy + dy * (r - 3), cx + dx * (r + 3.2), cy + dy * (r + 3.2), 2.0, 0.5, accent);
      }
    } else {
      dir(2.6, dx, dy);
      Ball(cx + dx * (r - 1), cy + dy * (r - 1), 3.0, 3.0, 0, skin);
      dir(3.5, dx, dy);
      Ball(cx + dx * (r - 1), cy + dy * (r - 1), 2.8, 2.8, 0, skin);
      dir(0.9, dx, dy);
      Tube(cx + dx * (r - 3), cy + dy * (r - 3), cx + dx * (r + 2.4), cy + dy * (r + 2.4), 2.2, 1.2, accent);
    }
    double X, Y;
    Map(cx, cy, X, Y);
    const double R = r * s_;
    FillCircle(img_, X, Y, R + ink_, Border(skin)[0]);
    for (int y = static_cast<int>(Y - R - 1); y <= static_cast<int>(Y + R + 1); ++y)
      for (int x = static_cast<int>(X - R - 1); x <= static_cast<int>(X + R + 1); ++x) {
        const double u = (x - X) / R, v = (y - Y) / R, d = u * u + v * v;
        if (d > 1) continue;
        const double nz = std::sqrt(1 - d);
        const int tone = ToneOf(Lambert(u, v, nz));
        const double ru = u * ca + v * sa, rv = -u * sa + v * ca;
        const bool inBand = std::fabs(rv - 0.32 * ru * ru + 0.12) < 0.19 && ru > -0.85;
        const bool seam = std::fabs(rv - 0.32 * ru * ru + 0.12) < 0.26 && !inBand && ru > -0.85;
        Rgb c = inBand ? band[tone] : skin[tone];
        if (seam) c = skin[std::max(0, tone - 1)];
        if (style == 1 && std::fabs(ru + 0.45) < 0.16 && rv < -0.2) c = accent[tone];
        img_.Set(x, y, c);
      }
  }

 private:
  // Parts are separated by a line of their own darkest tone; the silhouette gets the ink later.
  static Ramp Border(const Ramp& r) {
    const Rgb c = Mix(Shade(r.c[0], 0.62), kInk, 0.35);
    return Ramp{{c, c, c, c}};
  }
  static const Ramp& InkRamp() {
    static const Ramp ink{{kInk, kInk, kInk, kInk}};
    return ink;
  }
  Image& img_;
  double ox_, oy_, s_;
  int ink_;
  double ground_, stretch_;
  double rot_ = 0, pivx_ = 0, pivy_ = 0;
};

}  // namespace assets::art
