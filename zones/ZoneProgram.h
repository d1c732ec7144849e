// What the two zone programs share: their tables by name, and the body of main.
#pragma once

#include <string_view>

#include "engine/core/ZoneTables.h"
#include "zones/ZoneFacts.h"

namespace orvane {

const ZoneTables& PlumvaleTables();
const ZoneTables& AshmoorTables();

// The zone named "plumvale" or "ashmoor" (as zonesim names them), or nullptr.
const ZoneTables* FindZoneTables(std::string_view name);

// Block draw kinds from the four lists of values.
std::array<BlockDrawKind, 256> BlockDrawKinds(const BlockDrawLists& lists);

// Runs a zone program in its window: start-up, then the main loop until EndIt. Returns the exit
// status; a fatal fault is reported in one line and gives 1. `argv` may ask for help, the version or
// a window (CommandLine.h).
int RunZoneProgram(const ZoneTables& zone, int argc, const char* const* argv);

}  // namespace orvane
