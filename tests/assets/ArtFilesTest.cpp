// The generated pictures: every bitmap the programs load is there at the size its drawing
// expects, in a form SDL loads, with the colour key only where transparency is meant; the
// tile tables and background maps have their sizes and ranges; and every block value draws
// the shape its collision gives it.
#include <gtest/gtest.h>

#include <SDL.h>

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

}  // namespace
