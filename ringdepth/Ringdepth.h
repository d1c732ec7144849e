// The ring demo's one form: a floor of coloured cells seen in depth, with a line of spinning rings
// running into the distance, steered from the keyboard. A click on the window is the only way out.
//
// Start-up takes the 320x240 display, reads the floor map and loads the two pictures; each frame
// then runs Calculation (keys), Animation and Blit, and lets the window system have its events.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "platform/Platform.h"

namespace orvane {

using platform::ProgramEnded;

// The floor: 71 depth rows of 9 cells, cell index = row x 9 + column; the store has room beyond the
// last row so that the neighbours of the far row read as empty.
inline constexpr int kFloorColumns = 9;
inline constexpr int kFloorRows = 71;
inline constexpr int kFloorCells = kFloorColumns * kFloorRows;  // 639
inline constexpr int kFloorStore = 721;
using FloorMap = std::array<uint8_t, kFloorStore>;

// Reads the floor map: cell k is the byte at offset k; a short file leaves the remaining cells empty.
// A missing file, or one that is not a regular file, is a FatalError naming it.
FloorMap ReadFloorMap(const std::filesystem::path& file);

// A point on the screen.
struct ScreenPoint {
  double x, y;
};
// The projection: the picture halves for every 10 units of depth.
ScreenPoint Project(double X, double Y, double Z);
// A thing is drawn while its near depth is above -20 and its far depth below 45.
bool DepthVisible(double nearZ, double farZ);
// Kinds 1, 4, 5 and 6 are drawn, each in its own colour; any other kind is not drawn.
bool FloorKindDrawn(uint8_t kind);
uint16_t FloorLineColor(uint8_t kind);
// The ring sheet's piece for a ring at depth Z: the column by the spin frame, the row by the size
// (nine rows of 16 pixels, nearer rings from upper, bigger rows).
platform::Rect RingSource(double Z, int16_t frame);

class RingdepthForm {
 public:
  // `folder` is the demo's own folder, holding Level.map, back.bmp and ring.bmp.
  RingdepthForm(platform::Platform& platform, std::filesystem::path folder);

  void FormLoad();
  void FormClick();
  void StartUp();
  void Frame();

  void Calculation();
  void Animation();
  void Blit();
  void InitSurfaces();
  bool ExModeActive();
  [[noreturn]] void EndIt();

  // camera
  int16_t OffsetX = -75;
  int16_t OffsetY = 0;
  double CameraZ = -10;

  // ring spin
  double RingTimer = 0;
  int16_t RingFrame = 0;

  FloorMap Floor{};

  platform::Surface Backdrop;
  platform::Surface RingSheet;

  // Frames whose drawing failed and were not shown.
  int64_t AbandonedFrames = 0;

 private:
  void RestoreAfterLostDisplay();
  void DrawFrame();
  void DrawFloor(platform::Surface& dst);
  void DrawRings(platform::Surface& dst);
  void ProcessWindowEvents();

  platform::Platform& os_;
  std::filesystem::path folder_;
};

}  // namespace orvane
