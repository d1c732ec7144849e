// Static sound buffers, one per slot, each loaded from a wave file and played at the format its own
// header gives. A sound is restarted by Stop, SetCurrentPosition 0, Play.
#pragma once

#include <cstdint>
#include <filesystem>

namespace platform {

class Audio {
 public:
  virtual ~Audio() = default;
  // Loads the wave file into `slot`; fails (FatalError naming the file) when it cannot be read.
  virtual void Load(int slot, const std::filesystem::path& path) = 0;
  virtual void Stop(int slot) = 0;
  virtual void SetCurrentPosition(int slot, uint32_t position) = 0;
  virtual void Play(int slot, bool looping) = 0;
};

}  // namespace platform
