#include "assets/levels/Shapes.h"

#include <cmath>
#include <initializer_list>

namespace levels {

namespace {

void Mark(std::array<Shape, 256>& table, std::initializer_list<int> values, Shape shape) {
  for (int v : values) table[static_cast<size_t>(v)] = shape;
}

void MarkRange(std::array<Shape, 256>& table, int from, int to, Shape shape) {
  for (int v = from; v <= to; ++v) table[static_cast<size_t>(v)] = shape;
}

ZoneValues MakePlumVale() {
  ZoneValues z{};
  z.zone = Zone::PlumVale;
  z.maxMainValue = 67;
  z.loopLowerLeft = 65;
  z.loopUpperLeft = 66;
  z.loopEnd = 67;
  z.actCount = 1;
  z.shape.fill(Shape::Invalid);
  MarkRange(z.shape, 0, 67, Shape::Empty);
  Mark(z.shape, {1, 2}, Shape::Full);
  Mark(z.shape, {3, 20, 36, 51}, Shape::Platform);
  Mark(z.shape, {9, 26, 42, 57}, Shape::StepLeftHigh);
  Mark(z.shape, {10, 27, 43, 58}, Shape::Step64_96);
  Mark(z.shape, {11, 28, 44, 59}, Shape::StepRightHigh);
  Mark(z.shape, {12, 29, 45, 60}, Shape::Step96_64);
  Mark(z.shape, {13, 30, 46, 61}, Shape::RiseUpper);
  Mark(z.shape, {14, 31, 47, 62}, Shape::RiseLower);
  Mark(z.shape, {15, 32, 48, 63}, Shape::FallUpper);
  Mark(z.shape, {16, 33, 49, 64}, Shape::FallLower);
  Mark(z.shape, {17, 18}, Shape::WallOnly);
  z.shape[65] = Shape::LoopLowerLeft;
  z.shape[66] = Shape::LoopUpperLeft;
  z.shape[67] = Shape::LoopEnd;
  for (int v : {0, 4, 5, 6, 7, 8, 19, 21, 22, 23, 24, 25, 34, 35, 37, 38, 39, 40, 41, 50, 52, 53, 54, 55, 56})
    z.openRightOfPipe[static_cast<size_t>(v)] = true;
  // bush, plum tree, mushrooms, fence, crystals, tall grass; the swaying hedge's four frames
  for (int v : {4, 5, 6, 7, 8, 19}) z.standsInMain[static_cast<size_t>(v)] = true;
  for (int v : {1, 2, 3, 4}) z.standsInFore[static_cast<size_t>(v)] = true;
  return z;
}

ZoneValues MakeAshMoor() {
  ZoneValues z{};
  z.zone = Zone::AshMoor;
  z.maxMainValue = 64;
  z.loopLowerLeft = 62;
  z.loopUpperLeft = 63;
  z.loopEnd = 64;
  z.actCount = 3;
  z.shape.fill(Shape::Invalid);
  MarkRange(z.shape, 0, 64, Shape::Empty);
  MarkRange(z.shape, 1, 14, Shape::Full);
  Mark(z.shape, {15, 16, 17, 29, 30, 31, 42, 43, 44, 51, 52, 53}, Shape::Platform);
  Mark(z.shape, {20, 34, 47, 56}, Shape::StepLeftHigh);
  Mark(z.shape, {21, 35, 48, 57}, Shape::Step64_96);
  Mark(z.shape, {22, 36, 49, 58}, Shape::StepRightHigh);
  Mark(z.shape, {23, 37, 50, 59}, Shape::Step96_64);
  Mark(z.shape, {24, 38}, Shape::RiseUpper);
  Mark(z.shape, {25, 39}, Shape::RiseLower);
  Mark(z.shape, {26, 40}, Shape::FallUpper);
  Mark(z.shape, {27, 41}, Shape::FallLower);
  z.shape[62] = Shape::LoopLowerLeft;
  z.shape[63] = Shape::LoopUpperLeft;
  z.shape[64] = Shape::LoopEnd;
  for (int v : {0, 18, 19, 28, 60}) z.openRightOfPipe[static_cast<size_t>(v)] = true;
  // dead tree, steam vent, amber crystals; the charred bush's two frames
  for (int v : {18, 19, 28}) z.standsInMain[static_cast<size_t>(v)] = true;
  for (int v : {2, 5}) z.standsInFore[static_cast<size_t>(v)] = true;
  return z;
}

const ZoneValues kPlumVale = MakePlumVale();
const ZoneValues kAshMoor = MakeAshMoor();

}  // namespace

std::optional<Zone> ZoneFromName(std::string_view name) {
  if (name == "plumvale" || name == "pv") return Zone::PlumVale;
  if (name == "ashmoor" || name == "am") return Zone::AshMoor;
  return std::nullopt;
}

std::string_view ZoneName(Zone zone) { return zone == Zone::PlumVale ? "plumvale" : "ashmoor"; }

const ZoneValues& ValuesOf(Zone zone) { return zone == Zone::PlumVale ? kPlumVale : kAshMoor; }

bool OpenLeftOfPipe(uint8_t value) {
  switch (value) {
    case 0: case 18: case 19: case 28: case 54: case 55: case 60: case 61: case 62:
      return true;
    default:
      return false;
  }
}

bool IsSand(Zone zone, uint8_t foreValue) {
  return zone == Zone::AshMoor && (foreValue == 1 || foreValue == 4 || foreValue == 10 || foreValue == 13);
}

std::optional<double> FloorAt(Shape shape, int localX) {
  const bool left = localX < 64;
  const double x = localX;
  switch (shape) {
    case Shape::Full: return 0.0;
    case Shape::Platform: return 64.0;
    case Shape::StepLeftHigh: return left ? 0.0 : 32.0;
    case Shape::Step64_96: return left ? 64.0 : 96.0;
    case Shape::StepRightHigh: return left ? 32.0 : 0.0;
    case Shape::Step96_64: return left ? 96.0 : 64.0;
    case Shape::RiseUpper: return 68.0 - x / 2;
    case Shape::RiseLower: return 132.0 - x / 2;
    case Shape::FallUpper: return 4.0 + x / 2;
    case Shape::FallLower: return 68.0 + x / 2;
    case Shape::WallOnly: return 0.0;
    default: return std::nullopt;
  }
}

bool SolidAt(const ZoneValues& zone, const uint8_t* main, int x, int y) {
  if (x < 0 || y < 0 || x >= kWorldWidth || y >= kWorldHeight) return false;
  const int col = x / kBlock;
  const int row = y / kBlock;
  const Shape shape = zone.shape[main[row * kCols + col]];
  const auto floor = FloorAt(shape, x - col * kBlock);
  return floor && (y - row * kBlock) >= *floor;
}

int CurveHeight(int i) {
  if (i < 0 || i > kCurveRadius) return 0;
  return static_cast<int>(std::lround(std::sqrt(double(kCurveRadius * kCurveRadius - i * i))));
}

bool SolidWithCurves(const ZoneValues& zone, const uint8_t* main, const uint8_t* fore, int x, int y) {
  if (x < 0 || y < 0 || x >= kWorldWidth || y >= kWorldHeight) return false;
  if (SolidAt(zone, main, x, y)) return true;
  const int col = x / kBlock, row = y / kBlock;
  const int dx = x - col * kBlock, dy = y - row * kBlock;
  const int cell = row * kCols + col;
  const uint8_t b1 = main[cell], b2 = fore[cell];
  if (b2 == kForeLowerRight && dy > CurveHeight(dx)) return true;
  if (b2 == kForeUpperRight && dy < kBlock - CurveHeight(dx)) return true;
  if (b1 == zone.loopLowerLeft && dy > CurveHeight(kBlock - dx)) return true;
  if (b1 == zone.loopUpperLeft && dy < kBlock - CurveHeight(kBlock - dx)) return true;
  return false;
}

ActScenery SceneryOf(Zone zone, int act) {
  ActScenery s{};
  s.signX = act == 2 ? 10200 : 9800;
  s.signY = act == 1 ? 464 : (act == 0 && zone == Zone::AshMoor ? 1040 : 848);
  s.endsAtCapsule = zone == Zone::AshMoor && act == 2;
  s.capsuleX = 9792;
  s.capsuleY = 832;
  return s;
}

}  // namespace levels
