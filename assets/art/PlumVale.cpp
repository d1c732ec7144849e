// Plum Vale: a lush meadow of green grass over plum-coloured earth, plum trees and flowers,
// under a lavender sky with distant violet mountains.
#include <cmath>

#include "assets/art/Scenery.h"
#include "assets/art/Sprites.h"
#include "assets/art/Zones.h"

namespace assets::art {

namespace {

const Ramp kGrass = MakeRamp({30, 108, 52}, {54, 156, 62}, {104, 204, 74}, {186, 240, 120});
const Ramp kSoilA = MakeRamp({70, 26, 62}, {118, 48, 96}, {150, 70, 120}, {190, 110, 150});
const Ramp kSoilB = MakeRamp({58, 22, 56}, {96, 38, 84}, {124, 56, 104}, {170, 96, 140});
const Rgb kEdge{40, 14, 42};
const Ramp kLeaf = MakeRamp({24, 84, 52}, {40, 132, 64}, {82, 180, 80}, {160, 226, 120});
const Ramp kPlum = MakeRamp({70, 20, 80}, {130, 40, 140}, {180, 80, 190}, {230, 160, 240});
const Ramp kPetal = MakeRamp({170, 60, 130}, {230, 110, 180}, {250, 170, 215}, {255, 230, 245});
const Ramp kBark = MakeRamp({50, 28, 30}, {92, 54, 48}, {128, 82, 64}, {166, 120, 90});
const Ramp kStone = MakeRamp({62, 56, 84}, {104, 96, 130}, {146, 140, 172}, {196, 192, 220});
const Ramp kWood = MakeRamp({86, 46, 30}, {142, 86, 48}, {186, 126, 70}, {226, 176, 110});
const Ramp kCrystal = MakeRamp({80, 30, 130}, {150, 70, 210}, {200, 130, 250}, {250, 220, 255});
const Ramp kMush = MakeRamp({140, 30, 50}, {210, 60, 70}, {240, 110, 100}, {255, 200, 180});

GroundStyle Meadow() { return {kGrass, kSoilA, kSoilB, kEdge, 11, 0, 11}; }
GroundStyle Earth() {
  GroundStyle st = Meadow();
  st.topDepth = 0;
  return st;
}

// ---- scenery tiles (transparent around the object, standing on the tile's bottom) ----------

Image FlowerBush() {
  Image t(128, 128);
  LeafClump(t, 64, 100, 44, 28, kLeaf, 3);
  LeafClump(t, 40, 108, 26, 18, kLeaf, 4);
  LeafClump(t, 90, 108, 28, 18, kLeaf, 5);
  for (int i = 0; i < 22; ++i) {
    const int x = 24 + static_cast<int>(Hash(i, 1, 40) * 80), y = 78 + static_cast<int>(Hash(i, 2, 40) * 44);
    if (t.Opaque(x, y)) Flower(t, x, y, kPetal, {255, 230, 120});
  }
  return t;
}

Image PlumTree() {
  Image t(128, 128);
  TubeShape(t, 64, 127, 62, 60, 9, 6, MakeRamp(kInk, kInk, kInk, kInk), 0);
  TubeShape(t, 64, 127, 62, 60, 8, 5, kBark);
  TubeShape(t, 62, 80, 44, 58, 4, 2.5, MakeRamp(kInk, kInk, kInk, kInk), 0);
  TubeShape(t, 62, 80, 44, 58, 3, 1.8, kBark);
  LeafClump(t, 62, 44, 46, 34, kLeaf, 7);
  for (int i = 0; i < 12; ++i) {
    const double x = 26 + Hash(i, 1, 41) * 72, y = 22 + Hash(i, 2, 41) * 44;
    if (!t.Opaque(static_cast<int>(x), static_cast<int>(y))) continue;
    BallShape(t, x, y, 4.2, 4.6, 0, MakeRamp(kInk, kInk, kInk, kInk), 0);
    BallShape(t, x, y, 3.3, 3.7, 0, kPlum);
    t.Set(static_cast<int>(x), static_cast<int>(y - 4), kLeaf[1]);
  }
  // grass tuft at the foot of the trunk
  for (int x = 48; x < 80; ++x)
    for (int y = 127 - static_cast<int>(3 + 4 * Hash(x, 2, 5)); y < 128; ++y) t.Set(x, y, kGrass[(x + y) % 3 + 1]);
  return t;
}

Image Mushrooms() {
  Image t(128, 128);
  Rock(t, 86, 118, 22, 12, kStone);
  Rock(t, 102, 122, 12, 7, kStone);
  auto shroom = [&](double x, double h, double r) {
    TubeShape(t, x, 127, x, 127 - h, 3.5, 3, MakeRamp(kInk, kInk, kInk, kInk), 0);
    TubeShape(t, x, 127, x, 127 - h, 2.6, 2.2, MakeRamp({180, 160, 150}, {220, 206, 190}, {244, 234, 220}, {255, 250, 240}));
    BallShape(t, x, 127 - h, r + 1, r * 0.6 + 1, 0, MakeRamp(kInk, kInk, kInk, kInk), 0);
    BallShape(t, x, 127 - h, r, r * 0.6, 0, kMush);
    for (int k = 0; k < 4; ++k)
      t.Set(static_cast<int>(x - r * 0.5 + k * r * 0.35), static_cast<int>(127 - h - r * 0.25 + (k % 2)), {255, 240, 230});
  };
  shroom(30, 22, 12);
  shroom(50, 14, 8);
  shroom(18, 10, 6);
  return t;
}

Image Fence() {
  Image t(128, 128);
  const Ramp ink{{kInk, kInk, kInk, kInk}};
  for (int rail = 0; rail < 2; ++rail) {
    const int y = 92 + rail * 16;
    t.Fill(0, y - 3, 128, 8, kInk);
    for (int x = 0; x < 128; ++x)
      for (int j = -2; j < 4; ++j) t.Set(x, y + j, kWood[j < 0 ? 3 : (j < 2 ? 2 : 1)]);
  }
  for (int k = 0; k < 2; ++k) {
    const int x = 32 + k * 64;
    FillRect(t, x - 7, 78, 14, 50, kInk);
    FillPolygon(t, {static_cast<double>(x - 7), 78.0, static_cast<double>(x), 70.0, static_cast<double>(x + 7), 78.0}, kInk);
    for (int y = 73; y < 128; ++y)
      for (int i = -5; i <= 5; ++i) {
        if (y < 79 && std::abs(i) > (y - 72)) continue;
        t.Set(x + i, y, kWood[i < -2 ? 3 : (i < 2 ? 2 : 1)]);
      }
  }
  (void)ink;
  return t;
}

Image Crystals() {
  Image t(128, 128);
  auto shard = [&](double x, double h, double w, double lean) {
    const std::vector<double> outer = {x - w - 1, 128, x - w * 0.8 + lean - 1, 128 - h * 0.8, x + lean, 127 - h - 2,
                                       x + w * 0.8 + lean + 1, 128 - h * 0.8, x + w + 1, 128};
    FillPolygon(t, outer, kInk);
    const std::vector<double> left = {x - w, 128, x - w * 0.8 + lean, 128 - h * 0.8, x + lean, 128 - h, x + lean * 0.3, 128};
    const std::vector<double> right = {x + lean * 0.3, 128, x + lean, 128 - h, x + w * 0.8 + lean, 128 - h * 0.8, x + w, 128};
    FillPolygon(t, left, kCrystal[2]);
    FillPolygon(t, right, kCrystal[1]);
    Line(t, x + lean * 0.6, 124, x + lean * 0.95, 130 - h, kCrystal[3]);
  };
  shard(60, 46, 9, 4);
  shard(44, 28, 7, -6);
  shard(78, 32, 7, 8);
  shard(92, 16, 5, 4);
  Rock(t, 62, 124, 30, 6, kStone);
  return t;
}

Image TallGrass() {
  Image t(128, 128);
  for (int k = 0; k < 90; ++k) {
    const double x = Hash(k, 1, 9) * 128, h = 14 + Hash(k, 2, 9) * 26, bend = (Hash(k, 3, 9) - 0.5) * 10;
    for (int j = 0; j < h; ++j) {
      const double t2 = j / h;
      const int px = static_cast<int>(x + bend * t2 * t2), py = 127 - j;
      t.Set(((px % 128) + 128) % 128, py, kGrass[t2 > 0.7 ? 3 : (t2 > 0.35 ? 2 : 1)]);
    }
  }
  for (int k = 0; k < 9; ++k) {
    const int x = 8 + static_cast<int>(Hash(k, 4, 9) * 112), y = 127 - 26 - static_cast<int>(Hash(k, 5, 9) * 12);
    Line(t, x, y, x, 127, kGrass[1]);
    Flower(t, x, y, k % 2 ? kPetal : MakeRamp({200, 150, 30}, {240, 200, 60}, {255, 230, 120}, {255, 250, 210}),
           {255, 255, 230});
  }
  Outline(t);
  return t;
}

// ---- backdrops (opaque walls behind the walkable shapes) -----------------------------------

Image CaveWall() {
  Image t(128, 128);
  const GroundStyle st = Earth();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, Mix(Shade(SoilAt(st, x + 16, y + 16), 0.55), {30, 14, 40}, 0.35));
  // roots hanging through the earth
  for (int k = 0; k < 4; ++k) {
    double x = 14 + k * 32 + Hash(k, 1, 77) * 10;
    for (int y = 0; y < 70 + k * 10; ++y) {
      x += (Noise(y / 8.0, k, 78) - 0.5) * 1.2;
      t.Set(static_cast<int>(x), y, {92, 56, 50});
      t.Set(static_cast<int>(x) + 1, y, {56, 30, 36});
    }
  }
  return t;
}

Image TrellisHedge() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double n = Noise(x / 7.0, y / 7.0, 31, 128 / 7 + 1);
      t.Set(x, y, n > 0.6 ? Rgb{40, 92, 56} : (n > 0.35 ? Rgb{30, 72, 48} : Rgb{22, 54, 40}));
    }
  // wooden lattice
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const int a = ((x + y) % 32 + 32) % 32, b = ((x - y) % 32 + 32) % 32;
      if (a < 3 || b < 3) t.Set(x, y, (a == 0 || b == 0) ? Rgb{48, 28, 24} : Rgb{120, 82, 56});
    }
  for (int k = 0; k < 14; ++k) {
    const int x = static_cast<int>(Hash(k, 1, 32) * 124) + 2, y = static_cast<int>(Hash(k, 2, 32) * 124) + 2;
    Flower(t, x, y, kPetal, {255, 230, 120});
  }
  return t;
}

Image RuinWall() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const int row = y / 16, off = (row % 2) * 16;
      const int bx = ((x + off) % 32 + 32) % 32, by = y % 16;
      const double n = Hash((x + off) / 32, row, 51);
      Rgb c = n > 0.5 ? Rgb{84, 74, 104} : Rgb{74, 66, 96};
      if (by == 0 || bx == 0) c = {40, 34, 56};
      else if (by == 1 || bx == 1) c = {104, 94, 126};
      else if (by == 15 || bx == 31) c = {58, 50, 78};
      if (Noise(x / 10.0, y / 10.0, 52, 13) > 0.7) c = Mix(c, {50, 100, 60}, 0.5);  // moss
      t.Set(x, y, c);
    }
  return t;
}

Image TrunkPillar() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double g = Noise(x / 3.0, y / 22.0, 61, 43);
      int tone = g > 0.65 ? 2 : (g > 0.3 ? 1 : 0);
      const double round = std::fabs(x - 63.5) / 64.0;
      if (round > 0.82) tone = 0;
      else if (round < 0.3 && tone == 1 && x < 64) tone = 2;
      if (x < 2 || x > 125) {
        t.Set(x, y, kInk);
        continue;
      }
      t.Set(x, y, kBark[tone + (x > 20 && x < 50 && g > 0.8)]);
    }
  return t;
}

Image StonePillar() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const int by = y % 32;
      const double fl = std::fabs(std::sin(x / 128.0 * 3.14159 * 6));  // fluting
      int tone = fl > 0.6 ? 2 : 1;
      if (x < 20) tone = 3 - (x < 6);
      if (x > 100) tone = 0;
      Rgb c = kStone[tone];
      if (by == 0) c = kInk;
      else if (by == 1) c = kStone[3];
      if (x < 2 || x > 125) c = kInk;
      if (Noise(x / 9.0, y / 9.0, 71, 15) > 0.78) c = Mix(c, {60, 130, 70}, 0.55);
      t.Set(x, y, c);
    }
  return t;
}

// ---- foreground rows -----------------------------------------------------------------------

// The swaying hedge in front of the player: a low fringe of leaf tufts and flowers along the cell's
// foot, with gaps between, so it frames the ground without hiding whoever walks or falls behind it.
Image HedgeFront(int frame) {
  constexpr int kTufts = 5;
  Image t(128, 128);
  const double sway = std::sin(frame * 3.14159 / 2) * 2.5;
  for (int k = 0; k < kTufts; ++k) {
    const double cx = 12 + k * 26 + Hash(k, 1, 90) * 6, h = 7 + Hash(k, 2, 90) * 5;
    LeafClump(t, cx, 128 - h * 0.6, 9 + Hash(k, 3, 90) * 3, h, kLeaf, 90 + k, sway * 0.5);
    if (k % 2 == 0) Flower(t, static_cast<int>(cx + sway * 0.5), static_cast<int>(128 - h), kPetal, {255, 230, 120});
  }
  return t;
}

Image HangingVines() {
  Image t(128, 128);
  LeafClump(t, 64, 6, 70, 22, kLeaf, 95);
  for (int k = 0; k < 9; ++k) {
    double x = 6 + k * 14 + Hash(k, 1, 96) * 8;
    const int len = 40 + static_cast<int>(Hash(k, 2, 96) * 70);
    for (int y = 10; y < len; ++y) {
      x += std::sin(y / 9.0 + k) * 0.3;
      t.Set(static_cast<int>(x), y, kLeaf[1]);
      t.Set(static_cast<int>(x) + 1, y, kLeaf[0]);
      if (y % 9 == 0) BallShape(t, x + 2, y, 2.6, 1.6, 0.5, kLeaf);
    }
    BallShape(t, x, len, 3, 3.4, 0, kPlum);
  }
  Outline(t);
  return t;
}

// ---- parallax ------------------------------------------------------------------------------

Rgb Sky(double y) {
  // lavender zenith to a warm peach horizon
  const Rgb a{74, 64, 156}, b{132, 110, 206}, c{224, 168, 214}, d{252, 206, 196};
  if (y < 120) return Mix(a, b, y / 120);
  if (y < 230) return Mix(b, c, (y - 120) / 110);
  return Mix(c, d, std::min(1.0, (y - 230) / 30));
}
const Rgb kMist{250, 208, 200};

void Clouds(Image& t, int y0, double cover, int seed, int yWorld0) {
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double n = Noise(x / 16.0, (y + yWorld0) / 9.0, seed, 8) * 0.6 + Noise(x / 6.0, (y + yWorld0) / 4.0, seed + 1, 22) * 0.4;
      const double fall = std::exp(-std::pow((y - y0) / 16.0, 2));
      const double v = n * fall;
      if (v > 1 - cover) {
        const double lit = v - (1 - cover);
        t.Set(x, y, lit > 0.12 ? Rgb{255, 246, 252} : (lit > 0.05 ? Rgb{246, 220, 240} : Rgb{220, 190, 228}));
      }
    }
}

Image SkyTop() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      Rgb c = Sky(y);
      if (Bayer(x, y) < std::fmod(y / 120.0 * 3, 1.0) * 0.0) c = Sky(y + 4);
      t.Set(x, y, c);
    }
  Clouds(t, 70, 0.3, 201, 0);
  return t;
}

double MountainHeight(int x, int seed) {
  // periodic over 256 pixels (two tiles)
  const double u = x / 256.0 * 2 * 3.14159265;
  return 214 - 34 * std::pow(std::fabs(std::sin(u * 1.0 + 0.3)), 1.6) - 16 * std::fabs(std::sin(u * 3 + seed)) -
         6 * Noise(x / 6.0, 0, seed, 43);
}

double MountainSmooth(int x, int seed) {
  const double u = x / 256.0 * 2 * 3.14159265;
  return 214 - 34 * std::pow(std::fabs(std::sin(u * 1.0 + 0.3)), 1.6) - 16 * std::fabs(std::sin(u * 3 + seed));
}

Image SkyMountains(int half) {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, Sky(128 + y));
  Clouds(t, 30, 0.38, 202 + half, 128);
  for (int x = 0; x < 128; ++x) {
    const int wx = x + half * 128;
    const double top = MountainHeight(wx, 3);
    for (int y = 0; y < 128; ++y) {
      const double wy = 128 + y;
      if (wy < top) continue;
      // faces that fall away to the right look towards the light; the edge between light and
      // shade runs down from each peak at a slant, as a ridge does
      const int sx = wx - static_cast<int>((wy - top) * 0.8);
      const bool lit = MountainSmooth(sx + 3, 3) > MountainSmooth(sx - 3, 3);
      Rgb c = lit ? Rgb{150, 120, 200} : Rgb{118, 92, 172};
      if (wy < top + 4 && wy < 196) c = {236, 228, 250};  // snow caps
      const double haze = std::clamp((wy - 206) / 56.0, 0.0, 0.85);
      t.Set(x, y, Mix(c, kMist, haze));
    }
  }
  // the band's last rows meet the hills below in one even colour
  for (int y = 125; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, Mix(t.Get(x, y), kMist, 0.5 + (y - 125) * 0.25));
  return t;
}

Image Hills(int half) {
  Image t(128, 128, kMist);
  const Rgb far{176, 140, 190}, near{110, 150, 110}, deep{70, 118, 84};
  const Rgb distant = Mix({150, 124, 196}, kMist, 0.45);  // the mountains' feet, in the mist
  for (int x = 0; x < 128; ++x) {
    const double u = (x + half * 128) / 256.0 * 2 * 3.14159265;
    const double h0 = 4 + 3 * std::sin(u * 2 + 2.2) + 2 * std::sin(u * 7 + 1);
    const double h1 = 16 + 10 * std::sin(u + 1) + 6 * std::sin(u * 3 + 2);
    const double h2 = 46 + 12 * std::sin(u * 2 + 0.5) + 6 * std::sin(u * 5);
    for (int y = 0; y < 128; ++y) {
      if (y < h1 && y >= h0) t.Set(x, y, Mix(distant, kMist, std::max(0.0, 0.5 - (y - h0) / 30)));
      if (y >= h2) {
        const double d = y - h2;
        t.Set(x, y, d < 2 ? Rgb{150, 196, 120} : (d > 40 ? deep : Mix(near, deep, d / 40)));
      } else if (y >= h1) {
        t.Set(x, y, Mix(far, kMist, std::max(0.0, 0.35 - (y - h1) / 60)));
      }
    }
  }
  return t;
}

Image TreeLine() {
  Image t(128, 128);
  for (int k = 0; k < 5; ++k) {
    const double x = k * 32 + 8 + Hash(k, 1, 300) * 12, h = 36 + Hash(k, 2, 300) * 26;
    TubeShape(t, x, 127, x, 127 - h * 0.6, 3, 2, MakeRamp({40, 40, 60}, {60, 50, 70}, {80, 60, 80}, {90, 70, 90}));
    LeafClump(t, x, 127 - h, 16, 14, MakeRamp({40, 96, 78}, {62, 128, 92}, {96, 158, 104}, {140, 190, 130}), 300 + k);
    // wrap leaves across the tile edge
    LeafClump(t, x - 128, 127 - h, 16, 14, MakeRamp({40, 96, 78}, {62, 128, 92}, {96, 158, 104}, {140, 190, 130}),
              300 + k);
    LeafClump(t, x + 128, 127 - h, 16, 14, MakeRamp({40, 96, 78}, {62, 128, 92}, {96, 158, 104}, {140, 190, 130}),
              300 + k);
  }
  for (int y = 112; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, Mix({48, 104, 72}, {36, 84, 60}, (y - 112) / 16.0));
  return t;
}

Image MeadowBand(int half) {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double n = Noise((x + half * 128) / 10.0, y / 6.0, 400, 26);
      Rgb c = Mix({36, 84, 60}, {24, 64, 48}, std::min(1.0, y / 60.0));
      if (n > 0.62) c = Mix(c, {90, 150, 90}, 0.5);
      t.Set(x, y, c);
    }
  for (int k = 0; k < 24; ++k) {
    const int x = static_cast<int>(Hash(k, 1, 401 + half) * 124) + 2, y = 6 + static_cast<int>(Hash(k, 2, 401 + half) * 110);
    Flower(t, x, y, kPetal, {255, 230, 120});
  }
  return t;
}

// ---- zone sprites --------------------------------------------------------------------------

Image ZoneSprites() {
  Image s(128, 526);
  // kind 26: a tall flowering plum tree (43x135)
  {
    Image tree(43, 135);
    TubeShape(tree, 21, 134, 21, 40, 5, 3.5, MakeRamp(kInk, kInk, kInk, kInk), 0);
    TubeShape(tree, 21, 134, 21, 40, 4, 2.6, kBark);
    LeafClump(tree, 21, 36, 20, 33, kLeaf, 501);
    for (int i = 0; i < 10; ++i) {
      const double x = 6 + Hash(i, 1, 502) * 30, y = 10 + Hash(i, 2, 502) * 50;
      if (!tree.Opaque(static_cast<int>(x), static_cast<int>(y))) continue;
      Flower(tree, static_cast<int>(x), static_cast<int>(y), kPetal, {255, 230, 120});
    }
    s.Paste(tree, 0, 0);
  }
  // kinds 30, 31: the hopper, a spring-legged plum beetle (20x32)
  {
    Image hop(20, 32);
    const Ramp ink{{kInk, kInk, kInk, kInk}};
    for (int k = 0; k < 4; ++k) {  // coiled spring legs
      Line(hop, 5, 22 + k * 2, 15, 23 + k * 2, {200, 200, 210});
      Line(hop, 5, 23 + k * 2, 15, 24 + k * 2, {120, 120, 140});
    }
    BallShape(hop, 10, 31, 6, 1.8, 0, ink, 0);
    BallShape(hop, 10, 30.5, 5, 1.2, 0, kStone);
    BallShape(hop, 10, 12, 9.5, 10.5, 0, ink, 0);
    BallShape(hop, 10, 12, 8.5, 9.5, 0, kPlum);
    Line(hop, 10, 3, 10, 20, kPlum[0]);
    BallShape(hop, 6, 9, 2.6, 3, 0, MakeRamp({200, 200, 210}, {240, 240, 250}, {255, 255, 255}, {255, 255, 255}), 2);
    BallShape(hop, 14, 9, 2.6, 3, 0, MakeRamp({200, 200, 210}, {240, 240, 250}, {255, 255, 255}, {255, 255, 255}), 2);
    hop.Set(6, 10, kInk), hop.Set(14, 10, kInk), hop.Set(6, 9, kInk), hop.Set(14, 9, kInk);
    Line(hop, 7, 1, 4, -2, kInk);
    Outline(hop);
    s.Paste(hop, 43, 0);
  }
  // kind 28: a flower sign post (32x50)
  {
    Image post(32, 50);
    FillRect(post, 14, 14, 5, 36, kInk);
    FillRect(post, 15, 14, 3, 36, kWood[2]);
    FillRect(post, 2, 4, 28, 16, kInk);
    FillRect(post, 3, 5, 26, 14, kWood[2]);
    FillRect(post, 3, 5, 26, 2, kWood[3]);
    FillRect(post, 3, 17, 26, 2, kWood[1]);
    FillPolygon(post, {24, 9, 28, 12, 24, 15}, kInk);  // arrow
    FillRect(post, 8, 11, 16, 2, kInk);
    Flower(post, 8, 44, kPetal, {255, 230, 120});
    Flower(post, 24, 46, kPetal, {255, 230, 120});
    s.Paste(post, 43, 41);
  }
  PaintPlatform(s, 0, 136, kGrass, kSoilA, kEdge);
  PaintCrawler(s, 168, MakeRamp({40, 110, 40}, {80, 170, 60}, {140, 214, 90}, {210, 250, 160}), kPlum, {255, 210, 80});
  return s;
}

}  // namespace

void WritePlumVale(const std::filesystem::path& game) {
  const auto dir = game / "Data" / "Data" / "R1";
  const GroundStyle meadow = Meadow(), earth = Earth();

  // Block tiles. 0 is the loop's frame beside the loop (the loop end markers).
  std::vector<Image> tiles(20, Image(128, 128));
  tiles[0] = LoopSideTile(kWood);
  tiles[1] = FullTile(meadow);
  tiles[2] = FullTile(earth, false);
  tiles[3] = StepTile(meadow, true);
  tiles[4] = StepTile(meadow, false);
  tiles[5] = SlopeTile(meadow, true);
  tiles[6] = SlopeTile(meadow, false);
  tiles[7] = TrunkPillar();
  tiles[8] = LoopTile(meadow, 128, 0, kSoilB);   // lower left
  tiles[9] = LoopTile(meadow, 128, 128, kSoilB);  // upper left
  tiles[10] = CaveWall();
  tiles[11] = TrellisHedge();
  tiles[12] = RuinWall();
  tiles[13] = FlowerBush();
  tiles[14] = PlumTree();
  tiles[15] = Mushrooms();
  tiles[16] = Fence();
  tiles[17] = Crystals();
  tiles[18] = StonePillar();
  tiles[19] = TallGrass();
  Image sheet(128, 2560);
  for (int i = 0; i < 20; ++i) sheet.Paste(tiles[i], 0, i * 128);
  SaveBmp(dir / "PVL1.bmp", sheet);

  // Tile table, by block value (entry value - 1). Full and Half values use only T1.
  std::vector<TilePair> t(67);
  auto set = [&](int v, int t1, int t2 = -1) { t[v - 1] = {t1, t2 < 0 ? t1 : t2}; };
  set(1, 1), set(2, 2), set(3, 1);
  set(4, 13), set(5, 14), set(6, 15), set(7, 16), set(8, 17);
  set(9, 3), set(10, 3), set(11, 4), set(12, 4), set(13, 5), set(14, 5), set(15, 6), set(16, 6);
  set(17, 7), set(18, 18), set(19, 19);
  const int deco[3][5] = {{15, 17, 19, 16, 13}, {13, 14, 16, 19, 17}, {15, 17, 13, 16, 19}};
  const int base[3] = {20, 36, 51};
  const int wall[3] = {10, 11, 12};
  for (int s = 0; s < 3; ++s) {
    const int b = base[s], w = wall[s];
    set(b, w, 1);                                        // ledge
    for (int k = 0; k < 5; ++k) set(b + 1 + k, w, deco[s][k]);  // scenery
    set(b + 6, w, 3), set(b + 7, w, 3), set(b + 8, w, 4), set(b + 9, w, 4);
    set(b + 10, w, 5), set(b + 11, w, 5), set(b + 12, w, 6), set(b + 13, w, 6);
  }
  set(34, 10), set(35, 11), set(50, 12);
  set(65, 8), set(66, 9), set(67, 0);
  SaveTileTable(dir / "PVT.til", t);

  // Foreground: 0..3 the swaying hedge, 4 hanging vines, 5 and 6 the right-hand loop quarters,
  // 8 the strip over the loop's top.
  Image fore(128, 1152);
  for (int f = 0; f < 4; ++f) fore.Paste(HedgeFront(f), 0, f * 128);
  fore.Paste(HangingVines(), 0, 4 * 128);
  fore.Paste(LoopTile(meadow, 0, 0, kSoilB), 0, 5 * 128);    // lower right
  fore.Paste(LoopTile(meadow, 0, 128, kSoilB), 0, 6 * 128);  // upper right
  fore.Paste(LoopCapTile(kWood, kGrass), 0, 8 * 128);        // over the loop's top
  SaveBmp(dir / "PVL2.bmp", fore);

  // Parallax tiles 1..9 and the background map.
  Image back(128, 1152);
  back.Paste(SkyTop(), 0, 0);
  back.Paste(SkyMountains(0), 0, 128);
  back.Paste(SkyMountains(1), 0, 256);
  back.Paste(Hills(0), 0, 384);
  back.Paste(Hills(1), 0, 512);
  back.Paste(MeadowBand(0), 0, 640);
  back.Paste(TreeLine(), 0, 768);
  back.Paste(MeadowBand(0), 0, 896);
  back.Paste(MeadowBand(1), 0, 1024);
  SaveBmp(dir / "PVL3.bmp", back);
  std::vector<std::vector<int>> map(7, std::vector<int>(16));
  for (int c = 0; c < 16; ++c) {
    map[0][c] = 1;
    map[1][c] = 2 + c % 2;
    map[2][c] = 4 + c % 2;
    map[3][c] = 7;  // drawn one row higher, over the hills
    map[4][c] = 6;
    map[5][c] = 8 + c % 2;  // drawn two rows higher: the meadow below the hills
    map[6][c] = 6;
  }
  SaveBackMap(dir / "PVB.map", map);

  SaveBmp(dir / "Sprited.bmp", ZoneSprites());
}

}  // namespace assets::art

namespace assets::art {

Image PlumValeScene(int w, int h) {
  // a 2x picture of the zone, halved: sky, mountains, hills, trees, then a row of grass blocks
  Image big(w * 2, h * 2);
  const Image rows[] = {SkyMountains(0), SkyMountains(1), Hills(0), Hills(1)};
  for (int x = 0; x < w * 2; x += 128) {
    const int k = (x / 128) % 2;
    big.Paste(SkyTop(), x, -40, false);
    big.Paste(rows[k], x, 88, false);
    big.Paste(rows[2 + k], x, 216, false);
    big.Paste(TreeLine(), x, 216);
  }
  const Image grass = FullTile(Meadow());
  const Image bush = FlowerBush();
  for (int x = 0; x < w * 2; x += 128) big.Paste(grass, x, h * 2 - 70, false);
  big.Paste(bush, w * 2 - 150, h * 2 - 198);
  return big.Scaled(w, h);
}

}  // namespace assets::art
