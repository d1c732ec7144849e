// Start-up and main loop of a zone program: configuration, display, sounds, the act's start values,
// surfaces, music, then one pass per frame for ever.
#include <cmath>
#include <string>

#include "engine/core/ConfigFile.h"
#include "engine/core/UserFiles.h"
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"
#include "engine/objects/HopRule.h"

namespace orvane {

namespace {

constexpr int kDebrisOffsetX[6] = {0, 8, 24, 32, 40, 56};
constexpr int kPieceDropY = 16;  // debris and figures sit 16 pixels below the capsule's top
constexpr int kFigureSpacingX = 3;
constexpr int16_t kStartLives = 3;
constexpr Number kStartPlayerY = 255;
constexpr int16_t kStripCutStart = 240;
constexpr int32_t kClockTickMs = 1000;

// Letter numbers: 1 = A ... 26 = Z, 0 = blank.
int16_t LetterCode(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<int16_t>(c - 'A' + 1) : 0; }

template <typename T>
void PutLetters(T& table, int first, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) table[first + static_cast<int>(i)] = LetterCode(text[i]);
}

}  // namespace

ZoneForm::ZoneForm(platform::Platform& platform, const ZoneTables& zone, std::filesystem::path folder)
    : os_(platform), zone_(zone), folder_(std::move(folder)) {}

void ZoneForm::FormLoad() { LevelMapLoad(); }

void ZoneForm::FormClick() { EndIt(); }

void ZoneForm::RunZone() {
  const std::filesystem::path config = ConfigFilePath(folder_);
  DisplayMode = ReadConfigByte(config, kConfigDisplayMode);

  os_.display.Open(zone_.caption);
  if (DisplayMode == 0) os_.display.SetDisplayMode(320, 240);
  if (DisplayMode == 1) os_.display.SetDisplayMode(640, 480);

  LoadSounds();

  // A character byte other than 0 or 1 plays Zinto: there is no third sheet to draw from.
  Character = ReadConfigByte(config, kConfigCharacter);
  if (Character > 1) Character = 0;

  // start values of the act's scene
  PutLetters(ZoneNameLetters, zone_.titleNameFirstEntry, zone_.titleName);
  Lives = kStartLives;
  for (int act = 0; act < 3; ++act) {
    SignX[act] = kSignX[act];
    SignY[act] = zone_.signY[static_cast<size_t>(act)];
  }
  CapsuleX = kCapsuleX;
  CapsuleY = kCapsuleY;
  PutDebrisOnCapsule();
  for (int i = 0; i < 16; ++i) FigureY[i] = CapsuleY + kPieceDropY;
  for (int i = 0; i < 16; ++i) {
    FigureX[i] = CapsuleX + kFigureSpacingX * i;
    os_.random.Reseed();
    FigureKind[i] = static_cast<int16_t>(std::floor(os_.random.Next() * 2) + 1);
  }
  PutLetters(ActLine2, 1, "PASSED   ");
  for (int f = 0; f < 4; ++f) SignFrameRow[f] = static_cast<int16_t>(f);
  PutLetters(ActLine1, 2, Character == kZinto ? "ZINTO HAS" : "KUBO HAS");
  SignFrameRow[4] = Character == kZinto ? 4 : 5;
  if (zone_.setsHopOffsetB) HopOffsetB = kHopOffsetBStart;

  InitSurfaces();

  PlayerY = kStartPlayerY;
  TitleStripCutY = kStripCutStart;

  {
    const auto curve = ReadDataFile(folder_ / "Data/Qloop.crv", CurveTable.kSize);
    for (int i = 0; i <= 128; ++i) CurveTable[i] = curve[static_cast<size_t>(i)];
  }

  os_.random.Reseed();
  for (int i = 0; i <= 10; ++i) TitleStripSpeed[i] = -os_.random.Next();

  if (zone_.sendsCdCommands) os_.cd.Send("play cdaudio");
  LoopSound(kSoundMusic);

  Running = 1;
}

void ZoneForm::MainLoop() {
  for (;;) Frame();
}

void ZoneForm::Frame() {
  Movement();
  Animation();
  if (!(LastClockTick + kClockTickMs > os_.clock.TickCount())) {
    LastClockTick = os_.clock.TickCount();
    ClockTick();
  }
  Parallax();
  Blit();
  ProcessWindowEvents();
}

void ZoneForm::ClockTick() {
  if (ControlOn == kSet && ActDone == 0) ClockSeconds += 1;
  if (ClockSeconds == 60) {
    ClockSeconds = 0;
    ClockMinutes = AddSaturated(ClockMinutes, 1);
  }
}

void ZoneForm::PutDebrisOnCapsule() {
  for (int j = 0; j < 6; ++j) {
    DebrisX[j] = CapsuleX + kDebrisOffsetX[j];
    DebrisY[j] = CapsuleY + kPieceDropY;
  }
}

void ZoneForm::ProcessWindowEvents() {
  const platform::WindowEvents e = os_.display.PumpEvents();
  if (e.closed) {
    // Closing the window ends the game like Escape: nothing is started.
    QuitRequested = 1;
    EndIt();
  }
  if (e.clicked) FormClick();
}

}  // namespace orvane
