// The real backend: the SDL window, keyboard and controllers, SDL2_mixer sound, SDL ticks, random
// fractions seeded from the high-resolution clock, programs started with fork and exec, and an
// audio-CD player with no drive.
#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>

#include "platform/sdl/DemoInput.h"
#include "platform/sdl/QuietStandardError.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlSettings.h"
#include "platform/system/PosixProcess.h"
#include "platform/system/Repeatable.h"

namespace platform {

namespace {

class SdlClock final : public Clock {
 public:
  int32_t TickCount() override { return static_cast<int32_t>(SDL_GetTicks()); }
};

class ClockSeededRandom final : public Random {
 public:
  ClockSeededRandom() { Reseed(); }
  double Next() override {
    // 53 random bits make a fraction in [0, 1).
    return static_cast<double>(engine_() >> 11) / 9007199254740992.0;
  }
  void Reseed() override {
    engine_.seed(static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  }

 private:
  std::mt19937_64 engine_;
};

class NoCdDrive final : public CdAudio {
 public:
  int Send(const std::string&) override { return 0; }
};

// The drivers SDL falls back on when no display answers: they show nothing, so a program on one would
// run unseen for ever. They are used only when asked for by name (SDL_VIDEODRIVER).
constexpr const char* kInvisibleDrivers[] = {"offscreen", "dummy"};

// SDL's video and controller subsystems, up for as long as the platform lives.
struct SdlSession {
  SdlSession() {
    bool up;
    {
      QuietStandardError quiet;
      // Without a controller subsystem the keyboard still plays.
      up = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER) == 0 || SDL_Init(SDL_INIT_VIDEO) == 0;
    }
    if (!up) Fail(std::string("cannot open the display (") + SDL_GetError() + ")");
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return;
    for (const char* invisible : kInvisibleDrivers) {
      if (driver && SDL_strcmp(driver, invisible) == 0) {
        SDL_Quit();
        Fail("cannot open the display (no X11 or Wayland display; DISPLAY is " +
             std::string(SDL_getenv("DISPLAY") ? "set but did not answer" : "not set") + ")");
      }
    }
  }
  ~SdlSession() { SDL_Quit(); }
};

}  // namespace

struct SdlPlatform::Impl {
  SdlSession session;
  Settings settings = LoadPlayerSettings(program_invocation_short_name);
  SdlDisplay display;
  SdlAudio audio;
  SdlInput input;
  SdlClock clock;
  ClockSeededRandom random;
  PosixProcess process;
  NoCdDrive cd;
  // Demo playback: the script's keys, a clock that counts frames, a generator seeded with 1.
  std::unique_ptr<DemoInput> demo;
  FrameClock frameClock{[this] { return display.FramesFlipped(); }};
  SeededRandom seeded{1};
  Platform platform;

  Impl(const StartOptions& options, bool demoPlayback)
      : display(options.fullScreen.value_or(settings.fullScreen)),
        demo(demoPlayback ? MakeDemo() : nullptr),
        platform{display,
                 audio,
                 demo ? static_cast<Input&>(*demo) : input,
                 demo ? static_cast<Clock&>(frameClock) : clock,
                 demo ? static_cast<Random&>(seeded) : random,
                 process,
                 cd} {
    // the player's settings: keys and controller, volumes, full screen or a window
    LoadPlayerControllerMappings(program_invocation_short_name);
    input.Configure(settings);
    display.SayPresentation(options.verbose);
    audio.SetVolumes(settings.musicVolume, settings.effectsVolume);
    display.onFullScreenToggled = [](bool fullScreen) {
      try {
        RememberFullScreen(SettingsFile(), fullScreen);
      } catch (const FatalError& e) {
        std::fprintf(stderr, "%s: warning: %s\n", program_invocation_short_name, e.what());
      }
    };
    display.onInputEvent = [this](const SDL_Event& e) { input.HandleEvent(e); };
    display.onPumpStart = [this] { input.BeginPump(); };
  }

  std::unique_ptr<DemoInput> MakeDemo() {
    std::unique_ptr<KeyScript> script = DemoInput::ScriptFromEnvironment();
    if (!script) return nullptr;
    return std::make_unique<DemoInput>(std::move(*script), input, [this] { return display.FramesFlipped(); });
  }
};

SdlPlatform::SdlPlatform(const StartOptions& options, bool demoPlayback)
    : impl_(std::make_unique<Impl>(options, demoPlayback)) {}
SdlPlatform::~SdlPlatform() = default;
Platform& SdlPlatform::Get() { return impl_->platform; }

}  // namespace platform
