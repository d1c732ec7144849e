// One whole frame of the real game on the busiest screen of each act, and a zone program's start-up
// up to its first frame, both headless on the installed data (the `game` target's Data folder).
// The busiest screen is the 320x240 view that holds the most items (rings, boxes, springs, lamp
// posts, platforms, hazards, enemies) of the act's file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/FieldAccess.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"
#include "platform/headless/Headless.h"
#include "platform/input/KeyScript.h"
#include "platform/video/Scaler.h"
#include "zones/ZoneProgram.h"

namespace {

namespace fs = std::filesystem;

constexpr int kScreenW = 320, kScreenH = 240;
constexpr int kViewFollowX = 140, kViewFollowY = 100;  // where the camera keeps the player
constexpr int kCameraMaxX = 9662, kCameraMaxY = 1040;
constexpr int kSearchStep = 16;
constexpr int kSettleFrames = 2;  // frames run before the state is kept, so the camera is in place

fs::path DataFolder() { return fs::path(ORVANE_BENCH_GAME_DIR) / "Data"; }

// Every named field of the zone state, kept and put back: each timed frame starts from the same state.
class Snapshot {
 public:
  explicit Snapshot(orvane::ZoneForm& form) {
    for (const std::string& name : orvane::FieldNames()) {
      const auto ref = orvane::FindField(form, name);
      if (!ref) continue;
      std::vector<double> values;
      for (int i = ref->lo; i <= ref->hi; ++i) values.push_back(orvane::ReadField(*ref, i));
      fields_.push_back({*ref, std::move(values)});
    }
  }
  void Restore() const {
    for (const auto& [ref, values] : fields_)
      for (int i = ref.lo; i <= ref.hi; ++i) orvane::WriteField(ref, i, values[static_cast<size_t>(i - ref.lo)]);
  }

 private:
  std::vector<std::pair<orvane::FieldRef, std::vector<double>>> fields_;
};

struct Screen {
  int cameraX = 0, cameraY = 0, items = 0;
};

// The camera position whose view holds the most items.
Screen Busiest(const orvane::ZoneForm& f) {
  Screen best;
  for (int cy = 0; cy <= kCameraMaxY; cy += kSearchStep) {
    for (int cx = 0; cx <= kCameraMaxX; cx += kSearchStep) {
      int n = 0;
      for (int i = 0; i < static_cast<int>(orvane::kItemRecords); ++i) {
        if (f.ItemKind[i] == 0) continue;
        const int x = f.ItemX[i], y = f.ItemY[i];
        if (x >= cx && x < cx + kScreenW && y >= cy && y < cy + kScreenH) ++n;
      }
      if (n > best.items) best = {cx, cy, n};
    }
  }
  return best;
}

// A zone program's engine on the headless platform, started on one act of the installed data.
struct Game {
  platform::HeadlessPlatform os{1};
  std::unique_ptr<orvane::ZoneForm> form;
  Game(const orvane::ZoneTables& zone, int act, int character) {
    // A private folder with its own configuration file: the character without touching the installation's.
    folder = fs::temp_directory_path() / ("orvane-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& e : fs::directory_iterator(DataFolder()))
      if (e.path().filename() != "Orvane.cfg") fs::create_symlink(fs::absolute(e.path()), folder / e.path().filename());
    const char cfg[3] = {1, static_cast<char>(character), 0};
    FILE* out = std::fopen((folder / "Orvane.cfg").c_str(), "wb");
    if (out) {
      std::fwrite(cfg, 1, sizeof cfg, out);
      std::fclose(out);
    }
    form = std::make_unique<orvane::ZoneForm>(os.Get(), zone, folder);
    form->ActIndex = static_cast<int16_t>(act);
    form->FormLoad();
  }
  ~Game() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  fs::path folder;
};

bool Installed(benchmark::State& state) {
  if (fs::exists(DataFolder() / "Plumvale")) return true;
  state.SkipWithError(("no installed game in " + DataFolder().string() + " (build the game target)").c_str());
  return false;
}

// One pass of the main loop (Movement, Animation, the clock, Parallax, Blit) on the act's busiest
// screen, the player in play at the camera's follow point, Zinto, no key held.
void BM_FrameBusiest(benchmark::State& state, const orvane::ZoneTables& zone, int act) {
  if (!Installed(state)) return;
  Game g(zone, act, 0);
  orvane::ZoneForm& f = *g.form;
  const Screen s = Busiest(f);
  f.Running = 1;
  f.ControlOn = orvane::kSet;
  f.TitleCardSlide = 400;
  f.PlayerX = s.cameraX + kViewFollowX;
  f.PlayerY = s.cameraY + kViewFollowY;
  f.SpeedX = f.SpeedY = 0;
  try {
    for (int i = 0; i < kSettleFrames; ++i) f.Frame();
  } catch (const orvane::ProgramEnded&) {
    state.SkipWithError("the program ended while the screen was set up");
    return;
  }
  const Snapshot kept(f);
  for (auto _ : state) {
    state.PauseTiming();
    kept.Restore();
    g.os.ClearEvents();
    state.ResumeTiming();
    try {
      f.Frame();
    } catch (const orvane::ProgramEnded&) {
      state.SkipWithError("the program ended during the timed frame");
      break;
    }
    benchmark::DoNotOptimize(f.WorkSurface.Pixels().data());
  }
  state.counters["items_on_screen"] = s.items;
  state.counters["camera_x"] = s.cameraX;
  state.counters["camera_y"] = s.cameraY;
}

// The presentation scaler on the pictures of real play: frames of Plum Vale's recorded middle run
// (scrolling, the player running and jumping) presented one after another at 1920x1080, writing only
// the stretches that changed since the frame before, against writing every row of every frame.
constexpr long kPlayFirstFrame = 300, kPlayFrames = 240;

std::vector<platform::Surface> PlayedFrames() {
  Game g(orvane::PlumvaleTables(), 0, 0);
  const auto script = platform::KeyScript::Load(ORVANE_BENCH_RUNS_DIR "/plumvale-0-zinto-middle.keys");
  std::vector<platform::Surface> frames;
  for (long n = 1; n < kPlayFirstFrame + kPlayFrames; ++n) {
    platform::ApplyKeyScript(script, n, g.os.input);
    g.form->Frame();
    g.os.ClearEvents();
    if (n >= kPlayFirstFrame) frames.push_back(g.form->WorkSurface);
  }
  return frames;
}

void BM_ScalerInPlay(benchmark::State& state, bool everyRow) {
  if (!Installed(state)) return;
  const std::vector<platform::Surface> frames = PlayedFrames();
  constexpr int w = 1920, h = 1080;
  std::vector<uint32_t> screen(static_cast<size_t>(w) * h);
  platform::Scaler scaler;
  for (uint32_t v = 0; v < 65536; ++v) scaler.colours[v] = v * 0x10001u;
  const platform::Placement at = platform::Letterbox(kScreenW, kScreenH, w, h);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scaler.Draw(frames[next], {screen.data(), w * 4, w, h, 4}, at, everyRow));
    next = (next + 1) % frames.size();
    benchmark::ClobberMemory();
  }
}

// From nothing to the first frame shown: the load event (act files, configuration, sounds, start
// values, every bitmap, the curve, the music) and one pass of the main loop.
void BM_StartUpToFirstFrame(benchmark::State& state, const orvane::ZoneTables& zone) {
  if (!Installed(state)) return;
  for (auto _ : state) {
    Game g(zone, 0, 0);
    g.form->Frame();
    benchmark::DoNotOptimize(g.form->WorkSurface.Pixels().data());
  }
}

BENCHMARK_CAPTURE(BM_FrameBusiest, PlumVale_act0, orvane::PlumvaleTables(), 0);
BENCHMARK_CAPTURE(BM_FrameBusiest, AshMoor_act0, orvane::AshmoorTables(), 0);
BENCHMARK_CAPTURE(BM_FrameBusiest, AshMoor_act1, orvane::AshmoorTables(), 1);
BENCHMARK_CAPTURE(BM_FrameBusiest, AshMoor_act2, orvane::AshmoorTables(), 2);
BENCHMARK_CAPTURE(BM_ScalerInPlay, ChangedStretches, false);
BENCHMARK_CAPTURE(BM_ScalerInPlay, EveryRow, true);
BENCHMARK_CAPTURE(BM_StartUpToFirstFrame, PlumVale, orvane::PlumvaleTables())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstFrame, AshMoor, orvane::AshmoorTables())->Unit(benchmark::kMillisecond);

}  // namespace
