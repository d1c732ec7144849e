// The zone program's one object: every piece of zone state for the life of the program, and the
// methods that make up the engine. Each method lives in the source file of the subsystem that owns
// it (engine/core, engine/player, engine/objects, engine/draw).
#pragma once

#include <filesystem>

#include "engine/core/DataFiles.h"
#include "engine/core/Numbers.h"
#include "engine/core/Table.h"
#include "engine/core/ZoneTables.h"
#include "platform/Platform.h"

namespace orvane {

// Thrown by EndIt: the program is over. Nothing after it runs; main returns `status`.
using platform::ProgramEnded;

class ZoneForm {
 public:
  // `folder` is the zone program's own folder (the installation's Data/).
  ZoneForm(platform::Platform& platform, const ZoneTables& zone, std::filesystem::path folder);

#define ZONE_FIELD(T, N) T N{};
#define ZONE_TABLE(T, N, LO, HI) Table<T, LO, HI> N;
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE

  // Surfaces (engine/core/Surfaces.cpp).
  platform::Surface WorkSurface, BackSheet, BlockSheet, ForeSheet, PlayerSheet, CurveSheet, CommonSheet,
      ZoneSpriteSheet, BarSheet, CardBackSheet, LetterSheet, ShieldSheet, SignSheet, CapsuleSheet;

  // --- start-up and main loop (engine/core/ZoneProgram.cpp) ---
  // The window's load event: loads the act and, the first time, runs the start-up.
  void FormLoad();
  // The window's click: ends the program.
  void FormClick();
  // The start-up of the zone: configuration, display, sounds, start values, surfaces, music.
  void RunZone();
  // The endless main loop; leaves only through EndIt.
  [[noreturn]] void MainLoop();
  // One pass of the main loop: Movement, Animation, the clock, Parallax, Blit, window events.
  void Frame();
  void ClockTick();
  // The capsule's six pieces back in place on the closed capsule.
  void PutDebrisOnCapsule();
  // Lets the window system process pending events: a click ends the program, and so does closing
  // the window (as Escape would).
  void ProcessWindowEvents();

  // --- act data (engine/core/DataFiles.cpp) ---
  void LevelMapLoad();

  // --- surfaces and sounds (engine/core/Surfaces.cpp) ---
  void InitSurfaces();
  void LoadSounds();
  bool ExModeActive();
  // Waits out a lost display, then rebuilds every surface.
  void RestoreAfterLostDisplay();
  void RestartSound(int slot);  // Stop, SetCurrentPosition 0, Play once
  void LoopSound(int slot);     // Stop, SetCurrentPosition 0, Play looping
  void StopSound(int slot);

  // --- act cycle (engine/core/ActCycle.cpp) ---
  void TitleCard();      // runs while the player has no control
  void ResetAct();
  [[noreturn]] void EndIt();
  void EndSignStep();
  void TallyStart();     // tally step 1
  void TallyCount();     // tally step 2
  void TallySlide();     // tally step 3
  void TallyAdvance();   // tally step 4
  void TallyFinish();    // tally step 5
  // The act-clear screen's frame: the tally's steps with the screen drawn in two halves between them.
  void ActClearScreen();

  // --- lost rings and hurt blink (engine/core/LostRings.cpp) ---
  void ScatterRings();
  void MoveLostRings();
  void HurtBlink();

  // --- player (engine/player/) ---
  void Movement();
  void ReadKeys();               // keys, Escape, the world's ceiling
  void RunningRules();           // roll push, right run, left run, stop rule
  void AirMovesAndJump();        // flight, shield moves, flight clock, death fall, tiredness, flap, jump
  void Gravity();
  void GroundStates();           // landing resets, roll, crouch, spin charge
  void MovePlayer();
  void CollideWithBlocks();
  void CapsuleStep();
  void CapsuleDebrisStep();      // the burst capsule's debris falls
  void CapsuleReleaseTest();     // the debris's fall ends the act
  void SandStep();
  void LoopRiding();
  void WorldLimitsAndCamera();

  // --- objects (engine/objects/) ---
  void MoveEnemies();            // the shared patrol and hop offsets
  void ItemWalk();
  void Animation();

  // --- drawing (engine/draw/) ---
  void Parallax();
  void Blit();
  void DrawBackground();
  void DrawBlockLayer();
  void DrawItems();
  void DrawEndSign();
  void DrawCapsule();            // and its freed figures
  void DrawCapsuleDebris();
  void DrawLostRings();
  void DrawPlayer();
  void DrawStars();
  void DrawShield();
  void DrawForeground();
  void DrawDyingPlayer();
  void DrawStatusBar();
  void DrawTitleCard();
  void DrawActClearLines();      // the act's two lines and its number
  void DrawTallyRows();          // time bonus, ring bonus, total
  void PresentFrame();
  // Draws `r` of `sheet` at screen (sx, sy) onto WorkSurface, clipped by hand to 320x240; the
  // position is rounded to whole pixels. Returns the blit's result (a piece wholly off screen fails).
  int Place(const platform::Surface& sheet, platform::Rect r, Number sx, Number sy,
            uint32_t flags = platform::kBltKeyed);
  // Draws `r` of `sheet` at (x, y) without clipping.
  int PlaceUnclipped(const platform::Surface& sheet, platform::Rect r, Number x, Number y,
                     uint32_t flags = platform::kBltKeyed);

  // The platform, the zone's tables and the program's folder.
  platform::Platform& Os() { return os_; }
  const ZoneTables& Zone() const { return zone_; }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  platform::Platform& os_;
  const ZoneTables& zone_;
  std::filesystem::path folder_;
};

}  // namespace orvane
