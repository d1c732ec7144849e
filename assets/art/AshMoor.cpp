// Ash Moor: a volcanic moor of grey ash over dark basalt, drifts of golden sand, ember-lit
// cracks, dead trees and steaming vents under a smoky red sky.
#include <cmath>

#include "assets/art/Scenery.h"
#include "assets/art/Sprites.h"
#include "assets/art/Zones.h"

namespace assets::art {

namespace {

const Ramp kAsh = MakeRamp({86, 80, 92}, {134, 126, 136}, {178, 172, 176}, {222, 216, 214});
const Ramp kSandTop = MakeRamp({160, 112, 54}, {210, 160, 80}, {236, 196, 116}, {252, 230, 168});
const Ramp kBasaltA = MakeRamp({30, 26, 40}, {52, 46, 64}, {74, 66, 86}, {110, 100, 120});
const Ramp kBasaltB = MakeRamp({36, 28, 38}, {60, 48, 60}, {84, 68, 80}, {120, 100, 110});
const Rgb kCrack{20, 14, 26};
const Ramp kEmber = MakeRamp({150, 30, 10}, {230, 90, 20}, {255, 160, 40}, {255, 236, 140});
// the loop's frame: weathered obsidian-grey stone
const Ramp kLoopStone = MakeRamp({48, 44, 58}, {84, 78, 96}, {120, 112, 130}, {168, 160, 176});
const Ramp kBone = MakeRamp({150, 140, 120}, {200, 190, 170}, {232, 224, 206}, {252, 248, 236});
const Ramp kDeadWood = MakeRamp({40, 30, 30}, {70, 56, 52}, {100, 84, 76}, {134, 118, 104});
const Ramp kAmber = MakeRamp({140, 70, 10}, {220, 130, 30}, {250, 190, 70}, {255, 240, 170});
const Ramp kSand = MakeRamp({150, 104, 50}, {200, 150, 76}, {228, 186, 108}, {248, 220, 156});

GroundStyle AshCrust() { return {kAsh, kBasaltA, kBasaltB, kCrack, 9, 1, 21}; }
GroundStyle Basalt() {
  GroundStyle st = AshCrust();
  st.topDepth = 0;
  return st;
}
GroundStyle SandTopped() { return {kSandTop, kBasaltA, kBasaltB, kCrack, 14, 1, 23}; }

// Glowing veins over a full block (clear elsewhere, so it lies over any full tile).
Image EmberVeins() {
  Image t(128, 128);
  for (int y = 24; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double n = Noise(x / 16.0, y / 16.0, 33, 8);
      const double v = std::fabs(n - 0.5);
      if (Noise(x / 30.0, y / 30.0, 34, 5) < 0.45) continue;  // veins only in places
      if (v < 0.012) t.Set(x, y, kEmber[2]);
      else if (v < 0.026) t.Set(x, y, kEmber[1]);
      else if (v < 0.04 && Bayer(x, y) < 0.4) t.Set(x, y, kEmber[0]);
    }
  return t;
}

Image Fossils() {
  Image t(128, 128);
  // a buried rib cage and scattered pebbles
  for (int k = 0; k < 5; ++k) {
    const double x = 40 + k * 10;
    for (int a = 0; a < 20; ++a) {
      const double ang = a / 20.0 * 3.0;
      const int px = static_cast<int>(x + std::sin(ang) * 4), py = static_cast<int>(70 + a * 1.2);
      t.Set(px, py, kBone[2]);
      t.Set(px + 1, py, kBone[1]);
    }
  }
  Line(t, 36, 70, 96, 68, kBone[3]);
  for (int k = 0; k < 12; ++k)
    Rock(t, 10 + Hash(k, 1, 34) * 108, 30 + Hash(k, 2, 34) * 90, 2 + Hash(k, 3, 34) * 3, 2, kAsh);
  return t;
}

Image DeadTree() {
  Image t(128, 128);
  const Ramp ink{{kInk, kInk, kInk, kInk}};
  struct B {
    double x1, y1, x2, y2, r1, r2;
  };
  const B branches[] = {{64, 127, 60, 60, 7, 4},  {60, 64, 36, 34, 3.5, 1.5}, {61, 70, 90, 40, 3.2, 1.4},
                        {58, 50, 62, 18, 2.6, 1.0}, {40, 38, 26, 30, 1.6, 0.8}, {86, 44, 100, 30, 1.5, 0.8}};
  for (const B& b : branches) TubeShape(t, b.x1, b.y1, b.x2, b.y2, b.r1 + 1, b.r2 + 1, ink, 0);
  for (const B& b : branches) TubeShape(t, b.x1, b.y1, b.x2, b.y2, b.r1, b.r2, kDeadWood);
  Rock(t, 64, 126, 18, 4, kAsh);
  return t;
}

Image SteamVent() {
  Image t(128, 128);
  Rock(t, 50, 118, 22, 12, MakeRamp({40, 34, 48}, {70, 62, 80}, {100, 92, 108}, {140, 130, 146}));
  Rock(t, 78, 120, 16, 9, MakeRamp({40, 34, 48}, {70, 62, 80}, {100, 92, 108}, {140, 130, 146}));
  FillEllipse(t, 62, 108, 6, 3, kEmber[2]);
  FillEllipse(t, 62, 108, 3, 1.5, kEmber[3]);
  // the steam: round puffs, lit from the upper left, taking on the dusk's colour as they rise and
  // thin out; only their rims are dithered, so they read as soft clouds rather than a net
  const Rgb dusk{150, 84, 96};
  for (int k = 6; k >= 0; --k) {
    const double y = 96 - k * 13, x = 62 + std::sin(k * 0.9) * (4 + k * 2), r = 5 + k * 1.6;
    const double fade = k / 8.0;
    for (int yy = static_cast<int>(y - r); yy <= static_cast<int>(y + r); ++yy)
      for (int xx = static_cast<int>(x - r); xx <= static_cast<int>(x + r); ++xx) {
        const double d = std::hypot(xx - x, yy - y);
        if (d > r) continue;
        if (d > r * 0.72 && Bayer(xx, yy) > 0.5 - fade * 0.3) continue;  // a soft rim
        const double lit = ((x - xx) + (y - yy)) / (2 * r);               // -1 .. 1, upper left lit
        Rgb c = lit > 0.25 ? Rgb{246, 240, 244} : (lit > -0.3 ? Rgb{218, 208, 218} : Rgb{178, 164, 182});
        t.Set(xx, yy, Mix(c, dusk, fade * 0.6));
      }
  }
  return t;
}

Image AmberCrystals() {
  Image t(128, 128);
  auto shard = [&](double x, double h, double w, double lean) {
    FillPolygon(t, {x - w - 1, 128, x + lean, 127 - h - 2, x + w + 1, 128}, kInk);
    FillPolygon(t, {x - w, 128, x + lean, 128 - h, x + lean * 0.3, 128}, kAmber[2]);
    FillPolygon(t, {x + lean * 0.3, 128, x + lean, 128 - h, x + w, 128}, kAmber[1]);
    Line(t, x + lean * 0.5, 124, x + lean * 0.9, 131 - h, kAmber[3]);
  };
  shard(64, 40, 9, 3);
  shard(48, 24, 7, -7);
  shard(80, 28, 6, 7);
  Rock(t, 64, 124, 28, 5, kAsh);
  return t;
}

Image AshShrub() {
  Image t(128, 128);
  for (int k = 0; k < 16; ++k) {
    const double a = -1.2 + k * 0.16, len = 30 + Hash(k, 1, 45) * 26;
    const double x2 = 64 + std::sin(a) * len, y2 = 124 - std::cos(a) * len;
    ThickLine(t, 64, 124, x2, y2, 1.8, kInk);
    Line(t, 64, 124, x2, y2, kDeadWood[2]);
    BallShape(t, x2, y2, 2.5, 2.5, 0, kAmber, -1);
  }
  Rock(t, 64, 124, 14, 5, kAsh);
  return t;
}

Image BasaltCave() {
  Image t(128, 128);
  const GroundStyle st = Basalt();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, Mix(Shade(SoilAt(st, x + 40, y + 8), 0.6), {40, 16, 24}, 0.3));
  for (int y = 0; y < 128; ++y)  // glow seeping from below
    for (int x = 0; x < 128; ++x)
      if (Noise(x / 12.0, y / 20.0, 88, 11) > 0.8) t.Set(x, y, Mix(t.Get(x, y), kEmber[0], 0.4));
  return t;
}

Image Colonnade() {
  Image t(128, 128, {36, 20, 30});
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const int cx = x % 64;
      Rgb c = Mix({60, 24, 30}, {30, 16, 28}, y / 128.0);
      if (cx >= 12 && cx < 52) {
        const double f = (cx - 12) / 40.0;
        c = f < 0.2 ? Rgb{96, 84, 110} : (f < 0.55 ? Rgb{64, 56, 80} : (f < 0.85 ? Rgb{46, 40, 60} : Rgb{30, 26, 42}));
        if (cx == 12 || cx == 51) c = kCrack;
        if (y % 64 < 3) c = y % 64 == 0 ? kCrack : Rgb{110, 100, 124};
      }
      t.Set(x, y, c);
    }
  return t;
}

Image DuneWall() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double w = std::sin((x + y * 0.6) / 128.0 * 2 * 3.14159265 * 3 + std::sin(y / 11.0));
      Rgb c = Mix({112, 76, 50}, {84, 56, 42}, 0.5 + 0.5 * w);
      if (w > 0.92) c = {140, 100, 64};
      t.Set(x, y, c);
    }
  return t;
}

// How deep the sand's surface is drawn solid; below it the sand is see-through.
constexpr double kSandCrust = 10;

Image SandFront(int variant) {
  // Sinking sand in the dusk: wind ripples that wander across the surface, darker with depth,
  // a little of the red sky in it; seamless across neighbouring cells.
  Image t(128, 128);
  const double kTwoPi = 2 * 3.14159265;
  const Rgb dusk{120, 64, 58};
  for (int x = 0; x < 128; ++x) {
    const double top = 4 + 1.5 * std::sin(x / 128.0 * kTwoPi * 2 + variant);
    for (int y = static_cast<int>(std::ceil(top)); y < 128; ++y) {
      const double d = y - top;
      const double wave = y + 3 * std::sin(x / 128.0 * kTwoPi * 3 + y / 13.0 + variant) +
                          5 * Noise(x / 16.0, y / 16.0, 61 + variant, 8);
      const double phase = wave / 10.0 - std::floor(wave / 10.0);
      Rgb c = Mix(kSand[2], kSand[1], std::min(1.0, d / 110));
      if (phase < 0.16) c = Mix(c, kSand[3], 0.55);        // a ripple's lit crest
      else if (phase < 0.32) c = Mix(c, kSand[0], 0.35);   // its shaded lee
      c = Mix(c, dusk, 0.18 + (variant == 1 ? 0.12 : 0));
      if (d < 1.5) c = kSand[3];
      if (Hash(x, y, 62 + variant) > 0.985) c = Mix(c, kSand[0], 0.6);
      // below its crust the sand is a screen of grains, every other pixel, so that a player
      // sinking in it stays in sight
      if (d >= kSandCrust && (x + y) % 2 == 1) continue;
      t.Set(x, y, c);
    }
    t.Set(x, static_cast<int>(std::ceil(top)) - 1, kInk);
  }
  return t;
}

// Foreground pieces frame the picture from the cells' edges and stay thin, so the player and the
// enemies behind them remain in sight: a few scorched twigs at the foot of a cell, a fringe of
// short, narrow stalactites under its top.
Image CharredBush(int variant) {
  constexpr int kTwigs = 9;
  Image t(128, 128);
  for (int k = 0; k < kTwigs; ++k) {
    const double a = -1.2 + k * 0.3 + variant * 0.08, len = 14 + Hash(k, 1, 70 + variant) * 16;
    const double x0 = 24 + k * 10, x2 = x0 + std::sin(a) * len, y2 = 127 - std::cos(a) * len * 0.9;
    ThickLine(t, x0, 127, x2, y2, 1.6, kInk);
    ThickLine(t, x0, 127, x2, y2, 0.6, kDeadWood[1 + (k % 2)]);
    if (k % 3 == 0) BallShape(t, x2, y2, 2, 2, 0, kEmber);
  }
  return t;
}

Image HangingRocks() {
  constexpr int kSpikes = 6;
  Image t(128, 128);
  const Ramp rock = MakeRamp({30, 26, 40}, {56, 50, 70}, {84, 76, 96}, {120, 110, 130});
  // the ceiling's rim along the top, then narrow spikes hanging from it
  for (int x = 0; x < 128; ++x) {
    const int rim = 3 + static_cast<int>(3 * Noise(x / 6.0, 0, 5, 22));
    for (int y = 0; y < rim; ++y) t.Set(x, y, rock[y == 0 ? 2 : 1]);
  }
  for (int k = 0; k < kSpikes; ++k) {
    const double cx = 10 + k * 21 + Hash(k, 1, 71) * 8, w = 3 + Hash(k, 2, 71) * 2, len = 10 + Hash(k, 3, 71) * 12;
    FillPolygon(t, {cx - w, 0, cx + w, 0, cx + 0.5, len}, rock[1]);
    FillPolygon(t, {cx - w, 0, cx - w * 0.2, 0, cx, len * 0.8}, rock[2]);
  }
  Outline(t);
  return t;
}

// ---- parallax ------------------------------------------------------------------------------

Rgb Sky(double y) {
  const Rgb a{46, 24, 52}, b{110, 40, 60}, c{196, 84, 60}, d{236, 150, 90};
  if (y < 110) return Mix(a, b, y / 110);
  if (y < 220) return Mix(b, c, (y - 110) / 110);
  return Mix(c, d, std::min(1.0, (y - 220) / 36));
}

Image SkyTop() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      Rgb c = Sky(y);
      const double n = Noise(x / 20.0, y / 7.0, 900, 7);
      if (n > 0.66 && y > 20 && y < 110) c = Mix(c, {30, 18, 34}, (n - 0.66) * 2.2);  // smoke
      if (Hash(x, y, 901) > 0.997 && y < 80) c = {255, 200, 150};                       // flying embers
      t.Set(x, y, c);
    }
  return t;
}

Image Volcanoes() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, Sky(128 + y));
  for (int x = 0; x < 128; ++x) {
    const double u = x / 128.0 * 2 * 3.14159265;
    const double top = 60 + 30 * std::fabs(std::sin(u * 0.5 + 0.4)) - 18 * std::exp(-std::pow((x - 64) / 14.0, 2)) +
                       4 * Noise(x / 5.0, 0, 91, 26);
    for (int y = static_cast<int>(top); y < 128; ++y) {
      Rgb c = Mix({92, 40, 56}, {150, 70, 70}, std::clamp((y - 90) / 38.0, 0.0, 1.0));
      if (std::abs(x - 64) < 4 && y < top + 6) c = kEmber[2];  // glowing crater
      t.Set(x, y, c);
    }
  }
  for (int y = 116; y < 128; ++y)
    for (int x = 0; x < 128; ++x) t.Set(x, y, {150, 70, 70});
  return t;
}

Image AshClouds() {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double n = Noise(x / 18.0, y / 8.0, 920, 8) * 0.65 + Noise(x / 7.0, y / 4.0, 921, 19) * 0.35;
      const double band = std::exp(-std::pow((y - 40) / 22.0, 2));
      const double v = n * band;
      if (v > 0.5 || (v > 0.44 && Bayer(x, y) < (v - 0.44) / 0.06))
        t.Set(x, y, v > 0.6 ? Rgb{150, 110, 116} : Rgb{118, 80, 92});
    }
  return t;
}

Image Ridges(int seed, Rgb col, Rgb lit, double base, double amp, bool solidBottom) {
  Image t(128, 128);
  for (int x = 0; x < 128; ++x) {
    const double u = x / 128.0 * 2 * 3.14159265;
    const double top = base - amp * (0.6 * std::fabs(std::sin(u + seed)) + 0.4 * std::fabs(std::sin(u * 2 + seed * 2))) -
                       5 * Noise(x / 4.0, 0, seed, 32);
    const double slope = std::sin(u + seed) * std::cos(u + seed);
    for (int y = static_cast<int>(top); y < 128; ++y) t.Set(x, y, (slope > 0 && y < top + 20) ? lit : col);
  }
  if (solidBottom)
    for (int y = 112; y < 128; ++y)
      for (int x = 0; x < 128; ++x) t.Set(x, y, col);
  return t;
}

Image Dunes(int half) {
  Image t(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double u = (x + half * 128) / 256.0 * 2 * 3.14159265;
      const double crest = 30 + 12 * std::sin(u * 2) + 6 * std::sin(u * 5 + 1);
      Rgb c = {66, 34, 48};
      if (y > crest) {
        const double d = y - crest;
        c = d < 2 ? Rgb{230, 170, 100} : Mix({180, 120, 70}, {110, 70, 50}, std::min(1.0, d / 70));
        if (std::sin((x + half * 128) / 5.0 + y / 3.0) > 0.9) c = Mix(c, {240, 190, 120}, 0.3);
      }
      t.Set(x, y, c);
    }
  return t;
}

Image ZoneSprites() {
  Image s(128, 526);
  // kind 26: a smoking basalt spire (43x135)
  {
    Image sp(43, 135);
    for (int y = 20; y < 135; ++y) {
      const double half = 6 + (y - 20) * 0.12;
      for (int x = 0; x < 43; ++x) {
        const double d = x - 21.5;
        if (std::fabs(d) > half) continue;
        const double f = (d + half) / (2 * half);
        Rgb c = kBasaltA[f < 0.25 ? 3 : (f < 0.6 ? 2 : 1)];
        if ((y / 16) % 2 == 0 && y % 16 == 0) c = kCrack;
        if (std::fabs(d) < 1 && y > 40 && Noise(y / 6.0, 0, 4) > 0.6) c = kEmber[2];
        sp.Set(x, y, c);
      }
    }
    for (int k = 0; k < 4; ++k) FillCircle(sp, 21 + std::sin(k) * 4, 16 - k * 4, 5 - k * 0.6, {180, 170, 180});
    Outline(sp);
    s.Paste(sp, 0, 0);
  }
  // kind 27: a glowing lava rock (32x41)
  {
    Image rock(32, 41);
    Rock(rock, 16, 28, 14, 12, kBasaltA);
    for (int y = 18; y < 40; ++y)
      for (int x = 4; x < 28; ++x)
        if (rock.Get(x, y) == kBasaltA[1] && std::fabs(Noise(x / 5.0, y / 5.0, 9) - 0.5) < 0.05) rock.Set(x, y, kEmber[2]);
    FillCircle(rock, 16, 8, 4, kEmber[1]);
    FillCircle(rock, 16, 8, 2, kEmber[3]);
    Outline(rock);
    s.Paste(rock, 43, 0);
  }
  // kind 28: a bone totem (32x50)
  {
    Image totem(32, 50);
    for (int k = 0; k < 4; ++k) BallShape(totem, 16, 44 - k * 11, 8 - k, 5, 0, kBone);
    FillCircle(totem, 13, 11, 1.5, kInk);
    FillCircle(totem, 19, 11, 1.5, kInk);
    Outline(totem);
    s.Paste(totem, 43, 41);
  }
  PaintPlatform(s, 0, 136, kAsh, kBasaltA, kCrack);
  PaintCrawler(s, 168, MakeRamp({90, 30, 20}, {160, 60, 30}, {220, 110, 40}, {255, 190, 90}), kBasaltA, kEmber[3]);
  return s;
}

}  // namespace

void WriteAshMoor(const std::filesystem::path& game) {
  const auto dir = game / "Data" / "Data" / "R2";
  const GroundStyle ash = AshCrust(), basalt = Basalt(), sand = SandTopped();

  std::vector<Image> tiles(19, Image(128, 128));
  tiles[0] = LoopSideTile(kLoopStone);  // the loop's frame beside it
  tiles[1] = FullTile(ash);
  tiles[2] = FullTile(basalt, false);
  tiles[3] = StepTile(ash, true);
  tiles[4] = StepTile(ash, false);
  tiles[5] = SlopeTile(ash, true);
  tiles[6] = SlopeTile(ash, false);
  tiles[7] = LoopTile(ash, 128, 0, kBasaltB);
  tiles[8] = LoopTile(ash, 128, 128, kBasaltB);
  tiles[9] = BasaltCave();
  tiles[10] = Colonnade();
  tiles[11] = DuneWall();
  tiles[12] = EmberVeins();
  tiles[13] = Fossils();
  tiles[14] = DeadTree();
  tiles[15] = SteamVent();
  tiles[16] = AmberCrystals();
  tiles[17] = FullTile(sand);
  tiles[18] = AshShrub();
  Image sheet(128, 2432);
  for (int i = 0; i < 19; ++i) sheet.Paste(tiles[i], 0, i * 128);
  SaveBmp(dir / "AML1.bmp", sheet);

  std::vector<TilePair> t(64);
  auto set = [&](int v, int t1, int t2 = -1) { t[v - 1] = {t1, t2 < 0 ? t1 : t2}; };
  // full blocks
  set(1, 1), set(2, 1, 12), set(3, 1, 13), set(4, 2, 12), set(5, 2), set(6, 2, 13), set(7, 17, 13);
  set(8, 17, 12), set(9, 17), set(10, 1, 12), set(11, 2, 13), set(12, 17), set(13, 17, 13), set(14, 1, 13);
  set(15, 1), set(16, 17), set(17, 2);  // ledges
  set(18, 14), set(19, 15), set(28, 16);
  set(20, 3), set(21, 3), set(22, 4), set(23, 4), set(24, 5), set(25, 5), set(26, 6), set(27, 6);
  // in front of the basalt cave
  set(29, 9, 1), set(30, 9, 17), set(31, 9, 2), set(32, 9, 18), set(33, 9, 16);
  set(34, 9, 3), set(35, 9, 3), set(36, 9, 4), set(37, 9, 4), set(38, 9, 5), set(39, 9, 5), set(40, 9, 6), set(41, 9, 6);
  // in front of the colonnade
  set(42, 10, 1), set(43, 10, 17), set(44, 10, 2), set(45, 10, 14), set(46, 10, 15);
  set(47, 10, 3), set(48, 10, 3), set(49, 10, 4), set(50, 10, 4);
  // in front of the dune wall
  set(51, 11, 1), set(52, 11, 17), set(53, 11, 2), set(54, 11, 18), set(55, 11, 16);
  set(56, 11, 3), set(57, 11, 3), set(58, 11, 4), set(59, 11, 4);
  set(60, 9), set(61, 10), set(62, 7), set(63, 8), set(64, 0);
  SaveTileTable(dir / "AMT.til", t);

  Image fore(128, 1152);
  fore.Paste(SandFront(0), 0, 0);
  fore.Paste(CharredBush(0), 0, 128);
  fore.Paste(HangingRocks(), 0, 256);
  fore.Paste(SandFront(1), 0, 384);
  fore.Paste(CharredBush(1), 0, 512);
  fore.Paste(LoopTile(ash, 0, 0, kBasaltB), 0, 640);
  fore.Paste(LoopTile(ash, 0, 128, kBasaltB), 0, 768);
  fore.Paste(LoopCapTile(kLoopStone, kAsh), 0, 1024);  // over the loop's top
  SaveBmp(dir / "AML2.bmp", fore);

  Image back(128, 1024);
  back.Paste(SkyTop(), 0, 0);
  back.Paste(Volcanoes(), 0, 128);
  back.Paste(AshClouds(), 0, 256);
  back.Paste(Ridges(3, {110, 50, 60}, {140, 66, 70}, 110, 40, false), 0, 384);
  back.Paste(Ridges(5, {66, 34, 48}, {90, 46, 58}, 118, 34, true), 0, 512);
  back.Paste(Ridges(8, {66, 34, 48}, {90, 46, 58}, 118, 30, true), 0, 640);
  back.Paste(Dunes(0), 0, 768);
  back.Paste(Dunes(1), 0, 896);
  SaveBmp(dir / "AML3.bmp", back);
  std::vector<std::vector<int>> map(7, std::vector<int>(16));
  for (int c = 0; c < 16; ++c) {
    map[0][c] = 1;
    map[1][c] = 1;
    map[2][c] = 2;          // lifted one row: distant volcanoes
    map[3][c] = 3;          // lifted two rows: drifting ash
    map[4][c] = 4;          // lifted three rows: far ridges
    map[5][c] = 5 + c % 2;  // lifted four rows: near ridges
    map[6][c] = 7 + c % 2;  // lifted four rows: the dunes below
  }
  SaveBackMap(dir / "AMB.map", map);

  SaveBmp(dir / "Sprited.bmp", ZoneSprites());
}

}  // namespace assets::art

namespace assets::art {

Image AshMoorScene(int w, int h) {
  Image big(w * 2, h * 2);
  for (int x = 0; x < w * 2; x += 128) {
    big.Paste(SkyTop(), x, -60, false);
    big.Paste(Volcanoes(), x, 68, false);
    big.Paste(AshClouds(), x, 20);
    big.Paste(Ridges(3, {110, 50, 60}, {140, 66, 70}, 110, 40, false), x, 68);
    big.Paste(Ridges(5, {66, 34, 48}, {90, 46, 58}, 118, 34, true), x, 118);
    big.Paste(Dunes((x / 128) % 2), x, 246, false);
  }
  const Image ground = FullTile(SandTopped());
  for (int x = 0; x < w * 2; x += 128) big.Paste(ground, x, h * 2 - 70, false);
  big.Paste(DeadTree(), w * 2 - 160, h * 2 - 198);
  return big.Scaled(w, h);
}

}  // namespace assets::art
