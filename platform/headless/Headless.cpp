#include "platform/headless/Headless.h"

#include <filesystem>

#include "platform/audio/Wave.h"

namespace platform {

void HeadlessDisplay::SetDisplayMode(int width, int height) {
  modeSet_ = true;
  back_ = Surface(width, height);
}

void HeadlessDisplay::Flip() {
  last_ = back_;
  ++owner_.frames_;
}

bool HeadlessDisplay::ExclusiveHeld() {
  if (lostPolls_ > 0) {
    --lostPolls_;
    return false;
  }
  return true;
}

WindowEvents HeadlessDisplay::PumpEvents() {
  WindowEvents e = pending_;
  pending_ = {};
  return e;
}

void HeadlessAudio::Load(int slot, const std::filesystem::path& path, SoundKind) {
  CheckWave(path);
  loaded.emplace_back(slot, path);
}

void HeadlessAudio::Stop(int slot) { owner_.Record({RecordedEvent::Kind::Sound, 0, slot, "stop", {}}); }

void HeadlessAudio::SetCurrentPosition(int slot, uint32_t) {
  owner_.Record({RecordedEvent::Kind::Sound, 0, slot, "position", {}});
}

void HeadlessAudio::Play(int slot, bool looping) {
  owner_.Record({RecordedEvent::Kind::Sound, 0, slot, looping ? "loop" : "play", {}});
}

void RecordingProcess::Start(const std::string& file, const std::filesystem::path&) {
  owner_.Record({RecordedEvent::Kind::Start, 0, 0, {}, file});
}

int RecordingCdAudio::Send(const std::string& command) {
  owner_.Record({RecordedEvent::Kind::Cd, 0, 0, {}, command});
  return 0;
}

HeadlessPlatform::HeadlessPlatform(uint32_t seed)
    : display(*this), audio(*this), clock([this] { return frames_; }), random(seed), process(*this), cd(*this),
      platform_{display, audio, input, clock, random, process, cd} {}

void HeadlessPlatform::Record(RecordedEvent e) {
  e.frame = frames_;
  events_.push_back(e);
  if (onEvent) onEvent(events_.back());
}

}  // namespace platform
