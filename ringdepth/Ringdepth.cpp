// The ring demo: start-up, keys, ring spin, and the picture (backdrop, floor outlines, ring line).
#include "ringdepth/Ringdepth.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Numbers.h"
#include "platform/system/Error.h"
#include "platform/system/InputFile.h"
#include "platform/video/LostDisplay.h"
#include "platform/video/ScreenBlit.h"

namespace orvane {

namespace {
using platform::Check;
using platform::FrameAbandoned;

using platform::kScreenH;
using platform::kScreenW;
// projection and visibility
constexpr double kCentreX = 160;
constexpr double kCentreY = 120;
constexpr double kHalvingDepth = 10;
constexpr double kNearLimit = -20;
constexpr double kFarLimit = 45;
// floor
constexpr int kCellWidth = 50;
constexpr int kCellDepth = 10;
constexpr int kFloorDrop = 60;
// ring line
constexpr int kRingLineX = 150;
constexpr int kRingLineY = 56;
constexpr int kRingLineFarEnd = 700;
constexpr int kRingSpacing = 10;
constexpr int kRingSize = 16;
constexpr int kRingHalf = 8;
// keys and spin
constexpr double kDepthStep = 1.2;
constexpr double kSpinStep = 0.05;
constexpr int16_t kLastSpinFrame = 7;

// A line between two projected points, cut to the screen first so that far-off corners cost nothing.
void DrawScreenLine(platform::Surface& dst, ScreenPoint a, ScreenPoint b, uint16_t color) {
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - 0, (dst.Width() - 1) - a.x, a.y - 0, (dst.Height() - 1) - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return;
      if (t < t1) t1 = t;
    }
  }
  platform::DrawLine(dst, ToInt32(a.x + t0 * dx), ToInt32(a.y + t0 * dy), ToInt32(a.x + t1 * dx),
                     ToInt32(a.y + t1 * dy), color);
}
}  // namespace

FloorMap ReadFloorMap(const std::filesystem::path& file) {
  FloorMap map{};
  const std::vector<uint8_t> bytes = platform::InputFile(file, "floor map").Read(0, kFloorCells);
  std::copy(bytes.begin(), bytes.end(), map.begin());
  return map;
}

ScreenPoint Project(double X, double Y, double Z) {
  const double scale = std::exp2(Z / kHalvingDepth);
  return {kCentreX + X / scale, kCentreY + Y / scale};
}

bool DepthVisible(double nearZ, double farZ) { return nearZ > kNearLimit && farZ < kFarLimit; }

bool FloorKindDrawn(uint8_t kind) { return kind == 1 || kind == 4 || kind == 5 || kind == 6; }

uint16_t FloorLineColor(uint8_t kind) {
  switch (kind) {
    case 1: return platform::Rgb565(255, 255, 34);
    case 4: return platform::Rgb565(255, 24, 34);
    case 5: return platform::Rgb565(55, 55, 255);
    case 6: return platform::Rgb565(24, 255, 24);
    default: return 0;
  }
}

platform::Rect RingSource(double Z, int16_t frame) {
  const int32_t size = DivRounded(Z + 10, 5);
  const int32_t left = kRingSize * frame;
  const int32_t top = std::clamp(kRingSize * size, 0, 128);
  const int32_t bottom = std::clamp(kRingSize + kRingSize * size, 16, 144);
  return {left, top, left + kRingSize, bottom};
}

RingdepthForm::RingdepthForm(platform::Platform& platform, std::filesystem::path folder)
    : os_(platform), folder_(std::move(folder)) {}

void RingdepthForm::FormLoad() {
  StartUp();
  for (;;) Frame();
}

void RingdepthForm::FormClick() { EndIt(); }

void RingdepthForm::StartUp() {
  os_.display.Open("Ringdepth");
  // always the small display
  os_.display.SetDisplayMode(kScreenW, kScreenH);
  Floor = ReadFloorMap(folder_ / "Level.map");
  InitSurfaces();
  OffsetX = -75;
  OffsetY = 0;
  CameraZ = -10;
  RingTimer = 0;
  RingFrame = 0;
}

void RingdepthForm::InitSurfaces() {
  Backdrop = platform::LoadBitmap(folder_ / "back.bmp", 320, 240);
  RingSheet = platform::LoadBitmap(folder_ / "ring.bmp", 128, 144);
  RingSheet.SetColorKey(0);
}

bool RingdepthForm::ExModeActive() { return os_.display.ExclusiveHeld(); }

void RingdepthForm::EndIt() {
  os_.display.RestoreDisplayMode();
  throw ProgramEnded{0};
}

void RingdepthForm::Frame() {
  Calculation();
  Animation();
  Blit();
  ProcessWindowEvents();
}

void RingdepthForm::Calculation() {
  using platform::Key;
  const platform::Input& in = os_.input;
  // The offsets stay within their 16 bits however long a key is held.
  if (in.KeyDown(Key::Left)) OffsetX = AddSaturated(OffsetX, -1);
  if (in.KeyDown(Key::Right)) OffsetX = AddSaturated(OffsetX, 1);
  if (in.KeyDown(Key::Up)) OffsetY = AddSaturated(OffsetY, -1);
  if (in.KeyDown(Key::Down)) OffsetY = AddSaturated(OffsetY, 1);
  if (in.KeyDown(Key::A)) CameraZ += kDepthStep;
  if (in.KeyDown(Key::Z)) CameraZ -= kDepthStep;
}

void RingdepthForm::Animation() {
  RingTimer += kSpinStep;
  if (RingTimer > 1) {
    RingFrame += 1;
    RingTimer = 0;
  }
  if (RingFrame > kLastSpinFrame) RingFrame = 0;
}

void RingdepthForm::Blit() {
  RestoreAfterLostDisplay();
  try {
    DrawFrame();
    os_.display.Flip();
  } catch (const FrameAbandoned&) {
    ++AbandonedFrames;
  }
}

void RingdepthForm::DrawFrame() {
  platform::Surface& back = os_.display.BackBuffer();
  Check(BltFast(back, 0, 0, Backdrop, {0, 0, kScreenW, kScreenH}, platform::kBltWait));
  DrawFloor(back);
  DrawRings(back);
}

void RingdepthForm::DrawFloor(platform::Surface& dst) {
  int index = 0;
  for (int z = 0; z <= (kFloorRows - 1) * kCellDepth; z += kCellDepth) {
    for (int x = 0; x <= (kFloorColumns - 1) * kCellWidth; x += kCellWidth, ++index) {
      const uint8_t kind = Floor[static_cast<size_t>(index)];
      const double nearZ = CameraZ + z, farZ = nearZ + kCellDepth;
      if (!DepthVisible(nearZ, farZ) || !FloorKindDrawn(kind)) continue;
      const double left = x + OffsetX, right = left + kCellWidth, y = OffsetY + kFloorDrop;
      const ScreenPoint nearLeft = Project(left, y, nearZ), nearRight = Project(right, y, nearZ);
      const ScreenPoint farLeft = Project(left, y, farZ), farRight = Project(right, y, farZ);
      const uint16_t color = FloorLineColor(kind);
      // The near and left edges always; the right edge only against an empty next cell, the far
      // edge only against an empty cell one row further, so a shared edge is drawn once.
      DrawScreenLine(dst, nearLeft, nearRight, color);
      DrawScreenLine(dst, nearLeft, farLeft, color);
      if (Floor[static_cast<size_t>(index + 1)] == 0) DrawScreenLine(dst, nearRight, farRight, color);
      if (Floor[static_cast<size_t>(index + kFloorColumns)] == 0) DrawScreenLine(dst, farLeft, farRight, color);
    }
  }
}

void RingdepthForm::DrawRings(platform::Surface& dst) {
  // far rings first, so nearer ones cover them
  for (int k = 0; k <= kRingLineFarEnd; k += kRingSpacing) {
    const double Z = CameraZ + kRingLineFarEnd - k;
    if (!(Z > kNearLimit && Z < kFarLimit)) continue;
    const ScreenPoint p = Project(OffsetX + kRingLineX, OffsetY + kRingLineY, Z);
    // A ring partly off the screen shows its part on the screen.
    Check(BltFastClipped(dst, ToInt32(p.x - kRingHalf), ToInt32(p.y - kRingHalf), RingSheet, RingSource(Z, RingFrame),
                         platform::kBltKeyed));
  }
}

void RingdepthForm::RestoreAfterLostDisplay() {
  if (platform::WaitWhileDisplayLost(os_.display, [this] { ProcessWindowEvents(); })) InitSurfaces();
}

void RingdepthForm::ProcessWindowEvents() {
  const platform::WindowEvents e = os_.display.PumpEvents();
  // A click ends the demo; closing its window does too.
  if (e.closed || e.clicked) FormClick();
}

}  // namespace orvane
