// The files the platform reads and writes: bitmaps (their size and the colour key), wave headers,
// and PNG screenshots decoded back by an independent program.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "platform/audio/Wave.h"
#include "platform/headless/Headless.h"
#include "platform/system/Error.h"
#include "platform/video/Png.h"
#include "platform/video/Surface.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class Folder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("orvane-platform-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

std::string FaultOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const FatalError& e) {
    return e.what();
  }
  return "";
}

// ---- bitmaps ----

class Bitmaps : public Folder {
 protected:
  // A 24-bit bitmap whose pixel (x, y) has the colour `colour(x, y)`.
  fs::path Write(const char* name, int w, int h, uint32_t (*colour)(int, int)) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const uint32_t c = colour(x, y);
        uint8_t* p = static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * 3;
        p[0] = static_cast<uint8_t>(c >> 16);
        p[1] = static_cast<uint8_t>(c >> 8);
        p[2] = static_cast<uint8_t>(c);
      }
    const fs::path path = dir_ / name;
    EXPECT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
    SDL_FreeSurface(s);
    return path;
  }
};

TEST_F(Bitmaps, ColoursBecomeRgb565AndNearBlackBecomesTheKey) {
  // Red and blue below 8, green below 4 vanish to 0; one step above does not.
  const fs::path p = Write("Key.bmp", 5, 1, [](int x, int) -> uint32_t {
    const uint32_t c[] = {0x000000, 0x070307, 0x080000, 0x000400, 0xFFFFFF};
    return c[x];
  });
  const Surface s = LoadBitmap(p, 5, 1);
  EXPECT_EQ(s.At(0, 0), 0);
  EXPECT_EQ(s.At(1, 0), 0);
  EXPECT_EQ(s.At(2, 0), Rgb565(8, 0, 0));
  EXPECT_EQ(s.At(3, 0), Rgb565(0, 4, 0));
  EXPECT_EQ(s.At(4, 0), 0xFFFF);
}

TEST_F(Bitmaps, RowsKeepTheirOrder) {
  const fs::path p = Write("Rows.bmp", 3, 4, [](int x, int y) -> uint32_t { return static_cast<uint32_t>(y * 64 + x * 8) << 16; });
  const Surface s = LoadBitmap(p);
  ASSERT_EQ(s.Width(), 3);
  ASSERT_EQ(s.Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(s.At(x, y), Rgb565(y * 64 + x * 8, 0, 0));
}

TEST_F(Bitmaps, AWrongSizeOrAMissingFileNamesTheFile) {
  const fs::path p = Write("Zbar.bmp", 94, 191, [](int, int) -> uint32_t { return 0x102030; });
  const std::string size = FaultOf([&] { LoadBitmap(p, 94, 192); });
  EXPECT_NE(size.find("Zbar.bmp"), std::string::npos) << size;
  EXPECT_NE(size.find("94x191"), std::string::npos) << size;
  EXPECT_NE(size.find("94x192"), std::string::npos) << size;
  const std::string missing = FaultOf([&] { LoadBitmap(dir_ / "LevE.bmp", 48, 288); });
  EXPECT_NE(missing.find("LevE.bmp"), std::string::npos) << missing;
  std::ofstream(dir_ / "Bad.bmp") << "BMnot really";
  EXPECT_NE(FaultOf([&] { LoadBitmap(dir_ / "Bad.bmp"); }).find("Bad.bmp"), std::string::npos);
}

// A 2 x 1 bitmap of packed pixels with bit-field masks: the pixels' raw values as given.
fs::path WriteBitFields(const fs::path& path, int bits, std::array<uint32_t, 3> masks, std::array<uint32_t, 2> pixels) {
  std::vector<uint8_t> b = {'B', 'M'};
  auto put = [&](uint32_t v, int bytes) { for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  put(0, 4), put(0, 4), put(66, 4), put(40, 4), put(2, 4), put(1, 4), put(1, 2), put(static_cast<uint32_t>(bits), 2), put(3, 4);
  for (int i = 0; i < 5; ++i) put(0, 4);  // image size, resolution, palette counts
  for (uint32_t m : masks) put(m, 4);
  for (uint32_t p : pixels) put(p, bits / 8);
  b.resize((b.size() + 3) / 4 * 4, 0);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return path;
}

TEST_F(Bitmaps, PackedPixelsWithBitFieldsDecodeInAnyChannelOrder) {
  // Each file holds orange (255, 128, 8) and a blue (0, 64, 248) in its own layout.
  const struct {
    int bits;
    std::array<uint32_t, 3> masks;
    std::array<uint32_t, 2> pixels;
  } cases[] = {
      {32, {0x00FF0000, 0x0000FF00, 0x000000FF}, {0x00FF8008, 0x000040F8}},  // X8R8G8B8
      {32, {0x0000FF00, 0x00FF0000, 0xFF000000}, {0x0880FF00, 0xF8400000}},  // B8G8R8X8
      {32, {0xFF000000, 0x00FF0000, 0x0000FF00}, {0xFF800800, 0x0040F800}},  // R8G8B8A8
      {32, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0x000880FF, 0x00F84000}},  // X8B8G8R8
      {16, {0xF800, 0x07E0, 0x001F}, {0xFC01, 0x021F}},                      // R5G6B5
  };
  for (const auto& c : cases) {
    const Surface s = LoadBitmap(WriteBitFields(dir_ / "Packed.bmp", c.bits, c.masks, c.pixels), 2, 1);
    EXPECT_EQ(s.At(0, 0), Rgb565(255, 128, 8)) << c.masks[0];
    EXPECT_EQ(s.At(1, 0), Rgb565(0, 64, 248)) << c.masks[0];
  }
}

TEST_F(Bitmaps, EveryFaultIsOneLineWithTheRealReason) {
  const fs::path good = Write("Good.bmp", 4, 2, [](int, int) -> uint32_t { return 0x405060; });
  std::ifstream in(good, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  auto variant = [&](const char* name, size_t keep, size_t at = 0, uint8_t value = 0) {
    std::vector<uint8_t> b(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(keep));
    if (at) b[at] = value;
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return dir_ / name;
  };
  ASSERT_EQ(::mkfifo((dir_ / "Pipe.bmp").c_str(), 0644), 0);
  fs::create_directory(dir_ / "Folder.bmp");
  const struct {
    fs::path file;
    std::string fault;
  } cases[] = {
      {variant("Short.bmp", bytes.size() - 1), "truncated bitmap (24 bytes of pixels, 23 present)"},
      {variant("Header.bmp", 30), "truncated bitmap (header cut short)"},
      {variant("Rle.bmp", bytes.size(), 30, 1), "compressed bitmaps are not supported (compression 1)"},
      {variant("Deep.bmp", bytes.size(), 28, 48), "48-bit bitmaps are not supported"},
      {dir_ / "Pipe.bmp", "is a named pipe, not a regular file"},
      {dir_ / "Folder.bmp", "is a folder, not a regular file"},
      {dir_ / "Gone.bmp", "picture file is missing"},
  };
  for (const auto& c : cases) EXPECT_EQ(FaultOf([&] { LoadBitmap(c.file, 4, 2); }), c.file.string() + ": " + c.fault);
}

// ---- wave files ----

struct WaveHeader {
  uint16_t tag = 1, channels = 2;
  uint32_t rate = 44100;
  uint16_t bits = 16;
  int32_t byteRateDelta = 0;
  uint32_t dataBytes = 400, dataPresent = 400;
  bool extraChunk = false;
};

void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Tag(std::vector<uint8_t>& b, const char* t) { b.insert(b.end(), t, t + 4); }

fs::path WriteWave(const fs::path& path, const WaveHeader& h) {
  std::vector<uint8_t> b;
  Tag(b, "RIFF");
  Put32(b, 0);
  Tag(b, "WAVE");
  if (h.extraChunk) {
    Tag(b, "LIST");
    Put32(b, 3);
    b.insert(b.end(), {1, 2, 3, 0});  // padded to even length
  }
  Tag(b, "fmt ");
  Put32(b, 16);
  Put16(b, h.tag);
  Put16(b, h.channels);
  Put32(b, h.rate);
  const uint16_t align = static_cast<uint16_t>(h.channels * h.bits / 8);
  Put32(b, static_cast<uint32_t>(static_cast<int64_t>(h.rate) * align + h.byteRateDelta));
  Put16(b, align);
  Put16(b, h.bits);
  Tag(b, "data");
  Put32(b, h.dataBytes);
  b.resize(b.size() + h.dataPresent, 0);
  const uint32_t riff = static_cast<uint32_t>(b.size() - 8);
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<uint8_t>(riff >> (8 * i));
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return path;
}

using Waves = Folder;

TEST_F(Waves, AGoodFileGivesItsOwnFormat) {
  const WaveFormat f = CheckWave(WriteWave(dir_ / "Ring.Wav", {}));
  EXPECT_EQ(f.channels, 2);
  EXPECT_EQ(f.sampleRate, 44100);
  EXPECT_EQ(f.bitsPerSample, 16);
  EXPECT_EQ(f.dataBytes, 400u);
  EXPECT_EQ(f.dataOffset, 44u);
  // Chunks before the format are stepped over, padding included.
  WaveHeader other;
  other.extraChunk = true;
  other.channels = 1;
  other.bits = 8;
  other.rate = 22050;
  const WaveFormat g = CheckWave(WriteWave(dir_ / "Jump.Wav", other));
  EXPECT_EQ(g.channels, 1);
  EXPECT_EQ(g.sampleRate, 22050);
  EXPECT_EQ(g.dataOffset, 56u);
}

TEST_F(Waves, FaultsNameTheFileAndWhatIsWrong) {
  struct Case {
    const char* name;
    WaveHeader header;
    const char* fault;
  };
  WaveHeader truncated;
  truncated.dataPresent = 100;
  WaveHeader floating;
  floating.tag = 3;
  WaveHeader surround;
  surround.channels = 6;
  WaveHeader deep;
  deep.bits = 24;
  WaveHeader slow;
  slow.rate = 4000;
  WaveHeader lying;
  lying.byteRateDelta = 2;
  WaveHeader ragged;
  ragged.dataBytes = ragged.dataPresent = 401;
  const Case cases[] = {
      {"truncated.Wav", truncated, "truncated"},  {"float.Wav", floating, "not PCM (format tag 3)"},
      {"six.Wav", surround, "6 channels"},        {"deep.Wav", deep, "24-bit samples are not supported"},
      {"slow.Wav", slow, "4000 samples"},         {"lying.Wav", lying, "inconsistent"},
      {"ragged.Wav", ragged, "whole sample frames"},
  };
  for (const Case& c : cases) {
    const fs::path p = WriteWave(dir_ / c.name, c.header);
    const std::string fault = FaultOf([&] { CheckWave(p); });
    EXPECT_NE(fault.find(p.string()), std::string::npos) << fault;
    EXPECT_NE(fault.find(c.fault), std::string::npos) << fault;
  }
  EXPECT_NE(FaultOf([&] { CheckWave(dir_ / "gone.Wav"); }).find("missing"), std::string::npos);
  std::ofstream(dir_ / "short.Wav") << "RIFF";
  EXPECT_NE(FaultOf([&] { CheckWave(dir_ / "short.Wav"); }).find("truncated"), std::string::npos);
  std::ofstream(dir_ / "text.Wav") << "this is no sound at all";
  EXPECT_NE(FaultOf([&] { CheckWave(dir_ / "text.Wav"); }).find("not a RIFF wave"), std::string::npos);
}

// The extensible header (format tag 0xFFFE) names its sample format in a sub-format.
fs::path WriteExtensible(const fs::path& path, uint16_t subFormat, uint16_t bits) {
  std::vector<uint8_t> b;
  const uint16_t align = static_cast<uint16_t>(2 * bits / 8);
  Tag(b, "RIFF"), Put32(b, 60 + 8), Tag(b, "WAVE"), Tag(b, "fmt "), Put32(b, 40), Put16(b, 0xFFFE), Put16(b, 2);
  Put32(b, 44100), Put32(b, 44100u * align), Put16(b, align), Put16(b, bits), Put16(b, 22), Put16(b, bits), Put32(b, 3);
  Put16(b, subFormat);
  b.insert(b.end(), {0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71});
  Tag(b, "data"), Put32(b, 2u * align);
  for (uint8_t i = 1; i <= 2 * align; ++i) b.push_back(i);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return path;
}

TEST_F(Waves, TheExtensibleHeaderPlaysAs16BitPcmAndSaysWhyOtherwise) {
  WaveFormat f;
  const std::vector<uint8_t> plain = LoadWave(WriteExtensible(dir_ / "Ring.Wav", 1, 16), f);
  EXPECT_EQ(f.bitsPerSample, 16);
  EXPECT_EQ(f.dataOffset, 68u);
  // what the mixer gets: the plain 44-byte header and the same samples
  ASSERT_EQ(plain.size(), 44u + 8);
  EXPECT_EQ(plain[20], 1);
  EXPECT_EQ(plain[22], 2);
  EXPECT_EQ(plain[34], 16);
  EXPECT_EQ(plain[44], 1);
  EXPECT_EQ(plain[51], 8);
  const fs::path deep = WriteExtensible(dir_ / "Deep.Wav", 1, 24), floating = WriteExtensible(dir_ / "Float.Wav", 3, 32);
  EXPECT_EQ(FaultOf([&] { CheckWave(deep); }), deep.string() + ": 24-bit samples are not supported (8 or 16 bits)");
  EXPECT_EQ(FaultOf([&] { CheckWave(floating); }), floating.string() + ": not PCM (format tag 3)");
}

TEST_F(Waves, TheHeadlessBackendChecksEveryFileItLoads) {
  HeadlessPlatform os;
  os.audio.Load(2, WriteWave(dir_ / "Ring.Wav", {}), platform::SoundKind::Effect);
  WaveHeader floating;
  floating.tag = 3;
  const fs::path bad = WriteWave(dir_ / "tv.Wav", floating);
  EXPECT_NE(FaultOf([&] { os.audio.Load(6, bad, platform::SoundKind::Effect); }).find("tv.Wav"), std::string::npos);
  ASSERT_EQ(os.audio.loaded.size(), 1u);
  EXPECT_EQ(os.audio.loaded[0].first, 2);
}

// ---- PNG ----

using Pngs = Folder;

TEST_F(Pngs, AScreenshotDecodesBackToItsPixels) {
  if (!fs::exists("/usr/bin/convert")) GTEST_SKIP() << "ImageMagick is not installed";
  Surface s(7, 5);
  std::mt19937 rng(3);
  for (auto& p : s.Pixels()) p = static_cast<uint16_t>(rng());
  const fs::path png = dir_ / "shot.png", ppm = dir_ / "shot.ppm";
  WritePng(s, png);
  const std::string command = "/usr/bin/convert '" + png.string() + "' -depth 8 '" + ppm.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(ppm, std::ios::binary);
  std::string magic;
  int w = 0, h = 0, maxv = 0;
  in >> magic >> w >> h >> maxv;
  in.get();
  ASSERT_EQ(magic, "P6");
  ASSERT_EQ(w, 7);
  ASSERT_EQ(h, 5);
  ASSERT_EQ(maxv, 255);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t rgb[3];
      in.read(reinterpret_cast<char*>(rgb), 3);
      // Decoded colours go back to the same RGB565 value.
      EXPECT_EQ(Rgb565(rgb[0], rgb[1], rgb[2]), s.At(x, y)) << x << "," << y;
    }
}

TEST_F(Pngs, AnUnwritablePathNamesTheFile) {
  Surface s(2, 2);
  const fs::path p = dir_ / "no" / "such" / "folder.png";
  EXPECT_NE(FaultOf([&] { WritePng(s, p); }).find(p.string()), std::string::npos);
}

}  // namespace
}  // namespace platform
