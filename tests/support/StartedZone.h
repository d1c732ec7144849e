// A zone program started through its real start-up on a minimal installation, with the
// configuration bytes given; the act is whatever the test built in the fixture before.
#pragma once

#include <string>
#include <vector>

#include "engine/core/ConfigFile.h"
#include "tests/support/MiniInstall.h"
#include "tests/support/ZoneFixture.h"

namespace orvane::test {

class Started {
 public:
  explicit Started(const ZoneTables& zone = PlumvaleTables(), std::vector<uint8_t> config = {}) : z(zone) {
    z.SaveAct();
    WriteMinimalInstallation(z.folder(), zone);
    ConfigFile cfg(z.folder() / "Orvane.cfg");
    for (size_t i = 0; i < config.size(); ++i) cfg.WriteByte(static_cast<long>(i), config[i]);
    z->FormLoad();
  }
  // Runs up to `frames` passes; true when the program ended on the way.
  bool Ended(int frames) {
    try {
      z.Frames(frames);
    } catch (const ProgramEnded&) {
      return true;
    }
    return false;
  }
  std::vector<std::string> Starts() const { return Texts(platform::RecordedEvent::Kind::Start); }
  std::vector<std::string> CdCommands() const { return Texts(platform::RecordedEvent::Kind::Cd); }

  ZoneFixture z;

 private:
  std::vector<std::string> Texts(platform::RecordedEvent::Kind kind) const {
    std::vector<std::string> s;
    for (const auto& e : z.os().Events())
      if (e.kind == kind) s.push_back(e.text);
    return s;
  }
};

}  // namespace orvane::test
