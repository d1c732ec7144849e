// mapview: a picture of a whole act for level designers, drawn by the engine's own drawing code.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/core/ZoneForm.h"
#include "platform/video/Surface.h"

namespace orvane {

struct MapViewOptions {
  bool background = false;  // the parallax bands behind, as seen from each screen of the act
  bool grid = false;        // a thin line round every block cell
  int scale = 1;            // 1 whole size, 2 or 4: every 2x2 or 4x4 pixels averaged into one
};

// The whole act of a started zone (every block row 0..9 and column 0..77, 9984x1280 pixels):
// background (optional), main blocks, items, end sign and capsule, foreground, composed screen by
// screen on the form's work surface exactly as a frame is. Changes the form's camera and clocks.
platform::Surface RenderAct(ZoneForm& form, const MapViewOptions& options);

// The command line, without the program name. Returns 0 when the picture is written (or --help
// printed the usage on `out`), 1 on a data or file fault, 2 on bad usage; faults are one line on
// `err`, with the usage after it for an unknown option.
int RunMapView(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane
