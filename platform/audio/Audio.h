// Static sound buffers, one per slot, each loaded from a wave file and played at the format its own
// header gives. A sound is restarted by Stop, SetCurrentPosition 0, Play.
#pragma once

#include <cstdint>
#include <filesystem>

namespace platform {

// The player sets one volume for the music and one for the effects.
enum class SoundKind { Effect, Music };

class Audio {
 public:
  virtual ~Audio() = default;
  // Loads the wave file into `slot`, played at the volume of its kind; fails (FatalError naming the
  // file) when it cannot be read.
  virtual void Load(int slot, const std::filesystem::path& path, SoundKind kind) = 0;
  virtual void Stop(int slot) = 0;
  virtual void SetCurrentPosition(int slot, uint32_t position) = 0;
  virtual void Play(int slot, bool looping) = 0;
};

}  // namespace platform
