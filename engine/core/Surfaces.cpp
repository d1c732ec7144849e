// The zone program's pictures and sounds: every sheet loaded from its bitmap into an off-screen
// surface, every wave file into its sound slot, and the wait after the display was lost.
#include <string>

#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"
#include "platform/video/LostDisplay.h"

namespace orvane {

namespace {

constexpr int kKuboDropY = 6;

struct SoundFile {
  int slot;
  const char* file;  // relative to the zone program's folder
};

// In the order they are loaded.
constexpr SoundFile kEffects[] = {
    {kSoundRing, "Ring.Wav"},   {kSoundJump, "Jump.Wav"},   {kSoundSpring, "Spring.Wav"},
    {kSoundLamp, "Lamp.Wav"},   {kSoundTv, "tv.Wav"},       {kSoundHurt, "hurt.Wav"},
    {kSoundFly, "fly.Wav"},     {kSoundFall, "fall.Wav"},   {kSoundSpin, "spin.Wav"},
    {kSoundRoll, "roll.Wav"},   {kSoundRel, "rel.Wav"},     {kSoundEget, "eget.Wav"},
    {kSoundFget, "fget.Wav"},   {kSoundBget, "bget.Wav"},   {kSoundEuse, "euse.Wav"},
    {kSoundFuse, "fuse.Wav"},   {kSoundBuse, "buse.Wav"},   {kSoundBlip, "Blip.Wav"},
    {kSoundJingle, "Jingle.Wav"},
};

}  // namespace

void ZoneForm::InitSurfaces() {
  const ZoneFiles& f = zone_.files;
  auto load = [this](platform::Surface& s, const std::string& file, int w, int h) {
    s = platform::LoadBitmap(folder_ / file, w, h);
    s.SetColorKey(0);
  };

  WorkSurface = platform::Surface(320, 240);
  load(BackSheet, f.backSheet, kBlock, f.backSheetHeight);
  load(BlockSheet, f.blockSheet, kBlock, f.blockSheetHeight);
  load(ForeSheet, f.foreSheet, kBlock, f.foreSheetHeight);
  // The character's drawing constants are start values: set at start-up only, so a display lost and
  // given back does not turn a player who faces left round to the right (which would also send his
  // spin launch, his dash and the throw-back of a hit the wrong way).
  const bool startUp = Running == 0;
  if (Character == kZinto) {
    load(PlayerSheet, "Data/Player.bmp", 80, 1335);
    load(CurveSheet, "Data/Zloop.bmp", 88, 1408);
    if (startUp) Facing = kFacingRight;
  } else {
    load(PlayerSheet, "Data/Player2.bmp", 86, 1184);
    load(CurveSheet, "Data/Kloop2.bmp", 88, 1408);
    if (startUp) {
      FacingAlt = kFacingAltRight;
      SpriteDropY = kKuboDropY;
    }
  }
  load(CommonSheet, "Data/Spriteg2.bmp", 136, 320);
  load(ZoneSpriteSheet, f.zoneSprites, 128, 526);
  load(BarSheet, "Data/Zbar.bmp", 94, 192);
  load(CardBackSheet, "Data/Tback.bmp", 320, 24);
  load(LetterSheet, "Data/Otext.bmp", 21, 520);
  load(ShieldSheet, "Data/Shields.bmp", 72, 2784);
  load(SignSheet, "Data/LevE.bmp", 48, 288);
  load(CapsuleSheet, "Data/EPod.bmp", 64, 256);
}

void ZoneForm::LoadSounds() {
  using platform::SoundKind;
  for (const SoundFile& s : kEffects) os_.audio.Load(s.slot, folder_ / s.file, SoundKind::Effect);
  os_.audio.Load(kSoundMusic, folder_ / zone_.files.music, SoundKind::Music);
  os_.audio.Load(kSoundActEnd, folder_ / "Data/LEnd.Wav", SoundKind::Music);
}

bool ZoneForm::ExModeActive() { return os_.display.ExclusiveHeld(); }

void ZoneForm::RestoreAfterLostDisplay() {
  // DisplayLost is -1 while the frame waits for the full screen to come back, and 0 again after it
  DisplayLost = 0;
  const bool lost = platform::WaitWhileDisplayLost(os_.display, [this] {
    ProcessWindowEvents();
    DisplayLost = kOn;
  });
  DisplayLost = 0;
  if (lost) InitSurfaces();
}

void ZoneForm::RestartSound(int slot) {
  os_.audio.Stop(slot);
  os_.audio.SetCurrentPosition(slot, 0);
  os_.audio.Play(slot, false);
}

void ZoneForm::LoopSound(int slot) {
  os_.audio.Stop(slot);
  os_.audio.SetCurrentPosition(slot, 0);
  os_.audio.Play(slot, true);
}

void ZoneForm::StopSound(int slot) { os_.audio.Stop(slot); }

}  // namespace orvane
