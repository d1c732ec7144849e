// The title program's one form: the title sequence (circles, bands, the two characters flying in,
// the waving logo, the prompt), timed by StageTime, and the character choice that starts the game.
//
// Start-up reads the display byte, takes the display and loads the pictures; each frame then runs
// STMovement, Animation, KeyHandler and Blit, and lets the window system have its events. EndIt
// gives the desktop back and ends the program by throwing ProgramEnded, which unwinds to main.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Platform.h"

namespace orvane {

using platform::ProgramEnded;

// One of the two characters flying in.
struct Flyer {
  double X = 0, Y = 0, VX = 0, VY = 0;
  int16_t Counter = 0;  // animation counter
};

class Title {
 public:
  // `folder` is the title program's own folder (the installation's top folder).
  Title(platform::Platform& platform, std::filesystem::path folder);

  // The whole program: start-up, then frames until EndIt.
  void FormLoad();
  void FormClick();

  // Start-up: configuration, display, pictures, start values.
  void StartUp();
  // One pass of the loop.
  void Frame();

  void STMovement();
  void Animation();
  void KeyHandler();
  void Blit();
  void InitSurfaces();
  bool ExModeActive();
  [[noreturn]] void EndIt();

  // sequence clock: 0.02 a frame, 3 = 150 frames
  double StageTime = 0;
  int16_t FlightBegun = 0;  // set once, the first time StageTime exceeds 3

  // the two characters
  Flyer Zinto;
  Flyer Kubo;

  // scrolling bands of the backdrop
  std::array<double, 11> BandOffset{};
  std::array<double, 11> BandSpeed{};

  // the waving logo
  double WavePhase = 0;
  double WaveAmplitude = 80;
  int16_t WavePeriod = 8;
  int16_t WaveSettled = 0;
  double LogoOffset = 0;

  // the choice and the display
  uint8_t ChosenCharacter = 0;
  uint8_t DisplayMode = 0;

  // pictures
  platform::Surface BarSheet;
  platform::Surface WingSheet;
  platform::Surface LogoSheet;
  platform::Surface CharacterSheet;
  platform::Surface Backdrop;
  platform::Surface PromptFont;  // the prompt's pixel letters
  platform::Surface WorkSurface;

  // Frames whose drawing failed and were not shown.
  int64_t AbandonedFrames = 0;

 private:
  void SetStartValues();
  void StartGame();
  void RestoreAfterLostDisplay();
  void DrawFrame();
  void DrawBands(int firstY, int lastY);
  void DrawLogo();
  void DrawPrompt();
  void DrawPromptText(int x, int y, const std::string& text);
  void Present();
  void ProcessWindowEvents();
  std::filesystem::path ConfigPath() const;

  platform::Platform& os_;
  std::filesystem::path folder_;
};

}  // namespace orvane
