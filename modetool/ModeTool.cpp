#include "modetool/ModeTool.h"

#include "engine/core/ConfigFile.h"

namespace orvane {

void WriteDisplayMode(const std::filesystem::path& ownFolder, int16_t mode) {
  ConfigFile config(ownFolder / "Data" / "Orvane.cfg");
  config.WriteInt16(kConfigDisplayMode, mode);
}

}  // namespace orvane
