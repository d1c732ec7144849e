#include "platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/sdl/QuietStandardError.h"
#include "platform/system/Error.h"

namespace platform {

namespace {

constexpr int kDeviceRate = 44100;  // our own files' rate, so they play without resampling
constexpr int kDeviceChannels = 2;
constexpr int kDeviceChunk = 1024;  // sample frames per mix: about 23 ms

void FreeChunk(Mix_Chunk*& c) {
  if (c) Mix_FreeChunk(c);
  c = nullptr;
}

}  // namespace

SdlAudio::~SdlAudio() {
  if (!opened_) return;
  Mix_HaltChannel(-1);
  for (auto& [n, s] : slots_) {
    FreeChunk(s.tail);
    FreeChunk(s.chunk);
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::OpenDevice() {
  if (opened_ || silent_) return;
  bool ok;
  {
    QuietStandardError quiet;
    ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
         Mix_OpenAudio(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kDeviceChunk) == 0;
  }
  if (!ok) {
    std::fprintf(stderr, "%s: warning: no sound device (%s); playing without sound\n", program_invocation_short_name,
                 SDL_GetError());
    silent_ = true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_QuerySpec(&deviceFrequency_, &deviceFormat_, &deviceChannels_);
  opened_ = true;
}

SdlAudio::Slot* SdlAudio::Find(int slot) {
  auto it = slots_.find(slot);
  return it == slots_.end() || !it->second.chunk ? nullptr : &it->second;
}

void SdlAudio::Load(int slot, const std::filesystem::path& path, SoundKind kind) {
  OpenDevice();
  if (silent_) {
    CheckWave(path);  // without a device the file is still checked
    return;
  }
  WaveFormat format;
  const std::vector<uint8_t> wave = LoadWave(path, format);
  // From the checked bytes in memory: the mixer never opens the file itself.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1);
  if (!chunk) Fail(path.string() + ": cannot load sound (" + Mix_GetError() + ")");

  Slot& s = slots_[slot];
  if (s.channel < 0) {
    s.channel = static_cast<int>(slots_.size()) - 1;
    Mix_AllocateChannels(static_cast<int>(slots_.size()));
  }
  Mix_HaltChannel(s.channel);
  FreeChunk(s.tail);
  FreeChunk(s.chunk);
  s.chunk = chunk;
  s.kind = kind;
  ApplyVolume(s);
  s.format = format;
  s.position = 0;
  s.paused = false;
}

void SdlAudio::SetVolumes(int music, int effects) {
  musicVolume_ = std::clamp(music, 0, kFullVolume);
  effectsVolume_ = std::clamp(effects, 0, kFullVolume);
  for (const auto& [n, s] : slots_) ApplyVolume(s);
}

void SdlAudio::ApplyVolume(const Slot& s) const {
  if (!opened_ || s.channel < 0) return;
  const int percent = s.kind == SoundKind::Music ? musicVolume_ : effectsVolume_;
  Mix_Volume(s.channel, MIX_MAX_VOLUME * percent / kFullVolume);
}

int SdlAudio::ChannelOf(int slot) const {
  const auto it = slots_.find(slot);
  return it == slots_.end() ? -1 : it->second.channel;
}

void SdlAudio::Stop(int slot) {
  Slot* s = Find(slot);
  if (!s) return;
  if (Mix_Playing(s->channel) && !Mix_Paused(s->channel)) {
    Mix_Pause(s->channel);
    s->paused = true;
  }
}

void SdlAudio::SetCurrentPosition(int slot, uint32_t position) {
  Slot* s = Find(slot);
  if (!s) return;
  // A new position discards what was paused: the next Play starts there.
  Mix_HaltChannel(s->channel);
  s->paused = false;
  s->position = position;
}

void SdlAudio::Play(int slot, bool looping) {
  Slot* s = Find(slot);
  if (!s) return;
  if (s->paused) {
    s->paused = false;
    if (Mix_Playing(s->channel)) {
      Mix_Resume(s->channel);
      return;
    }
  }
  if (Mix_Playing(s->channel)) return;  // already sounding: it goes on

  Mix_Chunk* sound = s->chunk;
  if (!looping && s->position > 0 && s->position < s->format.dataBytes) {
    // Start part-way: the same point of the sound in the device's format, on a whole sample frame.
    // (A looping sound always starts from its beginning.)
    const uint64_t frameBytes = static_cast<uint64_t>(deviceChannels_) * SDL_AUDIO_BITSIZE(deviceFormat_) / 8;
    const uint64_t offset = uint64_t{s->position} * s->chunk->alen / s->format.dataBytes / frameBytes * frameBytes;
    FreeChunk(s->tail);
    s->tail = Mix_QuickLoad_RAW(s->chunk->abuf + offset, static_cast<Uint32>(s->chunk->alen - offset));
    if (s->tail) sound = s->tail;
  }
  Mix_PlayChannel(s->channel, sound, looping ? -1 : 0);
  s->position = 0;
}

}  // namespace platform
