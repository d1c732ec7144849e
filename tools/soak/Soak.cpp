#include "tools/soak/Soak.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/core/FieldAccess.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"
#include "platform/headless/Headless.h"
#include "platform/system/Error.h"
#include "tools/common/CommandLine.h"
#include "zones/ZoneProgram.h"

namespace orvane {

namespace {

namespace fs = std::filesystem;

// How the random player holds the keys: each key is held with its own chance, and the choice is
// kept for a span of frames before it is drawn again.
constexpr int kHoldMinFrames = 20;
constexpr int kHoldMaxFrames = 80;
constexpr double kChanceRight = 0.6;
constexpr double kChanceLeft = 0.25;
constexpr double kChanceJump = 0.4;
constexpr double kChanceUp = 0.1;
constexpr double kChanceDown = 0.15;

// Sheet sizes the drawing reads from.
constexpr int kShieldFrames = 58;   // 2784 / 48
constexpr int kSparkleLastTimer = 71;  // the sparkle rows end at y 320 of the common sheet

struct Options {
  fs::path data;
  long frames = 20000;
  uint32_t seed = 1;
  std::string zone;   // empty: both
  std::optional<int> act, character;
  long progressEvery = 100000;  // a progress line every this many frames of an act (0: none)
  long stuckAfter = 0;          // a player held still in play this many frames is a fault (0: not checked)
};

using tools::UsageError;

using tools::ParseLong;

constexpr tools::ToolUsage kUsage = {"soak",
    "usage: soak --data DIR [OPTION]...\n"
    "Plays every act with both characters on random keys through the headless engine, checking the\n"
    "zone state after every frame.\n"
    "\n"
    "Options:\n"
    "  --data DIR         the zone programs' folder (the installation's Data/); never written\n"
    "  --frames N         frames for each act and character (default 20000)\n"
    "  --seed S           seed of the first run (default 1)\n"
    "  --zone NAME        plumvale or ashmoor only\n"
    "  --act N            that act only\n"
    "  --character C      0 or 1 only\n"
    "  --progress K       a line of figures every K frames of an act (default 100000; 0: none)\n"
    "  --stuck-after K    a player in play held still for K frames is a fault (default 0: not checked)\n"
    "  --help             show this help, then leave\n"
    "\n"
    "Exit status: 0 no fault, 1 a fault (or the data could not be read), 2 bad usage.\n"};

Options Parse(const std::vector<std::string>& args) {
  Options o;
  tools::ReadOptions(
      args,
      {{"data", true, [&](const std::string& v) { o.data = v; }},
       {"frames", true, [&](const std::string& v) { o.frames = ParseLong(v, "frame count"); }},
       {"seed", true, [&](const std::string& v) { o.seed = static_cast<uint32_t>(ParseLong(v, "seed")); }},
       {"zone", true, [&](const std::string& v) { o.zone = v; }},
       {"act", true, [&](const std::string& v) { o.act = static_cast<int>(ParseLong(v, "act")); }},
       {"character", true, [&](const std::string& v) { o.character = static_cast<int>(ParseLong(v, "character")); }},
       {"progress", true, [&](const std::string& v) { o.progressEvery = ParseLong(v, "progress interval"); }},
       {"stuck-after", true, [&](const std::string& v) { o.stuckAfter = ParseLong(v, "frame count"); }}});
  if (o.data.empty()) throw UsageError{"--data is required"};
  if (o.frames < 1) throw UsageError{"--frames must be 1 or more"};
  if (o.progressEvery < 0) throw UsageError{"--progress must be 0 or more"};
  if (o.stuckAfter < 0) throw UsageError{"--stuck-after must be 0 or more"};
  if (!o.zone.empty() && !FindZoneTables(o.zone)) throw UsageError{"unknown zone: " + o.zone};
  if (o.character && *o.character != 0 && *o.character != 1) throw UsageError{"--character is 0 or 1"};
  return o;
}

// A play folder beside the installation: every file of the zone program's folder linked in, and a
// configuration file of our own, so the installation's Orvane.cfg is never touched.
class PlayFolder {
 public:
  PlayFolder(const fs::path& data, int character) {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("orvane-soak-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
    for (const auto& e : fs::directory_iterator(data))
      if (e.path().filename() != "Orvane.cfg") fs::create_symlink(fs::absolute(e.path()), path_ / e.path().filename());
    const char cfg[3] = {1, static_cast<char>(character), 0};
    std::ofstream(path_ / "Orvane.cfg", std::ios::binary).write(cfg, sizeof cfg);
  }
  ~PlayFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct Fault {
  std::string message;
};

// The checks after every frame.
class Watch {
 public:
  Watch(ZoneForm& form, const fs::path& folder) : form_(form) {
    for (const std::string& name : FieldNames()) {
      const auto ref = FindField(form, name);
      if (ref && ref->type == FieldType::Number) numbers_.push_back({name, *ref});
    }
    const ZoneTables& z = form.Zone();
    for (int act = 0; act < z.actCount; ++act) {
      const auto bytes = ReadDataFile(folder / z.files.actItems[static_cast<size_t>(act)], kItemFileSize);
      for (size_t i = 0; i < kItemRecords; ++i) loadedKinds_[static_cast<size_t>(act)][i] = bytes[i * kItemRecordBytes];
    }
  }

  void Check(int64_t flippedBefore, int64_t flippedAfter) const {
    const ZoneForm& f = form_;
    // no position, speed or clock is NaN or infinite
    for (const auto& [name, ref] : numbers_)
      for (int i = ref.lo; i <= ref.hi; ++i)
        if (!std::isfinite(ReadField(ref, i)))
          throw Fault{name + (ref.isTable ? "[" + std::to_string(i) + "]" : "") + " is " +
                      std::to_string(ReadField(ref, i))};
    // the frame composed and was shown once
    if (flippedAfter != flippedBefore + 1)
      throw Fault{"the frame flipped " + std::to_string(flippedAfter - flippedBefore) + " times"};
    if (f.WorkSurface.Width() != 320 || f.WorkSurface.Height() != 240) throw Fault{"the work surface is not 320x240"};
    // the act and the counters
    Range("ActIndex", f.ActIndex, 0, f.Zone().actCount - 1);
    Range("ClockSeconds", f.ClockSeconds, 0, 59);
    Range("Lives", f.Lives, 0, 32767);
    Range("RingCount", f.RingCount, 0, 32767);
    // the sprite rows the drawing reads lie inside their sheets
    Range("Facing", f.Facing, 0, 40, {0, 40});
    Range("FacingAlt", f.FacingAlt, 0, 43, {0, 43});
    Range("SpringPose", f.SpringPose, 0, 32, {0, 32});
    const bool sheetPose = f.Dying == kSet || (f.OnCurve == 0 || f.Rolling == kSet);
    if (sheetPose) {
      if (f.Character == kKubo) {
        const int frame = f.PlayerAnim == anim::kBall ? f.AltBallFrame : f.PlayerFrame;
        InSheet(f.PlayerAnim == anim::kBall ? "AltBallFrame" : "PlayerFrame", frame, frame * kKuboCellH,
                frame * kKuboCellH + kKuboCellH + f.SpringPose, f.PlayerSheet.Height());
      } else {
        const int bottom =
            f.PlayerFrame * kZintoCellH + kZintoCellH + f.SpringPose + (f.Dying == kSet ? kZintoDyingExtraRows : 0);
        InSheet("PlayerFrame", f.PlayerFrame, f.PlayerFrame * kZintoCellH, bottom, f.PlayerSheet.Height());
      }
    }
    if (f.Dying == 0 && f.OnCurve == kSet && f.Rolling == 0)
      InSheet("PlayerFrame (curve pose)", f.PlayerFrame, f.PlayerFrame * kCurveCell,
              f.PlayerFrame * kCurveCell + kCurveCell, f.CurveSheet.Height());
    if (f.ShieldKind > 0 && f.InvincibleTimer == 0 && f.ShieldAction != 1)
      Range("ShieldFrame", f.ShieldFrame, 0, kShieldFrames - 1);
    Range("ShieldKind", f.ShieldKind, 0, 3);
    Range("RingSpinFrame", f.RingSpinFrame, 0, 7);
    Range("PatrolFrame", f.PatrolFrame, 0, 7);
    Range("TileFrame", f.TileFrame, 0, 3);
    Range("SparklePhase", f.SparklePhase, 0, 2);
    Range("StarFrame", f.StarFrame, 0, 2);
    Range("InvincibleTimer", f.InvincibleTimer, 0, 1000);
    Range("LostRingsActive", f.LostRingsActive, -1, 0);
    // the items: an entry holds the kind its act's file gave it, a sparkle, an opened box or nothing
    const auto& kinds = loadedKinds_[static_cast<size_t>(f.ActIndex)];
    for (int i = 0; i < static_cast<int>(kItemRecords); ++i) {
      const uint8_t k = f.ItemKind[i];
      const uint8_t loaded = kinds[static_cast<size_t>(i)];
      const bool openedBox = k == 12 && loaded >= 3 && loaded <= 11;
      if (k != 0 && k != 2 && !openedBox && k != loaded)
        throw Fault{"ItemKind[" + std::to_string(i) + "] is " + std::to_string(k) + ", its file gave " +
                    std::to_string(kinds[static_cast<size_t>(i)])};
      if (k == 2 && (f.ItemTimer[i] < 0 || f.ItemTimer[i] > kSparkleLastTimer))
        throw Fault{"ItemTimer[" + std::to_string(i) + "] of a sparkle is " + std::to_string(f.ItemTimer[i])};
    }
    for (int i = 0; i <= 32; ++i) Range("LostRingAlive[" + std::to_string(i) + "]", f.LostRingAlive[i], 0, 1);
  }

 private:
  static void Range(const std::string& name, int v, int lo, int hi, std::initializer_list<int> only = {}) {
    bool ok = v >= lo && v <= hi;
    if (ok && only.size() > 0) {
      ok = false;
      for (int o : only) ok = ok || v == o;
    }
    if (!ok) throw Fault{name + " is " + std::to_string(v) + ", outside " + std::to_string(lo) + ".." + std::to_string(hi)};
  }
  static void InSheet(const std::string& name, int frame, int top, int bottom, int height) {
    if (top < 0 || bottom > height)
      throw Fault{name + " " + std::to_string(frame) + " reads rows " + std::to_string(top) + ".." +
                  std::to_string(bottom) + " of a sheet " + std::to_string(height) + " rows high"};
  }

  ZoneForm& form_;
  std::vector<std::pair<std::string, FieldRef>> numbers_;
  std::array<std::array<uint8_t, kItemRecords>, 3> loadedKinds_{};
};

void DumpState(ZoneForm& form, std::ostream& err) {
  err << "state:";
  for (const std::string& name : FieldNames()) {
    const auto ref = FindField(form, name);
    if (ref && !ref->isTable) err << " " << name << "=" << FormatField(*ref, 0);
  }
  err << "\n";
}

struct Totals {
  int64_t frames = 0, runs = 0, deaths = 0, gameOvers = 0, zoneEnds = 0;
  double furthestX = 0;
  double lastX = 0, lastY = 0;  // where the player stood after the last frame
};

// Processor seconds this process has used: on a shared machine the wall clock says little about speed.
double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// One line of figures, flushed at once so that a long soak can be followed as it runs.
void PrintFigures(std::ostream& out, const ZoneTables& zone, int act, int character, const Totals& t, double seconds,
                  double cpuSeconds, const char* tail) {
  out << zone.program << " act " << act << " character " << character << ": " << t.frames << " frames, " << t.runs
      << " runs, " << t.deaths << " deaths, " << t.gameOvers << " game overs, " << t.zoneEnds << " zone ends";
  out << ", furthest x " << t.furthestX << ", now at (" << t.lastX << ", " << t.lastY << "), " << seconds << " s (" << (seconds > 0 ? t.frames / seconds : 0)
      << " frames/s), " << cpuSeconds << " processor s (" << (cpuSeconds > 0 ? t.frames / cpuSeconds : 0)
      << " frames/s)" << tail << std::endl;
}

// Soaks one act with one character for `frames` frames. Returns false after printing a fault.
bool SoakAct(const ZoneTables& zone, int act, int character, const Options& o, std::ostream& out, std::ostream& err,
             Totals& all) {
  const PlayFolder folder(o.data, character);
  const auto t0 = std::chrono::steady_clock::now();
  const double cpu0 = CpuSeconds();
  auto elapsed = [&t0] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(); };
  Totals t;
  uint32_t seed = o.seed;
  while (t.frames < o.frames) {
    platform::HeadlessPlatform os(seed);
    std::mt19937 keys(seed * 2654435761u + static_cast<uint32_t>(act * 2 + character));
    std::uniform_real_distribution<double> chance(0, 1);
    std::uniform_int_distribution<int> span(kHoldMinFrames, kHoldMaxFrames);
    ZoneForm form(os.Get(), zone, folder.path());
    int64_t runFrame = 0;
    auto fault = [&](const std::string& what) {
      err << "soak: fault in " << zone.program << " act " << act << " with character " << character << ", seed "
          << seed << ", frame " << runFrame << " of the run (" << t.frames << " of the act): " << what << "\n";
      DumpState(form, err);
      return false;
    };
    ++t.runs;
    try {
      form.ActIndex = static_cast<int16_t>(act);
      form.FormLoad();
      const Watch watch(form, folder.path());
      int untilChange = 0;
      bool dying = false;
      // the random keys change every few dozen frames: a player in play who does not move at all
      // for thousands of frames is held by the engine, and the game cannot go on
      double stillX = -1, stillY = -1;
      long stillFrames = 0;
      while (t.frames < o.frames) {
        if (--untilChange <= 0) {
          os.input.ReleaseAll();
          os.input.Set(platform::Key::Right, chance(keys) < kChanceRight);
          os.input.Set(platform::Key::Left, chance(keys) < kChanceLeft);
          os.input.Set(platform::Key::Control, chance(keys) < kChanceJump);
          os.input.Set(platform::Key::Up, chance(keys) < kChanceUp);
          os.input.Set(platform::Key::Down, chance(keys) < kChanceDown);
          untilChange = span(keys);
        }
        ++runFrame;
        ++t.frames;
        const int64_t before = os.FramesFlipped();
        form.Frame();
        os.ClearEvents();
        watch.Check(before, os.FramesFlipped());
        t.furthestX = std::max(t.furthestX, form.PlayerX);
        t.lastX = form.PlayerX;
        t.lastY = form.PlayerY;
        const bool inPlay = form.ControlOn == kSet && form.Dying == 0 && form.ActDone == 0;
        if (inPlay && form.PlayerX == stillX && form.PlayerY == stillY) {
          if (o.stuckAfter > 0 && ++stillFrames >= o.stuckAfter)
            throw Fault{"the player has not moved from (" + std::to_string(stillX) + ", " + std::to_string(stillY) +
                        ") for " + std::to_string(stillFrames) + " frames of play"};
        } else {
          stillX = form.PlayerX;
          stillY = form.PlayerY;
          stillFrames = 0;
        }
        if (form.Dying == kSet && !dying) ++t.deaths;
        dying = form.Dying == kSet;
        if (o.progressEvery > 0 && t.frames % o.progressEvery == 0 && t.frames < o.frames)
          PrintFigures(out, zone, act, character, t, elapsed(), CpuSeconds() - cpu0, "");
      }
    } catch (const ProgramEnded& end) {
      // game over or the zone's end: a fresh run with the next seed. Nothing else may end the
      // program: the random player never presses Escape nor clicks.
      if (end.status != 0) return fault("the program ended with status " + std::to_string(end.status));
      if (form.Lives < 0) ++t.gameOvers;
      else if (form.ActIndex >= zone.actCount) ++t.zoneEnds;
      else return fault("the program ended with " + std::to_string(form.Lives) + " lives left in act " +
                        std::to_string(form.ActIndex));
    } catch (const Fault& f) {
      return fault(f.message);
    } catch (const std::exception& e) {
      return fault(std::string("the program stopped: ") + e.what());
    }
    ++seed;
  }
  PrintFigures(out, zone, act, character, t, elapsed(), CpuSeconds() - cpu0, ", no fault");
  all.frames += t.frames;
  all.runs += t.runs;
  all.deaths += t.deaths;
  all.gameOvers += t.gameOvers;
  all.zoneEnds += t.zoneEnds;
  return true;
}

}  // namespace

int RunSoak(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  if (const auto status = tools::TakeCommandLine(kUsage, out, err, [&] { o = Parse(args); })) return *status;
  std::vector<const ZoneTables*> zones;
  if (o.zone.empty()) zones = {&PlumvaleTables(), &AshmoorTables()};
  else zones = {FindZoneTables(o.zone)};
  const auto t0 = std::chrono::steady_clock::now();
  Totals all;
  try {
    for (const ZoneTables* zone : zones)
      for (int act = 0; act < zone->actCount; ++act) {
        if (o.act && *o.act != act) continue;
        for (int character = 0; character <= 1; ++character) {
          if (o.character && *o.character != character) continue;
          if (!SoakAct(*zone, act, character, o, out, err, all)) return 1;
        }
      }
  } catch (const std::exception& e) {
    err << "soak: " << e.what() << "\n";
    return 1;
  }
  if (all.frames == 0) {
    err << "soak: no such act to soak\n";
    return 2;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  out << "soak: " << all.frames << " frames in " << all.runs << " runs, " << all.deaths << " deaths, " << all.gameOvers
      << " game overs, " << all.zoneEnds << " zone ends, " << seconds << " s, no fault" << std::endl;
  return 0;
}

}  // namespace orvane
