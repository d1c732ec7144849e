// The headless backend: no window, no sound card. It counts frames at Flip, keeps the last frame in
// memory, plays nothing, takes its keys from a script and records every call that leaves the program
// (sounds, program starts, CD commands), so tests and tools can see what a player would have heard.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/system/Repeatable.h"

namespace platform {

// One call that left the program, stamped with the number of frames flipped before it.
struct RecordedEvent {
  enum class Kind { Sound, Start, Cd } kind;
  int64_t frame = 0;
  int slot = 0;            // Sound: the slot
  std::string op;          // Sound: "stop", "position", "play" or "loop"
  std::string text;        // Start: the file name; Cd: the command
};

class HeadlessPlatform;

class HeadlessDisplay final : public Display {
 public:
  explicit HeadlessDisplay(HeadlessPlatform& owner) : owner_(owner) {}
  void Open(const std::string& caption) override { caption_ = caption; }
  void SetDisplayMode(int width, int height) override;
  void RestoreDisplayMode() override { modeSet_ = false; }
  Surface& BackBuffer() override { return back_; }
  void Flip() override;
  bool ExclusiveHeld() override;
  WindowEvents PumpEvents() override;

  // Test controls.
  const Surface& LastFrame() const { return last_; }
  const std::string& Caption() const { return caption_; }
  bool ModeSet() const { return modeSet_; }
  // The display is lost for the next `polls` calls of ExclusiveHeld.
  void LoseDisplayFor(int polls) { lostPolls_ = polls; }
  void QueueClick() { pending_.clicked = true; }
  void QueueClose() { pending_.closed = true; }

 private:
  HeadlessPlatform& owner_;
  std::string caption_;
  bool modeSet_ = false;
  Surface back_{kScreenW, kScreenH};
  Surface last_{kScreenW, kScreenH};
  int lostPolls_ = 0;
  WindowEvents pending_;
};

class HeadlessAudio final : public Audio {
 public:
  explicit HeadlessAudio(HeadlessPlatform& owner) : owner_(owner) {}
  void Load(int slot, const std::filesystem::path& path, SoundKind kind) override;
  void Stop(int slot) override;
  void SetCurrentPosition(int slot, uint32_t position) override;
  void Play(int slot, bool looping) override;
  // The files loaded, in order, with their slots.
  std::vector<std::pair<int, std::filesystem::path>> loaded;

 private:
  HeadlessPlatform& owner_;
};

class ScriptedInput final : public Input {
 public:
  bool KeyDown(Key key) const override { return down_[static_cast<size_t>(key)]; }
  void Set(Key key, bool down) { down_[static_cast<size_t>(key)] = down; }
  void ReleaseAll() { down_.fill(false); }

 private:
  std::array<bool, static_cast<size_t>(Key::Count)> down_{};
};

class RecordingProcess final : public Process {
 public:
  explicit RecordingProcess(HeadlessPlatform& owner) : owner_(owner) {}
  void Start(const std::string& file, const std::filesystem::path& folder) override;

 private:
  HeadlessPlatform& owner_;
};

class RecordingCdAudio final : public CdAudio {
 public:
  explicit RecordingCdAudio(HeadlessPlatform& owner) : owner_(owner) {}
  int Send(const std::string& command) override;

 private:
  HeadlessPlatform& owner_;
};

class HeadlessPlatform {
 public:
  explicit HeadlessPlatform(uint32_t seed = 1);
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  Platform& Get() { return platform_; }
  int64_t FramesFlipped() const { return frames_; }
  const std::vector<RecordedEvent>& Events() const { return events_; }
  void ClearEvents() { events_.clear(); }
  // Called for each recorded event as it happens (zonesim prints them).
  std::function<void(const RecordedEvent&)> onEvent;

  HeadlessDisplay display;
  HeadlessAudio audio;
  ScriptedInput input;
  FrameClock clock;  // counts the frames flipped
  SeededRandom random;
  RecordingProcess process;
  RecordingCdAudio cd;

 private:
  friend class HeadlessDisplay;
  friend class HeadlessAudio;
  friend class RecordingProcess;
  friend class RecordingCdAudio;
  void Record(RecordedEvent e);

  int64_t frames_ = 0;
  std::vector<RecordedEvent> events_;
  Platform platform_;
};

}  // namespace platform
