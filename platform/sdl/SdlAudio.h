// Sound through SDL2_mixer: every slot has a channel of its own, so a slot behaves like one static
// buffer: Stop pauses it where it is, SetCurrentPosition moves the start of the next Play, Play plays
// once or looping. A machine without a sound device plays nothing after one warning line, but every
// wave file is still checked as it is loaded.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <map>

#include "platform/audio/Audio.h"
#include "platform/audio/Wave.h"

namespace platform {

class SdlAudio final : public Audio {
 public:
  SdlAudio() = default;
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  void Load(int slot, const std::filesystem::path& path, SoundKind kind) override;
  void Stop(int slot) override;
  void SetCurrentPosition(int slot, uint32_t position) override;
  void Play(int slot, bool looping) override;

  bool Silent() const { return silent_; }

  // The two volumes, 0 (silent: the sound still runs) to kMaxVolume, for the slots loaded and to come.
  void SetVolumes(int music, int effects);
  // The mixer channel that plays `slot` (-1 when it has none), for tests.
  int ChannelOf(int slot) const;

 private:
  struct Slot {
    Mix_Chunk* chunk = nullptr;  // the whole sound, in the device's format
    Mix_Chunk* tail = nullptr;   // a view of it from a start position other than 0
    int channel = -1;
    SoundKind kind = SoundKind::Effect;
    WaveFormat format;
    uint32_t position = 0;       // byte position in the file's own format where the next Play starts
    bool paused = false;         // stopped part-way: Play goes on from there
  };
  void OpenDevice();
  Slot* Find(int slot);
  void ApplyVolume(const Slot& s) const;

  bool opened_ = false;
  bool silent_ = false;
  int deviceFrequency_ = 0, deviceChannels_ = 0;
  Uint16 deviceFormat_ = 0;
  std::map<int, Slot> slots_;
  int musicVolume_ = kFullVolume, effectsVolume_ = kFullVolume;
  static constexpr int kFullVolume = 100;
};

}  // namespace platform
