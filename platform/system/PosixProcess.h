// Starting a sibling program the real way: by file name, detached, in a working folder, without a
// shell. A name ending in ".exe" names the installed program without it ("Save.exe" is Save).
#pragma once

#include <string>

#include "platform/system/System.h"

namespace platform {

// The installed program's file name for a name the programs use: "Save.exe" -> "Save".
std::string InstalledProgramName(const std::string& file);

class PosixProcess final : public Process {
 public:
  void Start(const std::string& file, const std::filesystem::path& folder) override;
};

}  // namespace platform
