// The generated wave files: every one the zone programs load is there, in the
// format they are played at, not silent, not clipped, and the looped ones join
// their own start without a click. Also the wave writer and the tune notation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "assets/common/Generators.h"
#include "assets/sound/Music.h"
#include "assets/sound/Wave.h"

namespace {

namespace fs = std::filesystem;

struct Wave {
  uint16_t format = 0;
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint32_t byteRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bits = 0;
  std::vector<int16_t> left, right;
  double Seconds() const { return static_cast<double>(left.size()) / 44100.0; }
};

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint32_t>(b.at(at)) | static_cast<uint32_t>(b.at(at + 1)) << 8 |
         static_cast<uint32_t>(b.at(at + 2)) << 16 | static_cast<uint32_t>(b.at(at + 3)) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

// Reads a RIFF WAVE file chunk by chunk, the way a player would; throws on anything malformed.
Wave ParseWave(const std::vector<uint8_t>& b) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    throw std::runtime_error("not a RIFF WAVE file");
  if (Le32(b, 4) != b.size() - 8) throw std::runtime_error("RIFF size does not match the file");
  Wave w;
  bool haveFormat = false, haveData = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
    const uint32_t size = Le32(b, at + 4);
    const size_t body = at + 8;
    if (body + size > b.size()) throw std::runtime_error("chunk " + id + " runs past the end");
    if (id == "fmt ") {
      w.format = Le16(b, body);
      w.channels = Le16(b, body + 2);
      w.rate = Le32(b, body + 4);
      w.byteRate = Le32(b, body + 8);
      w.blockAlign = Le16(b, body + 12);
      w.bits = Le16(b, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || w.channels != 2 || w.bits != 16 || size % 4 != 0)
        throw std::runtime_error("data is not 16-bit stereo frames");
      for (size_t i = body; i < body + size; i += 4) {
        w.left.push_back(static_cast<int16_t>(Le16(b, i)));
        w.right.push_back(static_cast<int16_t>(Le16(b, i + 2)));
      }
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  if (!haveFormat || !haveData) throw std::runtime_error("fmt or data chunk missing");
  return w;
}

std::vector<uint8_t> ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error(p.string() + ": cannot open");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

enum class Kind { Effect, Loop, Music, Tune };

struct Expected {
  const char* path;
  Kind kind;
  double minSeconds;
  double maxSeconds;
};

// Every wave file the zone programs load, by the names they open.
const std::vector<Expected> kFiles = {
    {"Data/Ring.Wav", Kind::Effect, 0.2, 2.0},   {"Data/Jump.Wav", Kind::Effect, 0.1, 1.0},
    {"Data/Spring.Wav", Kind::Effect, 0.2, 1.5}, {"Data/Lamp.Wav", Kind::Effect, 0.3, 2.5},
    {"Data/tv.Wav", Kind::Effect, 0.2, 1.5},     {"Data/hurt.Wav", Kind::Effect, 0.3, 2.0},
    {"Data/fly.Wav", Kind::Loop, 0.2, 3.0},      {"Data/fall.Wav", Kind::Loop, 0.2, 3.0},
    {"Data/spin.Wav", Kind::Effect, 0.2, 1.5},   {"Data/roll.Wav", Kind::Effect, 0.1, 1.0},
    {"Data/rel.Wav", Kind::Effect, 0.2, 1.5},    {"Data/eget.Wav", Kind::Effect, 0.3, 2.0},
    {"Data/fget.Wav", Kind::Effect, 0.3, 2.0},   {"Data/bget.Wav", Kind::Effect, 0.3, 2.0},
    {"Data/euse.Wav", Kind::Effect, 0.1, 1.0},   {"Data/fuse.Wav", Kind::Effect, 0.1, 1.5},
    {"Data/buse.Wav", Kind::Effect, 0.1, 1.0},
    // a count step comes every third frame: the blip must be over in 50 ms
    {"Data/Blip.Wav", Kind::Effect, 0.01, 0.05}, {"Data/Jingle.Wav", Kind::Effect, 0.4, 3.0},
    {"Data/Data/Music1.Wav", Kind::Music, 30.0, 120.0},
    {"Data/Data/Music2.Wav", Kind::Music, 30.0, 120.0},
    {"Data/Data/LEnd.Wav", Kind::Tune, 2.0, 10.0},
};

constexpr int kFullScale = 32767;

int MaxAbs(const std::vector<int16_t>& x) {
  int m = 0;
  for (int16_t v : x) m = std::max(m, std::abs(static_cast<int>(v)));
  return m;
}

class SoundFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new fs::path(fs::temp_directory_path() / ("orvane-sound-test-" + std::to_string(::getpid())));
    fs::remove_all(*dir_);
    // processor time, so a machine busy with other work does not make the figure lie
    const std::clock_t start = std::clock();
    assets::WriteSounds(*dir_);
    seconds_ = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    waves_ = new std::map<std::string, Wave>;
    for (const Expected& e : kFiles) {
      const fs::path p = *dir_ / e.path;
      if (fs::exists(p)) (*waves_)[e.path] = ParseWave(ReadFile(p));
    }
  }
  static void TearDownTestSuite() {
    fs::remove_all(*dir_);
    delete dir_;
    delete waves_;
  }
  static const Wave& Get(const std::string& path) { return waves_->at(path); }

  static fs::path* dir_;
  static std::map<std::string, Wave>* waves_;
  static double seconds_;
};

fs::path* SoundFiles::dir_ = nullptr;
std::map<std::string, Wave>* SoundFiles::waves_ = nullptr;
double SoundFiles::seconds_ = 0.0;

TEST_F(SoundFiles, EveryFileIsThereAndNothingElse) {
  size_t count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(*dir_)) {
    if (!entry.is_regular_file()) continue;
    ++count;
    const std::string rel = fs::relative(entry.path(), *dir_).generic_string();
    EXPECT_TRUE(waves_->count(rel)) << "unexpected file " << rel;
  }
  EXPECT_EQ(count, kFiles.size());
  for (const Expected& e : kFiles) EXPECT_TRUE(waves_->count(e.path)) << e.path << " missing";
}

TEST_F(SoundFiles, HeadersSayPcm44100Stereo16Bit) {
  for (const Expected& e : kFiles) {
    const Wave& w = Get(e.path);
    EXPECT_EQ(w.format, 1) << e.path;
    EXPECT_EQ(w.channels, 2) << e.path;
    EXPECT_EQ(w.rate, 44100u) << e.path;
    EXPECT_EQ(w.bits, 16) << e.path;
    EXPECT_EQ(w.blockAlign, 4) << e.path;
    EXPECT_EQ(w.byteRate, 44100u * 4) << e.path;
  }
}

TEST_F(SoundFiles, LengthsFitWhatEachIsPlayedFor) {
  for (const Expected& e : kFiles) {
    const Wave& w = Get(e.path);
    EXPECT_GE(w.Seconds(), e.minSeconds) << e.path;
    EXPECT_LE(w.Seconds(), e.maxSeconds) << e.path;
  }
}

TEST_F(SoundFiles, AudibleWithHeadroomAndNeverClipped) {
  for (const Expected& e : kFiles) {
    const Wave& w = Get(e.path);
    const int peak = std::max(MaxAbs(w.left), MaxAbs(w.right));
    EXPECT_GT(peak, kFullScale / 5) << e.path << " is too quiet";
    EXPECT_LT(peak, kFullScale * 9 / 10) << e.path << " leaves no headroom";
  }
}

TEST_F(SoundFiles, PlayedOnceSoundsStartAndEndInSilence) {
  for (const Expected& e : kFiles) {
    if (e.kind != Kind::Effect && e.kind != Kind::Tune) continue;
    const Wave& w = Get(e.path);
    for (const auto* side : {&w.left, &w.right}) {
      EXPECT_LE(std::abs(side->front()), 4) << e.path << " starts with a click";
      EXPECT_LE(std::abs(side->back()), 4) << e.path << " ends with a click";
    }
  }
}

// The step a looping player takes from the last frame back to the first must
// look like the steps around it.
bool JoinsWithoutAJump(const std::vector<int16_t>& x) {
  constexpr size_t kNear = 32;
  const size_t n = x.size();
  if (n <= 2 * kNear) return false;
  int nearStep = 0;
  for (size_t i = 1; i < kNear; ++i) {
    nearStep = std::max(nearStep, std::abs(x[i] - x[i - 1]));
    nearStep = std::max(nearStep, std::abs(x[n - i] - x[n - i - 1]));
  }
  return std::abs(x.front() - x.back()) <= nearStep * 3 / 2 + 8;
}

TEST(SeamCheck, CatchesALoopCutMidCycle) {
  // 440 Hz over 0.1 s is 44 whole cycles: seamless; 0.105 s ends mid-cycle: a click
  auto tone = [](size_t frames) {
    std::vector<int16_t> x(frames);
    for (size_t i = 0; i < frames; ++i)
      x[i] = static_cast<int16_t>(std::lround(16000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / 44100.0)));
    return x;
  };
  EXPECT_TRUE(JoinsWithoutAJump(tone(4410)));
  EXPECT_FALSE(JoinsWithoutAJump(tone(4630)));
}

TEST_F(SoundFiles, LoopsJoinTheirStartWithoutAJumpAndSitCentred) {
  for (const Expected& e : kFiles) {
    if (e.kind != Kind::Loop && e.kind != Kind::Music) continue;
    const Wave& w = Get(e.path);
    for (const auto* side : {&w.left, &w.right}) {
      EXPECT_TRUE(JoinsWithoutAJump(*side)) << e.path << " clicks at its loop point";
      double sum = 0.0;
      for (int16_t v : *side) sum += v;
      EXPECT_LT(std::fabs(sum / static_cast<double>(side->size())), kFullScale * 0.002) << e.path << " carries DC";
    }
  }
}

TEST_F(SoundFiles, MusicLoopsAreWholeBarsWithStereoWidth) {
  // Plum Vale at 140 beats a minute, Ash Moor at 150; four beats a bar
  const std::map<std::string, size_t> barFrames = {{"Data/Data/Music1.Wav", 44100 * 60 * 4 / 140},
                                                   {"Data/Data/Music2.Wav", 44100 * 60 * 4 / 150}};
  for (const auto& [path, bar] : barFrames) {
    const Wave& w = Get(path);
    EXPECT_EQ(w.left.size() % bar, 0u) << path << " does not end on a bar line";
    double mid = 0.0, side = 0.0;
    for (size_t i = 0; i < w.left.size(); ++i) {
      const double l = w.left[i], r = w.right[i];
      mid += (l + r) * (l + r);
      side += (l - r) * (l - r);
    }
    EXPECT_GT(side, mid * 0.01) << path << " is practically mono";
  }
}

TEST_F(SoundFiles, ShieldPickupsAreThreeDifferentSounds) {
  const Wave& e = Get("Data/eget.Wav");
  const Wave& f = Get("Data/fget.Wav");
  const Wave& b = Get("Data/bget.Wav");
  EXPECT_NE(e.left, f.left);
  EXPECT_NE(f.left, b.left);
  EXPECT_NE(e.left, b.left);
}

TEST_F(SoundFiles, AllWrittenInAFewSeconds) {
  // generous for an unoptimised build; an optimised one takes two or three seconds
  EXPECT_LT(seconds_, 20.0);
  std::printf("all wave files written in %.2f s of processor time\n", seconds_);
}

// ---- the wave writer ----

TEST(WaveWriter, RoundsToNearestAndHoldsAtFullScale) {
  assets::sound::Stereo s(4);
  s.left = {0.0f, 0.5f, 1.5f, -1.5f};
  s.right = {-0.5f, 1.0f / 32767.0f * 0.49f, 1.0f, -1.0f};
  const Wave w = ParseWave(assets::sound::EncodeWave(s));
  ASSERT_EQ(w.left.size(), 4u);
  EXPECT_EQ(w.left[0], 0);
  EXPECT_EQ(w.left[1], 16384);  // 16383.5 rounds away from zero
  EXPECT_EQ(w.left[2], 32767);
  EXPECT_EQ(w.left[3], -32767);
  EXPECT_EQ(w.right[0], -16384);
  EXPECT_EQ(w.right[1], 0);
  EXPECT_EQ(w.right[2], 32767);
  EXPECT_EQ(w.right[3], -32767);
}

TEST(WaveWriter, EmptyBufferIsAValidEmptyFile) {
  const std::vector<uint8_t> bytes = assets::sound::EncodeWave(assets::sound::Stereo(0));
  EXPECT_EQ(bytes.size(), 44u);
  const Wave w = ParseWave(bytes);
  EXPECT_TRUE(w.left.empty());
}

// ---- the tune notation: a designer's slip is named, not played wrongly ----

assets::sound::Song OneBarSong(const std::string& melody, const std::string& chords = "C:16") {
  assets::sound::Song song;
  song.name = "test tune";
  song.bpm = 150.0;
  song.order = {"A"};
  assets::sound::Section a;
  a.name = "A";
  a.chords = chords;
  a.melody = melody;
  a.crash = false;
  song.sections = {a};
  return song;
}

std::string RenderError(const assets::sound::Song& song) {
  try {
    (void)assets::sound::RenderSong(song);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

TEST(TuneNotation, ABarOfTheWrongLengthIsNamed) {
  const std::string error = RenderError(OneBarSong("C5:4 E5:4 G5:4 C6:3 |"));
  EXPECT_NE(error.find("bar 1"), std::string::npos) << error;
  EXPECT_NE(error.find("15 steps"), std::string::npos) << error;
}

TEST(TuneNotation, MelodyLongerThanItsChordsIsRefused) {
  EXPECT_NE(RenderError(OneBarSong("C5:16 | C5:16 |")), "");
}

TEST(TuneNotation, BadNoteChordAndPatternAreRefused) {
  EXPECT_NE(RenderError(OneBarSong("H5:16 |")).find("H5"), std::string::npos);
  EXPECT_NE(RenderError(OneBarSong("C5:16 |", "Cx:16")).find("Cx"), std::string::npos);
  assets::sound::Song song = OneBarSong("C5:16 |");
  song.bass = "R-R-";
  EXPECT_NE(RenderError(song).find("not 16"), std::string::npos);
  song.order = {"missing"};
  EXPECT_NE(RenderError(song).find("missing"), std::string::npos);
}

TEST(TuneNotation, AWellFormedLoopIsExactlyItsBars) {
  assets::sound::Song song = OneBarSong("C5:4 E5:4 G5:4 C6:4 | G5:8 E5:8 |", "C:16 G:16");
  song.bass = "R-.R 8-5- R-.R 5-8-";
  song.drums.kick = "X... X... X... X...";
  const assets::sound::Stereo s = assets::sound::RenderSong(song);
  EXPECT_EQ(s.Frames(), 2u * 16u * 4410u);
  EXPECT_NEAR(assets::sound::PeakOf(s), song.peak, 1e-6);
}

TEST(TuneNotation, SharpsAndFlatsNameTheSameNote) {
  // a bar of C#5 and a bar of Db5 sound the same
  const assets::sound::Stereo sharp = assets::sound::RenderSong(OneBarSong("C#5:16 |"));
  const assets::sound::Stereo flat = assets::sound::RenderSong(OneBarSong("Db5:16 |"));
  EXPECT_EQ(sharp.left, flat.left);
  const assets::sound::Stereo other = assets::sound::RenderSong(OneBarSong("D5:16 |"));
  EXPECT_NE(sharp.left, other.left);
}

}  // namespace
