#include "assets/art/Heroes.h"

#include <algorithm>
#include <cmath>

#include "assets/art/HeroPen.h"

namespace assets::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- materials -----------------------------------------------------------------------------

const Ramp kZintoSkin = MakeRamp({112, 18, 44}, {184, 38, 56}, {232, 78, 70}, {255, 152, 120});
const Ramp kZintoCream = MakeRamp({158, 112, 78}, {222, 184, 134}, {246, 226, 178}, {255, 246, 222});
const Ramp kGold = MakeRamp({150, 92, 18}, {220, 158, 34}, {250, 206, 70}, {255, 244, 170});
const Ramp kTeal = MakeRamp({18, 78, 92}, {30, 140, 150}, {70, 200, 196}, {170, 246, 230});
const Ramp kWhite = MakeRamp({150, 160, 190}, {214, 220, 236}, {244, 246, 252}, {255, 255, 255});
const Ramp kKuboFur = MakeRamp({34, 26, 92}, {62, 52, 158}, {100, 92, 212}, {164, 156, 246});
const Ramp kKuboAmber = MakeRamp({160, 84, 24}, {224, 146, 42}, {250, 196, 84}, {255, 234, 160});
const Ramp kKuboWing = MakeRamp({26, 110, 90}, {58, 178, 140}, {128, 230, 186}, {206, 255, 230});
const Ramp kPink = MakeRamp({160, 60, 90}, {220, 100, 130}, {250, 150, 170}, {255, 210, 220});
const Ramp kDust = MakeRamp({120, 110, 130}, {180, 172, 186}, {220, 214, 224}, {248, 246, 250});
const Rgb kPupilZ{20, 60, 64};
const Rgb kPupilK{40, 20, 60};
const Rgb kMouth{120, 20, 40};

struct LegOut {
  double kx, ky, ax, ay, shin;
};

LegOut LegPoints(double hx, double hy, double hip, double knee, double l1, double l2) {
  const double kx = hx + l1 * std::sin(hip), ky = hy + l1 * std::cos(hip);
  const double b = hip - knee;
  return {kx, ky, kx + l2 * std::sin(b), ky + l2 * std::cos(b), b};
}

void Leg(HeroPen& pen, double hx, double hy, double hip, double knee, double foot, double l1, double l2, double r1,
         double r2, const Ramp& leg, const Ramp& shoe, double shoeLen, double shoeH, const Ramp* cuff) {
  const LegOut o = LegPoints(hx, hy, hip, knee, l1, l2);
  pen.Tube(hx, hy, o.kx, o.ky, r1, r2, leg);
  pen.Tube(o.kx, o.ky, o.ax, o.ay, r2, r2 * 0.9, leg);
  const double phi = o.shin + foot;
  const double fx = std::cos(phi), fy = -std::sin(phi);
  const double dx = std::sin(o.shin), dy = std::cos(o.shin);
  const double cx = o.ax + fx * shoeLen * 0.45 + dx * shoeH * 0.35;
  const double cy = o.ay + fy * shoeLen * 0.45 + dy * shoeH * 0.35;
  pen.Ball(cx, cy, shoeLen, shoeH, std::atan2(fy, fx), shoe);
  if (cuff) pen.Tube(o.ax - fx * 0.6, o.ay - fy * 0.6, o.ax + fx * 1.6, o.ay + fy * 1.6, 1.1, 1.1, *cuff, true);
}

void Arm(HeroPen& pen, double sx, double sy, double arm, double elbow, double l1, double l2, double r, const Ramp& skin,
         const Ramp& hand, double handR) {
  const double ex = sx + l1 * std::sin(arm), ey = sy + l1 * std::cos(arm);
  const double b = arm + elbow;
  const double hx = ex + l2 * std::sin(b), hy = ey + l2 * std::cos(b);
  pen.Tube(sx, sy, ex, ey, r, r * 0.9, skin);
  pen.Tube(ex, ey, hx, hy, r * 0.9, r * 0.8, skin);
  pen.Ball(hx, hy, handR, handR, 0, hand);
}

void Eye(HeroPen& pen, double x, double y, double rx, double ry, int eyes, Rgb pupil, double look) {
  if (eyes == 1) {  // squeezed shut: a chevron
    pen.Stroke(x - rx, y - ry * 0.6, x + rx * 0.6, y, kInk);
    pen.Stroke(x + rx * 0.6, y, x - rx, y + ry * 0.6, kInk);
    return;
  }
  if (eyes == 2) {  // crossed out
    pen.Stroke(x - rx, y - ry * 0.8, x + rx, y + ry * 0.8, kInk);
    pen.Stroke(x - rx, y + ry * 0.8, x + rx, y - ry * 0.8, kInk);
    return;
  }
  const double open = eyes == 4 ? 0.55 : (eyes == 3 ? 1.15 : 1.0);
  pen.Ball(x, y + (1 - open) * ry * 0.5, rx, ry * open, 0, kWhite, false, 2);
  pen.InkEllipse(x, y + (1 - open) * ry * 0.5, rx + 0.35, ry * open + 0.35);
  pen.Ball(x, y + (1 - open) * ry * 0.5, rx, ry * open, 0, kWhite, false, 2);
  const double pr = eyes == 3 ? 0.45 : 0.55;
  pen.FlatEllipse(x + look * rx * 0.4, y + ry * 0.1 * open, rx * pr, ry * 0.62 * open, pupil);
  if (eyes != 4) pen.Dot(x + look * rx * 0.4 - rx * 0.25, y - ry * 0.3, {255, 255, 255});
  if (eyes == 4) pen.Stroke(x - rx, y - ry * 0.15, x + rx, y - ry * 0.3, kInk);
}

// ---- Zinto ---------------------------------------------------------------------------------

void ZintoHead(HeroPen& pen, double hx, double hy, double tilt, const Pose& p) {
  auto R = [&](double dx, double dy, double& ox, double& oy) {
    const double c = std::cos(-tilt), s = std::sin(-tilt);
    ox = hx + dx * c - dy * s;
    oy = hy + dx * s + dy * c;
  };
  double x, y, x2, y2;
  // crest: three golden spines sweeping back
  R(-2.0, -5.6, x, y), R(-8.6, -7.4, x2, y2), pen.Tube(x, y, x2, y2, 1.9, 0.45, kGold);  // low enough to stay in the cell
  R(-4.6, -3.0, x, y), R(-10.2, -4.6, x2, y2), pen.Tube(x, y, x2, y2, 1.8, 0.45, kGold);
  R(-5.4, 0.6, x, y), R(-9.6, 1.4, x2, y2), pen.Tube(x, y, x2, y2, 1.5, 0.45, kGold);
  // skull and snout
  pen.Ball(hx, hy, 7.2, 6.6, -tilt, kZintoSkin);
  R(5.2, 2.4, x, y);
  pen.Ball(x, y, 4.8, 3.5, -tilt, kZintoCream);
  R(2.6, 0.6, x2, y2);
  pen.Ball(x2, y2, 3.0, 3.2, -tilt, kZintoCream, false);
  // nostril and mouth
  R(9.0, 1.2, x, y), pen.Dot(x, y, Shade(kZintoCream[0], 0.7));
  if (p.mouth == 1) {
    R(6.4, 4.2, x, y), pen.FlatEllipse(x, y, 1.8, 1.3, kMouth);
  } else if (p.mouth == 2) {
    R(4.2, 4.0, x, y), R(8.6, 3.6, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
    R(5.0, 3.4, x, y), R(8.0, 3.1, x2, y2), pen.Stroke(x, y, x2, y2, {255, 255, 255});
  } else if (p.mouth == 3) {
    R(4.6, 4.1, x, y), R(8.4, 3.9, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
  } else {
    R(4.0, 3.6, x, y), R(6.4, 4.6, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
    R(6.4, 4.6, x, y), R(8.8, 3.4, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
  }
  // eye with a crimson brow
  R(3.0, -1.8, x, y);
  Eye(pen, x, y, 2.2, 2.9, p.eyes, kPupilZ, 0.6);
  if (p.eyes != 2) {
    R(0.8, -5.2, x, y), R(5.4, -4.6, x2, y2), pen.Stroke(x, y, x2, y2, kZintoSkin[0]);
  }
}

void DrawZinto(HeroPen& pen, const Pose& p) {
  if (p.ball) {
    pen.SpinBall(20 + p.x, 27 - p.lift, 10.0, p.spin, kZintoSkin, kZintoCream, kGold, 0);
    return;
  }
  const double hipX = 19 + p.x, hipY = 23 - p.lift + p.drop;
  const double chestX = hipX + 8.2 * std::sin(p.lean), chestY = hipY - 8.2 * std::cos(p.lean);
  const double headX = chestX + 1.2 * std::cos(p.lean) + 6.4 * std::sin(p.lean + p.headTilt * 0.3);
  const double headY = chestY - 6.4 * std::cos(p.lean) + 1.2 * std::sin(p.lean) - 0.4;
  const Ramp farSkin = DarkerRamp(kZintoSkin, 0.78), farTeal = DarkerRamp(kTeal, 0.78);
  const Ramp farCream = DarkerRamp(kZintoCream, 0.8);
  const double shX = chestX + 0.2, shY = chestY + 1.6;

  // far arm and leg
  Arm(pen, shX - 1.0, shY, p.armB, p.elbowB, 4.0, 3.6, 1.6, farSkin, farCream, 1.9);
  Leg(pen, hipX - 0.8, hipY, p.hipB, p.kneeB, p.footB, 5.6, 5.6, 2.2, 1.8, farSkin, farTeal, 3.7, 2.1, nullptr);
  // tail: all borders first, then the fill, so the tail reads as one piece
  {
    constexpr int kSegments = 7;
    double xs[kSegments + 1], ys[kSegments + 1];
    xs[0] = hipX - 2.0, ys[0] = hipY + 0.5;
    double t = kPi - 0.75 + 0.3 * std::sin(p.lean) - 0.2 * p.tail;
    const double bend = 0.2 + 0.1 * p.tail;
    for (int i = 0; i < kSegments; ++i) {
      xs[i + 1] = xs[i] + 1.9 * std::cos(t), ys[i + 1] = ys[i] + 1.9 * std::sin(t);
      t += bend;
    }
    auto radius = [](int i) { return 2.8 - i * 0.3; };
    for (int i = 0; i < kSegments; ++i)
      pen.TubeBorder(xs[i], ys[i], xs[i + 1], ys[i + 1], radius(i), radius(i + 1), kZintoSkin);
    for (int i = 0; i < kSegments; ++i)
      pen.TubeFill(xs[i], ys[i], xs[i + 1], ys[i + 1], radius(i), radius(i + 1), i >= kSegments - 2 ? kGold : kZintoSkin);
  }
  // torso and belly
  pen.Tube(hipX, hipY, chestX, chestY, 4.2, 4.7, kZintoSkin);
  pen.Ball((hipX + chestX) / 2 + 2.0 * std::cos(p.lean), (hipY + chestY) / 2 + 2.0 * std::sin(p.lean), 2.6, 4.4,
           p.lean, kZintoCream, false);
  // near leg
  Leg(pen, hipX + 0.6, hipY, p.hipF, p.kneeF, p.footF, 5.6, 5.6, 2.3, 1.9, kZintoSkin, kTeal, 3.8, 2.2, &kWhite);
  // scarf tails flying back
  {
    const double fly = std::clamp(p.scarf, 0.0, 1.2);
    const double bx = chestX - 2.4, by = chestY - 0.2;
    pen.Tube(bx, by, bx - 2.5 - 5.0 * fly, by + 3.5 - 4.0 * fly, 1.5, 0.8, kGold);
  }
  // head, then the scarf band around the neck
  ZintoHead(pen, headX, headY, p.headTilt, p);
  pen.Tube(chestX - 2.6, chestY - 0.4, chestX + 2.4, chestY - 1.0, 1.5, 1.5, kGold);
  // near arm
  Arm(pen, shX + 0.6, shY, p.armF, p.elbowF, 4.0, 3.6, 1.7, kZintoSkin, kZintoCream, 2.0);
}

// ---- Kubo ----------------------------------------------------------------------------------

void KuboWing(HeroPen& pen, double ax, double ay, double wing, double scale, const Ramp& ramp) {
  // wing > 0 raises the wing, < 0 lowers it; 0 folds it along the back.
  const double ang = -0.35 - 0.85 * wing;  // direction of the wing, screen angle from pointing back
  const double len = (6.6 + 4.4 * std::fabs(wing)) * scale;
  const double dx = -std::cos(ang), dy = std::sin(ang);
  const double cx = ax + dx * len * 0.75, cy = ay + dy * len * 0.75;
  pen.Ball(cx, cy, len, 3.4 * scale + 0.6 * std::fabs(wing), std::atan2(dy, dx), ramp);
  pen.FlatEllipse(cx + dx * len * 0.3, cy + dy * len * 0.3, 1.5 * scale, 1.3 * scale, ramp[0]);
  pen.Dot(cx + dx * len * 0.3 - 0.4, cy + dy * len * 0.3 - 0.4, ramp[3]);
}

void KuboHead(HeroPen& pen, double hx, double hy, double tilt, const Pose& p) {
  auto R = [&](double dx, double dy, double& ox, double& oy) {
    const double c = std::cos(-tilt), s = std::sin(-tilt);
    ox = hx + dx * c - dy * s;
    oy = hy + dx * s + dy * c;
  };
  double x, y, x2, y2;
  // feelers curling forward
  R(0.5, -7.6, x, y), R(4.0, -10.2, x2, y2), pen.Tube(x, y, x2, y2, 0.6, 0.6, kKuboFur);
  pen.Ball(x2 + 0.9, y2 + 0.2, 1.3, 1.3, 0, kKuboAmber);
  R(4.6, -6.6, x, y), R(8.6, -8.8, x2, y2), pen.Tube(x, y, x2, y2, 0.6, 0.6, kKuboFur);
  pen.Ball(x2 + 0.9, y2 + 0.2, 1.3, 1.3, 0, kKuboAmber);
  // far ear
  R(-6.6, -5.6, x, y), pen.Ball(x, y, 3.5, 3.5, 0, kKuboFur), pen.Ball(x + 0.4, y + 0.3, 1.8, 1.8, 0, kPink, false);
  // skull
  pen.Ball(hx, hy, 10.4, 8.6, -tilt, kKuboFur);
  // amber face mask
  R(4.2, 2.2, x, y);
  pen.Ball(x, y, 6.2, 4.9, -tilt, kKuboAmber, false);
  R(1.0, -1.0, x, y), pen.Ball(x, y, 3.0, 3.0, 0, kKuboAmber, false);
  R(7.0, -1.4, x, y), pen.Ball(x, y, 2.8, 3.0, 0, kKuboAmber, false);
  // eyes: the far one smaller
  R(1.2, -1.6, x, y);
  Eye(pen, x, y, 1.7, 2.4, p.eyes, kPupilK, 0.8);
  R(6.2, -1.4, x, y);
  Eye(pen, x, y, 2.1, 2.8, p.eyes, kPupilK, 0.8);
  // nose and mouth
  R(10.0, 1.2, x, y), pen.Ball(x, y, 1.4, 1.2, 0, kPink, false);
  pen.Dot(x - 0.3, y - 0.5, kPink[3]);
  if (p.mouth == 1) {
    R(7.2, 4.6, x, y), pen.FlatEllipse(x, y, 1.5, 1.3, kMouth);
  } else if (p.mouth == 2 || p.mouth == 3) {
    R(5.6, 4.5, x, y), R(8.8, 4.2, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
  } else {
    R(5.8, 4.0, x, y), R(7.4, 5.0, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
    R(7.4, 5.0, x, y), R(9.0, 3.8, x2, y2), pen.Stroke(x, y, x2, y2, kMouth);
  }
  // near ear
  R(2.6, -7.4, x, y), pen.Ball(x, y, 3.2, 3.2, 0, kKuboFur), pen.Ball(x + 0.3, y + 0.3, 1.6, 1.6, 0, kPink, false);
  if (p.sweat > 0) {
    R(-7.5, -0.5, x, y);
    pen.Ball(x, y, 1.2, 1.7, 0, MakeRamp({90, 150, 220}, {140, 200, 250}, {190, 230, 255}, {240, 250, 255}));
  }
}

void DrawKubo(HeroPen& pen, const Pose& p) {
  if (p.ball) {
    pen.SpinBall(21 + p.x, 21 - p.lift, 9.8, p.spin, kKuboFur, kKuboAmber, kKuboWing, 1);
    return;
  }
  const double hipX = 19.5 + p.x, hipY = 25.8 - p.lift + p.drop;
  const double bodyX = hipX + 3.4 * std::sin(p.lean), bodyY = hipY - 3.4 * std::cos(p.lean);
  const double headX = bodyX + 9.4 * std::sin(p.lean * 0.7) + 1.4, headY = bodyY - 9.6 * std::cos(p.lean * 0.7);
  const Ramp farFur = DarkerRamp(kKuboFur, 0.78), farAmber = DarkerRamp(kKuboAmber, 0.8);
  const Ramp farWing = DarkerRamp(kKuboWing, 0.78);
  const double wingX = bodyX - 3.5, wingY = bodyY - 4.0;

  KuboWing(pen, wingX + 2.0, wingY - 0.8, p.wing * 0.85 + 0.2, 0.95, farWing);
  Arm(pen, bodyX + 1.0, bodyY - 2.6, p.armB, p.elbowB, 3.0, 2.6, 1.8, farFur, farAmber, 1.9);
  Leg(pen, hipX - 1.8, hipY, p.hipB, p.kneeB, p.footB, 2.5, 2.1, 2.4, 2.2, farFur, farAmber, 3.3, 2.0, nullptr);
  KuboWing(pen, wingX, wingY, p.wing, 1.1, kKuboWing);
  pen.Ball(bodyX, bodyY, 8.8, 7.2, p.lean, kKuboFur);
  pen.Ball(bodyX + 3.0 * std::cos(p.lean), bodyY + 1.0, 5.0, 5.0, 0, kKuboAmber, false);
  Leg(pen, hipX + 1.8, hipY, p.hipF, p.kneeF, p.footF, 2.5, 2.1, 2.5, 2.3, kKuboFur, kKuboAmber, 3.5, 2.1, nullptr);
  KuboHead(pen, headX, headY, p.headTilt, p);
  Arm(pen, bodyX + 2.6, bodyY - 2.4, p.armF, p.elbowF, 3.0, 2.6, 1.9, kKuboFur, kKuboAmber, 2.0);
}

// ---- frame tables --------------------------------------------------------------------------

Pose Walk(double phase, double swing, double knee, double armSwing) {
  Pose p;
  const double s = std::sin(phase), c = std::cos(phase);
  p.hipF = swing * s;
  p.hipB = -swing * s;
  p.kneeF = 0.15 + knee * std::max(0.0, c);
  p.kneeB = 0.15 + knee * std::max(0.0, -c);
  p.footF = 0.3 * std::max(0.0, s) - 0.3 * std::max(0.0, -s) * 0.5;
  p.footB = -0.3 * std::max(0.0, s) * 0.5 + 0.3 * std::max(0.0, -s);
  p.armF = -armSwing * s;
  p.armB = armSwing * s;
  p.lift = 0.9 * std::fabs(c) - 0.4;
  return p;
}

}  // namespace

void DrawHero(Image& img, Hero hero, double ox, double oy, double scale, const Pose& pose, int ink, double rotation,
              double rx, double ry) {
  // Drawn on a layer of its own so that the silhouette can be inked before it joins the picture.
  Image layer(img.width(), img.height());
  HeroPen pen(layer, ox, oy, scale, ink, hero == Hero::Zinto ? 37.0 : 31.0, pose.stretch);
  if (rotation != 0) pen.SetRotation(rotation, (rx - ox) / scale, (ry - oy) / scale);
  if (hero == Hero::Zinto) DrawZinto(pen, pose);
  else DrawKubo(pen, pose);
  InkEdges(layer);
  if (ink > 1) Outline(layer);
  img.Paste(layer, 0, 0);
}

void DrawHeroHead(Image& img, Hero hero, double cx, double cy, double scale, int ink, int eyes, int mouth) {
  Image layer(img.width(), img.height());
  HeroPen pen(layer, cx, cy, scale, ink, 0, 1);
  Pose p;
  p.eyes = eyes, p.mouth = mouth;
  if (hero == Hero::Zinto) ZintoHead(pen, 0, 0, 0.1, p);
  else KuboHead(pen, 0, 0, 0.05, p);
  InkEdges(layer);
  img.Paste(layer, 0, 0);
}

Image HeroCell(Hero hero, const Pose& pose, int w, int h, double scale, double dx, double dy, int ink) {
  Image cell(w, h);
  DrawHero(cell, hero, dx, dy, scale, pose, ink);
  return cell;
}

Pose ZintoFrame(int f) {
  Pose p;
  if (f == 0 || f == 18 || f == 19 || (f >= 30 && f <= 33)) {
    p.hipF = 0.12, p.hipB = -0.1, p.kneeF = 0.1, p.kneeB = 0.1;
    p.armF = 0.15, p.elbowF = 0.9, p.armB = -0.25, p.elbowB = 0.7;
    p.tail = 0.5, p.scarf = 0.15;
    if (f == 18 || f == 31) p.eyes = 4;
    if (f == 19 || f == 32) p.headTilt = 0.25, p.armF = 2.4, p.elbowF = 0.6;  // looking up, waving
    if (f == 30 || f == 33) p.armF = -0.9, p.elbowF = 2.2, p.mouth = 3;     // hand on the hip
    return p;
  }
  if (f >= 1 && f <= 6) {
    p = Walk((f - 1) * 2 * kPi / 6, 0.6, 0.8, 0.7);
    p.lean = 0.12, p.elbowF = 0.6, p.elbowB = 0.6, p.tail = 0.3, p.scarf = 0.45;
    return p;
  }
  if (f >= 7 && f <= 10) {
    p = Walk((f - 7) * 2 * kPi / 4, 1.05, 1.5, 1.1);
    p.lean = 0.38, p.elbowF = 1.4, p.elbowB = 1.4, p.tail = -0.4, p.scarf = 1.1, p.lift += 0.8;
    p.headTilt = -0.1;
    return p;
  }
  if (f >= 11 && f <= 15) {
    p.ball = true;
    p.spin = -(f - 11) * 2 * kPi / 5;
    return p;
  }
  if (f == 16 || f == 17) {
    p.lean = -0.4, p.hipF = 0.95, p.kneeF = 0.05, p.footF = 0.5, p.hipB = 0.15, p.kneeB = 1.0;
    p.armF = -1.6 - (f - 16) * 0.2, p.elbowF = 0.4, p.armB = -2.0, p.elbowB = 0.3;
    p.mouth = 2, p.tail = 1.0, p.scarf = 0.0, p.drop = 1.2, p.x = -1;
    return p;
  }
  if (f == 20 || f == 21) {
    p.drop = 4.5, p.lean = 0.55, p.hipF = 1.5, p.kneeF = 2.6, p.hipB = 1.3, p.kneeB = 2.5;
    p.footF = 0.0, p.armF = 0.9, p.elbowF = 0.9, p.armB = 0.7, p.elbowB = 0.9, p.headTilt = -0.15, p.tail = 0.0;
    p.scarf = 0.1;
    if (f == 21) p.eyes = 4;
    return p;
  }
  if (f >= 22 && f <= 26) {
    p.ball = true;
    p.spin = -(f - 22) * 2 * kPi / 5 * 1.5;
    p.lift = -0.5;
    return p;
  }
  if (f == 27) {
    p.hipF = 0.08, p.kneeF = 0.05, p.hipB = -0.05, p.kneeB = 0.1, p.footF = -0.4, p.footB = -0.5;
    p.armF = 3.55, p.elbowF = -0.2, p.armB = 3.85, p.elbowB = -0.1, p.eyes = 3, p.mouth = 1, p.headTilt = 0.2;
    p.tail = -1.2, p.scarf = 0.0;
    return p;
  }
  if (f == 29) {
    p.lean = -0.55, p.hipF = 0.9, p.kneeF = 0.6, p.hipB = 0.4, p.kneeB = 1.0;
    p.armF = 1.9, p.elbowF = 0.5, p.armB = -2.3, p.elbowB = -0.4, p.eyes = 1, p.mouth = 1, p.headTilt = 0.3;
    p.tail = 1.2, p.scarf = 0.0, p.lift = 1;
    return p;
  }
  if (f == 34) {  // drawn tilted back (HeroSheets): arms flung up, legs kicked apart
    p.lean = -0.2, p.hipF = 1.1, p.kneeF = 0.4, p.hipB = -0.5, p.kneeB = 0.6;
    p.armF = 2.7, p.elbowF = -0.3, p.armB = 3.3, p.elbowB = 0.3, p.eyes = 2, p.mouth = 1, p.headTilt = 0.4;
    p.tail = 1.4, p.scarf = 1.0, p.lift = 2;
    return p;
  }
  return p;
}

Pose KuboFrame(int f) {
  Pose p;
  p.armF = 0.5, p.elbowF = 0.6, p.armB = -0.1, p.elbowB = 0.6;
  if (f >= 0 && f <= 3) {
    const double breathe[4] = {0, 0.5, 1.0, 0.5};
    p.lift = breathe[f] * 0.6, p.wing = breathe[f] * 0.2;
    p.hipF = 0.15, p.hipB = -0.15;
    if (f == 3) p.eyes = 4;
    return p;
  }
  if (f >= 4 && f <= 11) {
    p = Walk((f - 4) * 2 * kPi / 8, 0.55, 0.6, 0.7);
    p.elbowF = 0.6, p.elbowB = 0.6, p.lean = 0.06 * std::sin((f - 4) * 2 * kPi / 8);
    p.wing = 0.1;
    return p;
  }
  if (f >= 12 && f <= 15) {
    p = Walk((f - 12) * 2 * kPi / 4, 1.0, 1.3, 1.1);
    p.lean = 0.32, p.elbowF = 1.2, p.elbowB = 1.2, p.wing = -0.35, p.lift += 0.6, p.headTilt = -0.05;
    return p;
  }
  if (f >= 16 && f <= 18) {
    p.ball = true;
    p.spin = -(f - 16) * 2 * kPi / 3;
    return p;
  }
  if (f == 19) {
    p.lean = -0.38, p.hipF = 1.0, p.kneeF = 0.05, p.footF = 0.5, p.hipB = 0.2, p.kneeB = 0.9;
    p.armF = -1.4, p.armB = -1.9, p.mouth = 2, p.wing = 0.6, p.x = -1;
    return p;
  }
  if (f == 20 || f == 21) {
    p.drop = 2.8, p.lean = 0.35, p.hipF = 1.3, p.kneeF = 2.4, p.hipB = 1.1, p.kneeB = 2.3;
    p.armF = 1.0, p.armB = 0.8, p.headTilt = -0.1, p.wing = -0.1;
    if (f == 21) p.eyes = 4;
    return p;
  }
  if (f >= 22 && f <= 24) {
    p.ball = true;
    p.spin = -(f - 22) * 2 * kPi / 3 * 1.5;
    p.lift = -0.5;
    return p;
  }
  if (f >= 25 && f <= 28) {
    p.hipF = 0.1, p.kneeF = 0.05, p.hipB = -0.1, p.kneeB = 0.1, p.footF = -0.4, p.footB = -0.5;
    p.armF = 2.2, p.elbowF = 0.1, p.armB = -2.4, p.elbowB = 0.1, p.eyes = 3, p.mouth = 1, p.headTilt = 0.15;
    p.wing = f >= 27 ? 0.9 : 0.5;
    return p;
  }
  if (f == 29) {
    p.lean = -0.5, p.hipF = 0.9, p.kneeF = 0.6, p.hipB = 0.4, p.kneeB = 1.0;
    p.armF = 2.0, p.armB = -2.3, p.eyes = 1, p.mouth = 1, p.headTilt = 0.25, p.wing = 0.8, p.lift = 1;
    return p;
  }
  if (f == 30 || f == 31) {
    p.lean = 0.2, p.hipF = 0.35, p.kneeF = 0.7, p.hipB = 0.15, p.kneeB = 0.8, p.footF = -0.4, p.footB = -0.5;
    p.armF = 1.2, p.elbowF = 0.3, p.armB = 1.0, p.wing = f == 30 ? 1.0 : 0.15, p.lift = 2, p.mouth = 0;
    return p;
  }
  if (f >= 32 && f <= 35) {
    const double w[4] = {0.6, 0.25, -0.1, 0.25};
    p.lean = 0.05, p.hipF = 0.15, p.kneeF = 0.4, p.hipB = 0.0, p.kneeB = 0.5, p.footF = -0.5, p.footB = -0.6;
    p.armF = 0.4, p.armB = 0.2, p.wing = w[f - 32], p.lift = 2 + (f % 2) * 0.5, p.eyes = 4, p.mouth = 1;
    p.sweat = 1, p.headTilt = -0.12;
    return p;
  }
  if (f == 36) {  // drawn tilted back (HeroSheets): arms flung up, legs kicked apart
    p.lean = -0.2, p.hipF = 1.1, p.kneeF = 0.4, p.hipB = -0.5, p.kneeB = 0.6;
    p.armF = 2.7, p.elbowF = -0.3, p.armB = 3.3, p.elbowB = 0.3, p.eyes = 2, p.mouth = 1, p.headTilt = 0.3;
    p.wing = 1.0;
    return p;
  }
  return p;
}

Pose CurveRunFrame(Hero hero, int frame) {
  return hero == Hero::Zinto ? ZintoFrame(7 + (frame & 3)) : KuboFrame(12 + (frame & 3));
}

}  // namespace assets::art
