#include "modetool/ModeTool.h"

#include "engine/core/ConfigFile.h"
#include "engine/core/UserFiles.h"

namespace orvane {

void WriteDisplayMode(const std::filesystem::path& ownFolder, int16_t mode) {
  ConfigFile config(ConfigFilePath(ownFolder / "Data"));
  config.WriteInt16(kConfigDisplayMode, mode);
}

}  // namespace orvane
