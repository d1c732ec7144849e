// The act cycle: the title card while the player cannot move, the end sign, the bonus tally, the
// restart after a death or at the next act, and the end of the program.
#include <initializer_list>
#include <string>

#include "engine/core/ConfigFile.h"
#include "engine/core/UserFiles.h"
#include "engine/core/Sounds.h"
#include "engine/core/Vocabulary.h"
#include "engine/core/ZoneForm.h"

namespace orvane {

namespace {

// title card
constexpr int kStripCount = 11;
constexpr Number kStripWrapX = -320;
constexpr int kCardSlideFromFrame = 200;  // the name and bar leave after this frame
constexpr int kCardWipeFromFrame = 100;   // the background strips are wiped upwards after this frame
constexpr int kCardSlideStep = 16;
constexpr Number kCardBarStep = 4;
constexpr int kCardWipeStep = 4;
constexpr int kCardGoneSlide = 350;

// end sign
constexpr int kSignPassX = 5;      // the sign is passed this far right of its x
constexpr int16_t kSignTurns = 16; // 15 turns of five faces, then it rests on the character's face
constexpr int16_t kSignLastFace = 4;

// tally
constexpr int16_t kTallyLine1Start = -320;
constexpr int16_t kTallyLine2Start = 320;
constexpr int16_t kTallyLine1Rest = -32;
constexpr int16_t kTallyLine2Rest = 0;
constexpr int16_t kTallySlideStep = 8;
constexpr int kTallyCountFrom = 340;  // the count starts once ActDone has passed this
constexpr int32_t kTallyStep = 100;
constexpr int32_t kRingBonusEach = 100;
constexpr int kTallyHoldFrames = 180; // frames between the Jingle and the next act
constexpr int16_t kLastActIndex = 2;
constexpr int16_t kZoneComplete = 3;

}  // namespace

void ZoneForm::TitleCard() {
  if (ControlOn != 0) return;  // the card runs while the player waits; its last step gives control
  TitleCardFrames = AddSaturated(TitleCardFrames, 1);
  for (int i = 0; i < kStripCount; ++i) {
    TitleStripX[i] += TitleStripSpeed[i];
    if (TitleStripX[i] < kStripWrapX) TitleStripX[i] = 0;
  }
  if (TitleCardFrames > kCardSlideFromFrame) {
    TitleCardSlide = AddSaturated(TitleCardSlide, kCardSlideStep);
    TitleBarX -= kCardBarStep;
  }
  if (TitleCardFrames > kCardWipeFromFrame) TitleStripCutY = AddSaturated(TitleStripCutY, -kCardWipeStep);
  if (TitleCardSlide > kCardGoneSlide) ControlOn = kSet;
}

void ZoneForm::EndSignStep() {
  if (PlayerX > SignX[ActIndex] + kSignPassX && SignSpin == 0) SignSpin = kSignTurns;
  if (SignSpin == 1 && ActDone == 0) ActDone = 1;
  if (SignSpin > 0 && ActDone == 0) {
    // the sign turns one face every second frame
    EndStepClock += 0.5;
    if (EndStepClock >= 1) {
      EndStepClock = 0;
      if (SignSpin > 1) SignFrame += 1;
      if (SignFrame > kSignLastFace && SignSpin > 1) {
        SignFrame = 0;
        SignSpin -= 1;
      }
      if (SignFrame < kSignLastFace && SignSpin == 1) SignFrame = kSignLastFace;
    }
  }
}

void ZoneForm::ActClearScreen() {
  // The tally's steps in their order; the screen is drawn in two halves between them, the act's
  // lines where they stood before this frame's slide, the three rows where it takes them.
  TallyStart();
  TallyCount();
  DrawActClearLines();
  TallySlide();
  TallyAdvance();
  DrawTallyRows();
  TallyFinish();
}

void ZoneForm::TallyStart() {
  if (ActDone != 1) return;
  StopSound(kSoundMusic);
  RestartSound(kSoundActEnd);
  TallyLine1X = kTallyLine1Start;
  TallyLine2X = kTallyLine2Start;
  TimeBonus = (10 - 2 * int32_t{ClockMinutes} - ClockSeconds / 30) * 1000;
  RingBonus = int32_t{RingCount} * kRingBonusEach;
  TallyTotal = 0;
  TallyDone = 0;
}

void ZoneForm::TallyCount() {
  // one count step every third frame
  EndStepClock += 0.5;
  if (!(EndStepClock > 1)) return;
  EndStepClock = 0;
  if (ActDone <= kTallyCountFrom) return;
  for (int32_t* bonus : {&RingBonus, &TimeBonus}) {
    if (*bonus <= 0) continue;  // a bonus of 0 or below is exhausted
    *bonus -= kTallyStep;
    TallyTotal += kTallyStep;
    Score += kTallyStep;
  }
  if (RingBonus > 0 || TimeBonus > 0) {
    RestartSound(kSoundBlip);
  } else if (TallyDone == 0) {
    os_.audio.Stop(kSoundJingle);
    os_.audio.Play(kSoundJingle, false);
    TallyDone = 1;
    TallyDoneAt = ActDone;
  }
}

void ZoneForm::TallySlide() {
  if (TallyLine1X < kTallyLine1Rest) TallyLine1X += kTallySlideStep;
  if (TallyLine2X > kTallyLine2Rest) TallyLine2X -= kTallySlideStep;
}

void ZoneForm::TallyAdvance() { ActDone = AddSaturated(ActDone, 1); }

void ZoneForm::TallyFinish() {
  if (!(ActDone - TallyDoneAt > kTallyHoldFrames && TallyDoneAt > 0)) return;
  SpeedX = 0;
  CheckpointX = 0;
  CheckpointY = 0;
  PlayerX = 0;
  PlayerY = 0;
  if (zone_.endsAfterFirstAct) ActIndex = kLastActIndex;
  ResetAct();
}

void ZoneForm::ResetAct() {
  RingCount = 0;
  SignSpin = 0;
  SignFrame = 0;
  ShieldKind = 0;
  SpeedX = 0;
  SpeedY = 0;

  CapsuleState = 0;
  OnCapsule = 0;
  PutDebrisOnCapsule();  // the freed figures are not put back

  if (Dying == 0) ActIndex += 1;  // the act was finished
  if (ActIndex == kZoneComplete) {
    if (zone_.writesProgressWhenComplete) ConfigFile(ConfigFilePath(folder_)).WriteByte(kConfigProgress, 2);
    EndIt();
  }
  if (Dying == kSet) {
    Dying = 0;
    if (CheckpointX != 0 || CheckpointY != 0) {
      PlayerX = CheckpointX;
      PlayerY = CheckpointY;
    } else {
      PlayerX = 0;
      PlayerY = 0;
    }
    Lives -= 1;
    DeathY = 0;
  }
  Airborne = kOn;  // every attempt starts in the air
  ItemTimer.Fill(0);
  if (Lives < 0) EndIt();  // game over

  LevelMapLoad();
  TitleBarX = 0;
  TitleCardSlide = 0;
  TitleCardFrames = 0;
  TitleStripCutY = 240;
  ClockSeconds = 0;
  ClockMinutes = 0;
  ActDone = 0;
  TallyDoneAt = 0;
  ControlOn = 0;
  LoopSound(kSoundMusic);
}

void ZoneForm::EndIt() {
  if (zone_.startsLauncherOnEnd) StopSound(kSoundMusic);
  os_.display.RestoreDisplayMode();
  if (zone_.startsLauncherOnEnd && QuitRequested == 0) os_.process.Start("Save.exe", folder_);
  if (zone_.sendsCdCommands) os_.cd.Send("stop cdaudio");
  throw ProgramEnded{0};
}

}  // namespace orvane
