// Start-up, the sequence's motion, the keys and the start of the game.
#include "title/Title.h"

#include "assets/common/PromptFont.h"

#include "engine/core/ConfigFile.h"
#include "engine/core/Numbers.h"
#include "engine/core/UserFiles.h"
#include "platform/video/LostDisplay.h"

namespace orvane {

namespace {
// sequence
constexpr double kStageStep = 0.02;
constexpr double kFlightStart = 3;  // bands scroll, characters fly in
constexpr double kLogoStart = 6;    // the logo waves
// flight
constexpr double kZintoStopX = 160;
constexpr double kKuboStopX = 78;
constexpr double kFlightPull = 0.01;
constexpr double kFlightGravity = 0.02;
constexpr int16_t kZintoLastCount = 9;
constexpr int16_t kKuboLastCount = 11;
constexpr double kBandWrap = -320;
// logo wave
constexpr double kWaveStartAmplitude = 80;
constexpr double kWaveDamping = 0.5;
}  // namespace

Title::Title(platform::Platform& platform, std::filesystem::path folder)
    : os_(platform), folder_(std::move(folder)) {}

std::filesystem::path Title::ConfigPath() const { return ConfigFilePath(folder_ / "Data"); }

void Title::FormLoad() {
  StartUp();
  for (;;) Frame();
}

void Title::FormClick() { EndIt(); }

void Title::StartUp() {
  DisplayMode = ReadConfigByte(ConfigPath(), kConfigDisplayMode);
  os_.display.Open("Orvane");
  if (DisplayMode == 0) os_.display.SetDisplayMode(320, 240);
  if (DisplayMode == 1) os_.display.SetDisplayMode(640, 480);
  InitSurfaces();
  SetStartValues();
}

void Title::SetStartValues() {
  StageTime = 0;
  FlightBegun = 0;
  Zinto = {130, 142, 0, -2, 0};
  Kubo = {100, 146, 0, -2, 0};
  BandOffset.fill(0);
  BandSpeed.fill(0);
  WavePhase = 0;
  WaveAmplitude = kWaveStartAmplitude;
  WavePeriod = 8;
  WaveSettled = 0;
  LogoOffset = 0;
}

void Title::InitSurfaces() {
  const std::filesystem::path dir = folder_ / "Data" / "Data" / "Title";
  auto keyed = [&](const char* file, int w, int h) {
    platform::Surface s = platform::LoadBitmap(dir / file, w, h);
    s.SetColorKey(0);
    return s;
  };
  BarSheet = keyed("Obar.bmp", 261, 109);
  WingSheet = keyed("Owng.bmp", 256, 144);
  LogoSheet = keyed("Otxt1.bmp", 165, 42);
  CharacterSheet = keyed("ZK.bmp", 161, 384);
  Backdrop = platform::LoadBitmap(dir / "Vesk.bmp", 320, 264);
  PromptFont = keyed(assets::kPromptFontFile, assets::kPromptSheetW, assets::kPromptSheetH);
  WorkSurface = platform::Surface(320, 240);
}

bool Title::ExModeActive() { return os_.display.ExclusiveHeld(); }

void Title::Frame() {
  STMovement();
  Animation();
  KeyHandler();
  Blit();
  ProcessWindowEvents();
}

void Title::STMovement() {
  // run the sequence clock
  StageTime += kStageStep;
  if (StageTime > kFlightStart && FlightBegun == 0) FlightBegun = 1;

  // before the flight the bands keep drawing new speeds
  if (StageTime < kFlightStart)
    for (double& speed : BandSpeed) speed = -os_.random.Next();

  // Zinto flies in first, then Kubo
  if (StageTime > kFlightStart && Zinto.X < kZintoStopX) {
    Zinto.VX += kFlightPull;
    Zinto.VY += kFlightGravity;
    Zinto.X += Zinto.VX;
    Zinto.Y += Zinto.VY;
  }
  if (Zinto.X > kZintoStopX && Kubo.X > kKuboStopX) {
    Kubo.VX -= kFlightPull;
    Kubo.VY += kFlightGravity;
    Kubo.X += Kubo.VX;
    Kubo.Y += Kubo.VY;
  }

  // the logo's wave dies down
  if (StageTime > kLogoStart && WaveSettled == 0 && WaveAmplitude > 0) WaveAmplitude -= kWaveDamping;

  // scroll the bands
  if (StageTime > kFlightStart)
    for (size_t i = 0; i < BandOffset.size(); ++i) {
      BandOffset[i] += BandSpeed[i];
      if (BandOffset[i] < kBandWrap) BandOffset[i] = 0;
    }
}

void Title::Animation() {
  if (StageTime > kFlightStart && Zinto.X > kZintoStopX && Zinto.Counter < kZintoLastCount) Zinto.Counter += 1;
  if (StageTime > kFlightStart && Kubo.X < kKuboStopX && Kubo.Counter < kKuboLastCount) Kubo.Counter += 1;
}

void Title::KeyHandler() {
  using platform::Key;
  const platform::Input& in = os_.input;
  if (in.KeyDown(Key::Digit1)) {
    // replay the wave
    WaveSettled = 0;
    WaveAmplitude = kWaveStartAmplitude;
  }
  if (in.KeyDown(Key::Escape)) EndIt();
  // The period stays within its 16 bits however long a key is held.
  if (in.KeyDown(Key::Digit2)) WavePeriod = AddSaturated(WavePeriod, -1);
  if (in.KeyDown(Key::Digit3)) WavePeriod = AddSaturated(WavePeriod, 1);
  if (in.KeyDown(Key::S)) {
    ChosenCharacter = 0;
    StartGame();
  }
  if (in.KeyDown(Key::T)) {
    ChosenCharacter = 1;
    StartGame();
  }
}

void Title::StartGame() {
  os_.display.RestoreDisplayMode();
  {
    // A new game in the first zone, with the chosen character: the bytes of a 16-bit 1 at offset 0
    // followed by the character at offset 1, in one write so that a kill cannot split them.
    ConfigFile config(ConfigPath());
    config.WriteTwoBytes(kConfigProgress, 1, ChosenCharacter);
  }
  os_.process.Start("Save.exe", folder_ / "Data");
  EndIt();
}

void Title::EndIt() {
  os_.display.RestoreDisplayMode();
  throw ProgramEnded{0};
}

void Title::RestoreAfterLostDisplay() {
  if (platform::WaitWhileDisplayLost(os_.display, [this] { ProcessWindowEvents(); })) InitSurfaces();
}

void Title::ProcessWindowEvents() {
  const platform::WindowEvents e = os_.display.PumpEvents();
  // Closing the window ends the title like Escape.
  if (e.closed) EndIt();
  if (e.clicked) FormClick();
}

}  // namespace orvane
