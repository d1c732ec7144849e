#include "zones/ZoneProgram.h"

#include <filesystem>
#include <memory>

#include "engine/core/ZoneForm.h"
#include "platform/sdl/SdlMain.h"

namespace orvane {

const ZoneTables* FindZoneTables(std::string_view name) {
  if (name == "plumvale") return &PlumvaleTables();
  if (name == "ashmoor") return &AshmoorTables();
  return nullptr;
}

std::array<BlockDrawKind, 256> BlockDrawKinds(const ValueSet& full, const ValueSet& twice, const ValueSet& half,
                                              const ValueSet& fullPlusHalf) {
  std::array<BlockDrawKind, 256> kinds{};
  for (int v = 0; v < 256; ++v) {
    BlockDrawKind& k = kinds[static_cast<size_t>(v)];
    if (full.Contains(v)) k = BlockDrawKind::Full;
    if (twice.Contains(v)) k = BlockDrawKind::Double;
    if (half.Contains(v)) k = BlockDrawKind::Half;
    if (fullPlusHalf.Contains(v)) k = BlockDrawKind::FullPlusHalf;
  }
  return kinds;
}

int RunZoneProgram(const ZoneTables& zone) {
  return platform::RunSdlProgram(zone.program, [&zone](platform::Platform& platform, const std::filesystem::path& folder) {
    // the form is large: it lives on the heap, not on the stack
    auto form = std::make_unique<ZoneForm>(platform, zone, folder);
    form->FormLoad();
    form->MainLoop();
  }, /*demoPlayback=*/true);
}

}  // namespace orvane
