#include "tools/mapview/MapView.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "engine/core/Vocabulary.h"
#include "platform/headless/Headless.h"
#include "platform/video/Png.h"
#include "tools/common/CommandLine.h"
#include "zones/ZoneProgram.h"

namespace orvane {

namespace {

using platform::kScreenH;
using platform::kScreenW;
// Where nothing is drawn: a quiet slate that the sheets' dark outlines still stand out from.
constexpr uint16_t kEmpty = platform::Rgb565(92, 96, 120);
constexpr uint16_t kGridLine = platform::Rgb565(250, 250, 250);

using tools::UsageError;

struct Args {
  std::string zone, dir, out;
  std::optional<int> act;
  MapViewOptions view;
};

int ParseInt(const std::string& s, const std::string& what) { return tools::ParseNumber<int>(s, what); }

constexpr tools::ToolUsage kUsage = {"mapview",
    "usage: mapview --zone plumvale|ashmoor --dir DIR --out FILE [--act N] [--background] [--grid] [--scale K]\n"
    "Writes a PNG of a whole act, drawn screen by screen by the engine's own drawing code.\n"
    "\n"
    "Options:\n"
    "  --zone NAME    the zone program: plumvale or ashmoor\n"
    "  --dir DIR      the zone programs' folder (the installation's Data/)\n"
    "  --out FILE     where the picture goes\n"
    "  --act N        the act (0 to 2 in Ash Moor)\n"
    "  --background   the parallax bands behind, as a player sees them from each screen\n"
    "  --grid         a line round every block cell\n"
    "  --scale K      1, 2 or 4: a picture K times smaller, pixels averaged\n"
    "  --help         show this help, then leave\n"
    "\n"
    "Exit status: 0 written, 1 a data fault, 2 bad usage.\n"};

Args Parse(const std::vector<std::string>& args) {
  Args a;
  tools::ReadOptions(args, {{"zone", true, [&](const std::string& v) { a.zone = v; }},
                            {"dir", true, [&](const std::string& v) { a.dir = v; }},
                            {"out", true, [&](const std::string& v) { a.out = v; }},
                            {"act", true, [&](const std::string& v) { a.act = ParseInt(v, "act"); }},
                            {"background", false, [&](const std::string&) { a.view.background = true; }},
                            {"grid", false, [&](const std::string&) { a.view.grid = true; }},
                            {"scale", true, [&](const std::string& v) { a.view.scale = ParseInt(v, "scale"); }}});
  if (a.zone.empty() || a.dir.empty() || a.out.empty()) throw UsageError{"--zone, --dir and --out are required"};
  if (a.view.scale != 1 && a.view.scale != 2 && a.view.scale != 4) throw UsageError{"--scale must be 1, 2 or 4"};
  return a;
}

// One screen of the act with the camera at (x, y), as Blit draws it, without the player and the
// status bar.
void DrawScreen(ZoneForm& f, int x, int y, bool background) {
  f.CameraX = x;
  f.CameraY = y;
  platform::BltColorFill(f.WorkSurface, {0, 0, kScreenW, kScreenH}, kEmpty);
  if (background) {
    // the bands as they stand with the camera here, without their drift
    for (int i = 1; i <= 3; ++i) f.LayerDrift[i] = 0;
    f.Parallax();
    f.DrawBackground();
  }
  f.DrawBlockLayer();
  f.DrawItems();
  f.DrawEndSign();
  if (f.ActIndex == 2) f.DrawCapsule();
  f.DrawForeground();
}

void DrawGrid(platform::Surface& s) {
  for (int x = 0; x < s.Width(); x += kBlock) platform::DrawLine(s, x, 0, x, s.Height() - 1, kGridLine);
  for (int y = 0; y < s.Height(); y += kBlock) platform::DrawLine(s, 0, y, s.Width() - 1, y, kGridLine);
}

platform::Surface Shrink(const platform::Surface& s, int k) {
  platform::Surface out(s.Width() / k, s.Height() / k);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      int r = 0, g = 0, b = 0;
      for (int j = 0; j < k; ++j)
        for (int i = 0; i < k; ++i) {
          const uint16_t p = s.At(x * k + i, y * k + j);
          r += p >> 11, g += (p >> 5) & 63, b += p & 31;
        }
      const int n = k * k;
      out.Set(x, y, static_cast<uint16_t>(((r / n) << 11) | ((g / n) << 5) | (b / n)));
    }
  return out;
}

}  // namespace

platform::Surface RenderAct(ZoneForm& f, const MapViewOptions& options) {
  const int width = kWorldWidth, height = kWorldHeight;  // rows -1 and 10 are never drawn
  platform::Surface act(width, height);
  // no title card: Parallax would run its motion
  f.ControlOn = kSet;
  for (int y = 0; y < height; y += kScreenH)
    for (int x = 0; x < width; x += kScreenW) {
      DrawScreen(f, x, y, options.background);
      const platform::Rect part{0, 0, std::min(kScreenW, width - x), std::min(kScreenH, height - y)};
      platform::BltFast(act, x, y, f.WorkSurface, part, platform::kBltWait);
    }
  if (options.grid) DrawGrid(act);
  return options.scale > 1 ? Shrink(act, options.scale) : act;
}

int RunMapView(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Args a;
  if (const auto status = tools::TakeCommandLine(kUsage, out, err, [&] { a = Parse(args); })) return *status;
  const ZoneTables* zone = FindZoneTables(a.zone);
  if (!zone) {
    err << "mapview: unknown zone: " << a.zone << "\n";
    return 2;
  }
  if (a.act && (*a.act < 0 || *a.act >= zone->actCount)) {
    err << "mapview: " << a.zone << " has no act " << *a.act << "\n";
    return 2;
  }
  try {
    platform::HeadlessPlatform os(1);
    auto form = std::make_unique<ZoneForm>(os.Get(), *zone, a.dir);
    if (a.act) form->ActIndex = static_cast<int16_t>(*a.act);
    form->FormLoad();
    platform::WritePng(RenderAct(*form, a.view), a.out);
  } catch (const ProgramEnded&) {
    err << "mapview: the zone program ended during start-up\n";
    return 1;
  } catch (const std::exception& e) {
    err << "mapview: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace orvane
