// How fast the pieces of a frame reach the work surface: our keyed blit against SDL's colour-keyed
// blit of the same tiles and against memcpy of the same bytes, and one whole composed frame against
// memcpy of three full 320x240 frames (the memory bound). The ratios are printed after the run.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/video/Scaler.h"
#include "platform/video/Surface.h"
#include "tests/support/ZoneFixture.h"

namespace {

using platform::Rect;
using platform::Surface;

constexpr int kTile = 128;
constexpr int kScreenW = 320, kScreenH = 240;
// Where the tiles land: a grid that covers the screen with whole tiles inside it.
constexpr int kPlaces[][2] = {{0, 0}, {128, 0}, {0, 100}, {128, 100}, {192, 0}, {192, 100}};
constexpr int kPlaceCount = sizeof(kPlaces) / sizeof(kPlaces[0]);

// A 128x128 tile: solid ground with a wavy top edge of key colour (the usual block), or noise with
// one pixel in five transparent here and there (the hard case for span-skipping).
Surface MakeTile(bool scattered) {
  Surface t(kTile, kTile);
  std::mt19937 rng(7);
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < kTile; ++x) {
      uint16_t v = static_cast<uint16_t>(0x2000 | (x * 37 + y * 11));
      if (scattered) {
        if (rng() % 5 == 0) v = 0;
      } else if (y < 40 + (x % 32 < 16 ? x % 16 : 16 - x % 16)) {
        v = 0;
      }
      t.Set(x, y, v);
    }
  }
  t.SetColorKey(0);
  return t;
}

SDL_Surface* ToSdl(const Surface& s) {
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s.Width(), s.Height(), 16, SDL_PIXELFORMAT_RGB565);
  for (int y = 0; y < s.Height(); ++y)
    std::memcpy(static_cast<uint8_t*>(out->pixels) + static_cast<size_t>(y) * out->pitch, s.Row(y),
                static_cast<size_t>(s.Width()) * 2);
  return out;
}

void CountBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kPlaceCount * kTile * kTile * 2);
}

void BltFastKeyed(benchmark::State& state, bool scattered) {
  const Surface tile = MakeTile(scattered);
  Surface screen(kScreenW, kScreenH);
  const Rect whole{0, 0, kTile, kTile};
  for (auto _ : state) {
    for (const auto& p : kPlaces) platform::BltFast(screen, p[0], p[1], tile, whole, platform::kBltKeyed);
    benchmark::DoNotOptimize(screen.Pixels().data());
    benchmark::ClobberMemory();
  }
  CountBytes(state);
}

void SdlBlitKeyed(benchmark::State& state, bool scattered) {
  const Surface tile = MakeTile(scattered);
  SDL_Surface* src = ToSdl(tile);
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, kScreenW, kScreenH, 16, SDL_PIXELFORMAT_RGB565);
  SDL_SetColorKey(src, SDL_TRUE, 0);
  SDL_SetSurfaceRLE(src, 1);
  SDL_Rect whole{0, 0, kTile, kTile};
  for (auto _ : state) {
    for (const auto& p : kPlaces) {
      SDL_Rect at{p[0], p[1], kTile, kTile};
      SDL_BlitSurface(src, &whole, screen, &at);
    }
    benchmark::DoNotOptimize(screen->pixels);
    benchmark::ClobberMemory();
  }
  CountBytes(state);
  SDL_FreeSurface(src);
  SDL_FreeSurface(screen);
}

void Memcpy(benchmark::State& state) {
  const Surface tile = MakeTile(false);
  Surface screen(kScreenW, kScreenH);
  for (auto _ : state) {
    for (const auto& p : kPlaces) {
      for (int y = 0; y < kTile; ++y) std::memcpy(screen.Row(p[1] + y) + p[0], tile.Row(y), kTile * 2);
    }
    benchmark::DoNotOptimize(screen.Pixels().data());
    benchmark::ClobberMemory();
  }
  CountBytes(state);
}

void BM_BltFastKeyed(benchmark::State& state) { BltFastKeyed(state, false); }
void BM_BltFastKeyedScattered(benchmark::State& state) { BltFastKeyed(state, true); }
void BM_SdlBlitKeyed(benchmark::State& state) { SdlBlitKeyed(state, false); }
void BM_SdlBlitKeyedScattered(benchmark::State& state) { SdlBlitKeyed(state, true); }
void BM_Memcpy(benchmark::State& state) { Memcpy(state); }

// memcpy of three whole 320x240 frames: what a frame costs at the least (background, blocks and the
// copy to the back buffer each touch the whole screen once).
void BM_MemcpyThreeFrames(benchmark::State& state) {
  std::vector<uint16_t> a(kScreenW * kScreenH, 1), b(kScreenW * kScreenH);
  for (auto _ : state) {
    for (int i = 0; i < 3; ++i) std::memcpy(b.data(), a.data(), a.size() * 2);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}

// Sheets at their real sizes, drawn with the same kind of pattern as the tiles.
Surface Sheet(int w, int h, unsigned seed) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.Set(x, y, (y % 128) < 24 + (x % 16) ? 0 : static_cast<uint16_t>(0x1000 + rng() % 0xE000));
  s.SetColorKey(0);
  return s;
}

// One whole Blit of a Plum Vale frame whose screen is full of background cells and blocks.
void BM_ComposeFrame(benchmark::State& state) {
  orvane::test::ZoneFixture fx;
  orvane::ZoneForm& f = fx.form();
  f.BackSheet = Sheet(128, 1152, 1);
  f.BlockSheet = Sheet(128, 2560, 2);
  f.ForeSheet = Sheet(128, 1152, 3);
  f.PlayerSheet = Sheet(80, 1335, 4);
  f.CurveSheet = Sheet(88, 1408, 5);
  f.CommonSheet = Sheet(136, 320, 6);
  f.ZoneSpriteSheet = Sheet(128, 526, 7);
  f.BarSheet = Sheet(94, 192, 8);
  f.CardBackSheet = Sheet(320, 24, 9);
  f.LetterSheet = Sheet(21, 520, 10);
  f.ShieldSheet = Sheet(72, 2784, 11);
  f.SignSheet = Sheet(48, 288, 12);
  f.CapsuleSheet = Sheet(64, 256, 13);

  // Every background cell shows a band; every block is a full tile.
  const orvane::ZoneTables& zone = f.Zone();
  int full = 0;
  for (int v = 1; v < 256 && !full; ++v)
    if (zone.blocks.kind[static_cast<size_t>(v)] == orvane::BlockDrawKind::Full) full = v;
  for (int i = 0; i <= 112; ++i) f.BackMap[i] = static_cast<uint8_t>(1 + i % 8);
  if (full) {
    f.TileTable[full - 1] = 3;
    for (int r = 0; r < 10; ++r)
      for (int c = 0; c < 78; ++c) fx.SetBlock(r, c, static_cast<uint8_t>(full));
  }
  f.SignX[0] = 9800;  // far ahead: the act does not end while the frame is drawn again and again
  fx.Play(1000, 400);
  f.CameraX = 1000 - 160;
  f.CameraY = 300;
  f.Parallax();
  for (auto _ : state) {
    f.Blit();
    benchmark::DoNotOptimize(f.WorkSurface.Pixels().data());
  }
  state.counters["blocks_found"] = full != 0;
}

// Our presentation scaler writing a whole changed picture into a screen of w x h (the 320x240 frame
// at the largest whole scale, 4 on 1920x1080, 9 on 3840x2160), against memcpy of the same bytes.
// Both write in turn to four screens, as the real screen's buffer is not in the cache either.
constexpr int kScreens = 4;

void BM_Scaler(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Surface src(kScreenW, kScreenH);
  for (int y = 0; y < kScreenH; ++y)
    for (int x = 0; x < kScreenW; ++x) src.Row(y)[x] = static_cast<uint16_t>(x * 131 + y * 7);
  platform::Scaler scaler;
  for (uint32_t v = 0; v < 65536; ++v) scaler.colours[v] = v * 0x10001u;
  std::vector<std::vector<uint32_t>> screens(kScreens, std::vector<uint32_t>(static_cast<size_t>(w) * static_cast<size_t>(h)));
  const platform::Placement at = platform::Letterbox(kScreenW, kScreenH, w, h);
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scaler.Draw(src, {screens[static_cast<size_t>(next)].data(), w * 4, w, h, 4}, at, true));
    next = (next + 1) % kScreens;
    benchmark::ClobberMemory();
  }
}

void BM_MemcpyScaled(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const platform::Placement at = platform::Letterbox(kScreenW, kScreenH, w, h);
  const size_t bytes = static_cast<size_t>(kScreenW * at.scale) * static_cast<size_t>(kScreenH * at.scale) * 4;
  std::vector<uint8_t> from(bytes, 1);
  std::vector<std::vector<uint8_t>> to(kScreens, std::vector<uint8_t>(bytes));
  int next = 0;
  for (auto _ : state) {
    std::memcpy(to[static_cast<size_t>(next)].data(), from.data(), bytes);
    next = (next + 1) % kScreens;
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_Scaler)->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(BM_MemcpyScaled)->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(BM_BltFastKeyed);
BENCHMARK(BM_BltFastKeyedScattered);
BENCHMARK(BM_SdlBlitKeyed);
BENCHMARK(BM_SdlBlitKeyedScattered);
BENCHMARK(BM_Memcpy);
BENCHMARK(BM_MemcpyThreeFrames);
BENCHMARK(BM_ComposeFrame);

// Collects each case's time per iteration so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // With --benchmark_repetitions the median stands for the case; otherwise its one run.
    for (const Run& r : runs) {
      const std::string name = r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args);
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        times[name] = r.GetAdjustedCPUTime();
        wall[name] = Seconds(r, r.GetAdjustedRealTime());
        medians.insert(name);
      } else if (r.run_type == Run::RT_Iteration && !medians.count(name)) {
        times[name] = r.GetAdjustedCPUTime();
        wall[name] = Seconds(r, r.GetAdjustedRealTime());
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  static double Seconds(const Run& r, double adjusted) {
    return adjusted / benchmark::GetTimeUnitMultiplier(r.time_unit);
  }
  std::map<std::string, double> times;
  std::map<std::string, double> wall;  // wall seconds per iteration
  std::set<std::string> medians;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& t = reporter.times;
  auto ratio = [&t](const char* a, const char* b, const char* what) {
    if (t.count(a) && t.count(b) && t[b] > 0) std::printf("%-48s %6.2f\n", what, t[a] / t[b]);
  };
  std::printf("\nratios of processor time per iteration (lower is faster):\n");
  ratio("BM_BltFastKeyed", "BM_SdlBlitKeyed", "ours / SDL, block tiles");
  ratio("BM_BltFastKeyedScattered", "BM_SdlBlitKeyedScattered", "ours / SDL, scattered transparent pixels");
  ratio("BM_BltFastKeyed", "BM_Memcpy", "ours / memcpy, block tiles");
  ratio("BM_BltFastKeyedScattered", "BM_Memcpy", "ours / memcpy, scattered transparent pixels");
  ratio("BM_ComposeFrame", "BM_MemcpyThreeFrames", "composed frame / memcpy of three 320x240 frames");
  ratio("BM_Scaler/1920/1080", "BM_MemcpyScaled/1920/1080", "presentation scaler / memcpy, 1920x1080 (x4)");
  ratio("BM_Scaler/3840/2160", "BM_MemcpyScaled/3840/2160", "presentation scaler / memcpy, 3840x2160 (x9)");
  ratio("BM_ScalerInPlay/ChangedStretches", "BM_ScalerInPlay/EveryRow",
        "scaler in play, 1920x1080: changed stretches / every row");
  for (const auto& [name, time] : t)
    if (name.rfind("BM_FrameBusiest/", 0) == 0)
      ratio(name.c_str(), "BM_MemcpyThreeFrames",
            ("whole frame, busiest screen of " + name.substr(16) + " / memcpy of three frames").c_str());
  std::printf("\nstart-up to the first frame, headless (target 300 ms):\n");
  for (const auto& [name, time] : t)
    if (name.rfind("BM_StartUpToFirstFrame/", 0) == 0)
      std::printf("%-48s %6.1f ms\n", name.substr(23).c_str(), reporter.wall[name] * 1e3);
  benchmark::Shutdown();
  return 0;
}
