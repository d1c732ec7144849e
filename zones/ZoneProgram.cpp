#include "zones/ZoneProgram.h"

#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>

#include "engine/core/ZoneForm.h"
#include "platform/sdl/SdlPlatform.h"

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

namespace {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

}  // namespace

int RunZoneProgram(const ZoneTables& zone) {
  try {
    platform::SdlPlatform sdl;
    auto form = std::make_unique<ZoneForm>(sdl.Get(), zone, ProgramFolder());
    try {
      form->FormLoad();
      form->MainLoop();
    } catch (const ProgramEnded& end) {
      return end.status;
    }
  } catch (const ProgramEnded& end) {
    return end.status;
  } catch (const std::exception& e) {
    // One line on standard error; no message box, which can block for ever where no desktop answers it.
    std::fprintf(stderr, "%s: %s\n", zone.program, e.what());
    return 1;
  }
  return 0;
}

}  // namespace orvane
