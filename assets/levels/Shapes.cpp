#include "assets/levels/Shapes.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "zones/ZoneFacts.h"

namespace levels {

namespace {

// The shapes of the values 0..lastValue from the zone's facts; a value in none of its sets is open.
ZoneValues FromFacts(Zone zone, const orvane::ZoneFacts& facts, int actCount) {
  const orvane::BlockShapes& s = facts.shapes;
  const std::pair<const orvane::ValueSet&, Shape> byShape[] = {
      {s.full, Shape::Full},
      {s.platform, Shape::Platform},
      {s.stepLeftHigh, Shape::StepLeftHigh},
      {s.stepLow64, Shape::Step64_96},
      {s.stepRightHigh, Shape::StepRightHigh},
      {s.step96Low64, Shape::Step96_64},
      {s.slopeUpUpper, Shape::RiseUpper},
      {s.slopeUpLower, Shape::RiseLower},
      {s.slopeDownUpper, Shape::FallUpper},
      {s.slopeDownLower, Shape::FallLower},
      {s.wallOnly, Shape::WallOnly},
  };
  ZoneValues z{};
  z.zone = zone;
  z.maxMainValue = facts.lastValue;
  z.loopLowerLeft = static_cast<uint8_t>(facts.loop.lowerLeft);
  z.loopUpperLeft = static_cast<uint8_t>(facts.loop.upperLeft);
  z.loopEnd = static_cast<uint8_t>(facts.loop.end);
  z.actCount = actCount;
  z.shape.fill(Shape::Invalid);
  for (int v = 0; v <= facts.lastValue; ++v) {
    Shape& shape = z.shape[static_cast<size_t>(v)];
    shape = Shape::Empty;
    for (const auto& [values, valueShape] : byShape)
      if (values.Contains(v)) shape = valueShape;
  }
  z.shape[z.loopLowerLeft] = Shape::LoopLowerLeft;
  z.shape[z.loopUpperLeft] = Shape::LoopUpperLeft;
  z.shape[z.loopEnd] = Shape::LoopEnd;
  for (int v = 0; v < 256; ++v) z.openRightOfPipe[static_cast<size_t>(v)] = facts.openRightOfPipe.Contains(v);
  return z;
}

ZoneValues MakePlumVale() {
  ZoneValues z = FromFacts(Zone::PlumVale, orvane::kPlumValeFacts, 1);
  // bush, plum tree, mushrooms, fence, crystals, tall grass; the swaying hedge's four frames
  for (int v : {4, 5, 6, 7, 8, 19}) z.standsInMain[static_cast<size_t>(v)] = true;
  for (int v : {1, 2, 3, 4}) z.standsInFore[static_cast<size_t>(v)] = true;
  return z;
}

ZoneValues MakeAshMoor() {
  ZoneValues z = FromFacts(Zone::AshMoor, orvane::kAshMoorFacts, 3);
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
  // the same in both zones
  return orvane::kPlumValeFacts.openLeftOfPipe.Contains(value);
}

bool IsSand(Zone zone, uint8_t foreValue) {
  return zone == Zone::AshMoor &&
         (orvane::fore::kSandToTop.Contains(foreValue) || orvane::fore::kSandLow.Contains(foreValue));
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
  // an act beyond the zone reads as the first: the caller refuses it
  const auto i = static_cast<size_t>(act >= 0 && act < 3 ? act : 0);
  const orvane::ZoneFacts& facts = zone == Zone::PlumVale ? orvane::kPlumValeFacts : orvane::kAshMoorFacts;
  ActScenery s{};
  s.signX = orvane::kSignX[i];
  s.signY = facts.signY[i];
  s.endsAtCapsule = act == orvane::kCapsuleAct && act < ValuesOf(zone).actCount;
  s.capsuleX = orvane::kCapsuleX;
  s.capsuleY = orvane::kCapsuleY;
  return s;
}

}  // namespace levels
