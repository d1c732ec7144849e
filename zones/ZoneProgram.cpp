#include "zones/ZoneProgram.h"

#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/ZoneForm.h"
#include "platform/sdl/SdlMain.h"

namespace orvane {

const ZoneTables* FindZoneTables(std::string_view name) {
  if (name == "plumvale") return &PlumvaleTables();
  if (name == "ashmoor") return &AshmoorTables();
  return nullptr;
}

std::array<BlockDrawKind, 256> BlockDrawKinds(const BlockDrawLists& lists) {
  std::array<BlockDrawKind, 256> kinds{};
  for (int v = 0; v < 256; ++v) {
    BlockDrawKind& k = kinds[static_cast<size_t>(v)];
    if (lists.full.Contains(v)) k = BlockDrawKind::Full;
    if (lists.twice.Contains(v)) k = BlockDrawKind::Double;
    if (lists.half.Contains(v)) k = BlockDrawKind::Half;
    if (lists.fullPlusHalf.Contains(v)) k = BlockDrawKind::FullPlusHalf;
  }
  return kinds;
}

namespace {

constexpr const char* kZoneKeys =
    "  Left, Right  run\n"
    "  Control      jump; in the air Kubo flies (press again to flap), Zinto uses his shield\n"
    "  Down         roll while running, crouch when standing; crouched, Control charges a spin\n"
    "               and letting go of Down releases it\n"
    "  Escape       quit (so does a click)\n"
    "  Alt+Enter    switch between a window and full screen\n"
    "A game controller works too: the D-pad runs, the south face button jumps, Back quits.\n";

}  // namespace

int RunZoneProgram(const ZoneTables& zone, int argc, const char* const* argv) {
  const std::string summary = std::string(zone.caption) + ", a zone of Orvane; the title starts a game.";
  const platform::ProgramHelp help{summary.c_str(), kZoneKeys};
  return platform::RunSdlProgram(zone.program, argc, argv, help, [&zone](platform::Platform& platform, const std::filesystem::path& folder) {
    // the form is large: it lives on the heap, not on the stack
    auto form = std::make_unique<ZoneForm>(platform, zone, folder);
    form->FormLoad();
    form->MainLoop();
  }, /*demoPlayback=*/true);
}

}  // namespace orvane
