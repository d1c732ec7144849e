// The SDL presenter: one window, full screen on the desktop or a window as the player asked, the back
// buffer shown letterboxed at the largest whole-number scale with black around it, Alt+Enter
// switching between full screen and a window. Flip paces the game at a fixed 60 Hz by sleeping to
// the next tick of its own clock.
#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/FrameLog.h"
#include "platform/video/Display.h"
#include "platform/video/Scaler.h"

namespace platform {

// How the finished back buffer reaches the window.
enum class PresentPath {
  WindowSurface,  // our own scaler writes straight into the window's surface
  Renderer,       // an SDL renderer with a streaming texture (SDL_RENDER_DRIVER picks the driver)
};

class SdlDisplay final : public Display {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kFramePeriod = std::chrono::nanoseconds(1000000000 / 60);

  // `fullScreen`: whether the window covers the desktop until Alt+Enter says otherwise.
  explicit SdlDisplay(bool fullScreen = true);
  ~SdlDisplay() override;

  void Open(const std::string& caption) override;
  void SetDisplayMode(int width, int height) override;
  void RestoreDisplayMode() override;
  Surface& BackBuffer() override { return back_; }
  void Flip() override;
  bool ExclusiveHeld() override;
  WindowEvents PumpEvents() override;

  // How the picture reaches the screen, in words ("our own scaler (no graphics processor ...)"),
  // printed when the window opens if asked for (--verbose or ORVANE_VERBOSE).
  const std::string& Presentation() const { return presentation_; }
  void SayPresentation(bool say) { sayPresentation_ = say; }

  // Whether the window covers the desktop now (Alt+Enter or the start options decide).
  bool FullScreen() const;
  // Full screen or a window: the choice the window opens with and SetDisplayMode keeps to, changed
  // by Alt+Enter, which reports the new choice so that it can be remembered.
  void SetFullScreen(bool fullScreen) { fullScreen_ = fullScreen; }
  std::function<void(bool fullScreen)> onFullScreenToggled;

  // Frames flipped since the window opened (the demo playback counts its passes by them).
  int64_t FramesFlipped() const { return flips_; }

  // Keyboard and controller events go on to the input after the presenter has seen them; the input
  // hears when a pump begins.
  std::function<void(const SDL_Event&)> onInputEvent;
  std::function<void()> onPumpStart;

 private:
  void HandleEvent(const SDL_Event& e);
  void Poll();
  void ToggleFullScreen();
  // Keeps the picture on the window's real drawable: without a window manager (or with one that
  // refuses) a full-screen request is never carried out, while SDL goes on believing it was.
  void FollowRealWindow();
  void Present();
  void PresentToWindowSurface();
  void PresentWithRenderer();
  void CreateRenderer();
  void WaitForNextTick();
  void ReportFrameTimes(Clock::time_point flipStart, Clock::time_point presented, double cpuStart,
                        double cpuPresented);

  SDL_Window* window_ = nullptr;
  PresentPath path_ = PresentPath::WindowSurface;
  bool vsync_ = false;       // the renderer presents in step with the display
  bool vsyncPaces_ = false;  // ...which shows 60 frames a second, so Flip need not sleep
  std::string presentation_;
  bool sayPresentation_ = false;
  bool verbose_ = false;      // ORVANE_VERBOSE: say it whatever the options
  bool lockTexture_ = false;  // ORVANE_PRESENT=renderer-lock
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int textureW_ = 0, textureH_ = 0;

  Surface back_{kScreenW, kScreenH};
  // Our scaler, its RGB565 to window-surface table made when that format is first seen.
  Scaler scaler_;
  uint32_t coloursFormat_ = 0;
  std::vector<SDL_Rect> updateRects_;
  SDL_Surface* lastWindowSurface_ = nullptr;
  int lastBackW_ = 0, lastBackH_ = 0;

  bool fullScreen_ = true;  // asked at start or by Alt+Enter; SetDisplayMode keeps to it
  bool focused_ = true;  // until the window is told it lost the focus
  int realW_ = 0, realH_ = 0;     // the drawable's size as the X server has it
  int askedW_ = 0, askedH_ = 0;   // SDL's idea of the size when the X server was last asked
  int refusedFrames_ = 0;         // frames the window has not had the size SDL asked for
  bool coversScreen_ = false;     // full screen done by hand: a plain window as large as the screen
  WindowEvents pending_;

  // The 60 Hz frame clock: tick n is at epoch_ + n periods.
  Clock::time_point epoch_{};
  bool clockStarted_ = false;

  int64_t flips_ = 0;
  std::unique_ptr<FrameLog> frameLog_ = FrameLog::FromEnvironment();

  // Frame times, printed every few seconds when ORVANE_FRAME_TIMES is set.
  bool timing_ = false;
  struct FrameTimes {
    double gameCpu = 0, presentCpu = 0, gameWall = 0, presentWall = 0, frameWall = 0;
    int frames = 0;
  };
  FrameTimes times_;
  Clock::time_point lastFlipEnd_{};
  double lastCpu_ = 0;
};

}  // namespace platform
