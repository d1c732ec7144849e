// The generated pictures: every bitmap the programs load is there at the size its drawing
// expects, in a form SDL loads, with the colour key only where transparency is meant; the
// tile tables and background maps have their sizes and ranges; and every block value draws
// the shape its collision gives it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "assets/common/Generators.h"
#include "assets/levels/Shapes.h"
#include "zones/ZoneFacts.h"

namespace {

namespace fs = std::filesystem;

struct Picture {
  int w = 0, h = 0;
  std::vector<std::array<uint8_t, 3>> px;  // r, g, b, top row first
  std::array<uint8_t, 3> At(int x, int y) const { return px.at(static_cast<size_t>(y) * w + x); }
  bool Clear(int x, int y) const {
    const auto c = At(x, y);
    return c[0] == 0 && c[1] == 0 && c[2] == 0;
  }
};

std::vector<uint8_t> ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<uint32_t>(b.at(at + 3)) << 24;
}

// Decodes our 24-bit bottom-up files, checking the header on the way.
Picture Decode(const fs::path& p) {
  const auto b = ReadBytes(p);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw std::runtime_error(p.string() + ": not a BMP");
  Picture pic;
  pic.w = static_cast<int>(Le32(b, 18));
  pic.h = static_cast<int>(Le32(b, 22));
  const uint32_t offset = Le32(b, 10);
  const int bits = b[28] | b[29] << 8;
  const uint32_t compression = Le32(b, 30);
  if (bits != 24 || compression != 0) throw std::runtime_error(p.string() + ": not 24-bit uncompressed");
  const size_t stride = (static_cast<size_t>(pic.w) * 3 + 3) / 4 * 4;
  if (b.size() != offset + stride * pic.h || Le32(b, 2) != b.size())
    throw std::runtime_error(p.string() + ": size does not match its rows");
  pic.px.resize(static_cast<size_t>(pic.w) * pic.h);
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) {
      const size_t at = offset + static_cast<size_t>(pic.h - 1 - y) * stride + x * 3;
      pic.px[static_cast<size_t>(y) * pic.w + x] = {b[at + 2], b[at + 1], b[at]};
    }
  return pic;
}

// The loop track's surface: the curve's radius 126 plus the 11 pixels to the curve poses' feet;
// the track is a band this deep beyond it, and the frame that holds the loop where the circle
// leaves its four cells has posts and a lintel this thick.
constexpr double kTrackRadius = 137.0;
constexpr double kTrackBand = 28.0;
constexpr int kFramePost = 22;
constexpr int kLintel = 20;

bool KeyIn565(const std::array<uint8_t, 3>& c) { return c[0] < 8 && c[1] < 4 && c[2] < 8; }

class ArtFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    game_ = fs::temp_directory_path() / ("orvane-art-" + std::to_string(getpid()));
    fs::remove_all(game_);
    const auto start = std::chrono::steady_clock::now();
    assets::WriteArt(game_);
    seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  static void TearDownTestSuite() { fs::remove_all(game_); }
  static fs::path Data() { return game_ / "Data" / "Data"; }
  static fs::path game_;
  static double seconds_;
};
fs::path ArtFiles::game_;
double ArtFiles::seconds_ = 0;

struct Expected {
  const char* path;
  int w, h;
  bool opaque;
};

const Expected kBitmaps[] = {
    {"Data/Data/R1/PVL3.bmp", 128, 1152, false},     {"Data/Data/R1/PVL1.bmp", 128, 2560, false},
    {"Data/Data/R1/PVL2.bmp", 128, 1152, false},     {"Data/Data/R1/Sprited.bmp", 128, 526, false},
    {"Data/Data/R2/AML3.bmp", 128, 1024, false},     {"Data/Data/R2/AML1.bmp", 128, 2432, false},
    {"Data/Data/R2/AML2.bmp", 128, 1152, false},     {"Data/Data/R2/Sprited.bmp", 128, 526, false},
    {"Data/Data/Player.bmp", 80, 1335, false},       {"Data/Data/Player2.bmp", 86, 1184, false},
    {"Data/Data/Zloop.bmp", 88, 1408, false},        {"Data/Data/Kloop2.bmp", 88, 1408, false},
    {"Data/Data/Spriteg2.bmp", 136, 320, false},     {"Data/Data/Zbar.bmp", 94, 192, false},
    {"Data/Data/Tback.bmp", 320, 24, true},          {"Data/Data/Otext.bmp", 21, 520, false},
    {"Data/Data/Shields.bmp", 72, 2784, false},      {"Data/Data/LevE.bmp", 48, 288, false},
    {"Data/Data/EPod.bmp", 64, 256, false},          {"Data/Data/Title/Obar.bmp", 261, 109, false},
    {"Data/Data/Title/Owng.bmp", 256, 144, false},   {"Data/Data/Title/Otxt1.bmp", 165, 42, false},
    {"Data/Data/Title/ZK.bmp", 161, 384, false},     {"Data/Data/Title/Vesk.bmp", 320, 264, true},
    {"Data/Data/Title/Ofont.bmp", 128, 72, false},
    {"Data/Data/Save/Zone1Zinto.bmp", 200, 150, true}, {"Data/Data/Save/Zone1Kubo.bmp", 200, 150, true},
    {"Data/Data/Save/Zone2Zinto.bmp", 200, 150, true}, {"Data/Data/Save/Zone2Kubo.bmp", 200, 150, true},
    {"Ringdepth/back.bmp", 320, 240, true},          {"Ringdepth/ring.bmp", 128, 144, false},
};

TEST_F(ArtFiles, EveryBitmapHasItsSizeAndLoadsInSdl) {
  for (const Expected& e : kBitmaps) {
    SCOPED_TRACE(e.path);
    const fs::path p = game_ / e.path;
    ASSERT_TRUE(fs::exists(p));
    const Picture pic = Decode(p);
    EXPECT_EQ(pic.w, e.w);
    EXPECT_EQ(pic.h, e.h);
    SDL_Surface* s = SDL_LoadBMP(p.string().c_str());
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, e.w);
    EXPECT_EQ(s->h, e.h);
    SDL_FreeSurface(s);
  }
}

TEST_F(ArtFiles, KeyColourOnlyWhereTransparencyIsMeant) {
  for (const Expected& e : kBitmaps) {
    SCOPED_TRACE(e.path);
    const Picture pic = Decode(game_ / e.path);
    int clear = 0, nearBlack = 0, shown = 0;
    for (int y = 0; y < pic.h; ++y)
      for (int x = 0; x < pic.w; ++x) {
        const auto c = pic.At(x, y);
        if (pic.Clear(x, y)) ++clear;
        else if (KeyIn565(c)) ++nearBlack;
        else ++shown;
      }
    // a dark colour that the display would turn transparent is never used by accident
    EXPECT_EQ(nearBlack, 0);
    if (e.opaque) {
      EXPECT_EQ(clear, 0);
    }
    // nothing is left blank
    EXPECT_GT(shown, pic.w * pic.h / 20);
  }
}

TEST_F(ArtFiles, GeneratorIsQuick) { EXPECT_LT(seconds_, 5.0); }

TEST_F(ArtFiles, TileTablesAndBackgroundMaps) {
  const auto til1 = ReadBytes(Data() / "R1" / "PVT.til");
  const auto til2 = ReadBytes(Data() / "R2" / "AMT.til");
  ASSERT_EQ(til1.size(), 134u);
  ASSERT_EQ(til2.size(), 128u);
  for (uint8_t t : til1) EXPECT_LT(t, 20);  // PVL1 holds 20 tiles
  for (uint8_t t : til2) EXPECT_LT(t, 19);  // AML1 holds 19 tiles
  const auto map1 = ReadBytes(Data() / "R1" / "PVB.map");
  const auto map2 = ReadBytes(Data() / "R2" / "AMB.map");
  ASSERT_EQ(map1.size(), 112u);
  ASSERT_EQ(map2.size(), 112u);
  for (int i = 0; i < 112; ++i) {
    EXPECT_GE(map1[i], 1);
    EXPECT_LE(map1[i], 9);
    EXPECT_GE(map2[i], 1);
    EXPECT_LE(map2[i], 8);
    // the bands repeat every 1024 pixels (8 cells), so scrolling never shows a seam
    if (i % 16 < 8) {
      EXPECT_EQ(map1[i], map1[i + 8]);
      EXPECT_EQ(map2[i], map2[i + 8]);
    }
  }
}


// ---- block shapes ------------------------------------------------------------------------

enum Kind { KFull, KDouble, KHalf, KFullPlusHalf };

// A zone's block pictures and the facts the game and the level tools read its values by.
struct ZoneArt {
  const char* sheet;
  const char* tileTable;
  levels::Zone zone;
  const orvane::ZoneFacts& facts;
};

// The top of the walkable surface at local column x, or -1 where the column is open.
int SurfaceTop(levels::Shape s, int x) {
  const int top = static_cast<int>(std::ceil(*levels::FloorAt(s, x)));
  return top > 127 ? -1 : top;
}

// The piece of a block cell that carries its shape: the last one drawn.
Picture ShapePiece(const Picture& sheet, Kind kind, int t1, int t2) {
  Picture cell;
  cell.w = 128, cell.h = 128;
  cell.px.assign(128 * 128, {0, 0, 0});
  const int tile = (kind == KFull || kind == KHalf) ? t1 : t2;
  const bool halfPiece = kind == KHalf || kind == KFullPlusHalf;
  for (int y = 0; y < (halfPiece ? 64 : 128); ++y)
    for (int x = 0; x < 128; ++x)
      cell.px[static_cast<size_t>(y + (halfPiece ? 64 : 0)) * 128 + x] = sheet.At(x, tile * 128 + y);
  return cell;
}

void CheckZoneShapes(const fs::path& data, const ZoneArt& z) {
  using levels::Shape;
  const Picture sheet = Decode(data / z.sheet);
  const auto til = ReadBytes(data / z.tileTable);
  const int values = z.facts.lastValue;
  const orvane::BlockDrawLists& draw = z.facts.draw;
  ASSERT_EQ(static_cast<int>(til.size()), 2 * values);
  for (int v = 1; v <= values; ++v) {
    SCOPED_TRACE("block value " + std::to_string(v));
    const int kinds =
        draw.full.Contains(v) + draw.twice.Contains(v) + draw.half.Contains(v) + draw.fullPlusHalf.Contains(v);
    ASSERT_EQ(kinds, 1);
    const Kind kind = draw.full.Contains(v)    ? KFull
                      : draw.twice.Contains(v) ? KDouble
                      : draw.half.Contains(v)  ? KHalf
                                               : KFullPlusHalf;
    const Picture piece = ShapePiece(sheet, kind, til[v - 1], til[values + v - 1]);
    const Shape shape = levels::ValuesOf(z.zone).shape[static_cast<size_t>(v)];
    if (shape == Shape::Empty) continue;
    if (shape == Shape::Full) {
      // a full block may lay a second picture (ember veins, fossils) over the first: together they fill the cell
      const Picture first = ShapePiece(sheet, KFull, til[v - 1], til[v - 1]);
      for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) ASSERT_FALSE(piece.Clear(x, y) && first.Clear(x, y)) << "at " << x << "," << y;
      continue;
    }
    if (shape == Shape::WallOnly) {
      for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) ASSERT_FALSE(piece.Clear(x, y)) << "pillars fill the cell from wall to wall";
      continue;
    }
    if (shape == Shape::LoopEnd) {
      // the frame beside the loop: a post on either edge, standing the whole height, open between
      for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
          if (x < kFramePost || x >= 128 - kFramePost) {
            ASSERT_FALSE(piece.Clear(x, y)) << "post at " << x << "," << y;
          } else if (x >= kFramePost + 2 && x < 126 - kFramePost && y >= 16) {
            ASSERT_TRUE(piece.Clear(x, y)) << "at " << x << "," << y;
          }
        }
      continue;
    }
    if (shape == Shape::LoopLowerLeft || shape == Shape::LoopUpperLeft) {
      const double cy = shape == Shape::LoopLowerLeft ? 0 : 128;
      for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
          const double d = std::hypot(x - 128.0, y - cy);
          ASSERT_EQ(!piece.Clear(x, y), d >= kTrackRadius && d < kTrackRadius + kTrackBand) << "at " << x << "," << y;
        }
      continue;
    }
    for (int x = 0; x < 128; ++x) {
      const int top = SurfaceTop(shape, x);
      int drawn = -1;
      for (int y = 0; y < 128 && drawn < 0; ++y)
        if (!piece.Clear(x, y)) drawn = y;
      ASSERT_EQ(drawn, top) << "column " << x;
      if (top < 0) continue;
      for (int y = top; y < 128; ++y) ASSERT_FALSE(piece.Clear(x, y)) << "hole at " << x << "," << y;
    }
  }
}

TEST_F(ArtFiles, EveryBlockValueDrawsItsCollisionShape) {
  CheckZoneShapes(Data(), {"R1/PVL1.bmp", "R1/PVT.til", levels::Zone::PlumVale, orvane::kPlumValeFacts});
  CheckZoneShapes(Data(), {"R2/AML1.bmp", "R2/AMT.til", levels::Zone::AshMoor, orvane::kAshMoorFacts});
}

TEST_F(ArtFiles, ForegroundRowsLoopHalvesMarkersAndSand) {
  for (const char* name : {"R1/PVL2.bmp", "R2/AML2.bmp"}) {
    SCOPED_TRACE(name);
    const Picture fore = Decode(Data() / name);
    // rows 5 and 6: the right-hand loop quarters, the track's band round the loop's centre
    auto band = [](double d) { return d >= kTrackRadius && d < kTrackRadius + kTrackBand; };
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 128; ++x) {
        ASSERT_EQ(!fore.Clear(x, 5 * 128 + y), band(std::hypot(x, y)));
        ASSERT_EQ(!fore.Clear(x, 6 * 128 + y), band(std::hypot(x, y - 128.0)));
      }
    // row 7 is unused; row 8, the ceiling marker over a loop, is the lintel on the cell's foot
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 128; ++x) {
        ASSERT_TRUE(fore.Clear(x, 7 * 128 + y));
        ASSERT_EQ(!fore.Clear(x, 8 * 128 + y), y >= 128 - kLintel) << "lintel at " << x << "," << y;
      }
  }
  // Plum Vale's animated foreground changes every frame
  const Picture pv = Decode(Data() / "R1/PVL2.bmp");
  for (int f = 0; f < 4; ++f) {
    int differ = 0;
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 128; ++x) differ += pv.At(x, f * 128 + y) != pv.At(x, ((f + 1) % 4) * 128 + y);
    EXPECT_GT(differ, 100) << "frame " << f;
  }
  // Ash Moor's sand (rows 0 and 3) has its surface within the top few rows, so that drawn 64
  // lower it shows the sand that lies 70 below the cell's top; a crust under the surface is
  // solid, and below it every other pixel is clear, so a player sinking in the sand stays in sight
  constexpr int kCrust = 9, kScreenFrom = 12;
  const Picture am = Decode(Data() / "R2/AML2.bmp");
  for (int row : {0, 3})
    for (int x = 0; x < 128; ++x) {
      int top = -1;
      for (int y = 0; y < 128 && top < 0; ++y)
        if (!am.Clear(x, row * 128 + y)) top = y;
      ASSERT_GE(top, 0);
      EXPECT_LE(top, 7) << "row " << row << " column " << x;
      for (int y = top; y < top + kCrust; ++y) ASSERT_FALSE(am.Clear(x, row * 128 + y));
      for (int y = top + kScreenFrom; y < 128; ++y)
        ASSERT_EQ(am.Clear(x, row * 128 + y), (x + y) % 2 == 1) << "row " << row << " at " << x << "," << y;
    }
}

// ---- characters --------------------------------------------------------------------------

int OpaqueIn(const Picture& p, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h && y < p.h; ++y)
    for (int x = x0; x < x0 + w; ++x) n += !p.Clear(x, y);
  return n;
}

bool SameCell(const Picture& p, int x0, int y0, int x1, int y1, int w, int h) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (p.At(x0 + x, y0 + y) != p.At(x1 + x, y1 + y)) return false;
  return true;
}

void CheckPlayerSheet(const Picture& p, int cw, int ch, const std::vector<int>& frames,
                      const std::vector<std::pair<int, int>>& cycles) {
  for (int f : frames) {
    SCOPED_TRACE("frame " + std::to_string(f));
    EXPECT_GT(OpaqueIn(p, 0, f * ch, cw, ch), 150);
    EXPECT_GT(OpaqueIn(p, cw, f * ch, cw, ch), 150);
    // the left-facing frame is the right-facing one mirrored
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x) ASSERT_EQ(p.At(x, f * ch + y), p.At(2 * cw - 1 - x, f * ch + y));
  }
  for (auto [a, b] : cycles)
    for (int f = a; f < b; ++f) EXPECT_FALSE(SameCell(p, cw, f * ch, cw, (f + 1) * ch, cw, ch)) << "frames " << f;
}

TEST_F(ArtFiles, EverySelectablePlayerFrameIsDrawnAndCyclesAnimate) {
  const Picture z = Decode(Data() / "Player.bmp");
  CheckPlayerSheet(z, 40, 38,
                   {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 22, 23, 24, 25, 26, 27, 29, 34},
                   {{1, 6}, {7, 10}, {11, 15}, {22, 26}});
  // the sprung picture runs 32 rows further, the dead one 4
  EXPECT_GT(OpaqueIn(z, 40, 27 * 38 + 38, 40, 32), 20);
  EXPECT_GT(OpaqueIn(z, 40, 34 * 38, 40, 42), 150);
  const Picture k = Decode(Data() / "Player2.bmp");
  CheckPlayerSheet(k, 43, 32,
                   {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 27, 29,
                    30, 31, 32, 33, 34, 35, 36},
                   {{0, 3}, {4, 11}, {12, 15}, {16, 18}, {22, 24}, {30, 31}, {32, 35}});
  EXPECT_GT(OpaqueIn(k, 43, 25 * 32 + 32, 43, 32), 20);
  EXPECT_GT(OpaqueIn(k, 43, 27 * 32 + 32, 43, 32), 20);
  // the two characters are told apart by their colours: Zinto mostly red, Kubo mostly blue
  auto redOverBlue = [](const Picture& p, int cw, int ch) {
    long r = 0, b = 0;
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x) r += p.At(cw + x, y)[0], b += p.At(cw + x, y)[2];
    return r > b;
  };
  EXPECT_TRUE(redOverBlue(z, 40, 38));
  EXPECT_FALSE(redOverBlue(k, 43, 32));
}

TEST_F(ArtFiles, CurvePosesTurnThroughTheLoop) {
  for (const char* name : {"Zloop.bmp", "Kloop2.bmp"}) {
    SCOPED_TRACE(name);
    const Picture c = Decode(Data() / name);
    for (int row = 0; row < 32; ++row) {
      EXPECT_GT(OpaqueIn(c, 0, row * 44, 44, 44), 150);
      EXPECT_GT(OpaqueIn(c, 44, row * 44, 44, 44), 150);
      // the running frames of a pose animate, and each pose turns further than the one before
      EXPECT_FALSE(SameCell(c, 44, row * 44, 44, (row % 4 == 3 ? row - 3 : row + 1) * 44, 44, 44));
      if (row < 28) {
        EXPECT_FALSE(SameCell(c, 44, row * 44, 44, (row + 4) * 44, 44, 44));
      }
    }
  }
}

// The title: every character frame lies inside its cell (nothing cut at the top or the sides, the
// feet may stand on the last row), and the bar's ribbon ends above the prompt's lines (screen rows
// 186 and below; the bar is drawn at row 97).
TEST_F(ArtFiles, TitleFramesAreWholeAndTheBarLeavesThePromptClear) {
  const Picture zk = Decode(Data() / "Title/ZK.bmp");
  auto edgesClear = [&](int x0, int y0, int w, int h) {
    for (int x = 0; x < w; ++x)
      if (!zk.Clear(x0 + x, y0)) return false;
    for (int y = 0; y < h; ++y)
      if (!zk.Clear(x0, y0 + y) || !zk.Clear(x0 + w - 1, y0 + y)) return false;
    return true;
  };
  for (int f = 0; f < 5; ++f) EXPECT_TRUE(edgesClear(0, f * 74, 74, 74)) << "Zinto frame " << f;
  for (int g = 0; g < 6; ++g) EXPECT_TRUE(edgesClear(74, g * 64, 87, 64)) << "Kubo frame " << g;
  EXPECT_GT(OpaqueIn(zk, 0, 4 * 74 + 73, 74, 1), 4) << "Zinto stands on the cell's last row";
  EXPECT_GT(OpaqueIn(zk, 74, 5 * 64 + 63, 87, 1), 4) << "Kubo stands on the cell's last row";

  const Picture bar = Decode(Data() / "Title/Obar.bmp");
  EXPECT_EQ(OpaqueIn(bar, 0, 186 - 97, bar.w, bar.h - (186 - 97)), 0);
  EXPECT_GT(OpaqueIn(bar, 0, 45, bar.w, 30), bar.w * 20) << "the ribbon is there above it";
}

// The ring demo: its floor's far rows run together at screen row 120, so the painted horizon (the
// bright line between sky and ground) lies on that row.
TEST_F(ArtFiles, RingDemoHorizonIsAtTheVanishingRow) {
  const Picture back = Decode(game_ / "Ringdepth" / "back.bmp");
  auto light = [&](int y) {
    long sum = 0;
    for (int x = 0; x < 320; x += 7) sum += back.At(x, y)[0] + back.At(x, y)[1] + back.At(x, y)[2];
    return sum;
  };
  int brightest = 0;
  for (int y = 60; y < 200; ++y)
    if (light(y) > light(brightest)) brightest = y;
  EXPECT_EQ(brightest, 120);
}

}  // namespace
