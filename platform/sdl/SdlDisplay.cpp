#include "platform/sdl/SdlDisplay.h"

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <thread>

#include <SDL_syswm.h>

#include "platform/system/Error.h"
#include "platform/system/Overrides.h"

namespace platform {

namespace {

constexpr int kWindowScale = 2;          // a window starts at twice the back buffer's size
constexpr int kLostPollMs = 10;          // how long ExclusiveHeld rests while the display is away
constexpr int kFrameTimeReportEvery = 120;
// A window manager carries out a full-screen request within a few frames; after this many, none will.
constexpr int kRefusedAfterFrames = 30;

// How the picture reaches the screen. An SDL renderer with vsync where the machine draws with a
// graphics processor; otherwise our own scaler into the window surface: under X with a software
// OpenGL driver it shows the first frame sooner, takes half the processor time at 60 frames a second
// and a third of the memory of a renderer, whose software driver alone weighs some 55 MiB.
// ORVANE_PRESENT=renderer (or renderer-lock) or =scaler overrides the choice.
enum class PresentChoice { Auto, Renderer, Scaler };

PresentChoice ChosenPresentation(const std::string& asked) {
  if (asked.starts_with("renderer")) return PresentChoice::Renderer;
  if (asked == "scaler") return PresentChoice::Scaler;
  return PresentChoice::Auto;
}

// Whether this machine renders with a graphics processor: a render node, then a renderer on a
// hidden window that says it is accelerated and is not a software rasterizer in disguise.
bool GraphicsProcessorPresent(std::string& what) {
  std::error_code ec;
  bool node = false;
  for (const auto& e : std::filesystem::directory_iterator("/dev/dri", ec))
    node = node || e.path().filename().string().starts_with("renderD");
  if (!node) {
    what = "no graphics processor: no render node";
    return false;
  }
  SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!probe) return false;
  bool accelerated = false;
  if (SDL_Renderer* r = SDL_CreateRenderer(probe, -1, SDL_RENDERER_ACCELERATED)) {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(r, &info);
    std::string name = info.name ? info.name : "?";
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned kGlRenderer = 0x1F01;
    if (name.starts_with("opengl"))
      if (auto get = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString")))
        if (const unsigned char* gl = get(kGlRenderer)) name += std::string(" on ") + reinterpret_cast<const char*>(gl);
    accelerated = (info.flags & SDL_RENDERER_ACCELERATED) && name.find("llvmpipe") == std::string::npos &&
                  name.find("softpipe") == std::string::npos && name.find("swrast") == std::string::npos &&
                  name.find("oftware") == std::string::npos;
    what = name;
    SDL_DestroyRenderer(r);
  }
  SDL_DestroyWindow(probe);
  return accelerated;
}

// The window's size on the X server, which may differ from what SDL believes it to be.
bool XWindowSize(SDL_Window* window, int& w, int& h) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  XWindowAttributes a{};
  if (!XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &a)) return false;
  w = a.width;
  h = a.height;
  return true;
#else
  (void)window, (void)w, (void)h;
  return false;
#endif
}

double Ms(SdlDisplay::Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// This thread's processor time in milliseconds: what the frame really cost, however busy the machine.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

SdlDisplay::SdlDisplay(bool fullScreen) : fullScreen_(fullScreen) {
  const Overrides overrides = ReadOverrides();
  verbose_ = overrides.verbose;
  lockTexture_ = overrides.present == "renderer-lock";
  timing_ = overrides.frameTimes;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // nearest: whole pixels stay whole
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  const PresentChoice choice = ChosenPresentation(overrides.present);
  std::string gpu = "chosen by ORVANE_PRESENT";
  path_ = choice == PresentChoice::Renderer ? PresentPath::Renderer
          : choice == PresentChoice::Scaler ? PresentPath::WindowSurface
          : GraphicsProcessorPresent(gpu)   ? PresentPath::Renderer
                                            : PresentPath::WindowSurface;
  vsync_ = path_ == PresentPath::Renderer && choice == PresentChoice::Auto;
  presentation_ = (path_ == PresentPath::Renderer ? "the SDL renderer" : "our own scaler") + std::string(" (") + gpu + ")";
  // Our own scaler writes the window surface straight to the X server: without this SDL would hand
  // that surface to an OpenGL renderer of its own, loading the whole GL driver for a plain copy
  // (measured under Xvfb: 115 MiB instead of 33 MiB at the peak, twice the start-up time).
  if (path_ == PresentPath::WindowSurface) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

SdlDisplay::~SdlDisplay() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

void SdlDisplay::Open(const std::string& caption) {
  if (window_) {
    SDL_SetWindowTitle(window_, caption.c_str());
    SDL_ShowWindow(window_);
    return;
  }
  window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             back_.Width() * kWindowScale, back_.Height() * kWindowScale,
                             (fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) | SDL_WINDOW_RESIZABLE);
  if (!window_) Fail(std::string("SDL_CreateWindow: ") + SDL_GetError());
  SDL_ShowCursor(fullScreen_ ? SDL_DISABLE : SDL_ENABLE);
  if (path_ == PresentPath::Renderer) CreateRenderer();
  if (sayPresentation_ || verbose_ || timing_) std::fprintf(stderr, "presenting with %s\n", presentation_.c_str());
  Present();  // black until the first frame
}

void SdlDisplay::CreateRenderer() {
  renderer_ = SDL_CreateRenderer(window_, -1, vsync_ ? SDL_RENDERER_PRESENTVSYNC : 0);
  if (!renderer_) Fail(std::string("SDL_CreateRenderer: ") + SDL_GetError());
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer_, &info);
  // vsync paces the frames only where the display shows 60 of them a second; elsewhere the clock does
  SDL_DisplayMode mode{};
  const bool sixty = SDL_GetCurrentDisplayMode(std::max(0, SDL_GetWindowDisplayIndex(window_)), &mode) == 0 &&
                     mode.refresh_rate >= 59 && mode.refresh_rate <= 61;
  vsyncPaces_ = (info.flags & SDL_RENDERER_PRESENTVSYNC) && sixty;
  presentation_ = std::string("the SDL ") + info.name + " renderer" +
                  (lockTexture_ ? ", texture locked" : ", texture updated") +
                  (vsyncPaces_ ? ", paced by vsync at 60 Hz" : ", paced by the 60 Hz clock");
}

void SdlDisplay::SetDisplayMode(int width, int height) {
  if (width <= 0 || height <= 0) Fail("SetDisplayMode: bad size " + std::to_string(width) + "x" + std::to_string(height));
  back_ = Surface(width, height);
  if (window_ && fullScreen_ && !coversScreen_ && !(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP)) {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_ShowCursor(SDL_DISABLE);
  }
}

void SdlDisplay::RestoreDisplayMode() {
  if (!window_) return;
  SDL_SetWindowFullscreen(window_, 0);
  SDL_HideWindow(window_);
  SDL_ShowCursor(SDL_ENABLE);
}

void SdlDisplay::ToggleFullScreen() {
  const bool full = coversScreen_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (coversScreen_) {
    coversScreen_ = false;
    SDL_SetWindowSize(window_, back_.Width() * kWindowScale, back_.Height() * kWindowScale);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  refusedFrames_ = 0;
  SDL_ShowCursor(full ? SDL_ENABLE : SDL_DISABLE);
  focused_ = true;  // the switch itself is no loss of the display
  lastWindowSurface_ = nullptr;
  fullScreen_ = !full;
  if (onFullScreenToggled) onFullScreenToggled(fullScreen_);
}

bool SdlDisplay::FullScreen() const {
  return window_ &&
         (coversScreen_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void SdlDisplay::HandleEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      pending_.closed = true;
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: pending_.closed = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: focused_ = false; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: focused_ = true; break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_EXPOSED: lastWindowSurface_ = nullptr; break;
        default: break;
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT) pending_.clicked = true;
      break;
    case SDL_KEYDOWN:
      if ((e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT) &&
          !e.key.repeat && window_) {
        ToggleFullScreen();
        break;
      }
      if (onInputEvent) onInputEvent(e);
      break;
    default:
      if (onInputEvent) onInputEvent(e);
      break;
  }
}

void SdlDisplay::Poll() {
  if (onPumpStart) onPumpStart();
  SDL_Event e;
  while (SDL_PollEvent(&e)) HandleEvent(e);
}

WindowEvents SdlDisplay::PumpEvents() {
  Poll();
  const WindowEvents out = pending_;
  pending_ = {};
  return out;
}

bool SdlDisplay::ExclusiveHeld() {
  Poll();  // clicks and closing are kept for the next PumpEvents
  if (!window_) return true;
  const uint32_t flags = SDL_GetWindowFlags(window_);
  const bool minimised = flags & SDL_WINDOW_MINIMIZED;
  const bool full = flags & SDL_WINDOW_FULLSCREEN_DESKTOP;
  const bool held = !minimised && !(full && !focused_);
  if (!held) SDL_Delay(kLostPollMs);
  return held;
}

void SdlDisplay::Flip() {
  ++flips_;
  if (!timing_) {
    Present();
    if (frameLog_) frameLog_->Write(flips_, back_);  // as it is shown
    if (!vsyncPaces_) WaitForNextTick();
    return;
  }
  const double cpuStart = CpuMs();
  const Clock::time_point start = Clock::now();
  Present();
  if (frameLog_) frameLog_->Write(flips_, back_);
  const double cpuPresented = CpuMs();
  const Clock::time_point presented = Clock::now();
  if (!vsyncPaces_) WaitForNextTick();
  ReportFrameTimes(start, presented, cpuStart, cpuPresented);
}

void SdlDisplay::WaitForNextTick() {
  const Clock::time_point now = Clock::now();
  if (!clockStarted_) {
    epoch_ = now;
    clockStarted_ = true;
  }
  // The next tick after now: a late frame waits for the following tick and never catches up.
  const auto ticks = (now - epoch_) / kFramePeriod + 1;
  std::this_thread::sleep_until(epoch_ + ticks * kFramePeriod);
}

void SdlDisplay::ReportFrameTimes(Clock::time_point flipStart, Clock::time_point presented, double cpuStart,
                                  double cpuPresented) {
  const Clock::time_point end = Clock::now();
  if (lastFlipEnd_ != Clock::time_point{}) {
    times_.gameCpu += cpuStart - lastCpu_;
    times_.presentCpu += cpuPresented - cpuStart;
    times_.gameWall += Ms(flipStart - lastFlipEnd_);
    times_.presentWall += Ms(presented - flipStart);
    times_.frameWall += Ms(end - lastFlipEnd_);
    if (++times_.frames == kFrameTimeReportEvery) {
      const double n = times_.frames;
      std::fprintf(stderr,
                   "frame times over %d frames (processor / wall ms per frame): game %.3f / %.3f, present %.3f / %.3f, "
                   "frame %.3f wall (%.1f fps)\n",
                   times_.frames, times_.gameCpu / n, times_.gameWall / n, times_.presentCpu / n,
                   times_.presentWall / n, times_.frameWall / n, 1000.0 * n / times_.frameWall);
      times_ = {};
    }
  }
  lastFlipEnd_ = end;
  lastCpu_ = CpuMs();
}

void SdlDisplay::FollowRealWindow() {
  int sdlW = 0, sdlH = 0;
  SDL_GetWindowSize(window_, &sdlW, &sdlH);
  // The X server is asked (a round trip) only while SDL's idea of the size is new or not yet
  // carried out; a size both agree on stays until SDL's idea changes again.
  if (sdlW == askedW_ && sdlH == askedH_ && refusedFrames_ == 0) return;
  askedW_ = sdlW;
  askedH_ = sdlH;
  realW_ = sdlW;
  realH_ = sdlH;
  int w = 0, h = 0;
  if (!XWindowSize(window_, w, h) || (w == sdlW && h == sdlH)) {
    refusedFrames_ = 0;
    return;
  }
  realW_ = w;
  realH_ = h;
  lastWindowSurface_ = nullptr;  // the black around the picture moves with it
  if (++refusedFrames_ < kRefusedAfterFrames) return;
  refusedFrames_ = 0;
  askedW_ = askedH_ = 0;  // what follows may leave SDL's idea as it was: ask again next frame
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) {
    // Nobody carries out full screen: a plain window that covers the screen does the same.
    SDL_Rect screen{};
    SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &screen);
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowPosition(window_, screen.x, screen.y);
    SDL_SetWindowSize(window_, screen.w, screen.h);
    coversScreen_ = true;
  } else {
    SDL_SetWindowSize(window_, w, h);
  }
}

void SdlDisplay::Present() {
  if (!window_) return;
  if (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) return;
  FollowRealWindow();
  if (path_ == PresentPath::Renderer) {
    PresentWithRenderer();
  } else {
    PresentToWindowSurface();
  }
}

void SdlDisplay::PresentToWindowSurface() {
  SDL_Surface* ws = SDL_GetWindowSurface(window_);
  if (!ws) Fail(std::string("SDL_GetWindowSurface: ") + SDL_GetError());
  const int bytes = ws->format->BytesPerPixel;
  if (bytes != 2 && bytes != 4) {
    // An unusual desktop depth: hand the work to an SDL renderer instead.
    path_ = PresentPath::Renderer;
    CreateRenderer();
    PresentWithRenderer();
    return;
  }
  if (coloursFormat_ != ws->format->format) {
    for (uint32_t v = 0; v < 65536; ++v) {
      const uint32_t r = v >> 11, g = (v >> 5) & 63, b = v & 31;
      scaler_.colours[v] = SDL_MapRGB(ws->format, static_cast<uint8_t>(r << 3 | r >> 2),
                                      static_cast<uint8_t>(g << 2 | g >> 4), static_cast<uint8_t>(b << 3 | b >> 2));
    }
    coloursFormat_ = ws->format->format;
  }
  const bool fresh = ws != lastWindowSurface_ || back_.Width() != lastBackW_ || back_.Height() != lastBackH_;
  if (SDL_MUSTLOCK(ws)) SDL_LockSurface(ws);
  if (fresh) SDL_FillRect(ws, nullptr, SDL_MapRGB(ws->format, 0, 0, 0));
  // SDL's surface has the size SDL believes the window to have; only the real drawable's part shows
  const Placement at = Letterbox(back_.Width(), back_.Height(), std::min(ws->w, realW_), std::min(ws->h, realH_));
  const std::vector<RowBand>& bands = scaler_.Draw(back_, {ws->pixels, ws->pitch, ws->w, ws->h, bytes}, at, fresh);
  if (SDL_MUSTLOCK(ws)) SDL_UnlockSurface(ws);
  if (fresh) {
    SDL_UpdateWindowSurface(window_);
  } else if (!bands.empty()) {
    // Only the rows of the picture that changed: the black around it and the rest are on screen.
    updateRects_.clear();
    const int x = std::max(0, at.x), w = std::min(ws->w - x, back_.Width() * at.scale);
    for (const RowBand& band : bands) updateRects_.push_back({x, band.top, w, band.bottom - band.top});
    SDL_UpdateWindowSurfaceRects(window_, updateRects_.data(), static_cast<int>(updateRects_.size()));
  }
  lastWindowSurface_ = ws;
  lastBackW_ = back_.Width();
  lastBackH_ = back_.Height();
}

void SdlDisplay::PresentWithRenderer() {
  if (!texture_ || textureW_ != back_.Width() || textureH_ != back_.Height()) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, back_.Width(),
                                 back_.Height());
    if (!texture_) Fail(std::string("SDL_CreateTexture: ") + SDL_GetError());
    textureW_ = back_.Width();
    textureH_ = back_.Height();
    SDL_RenderSetLogicalSize(renderer_, textureW_, textureH_);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
  }
  if (lockTexture_) {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) Fail(std::string("SDL_LockTexture: ") + SDL_GetError());
    for (int y = 0; y < textureH_; ++y) {
      std::memcpy(static_cast<uint8_t*>(pixels) + static_cast<size_t>(y) * pitch, back_.Row(y),
                  static_cast<size_t>(textureW_) * 2);
    }
    SDL_UnlockTexture(texture_);
  } else {
    SDL_UpdateTexture(texture_, nullptr, back_.Pixels().data(), textureW_ * 2);
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

}  // namespace platform
