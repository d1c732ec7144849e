// Broken installations: every data file of a zone program missing, short, of the wrong kind or
// holding values beyond the game's tables. Each case either ends with one line that names the file
// and the fault (status 1, through zonesim) or plays on; none may change Orvane.cfg.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/ConfigFile.h"
#include "platform/system/Error.h"
#include "platform/system/PosixProcess.h"
#include "platform/video/Surface.h"
#include "tests/support/MiniInstall.h"
#include "tests/support/ZoneFixture.h"
#include "tools/zonesim/ZoneSim.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& p, const Bytes& b) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

void WriteText(const fs::path& p, const std::string& s) { WriteAll(p, Bytes(s.begin(), s.end())); }

// ---- ways to break a file ----

using Breaker = std::function<void(const fs::path& dir)>;

Breaker Remove(std::string file) {
  return [file](const fs::path& dir) { fs::remove(dir / file); };
}
Breaker CutTo(std::string file, size_t size) {
  return [file, size](const fs::path& dir) {
    Bytes b = ReadAll(dir / file);
    b.resize(std::min(b.size(), size));
    WriteAll(dir / file, b);
  };
}
// Keeps `num`/`den` of the file's bytes.
Breaker CutFraction(std::string file, size_t num, size_t den) {
  return [file, num, den](const fs::path& dir) {
    Bytes b = ReadAll(dir / file);
    b.resize(b.size() * num / den);
    WriteAll(dir / file, b);
  };
}
Breaker Empty(std::string file) {
  return [file](const fs::path& dir) { WriteAll(dir / file, {}); };
}
Breaker Fill(std::string file, uint8_t value) {
  return [file, value](const fs::path& dir) {
    Bytes b = ReadAll(dir / file);
    std::fill(b.begin(), b.end(), value);
    WriteAll(dir / file, b);
  };
}
Breaker Grow(std::string file, size_t extra) {
  return [file, extra](const fs::path& dir) {
    Bytes b = ReadAll(dir / file);
    b.resize(b.size() + extra, 0xAB);
    WriteAll(dir / file, b);
  };
}
Breaker Text(std::string file, std::string text) {
  return [file, text](const fs::path& dir) { WriteText(dir / file, text); };
}
Breaker Folder(std::string file) {
  return [file](const fs::path& dir) {
    fs::remove(dir / file);
    fs::create_directories(dir / file);
  };
}
Breaker Pipe(std::string file) {
  return [file](const fs::path& dir) {
    fs::remove(dir / file);
    ASSERT_EQ(::mkfifo((dir / file).c_str(), 0644), 0);
  };
}
// The file replaced by a symbolic link to `target` (in the same folder; it need not exist).
Breaker Link(std::string file, std::string target) {
  return [file, target](const fs::path& dir) {
    fs::remove(dir / file);
    fs::create_symlink(dir / target, dir / file);
  };
}
// The file made 2 GB long without using the disk: everything past its own bytes is a hole.
Breaker Sparse(std::string file) {
  return [file](const fs::path& dir) { fs::resize_file(dir / file, uint64_t{2} << 30); };
}
Breaker Bitmap(std::string file, int w, int h) {
  return [file, w, h](const fs::path& dir) { test::WriteBitmap(dir / file, w, h, 10, 20, 30); };
}
Breaker Both(Breaker a, Breaker b) {
  return [a, b](const fs::path& dir) { a(dir); b(dir); };
}

// The item records from record `first` on, all with these five bytes.
Breaker ItemRecords(std::string file, Bytes record, size_t first = 0, size_t count = 301) {
  return [file, record, first, count](const fs::path& dir) {
    Bytes b = ReadAll(dir / file);
    b.resize(std::max(b.size(), kItemFileSize));
    for (size_t r = first; r < first + count && r < kItemRecords; ++r)
      std::copy(record.begin(), record.end(), b.begin() + static_cast<std::ptrdiff_t>(r * kItemRecordBytes));
    WriteAll(dir / file, b);
  };
}

// A wave header of our own making with the format fields given.
Bytes WaveBytes(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t dataBytes, uint32_t present,
                bool dataFirst = false, uint32_t fmtSize = 16) {
  Bytes w;
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  auto put16 = [&](uint16_t v) { w.push_back(static_cast<uint8_t>(v)); w.push_back(static_cast<uint8_t>(v >> 8)); };
  auto tag4 = [&](const char* t) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(t[i])); };
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  auto fmt = [&] {
    tag4("fmt "); put32(fmtSize); put16(tag); put16(channels); put32(rate); put32(rate * align); put16(align); put16(bits);
    for (uint32_t i = 16; i < fmtSize; ++i) w.push_back(0);
  };
  auto data = [&] { tag4("data"); put32(dataBytes); w.resize(w.size() + present, 0); };
  tag4("RIFF"); put32(36 + dataBytes); tag4("WAVE");
  if (dataFirst) { data(); fmt(); } else { fmt(); data(); }
  return w;
}
// The same with the extensible format header (22 more bytes) whose sub-format is `tag`.
Bytes ExtensibleWaveBytes(uint16_t tag, uint16_t bits) {
  Bytes w = WaveBytes(0xFFFE, 2, 44100, bits, 256, 256, false, 40);
  const size_t ext = 12 + 8 + 16;  // after the RIFF header, the chunk head and the plain fields
  const Bytes tail = {22, 0, static_cast<uint8_t>(bits), 0, 3, 0, 0, 0, static_cast<uint8_t>(tag), 0, 0, 0,
                      0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
  std::copy(tail.begin(), tail.end(), w.begin() + static_cast<std::ptrdiff_t>(ext));
  return w;
}
// A w x h bitmap of 32-bit pixels (16-bit where `bits` says) with the bit-field masks given, every
// pixel light grey.
Breaker BitFieldBitmap(std::string file, int w, int h, int bits, std::array<uint32_t, 3> masks) {
  return [=](const fs::path& dir) {
    Bytes b;
    auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i))); };
    auto put16 = [&](uint16_t v) { b.push_back(static_cast<uint8_t>(v)); b.push_back(static_cast<uint8_t>(v >> 8)); };
    const uint32_t stride = static_cast<uint32_t>((w * bits / 8 + 3) / 4 * 4), offset = 14 + 40 + 12;
    b.push_back('B'); b.push_back('M'); put32(offset + stride * static_cast<uint32_t>(h)); put32(0); put32(offset);
    put32(40); put32(static_cast<uint32_t>(w)); put32(static_cast<uint32_t>(h)); put16(1); put16(static_cast<uint16_t>(bits));
    put32(3); put32(0); put32(0); put32(0); put32(0); put32(0);
    for (uint32_t m : masks) put32(m);
    uint32_t grey = 0;  // three quarters of each channel
    for (uint32_t m : masks) grey |= (m / 4 * 3) & m;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) bits == 16 ? put16(static_cast<uint16_t>(grey)) : put32(grey);
      b.resize(b.size() + stride - static_cast<uint32_t>(w * bits / 8), 0);
    }
    WriteAll(dir / file, b);
  };
}
Breaker Wave(std::string file, Bytes bytes) {
  return [file, bytes](const fs::path& dir) { WriteAll(dir / file, bytes); };
}

// ---- the table ----

enum class Zone { Plumvale, Ashmoor };

struct Case {
  const char* name;
  Zone zone;
  Breaker breakIt;
  const char* faultFile;   // the file the one line names; nullptr: the game plays on
  const char* faultWords;  // words of the fault that line must hold
  std::vector<std::string> args = {};
  Bytes config = {};       // configuration bytes; empty: an empty file
};

// A case shows by its name in the test's report.
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const ZoneTables& TablesOf(Zone z) { return z == Zone::Plumvale ? PlumvaleTables() : AshmoorTables(); }

constexpr int kPlayFrames = 240;

// Plum Vale's files.
const std::string kTiles = "Data/R1/PVT.til", kBack = "Data/R1/PVB.map", kMap = "Data/R1/PVZ1.map",
                  kItems = "Data/R1/PVZ1.itm", kCurve = "Data/Qloop.crv";

std::vector<Case> Cases() {
  const Bytes goodWave = WaveBytes(1, 2, 44100, 16, 256, 256);
  return {
      // zone data files
      {"TilesMissing", Zone::Plumvale, Remove(kTiles), "PVT.til", "missing"},
      {"TilesShortByOne", Zone::Plumvale, CutTo(kTiles, 133), "PVT.til", "133 bytes, expected 134"},
      {"TilesEmpty", Zone::Plumvale, Empty(kTiles), "PVT.til", "0 bytes"},
      {"TilesAFolder", Zone::Plumvale, Folder(kTiles), "PVT.til", "PVT.til: is a folder, not a regular file"},
      {"TilesANamedPipe", Zone::Plumvale, Pipe(kTiles), "PVT.til", "PVT.til: is a named pipe, not a regular file"},
      {"TilesALinkToAGoodFilePlays", Zone::Plumvale,
       Both([](const fs::path& dir) { fs::rename(dir / kTiles, dir / "Data/R1/Tiles.real"); }, Link(kTiles, "Data/R1/Tiles.real")),
       nullptr, nullptr},
      {"BlockMapTwoGigabytesSparsePlays", Zone::Plumvale, Sparse(kMap), nullptr, nullptr},
      {"BackMapMissing", Zone::Plumvale, Remove(kBack), "PVB.map", "missing"},
      {"BackMapShort", Zone::Plumvale, CutTo(kBack, 111), "PVB.map", "111 bytes, expected 112"},
      {"BlockMapMissing", Zone::Plumvale, Remove(kMap), "PVZ1.map", "missing"},
      {"BlockMapShortInTheSecondLayer", Zone::Plumvale, CutTo(kMap, 1562), "PVZ1.map", "1562 bytes, expected 1563"},
      {"BlockMapShortInTheGap", Zone::Plumvale, CutTo(kMap, 781), "PVZ1.map", "expected 1563"},
      {"ItemsMissing", Zone::Plumvale, Remove(kItems), "PVZ1.itm", "missing"},
      {"ItemsShortByOne", Zone::Plumvale, CutTo(kItems, 1504), "PVZ1.itm", "1504 bytes, expected 1505"},
      {"ItemXBeyond32767", Zone::Plumvale, ItemRecords(kItems, {1, 255, 255, 2, 0}, 7, 1), "PVZ1.itm",
       "record 7: item position (32895, 256) is beyond 32767"},
      {"ItemYBeyond32767InTheLastRecord", Zone::Plumvale, ItemRecords(kItems, {1, 2, 0, 255, 128}, 300, 1), "PVZ1.itm",
       "record 300"},
      {"ItemAt32767Exactly", Zone::Plumvale, ItemRecords(kItems, {1, 255, 127, 255, 127}, 0, 1), nullptr, nullptr},
      {"CurveMissing", Zone::Plumvale, Remove(kCurve), "Qloop.crv", "missing"},
      {"CurveShort", Zone::Plumvale, CutTo(kCurve, 128), "Qloop.crv", "128 bytes, expected 129"},
      {"AshMoorSecondActMapMissing", Zone::Ashmoor, Remove("Data/R2/AMZ2.map"), "AMZ2.map", "missing", {"--act", "1"}},
      {"AshMoorThirdActItemsShort", Zone::Ashmoor, CutTo("Data/R2/AMZ3.itm", 1000), "AMZ3.itm", "1000 bytes",
       {"--act", "2"}},
      {"AshMoorTilesShort", Zone::Ashmoor, CutTo("Data/R2/AMT.til", 127), "AMT.til", "127 bytes, expected 128"},
      // values beyond the tables play on
      {"EveryBlockValue255", Zone::Plumvale, Fill(kMap, 255), nullptr, nullptr},
      {"AshMoorEveryBlockValue255", Zone::Ashmoor, Fill("Data/R2/AMZ1.map", 255), nullptr, nullptr},
      {"EveryTileNumber255", Zone::Plumvale, Fill(kTiles, 255), nullptr, nullptr},
      {"EveryBackgroundCell255", Zone::Plumvale, Fill(kBack, 255), nullptr, nullptr},
      {"EveryItemAnUnknownKind", Zone::Plumvale, ItemRecords(kItems, {255, 1, 10, 2, 10}), nullptr, nullptr},
      {"EveryItemKind1To31OnThePlayer", Zone::Plumvale,
       [](const fs::path& dir) {
         Bytes b(kItemFileSize);
         for (size_t r = 0; r < kItemRecords; ++r) {
           const Bytes rec = {static_cast<uint8_t>(1 + r % 31), 0, static_cast<uint8_t>(r % 128), 1,
                              static_cast<uint8_t>(r % 128)};
           std::copy(rec.begin(), rec.end(), b.begin() + static_cast<std::ptrdiff_t>(r * kItemRecordBytes));
         }
         WriteAll(dir / kItems, b);
       },
       nullptr, nullptr},
      {"CurveAll255", Zone::Plumvale, Fill(kCurve, 255), nullptr, nullptr},
      {"LongerFilesAreReadOnlyAsFarAsTheFormatGoes", Zone::Plumvale,
       Both(Both(Grow(kTiles, 50), Grow(kMap, 500)), Both(Grow(kItems, 7), Grow(kCurve, 3))), nullptr, nullptr},
      // bitmaps
      {"BlockSheetMissing", Zone::Plumvale, Remove("Data/R1/PVL1.bmp"), "PVL1.bmp", "picture file is missing"},
      {"PlayerSheetTruncated", Zone::Plumvale, CutFraction("Data/Player.bmp", 1, 2), "Player.bmp", "bitmap"},
      {"PlayerSheetHeaderOnly", Zone::Plumvale, CutTo("Data/Player.bmp", 20), "Player.bmp",
       "Player.bmp: truncated bitmap (header cut short)"},
      {"PlayerSheetLastRowCut", Zone::Plumvale, CutTo("Data/Player.bmp", 54 + 240 * 1335 - 1), "Player.bmp",
       "Player.bmp: truncated bitmap (320400 bytes of pixels, 320399 present)"},
      {"LetterSheetANamedPipe", Zone::Plumvale, Pipe("Data/Otext.bmp"), "Otext.bmp",
       "Otext.bmp: is a named pipe, not a regular file"},
      {"BlockSheetTwoGigabytesSparsePlays", Zone::Plumvale, Sparse("Data/R1/PVL1.bmp"), nullptr, nullptr},
      {"CommonSheetBitFieldsBGRAPlays", Zone::Plumvale,
       BitFieldBitmap("Data/Spriteg2.bmp", 136, 320, 32, {0x0000FF00, 0x00FF0000, 0xFF000000}), nullptr, nullptr},
      {"CommonSheetBitFields565Plays", Zone::Plumvale,
       BitFieldBitmap("Data/Spriteg2.bmp", 136, 320, 16, {0xF800, 0x07E0, 0x001F}), nullptr, nullptr},
      {"ShieldSheetNotABitmap", Zone::Plumvale, Text("Data/Shields.bmp", "\x89PNG\r\n\x1a\n not a bitmap"),
       "Shields.bmp", "Shields.bmp: not a bitmap file"},
      {"PlayerSheetHeaderAsksForGigabytes", Zone::Plumvale,
       [](const fs::path& dir) {
         Bytes b = ReadAll(dir / "Data/Player.bmp");
         const Bytes rows = {0x02, 0x00, 0x00, 0x10};  // 268435458 rows
         std::copy(rows.begin(), rows.end(), b.begin() + 22);
         WriteAll(dir / "Data/Player.bmp", b);
       },
       "Player.bmp", "bitmap is 80x268435458, expected 80x1335"},
      {"CommonSheetWrongSize", Zone::Plumvale, Bitmap("Data/Spriteg2.bmp", 135, 320), "Spriteg2.bmp",
       "135x320, expected 136x320"},
      {"AshMoorBackSheetAtPlumValesSize", Zone::Ashmoor, Bitmap("Data/R2/AML3.bmp", 128, 1152), "AML3.bmp",
       "128x1152, expected 128x1024"},
      {"KuboSheetMissingWhenKuboPlays", Zone::Plumvale, Remove("Data/Player2.bmp"), "Player2.bmp", "picture file is missing",
       {}, {1, 1, 0}},
      {"KuboSheetMissingWhenZintoPlays", Zone::Plumvale, Remove("Data/Player2.bmp"), nullptr, nullptr, {}, {1, 0, 0}},
      {"ZintoSheetMissingWhenAnUnknownCharacterPlays", Zone::Plumvale, Remove("Data/Zloop.bmp"), "Zloop.bmp",
       "picture file is missing", {}, {1, 7, 0}},
      // waves
      {"RingSoundMissing", Zone::Plumvale, Remove("Ring.Wav"), "Ring.Wav", "missing"},
      {"JingleEmpty", Zone::Plumvale, Empty("Jingle.Wav"), "Jingle.Wav", "truncated"},
      {"MusicMissing", Zone::Ashmoor, Remove("Data/Music2.Wav"), "Music2.Wav", "missing"},
      {"ActEndMusicCutShort", Zone::Plumvale, CutTo("Data/LEnd.Wav", 100), "LEnd.Wav", "truncated"},
      {"JumpNotAWave", Zone::Plumvale, Text("Jump.Wav", "RIFF....AVI LIST"), "Jump.Wav", "not a RIFF wave"},
      {"SpringFloatSamples", Zone::Plumvale, Wave("Spring.Wav", WaveBytes(3, 2, 44100, 32, 256, 256)), "Spring.Wav",
       "not PCM"},
      {"LampThreeChannels", Zone::Plumvale, Wave("Lamp.Wav", WaveBytes(1, 3, 44100, 16, 384, 384)), "Lamp.Wav",
       "3 channels"},
      {"TvTwentyFourBits", Zone::Plumvale, Wave("tv.Wav", WaveBytes(1, 2, 44100, 24, 384, 384)), "tv.Wav",
       "tv.Wav: 24-bit samples are not supported (8 or 16 bits)"},
      {"TvExtensibleTwentyFourBits", Zone::Plumvale, Wave("tv.Wav", ExtensibleWaveBytes(1, 24)), "tv.Wav",
       "tv.Wav: 24-bit samples are not supported (8 or 16 bits)"},
      {"TvExtensibleSixteenBitsPlays", Zone::Plumvale, Wave("tv.Wav", ExtensibleWaveBytes(1, 16)), nullptr, nullptr},
      {"HurtANamedPipe", Zone::Plumvale, Pipe("hurt.Wav"), "hurt.Wav", "hurt.Wav: is a named pipe, not a regular file"},
      {"MusicTwoGigabytesSparse", Zone::Plumvale,
       [](const fs::path& dir) {
         WriteAll(dir / "Data/Music1.Wav", WaveBytes(1, 2, 44100, 16, 0x7FFFFFF0, 0));
         fs::resize_file(dir / "Data/Music1.Wav", uint64_t{0x7FFFFFF0} + 44);
       },
       "Music1.Wav", "Music1.Wav: sound of 2147483632 bytes is longer than the 268435456 bytes a sound may hold"},
      {"HurtAtAThousandHertz", Zone::Plumvale, Wave("hurt.Wav", WaveBytes(1, 2, 1000, 16, 256, 256)), "hurt.Wav",
       "1000 samples"},
      {"FlyDataBeforeFormat", Zone::Plumvale, Wave("fly.Wav", WaveBytes(1, 2, 44100, 16, 256, 256, true)),
       "fly.Wav", "data chunk before the format chunk"},
      {"FallDataLongerThanTheFile", Zone::Plumvale, Wave("fall.Wav", WaveBytes(1, 2, 44100, 16, 4096, 256)),
       "fall.Wav", "truncated"},
      {"SpinHalfASampleFrame", Zone::Plumvale, Wave("spin.Wav", WaveBytes(1, 2, 44100, 16, 258, 258)), "spin.Wav",
       "not whole sample frames"},
      {"RollShortFormatChunk", Zone::Plumvale, Wave("roll.Wav", WaveBytes(1, 2, 44100, 16, 256, 256, false, 8)),
       "roll.Wav", "format chunk too short"},
      {"RelMonoEightBitsPlays", Zone::Plumvale, Wave("rel.Wav", WaveBytes(1, 1, 22050, 8, 64, 64)), nullptr, nullptr},
      {"EgetLongFormatChunkPlays", Zone::Plumvale, Wave("eget.Wav", WaveBytes(1, 2, 44100, 16, 256, 256, false, 18)),
       nullptr, nullptr},
      {"FgetAFolder", Zone::Plumvale, Folder("fget.Wav"), "fget.Wav", "fget.Wav: is a folder, not a regular file"},
      // the configuration file
      {"ConfigurationMissingIsReadAsZerosAndNotCreated", Zone::Plumvale, Remove("Orvane.cfg"), nullptr, nullptr},
      {"ConfigurationAFolder", Zone::Plumvale, Folder("Orvane.cfg"), "Orvane.cfg",
       "Orvane.cfg: configuration file is a folder, not a regular file; refusing to use it"},
      {"ConfigurationANamedPipe", Zone::Plumvale, Pipe("Orvane.cfg"), "Orvane.cfg",
       "Orvane.cfg: configuration file is a named pipe, not a regular file; refusing to use it"},
      {"ConfigurationALinkToAnotherFile", Zone::Plumvale,
       Both(Text("Elsewhere", "keep"), Link("Orvane.cfg", "Elsewhere")), "Orvane.cfg",
       "Orvane.cfg: configuration file is a symbolic link, not a regular file; refusing to use it"},
      {"ConfigurationADanglingLink", Zone::Plumvale, Link("Orvane.cfg", "Nowhere"), "Orvane.cfg",
       "Orvane.cfg: configuration file is a symbolic link, not a regular file; refusing to use it"},
      {"ConfigurationLongWithOddBytes", Zone::Ashmoor, nullptr, nullptr, nullptr, {},
       {200, 2, 9, 255, 1, 2, 3, 4, 5, 6, 7, 8}},
      // the folder
      {"EmptyFolder", Zone::Plumvale,
       [](const fs::path& dir) {
         for (const auto& e : fs::directory_iterator(dir)) fs::remove_all(e.path());
       },
       "PVT.til", "missing"},
      {"FolderMissing", Zone::Ashmoor, [](const fs::path& dir) { fs::remove_all(dir); }, "AMT.til", "missing"},
  };
}

struct Outcome {
  int status = 0;
  std::string out, err;
};

class BrokenInstallation : public ::testing::TestWithParam<Case> {};

int Lines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST_P(BrokenInstallation, EndsWithOneLineNamingTheFileOrPlaysOn) {
  const Case& c = GetParam();
  const ZoneTables& tables = TablesOf(c.zone);
  test::ZoneFixture z(tables);
  z.FillRow(6, 1);
  z.SaveAct();
  test::WriteMinimalInstallation(z.folder(), tables);
  if (!c.config.empty()) WriteAll(z.folder() / "Orvane.cfg", c.config);
  if (c.breakIt) c.breakIt(z.folder());
  const fs::path cfg = z.folder() / "Orvane.cfg";
  const bool cfgIsFile = fs::is_regular_file(cfg);
  const Bytes before = cfgIsFile ? ReadAll(cfg) : Bytes{};

  std::vector<std::string> args = {"--zone", c.zone == Zone::Plumvale ? "plumvale" : "ashmoor", "--dir",
                                   z.folder().string(), "--frames", std::to_string(kPlayFrames), "--final",
                                   "--print", "PlayerX,PlayerY,Character"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  std::ostringstream out, err;
  const int status = RunZoneSim(args, out, err);

  if (c.faultFile) {
    EXPECT_EQ(status, 1) << err.str();
    EXPECT_EQ(Lines(err.str()), 1) << err.str();
    EXPECT_NE(err.str().find(c.faultFile), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(c.faultWords), std::string::npos) << err.str();
    // A fault that starts with the file's name is the whole line after the file's folder.
    if (std::string(c.faultWords).starts_with(c.faultFile)) {
      EXPECT_TRUE(err.str().ends_with("/" + std::string(c.faultWords) + "\n")) << err.str();
    }
  } else {
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_NE(out.str().find("{\"frame\":" + std::to_string(kPlayFrames) + ","), std::string::npos) << out.str();
  }
  // Start-up and play only read the configuration file, which creates nothing, not even through a link.
  if (cfgIsFile) {
    EXPECT_EQ(ReadAll(cfg), before);
  } else {
    EXPECT_FALSE(fs::is_regular_file(cfg));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenInstallation, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

// ---- every byte of the configuration file ----

// One installation for the sweep; each value rewrites only Orvane.cfg.
class ConfigurationSweep : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new test::ZoneFixture(PlumvaleTables());
    fixture_->FillRow(6, 1);
    fixture_->SaveAct();
    test::WriteMinimalInstallation(fixture_->folder(), PlumvaleTables());
  }
  static void TearDownTestSuite() {
    delete fixture_;
    fixture_ = nullptr;
  }
  static test::ZoneFixture* fixture_;
};
test::ZoneFixture* ConfigurationSweep::fixture_ = nullptr;

TEST_F(ConfigurationSweep, EveryByteValueAtEveryOffsetPlaysOn) {
  const fs::path dir = fixture_->folder();
  const fs::path cfg = dir / "Orvane.cfg";
  for (size_t offset = 0; offset < 4; ++offset) {
    for (int value = 0; value < 256; ++value) {
      Bytes bytes = {1, 0, 0, 0};
      bytes[offset] = static_cast<uint8_t>(value);
      WriteAll(cfg, bytes);
      SCOPED_TRACE("offset " + std::to_string(offset) + " value " + std::to_string(value));

      platform::HeadlessPlatform os(static_cast<uint32_t>(value + 1));
      ZoneForm form(os.Get(), PlumvaleTables(), dir);
      try {
        form.FormLoad();
        for (int f = 0; f < 3; ++f) form.Frame();
      } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
        continue;
      } catch (const ProgramEnded&) {
        ADD_FAILURE() << "the program ended";
        continue;
      }
      const uint8_t character = bytes[1], mode = bytes[2];
      // an unknown character plays as Zinto, with Zinto's sheets
      EXPECT_EQ(form.Character, character == 1 ? 1 : 0);
      EXPECT_EQ(form.PlayerSheet.Width(), character == 1 ? 86 : 80);
      EXPECT_EQ(form.DisplayMode, mode);
      // an unknown display byte leaves the mode alone: the picture stays 320x240
      EXPECT_EQ(os.display.ModeSet(), mode <= 1);
      EXPECT_EQ(os.display.LastFrame().Width(), mode == 1 ? 640 : 320);
      EXPECT_EQ(os.display.LastFrame().Height(), mode == 1 ? 480 : 240);
      EXPECT_EQ(os.FramesFlipped(), 3);
      EXPECT_EQ(ReadAll(cfg), bytes);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

// ---- a configuration file in a folder the player may not write ----

// Runs `body` in a child process without root's rights (root writes read-only files), handing back
// the text it returns. Not root: runs it here.
struct Unprivileged {
  bool ran = false;
  std::string result;
};
Unprivileged AsUnprivileged(const fs::path& dir, const std::function<std::string()>& body) {
  if (::geteuid() != 0) return {true, body()};
  const passwd* nobody = ::getpwnam("nobody");
  if (!nobody) return {};
  // the child must be able to walk into the folder and read it
  for (fs::path p = dir; p.has_relative_path() && p != p.root_path(); p = p.parent_path()) {
    struct stat st{};
    if (::stat(p.c_str(), &st) == 0 && !(st.st_mode & S_IXOTH)) return {};
  }
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(3);
    const std::string r = body();
    const ssize_t written = ::write(pipeFds[1], r.data(), r.size());
    ::_exit(written == static_cast<ssize_t>(r.size()) ? 0 : 4);
  }
  ::close(pipeFds[1]);
  std::string r;
  char buf[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) r.append(buf, static_cast<size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return {true, r};
}

// A zone folder its player cannot write, as a system-wide installation is: the player's own copy of
// the configuration file in $XDG_CONFIG_HOME/orvane/ is read and written instead, and the
// installation's file is never changed.
class ReadOnlyConfiguration : public ::testing::Test {
 protected:
  ReadOnlyConfiguration() {
    z.FillRow(6, 1);
    z.SaveAct();
    test::WriteMinimalInstallation(z.folder(), PlumvaleTables());
    WriteAll(cfg(), {1, 1, 0});
    fs::create_directories(playerConfig());
    fs::permissions(playerConfig(), fs::perms::all);
    fs::permissions(cfg(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(z.folder(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
  }
  fs::path cfg() const { return z.folder() / "Orvane.cfg"; }
  // the player's XDG_CONFIG_HOME, which the unprivileged player may write
  fs::path playerConfig() const { return z.folder() / "player"; }
  fs::path playersCopy() const { return playerConfig() / "orvane/Orvane.cfg"; }
  // Runs `body` as the unprivileged player with XDG_CONFIG_HOME set to `configHome`.
  Unprivileged AsPlayer(const fs::path& configHome, const std::function<std::string()>& body) {
    return AsUnprivileged(z.folder(), [&] {
      const char* old = std::getenv("XDG_CONFIG_HOME");
      const std::string saved = old ? old : "";
      ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
      const std::string r = body();
      if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
      else ::unsetenv("XDG_CONFIG_HOME");
      return r;
    });
  }
  test::ZoneFixture z;
};

TEST_F(ReadOnlyConfiguration, StartUpReadsThePlayersCopyOfTheInstalledFile) {
  const auto r = AsPlayer(playerConfig(), [&] {
    std::ostringstream out, err;
    const int status = RunZoneSim({"--zone", "plumvale", "--dir", z.folder().string(), "--frames", "30", "--final",
                                   "--print", "Character"},
                                  out, err);
    return std::to_string(status) + "|" + out.str() + err.str();
  });
  if (!r.ran) GTEST_SKIP() << "cannot run without root's rights here";
  EXPECT_EQ(r.result, "0|{\"frame\":30,\"Character\":1}\n");
  EXPECT_EQ(ReadAll(playersCopy()), (Bytes{1, 1, 0}));
  EXPECT_EQ(ReadAll(cfg()), (Bytes{1, 1, 0}));
}

TEST_F(ReadOnlyConfiguration, TheZoneEndsWriteGoesToThePlayersCopyOnly) {
  const auto r = AsPlayer(playerConfig(), [&] {
    platform::HeadlessPlatform os;
    ZoneForm form(os.Get(), PlumvaleTables(), z.folder());
    try {
      form.FormLoad();
      form.ActIndex = 2;  // the last act is done
      form.Dying = 0;
      form.ResetAct();
    } catch (const platform::FatalError& e) {
      return std::string("fault|") + e.what();
    } catch (const ProgramEnded&) {
      return std::string("ended");
    }
    return std::string("went on");
  });
  if (!r.ran) GTEST_SKIP() << "cannot run without root's rights here";
  EXPECT_EQ(r.result, "ended");
  EXPECT_EQ(ReadAll(playersCopy()), (Bytes{2, 1, 0}));
  EXPECT_EQ(ReadAll(cfg()), (Bytes{1, 1, 0}));
}

TEST_F(ReadOnlyConfiguration, APlayersFolderThatCannotBeMadeIsOneLineNamingIt) {
  // the player's configuration home lies in the read-only installation itself
  const auto r = AsPlayer(z.folder() / "config", [&] {
    std::ostringstream out, err;
    const int status = RunZoneSim({"--zone", "plumvale", "--dir", z.folder().string(), "--frames", "5"}, out, err);
    return std::to_string(status) + "|" + err.str();
  });
  if (!r.ran) GTEST_SKIP() << "cannot run without root's rights here";
  EXPECT_EQ(r.result.rfind("1|", 0), 0u) << r.result;
  EXPECT_NE(r.result.find((z.folder() / "config").string() + ": cannot create the folder"), std::string::npos)
      << r.result;
  EXPECT_EQ(Lines(r.result), 1) << r.result;
  EXPECT_FALSE(fs::exists(z.folder() / "config"));
  EXPECT_EQ(ReadAll(cfg()), (Bytes{1, 1, 0}));
}

// A picture the player may not read says so.
TEST_F(ReadOnlyConfiguration, AnUnreadablePictureSaysPermissionDenied) {
  const fs::path sheet = z.folder() / "Data/Spriteg2.bmp";
  fs::permissions(sheet, fs::perms::owner_write);
  const auto r = AsPlayer(playerConfig(), [&] {
    std::ostringstream out, err;
    RunZoneSim({"--zone", "plumvale", "--dir", z.folder().string()}, out, err);
    return err.str();
  });
  if (!r.ran) GTEST_SKIP() << "cannot run without root's rights here";
  EXPECT_EQ(r.result, "zonesim: " + sheet.string() + ": cannot open picture file (Permission denied)\n");
}

TEST_F(ReadOnlyConfiguration, AWritableFileGetsOnlyTheZonesOwnWrite) {
  fs::permissions(cfg(), fs::perms::owner_read | fs::perms::owner_write);
  WriteAll(cfg(), {1, 1, 0, 0, 77});
  platform::HeadlessPlatform os;
  ZoneForm form(os.Get(), PlumvaleTables(), z.folder());
  form.FormLoad();
  form.ActIndex = 2;
  form.Dying = 0;
  EXPECT_THROW(form.ResetAct(), ProgramEnded);
  EXPECT_EQ(ReadAll(cfg()), (Bytes{2, 1, 0, 0, 77}));
}

// ---- a bitmap of any size ----

// Loading `file` at any size is refused with a fault that says `fault`.
void ExpectRefused(const fs::path& file, const std::string& fault) {
  try {
    platform::LoadBitmap(file);
    ADD_FAILURE() << file << " loaded";
  } catch (const platform::FatalError& e) {
    EXPECT_NE(std::string(e.what()).find(fault), std::string::npos) << e.what();
  }
}

TEST(AnySizeBitmap, AHeaderAskingForMoreThan4096By4096IsRefusedBeforeLoading) {
  test::ZoneFixture z;  // only for its folder
  const fs::path file = z.folder() / "Huge.bmp";
  test::WriteBitmap(file, 2, 2, 1, 2, 3);
  Bytes b = ReadAll(file);
  const Bytes size = {0x01, 0x10, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00};  // 4097 x 4096
  std::copy(size.begin(), size.end(), b.begin() + 18);
  WriteAll(file, b);
  ExpectRefused(file, "Huge.bmp: bitmap is 4097x4096, too large");
  test::WriteBitmap(file, 2, 2, 1, 2, 3);
  EXPECT_EQ(platform::LoadBitmap(file).Width(), 2);
}

TEST(AnySizeBitmap, TheOldCoreHeadersSizesAreUnsigned) {
  // A 12-byte core header gives its sizes in 16 bits that the loader reads unsigned: 0xFFFF is 65535
  // rows, not -1, and a sheet declaring 65535 x 65535 would ask for gigabytes.
  test::ZoneFixture z;  // only for its folder
  const fs::path file = z.folder() / "Core.bmp";
  WriteAll(file, {'B', 'M', 0x26, 0, 0, 0, 0, 0, 0, 0, 0x1a, 0, 0, 0, 12, 0, 0, 0,
                  0xff, 0xff, 0xff, 0xff, 1, 0, 24, 0, 1, 2, 3, 0});
  ExpectRefused(file, "Core.bmp: bitmap is 65535x65535, too large");
}

// ---- a program that cannot be started, and what a started one inherits ----

TEST(ProgramStart, AProgramThatCannotBeStartedIsAFaultNamingItAndTheReason) {
  test::ZoneFixture z;  // only for its folder
  WriteText(z.folder() / "Plumvale", "not a program\n");
  fs::permissions(z.folder() / "Plumvale", fs::perms::owner_read | fs::perms::owner_write);
  WriteText(z.folder() / "Ashmoor", "not a program either\n");
  fs::permissions(z.folder() / "Ashmoor", fs::perms::owner_all);
  const struct {
    const char* file;
    std::string line;
  } cases[] = {
      {"Save.exe", (z.folder() / "Save").string() + ": cannot start program (No such file or directory)"},
      {"Plumvale.exe", (z.folder() / "Plumvale").string() + ": cannot start program (Permission denied)"},
      // found by the started program itself: it has no interpreter line
      {"Ashmoor.exe", (z.folder() / "Ashmoor").string() + ": cannot start program (Exec format error)"},
  };
  platform::PosixProcess process;
  for (const auto& c : cases) {
    try {
      process.Start(c.file, z.folder());
      ADD_FAILURE() << c.file << " started";
    } catch (const platform::FatalError& e) {
      EXPECT_EQ(e.what(), c.line);
    }
  }
}

TEST(ProgramStart, AStartedProgramGetsOnlyTheStandardDescriptorsAndDefaultSignals) {
  test::ZoneFixture z;
  const fs::path report = z.folder() / "report";
  // The shell's own descriptors (its script) are 10 and up; 5 stands for anything the starter held.
  // Its status is read by the shell itself: a command it starts would catch it mid-fork, signals blocked.
  WriteText(z.folder() / "Save", "#!/bin/sh\n{ [ -e /proc/$$/fd/5 ] && echo leaked; while read -r key value; do case $key in "
                                 "SigBlk:|SigIgn:) echo $key $value;; esac; done </proc/$$/status; } >'" +
                                     report.string() + ".part'; mv '" + report.string() + ".part' '" + report.string() + "'\n");
  fs::permissions(z.folder() / "Save", fs::perms::owner_all);
  const int held = ::dup2(STDERR_FILENO, 5);  // without close-on-exec, as a leak would be
  const auto oldPipe = ::signal(SIGPIPE, SIG_IGN);
  sigset_t blocked, old;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGUSR1);
  ::sigprocmask(SIG_BLOCK, &blocked, &old);
  platform::PosixProcess().Start("Save.exe", z.folder());
  ::sigprocmask(SIG_SETMASK, &old, nullptr);
  ::signal(SIGPIPE, oldPipe);
  if (held >= 0) ::close(held);
  for (int i = 0; i < 100 && !fs::exists(report); ++i) ::usleep(20000);
  const Bytes got = ReadAll(report);
  EXPECT_EQ(std::string(got.begin(), got.end()), "SigBlk: 0000000000000000\nSigIgn: 0000000000000000\n");
}

}  // namespace
}  // namespace orvane
