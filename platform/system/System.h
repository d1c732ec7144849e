// The small services of the operating system the programs use: the millisecond clock, random
// fractions, starting a sibling program, and the audio-CD commands.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start.
  virtual int32_t TickCount() = 0;
};

class Random {
 public:
  virtual ~Random() = default;
  // A fraction in [0, 1).
  virtual double Next() = 0;
  // Re-seeds the generator from the system timer.
  virtual void Reseed() = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  // Starts the sibling program named `file` ("Save.exe" names the installed Save) in `folder`,
  // detached, without a shell, with only the standard descriptors open and every signal at its
  // default. Does not wait for it; a program that cannot be started is a FatalError naming it and
  // the reason.
  virtual void Start(const std::string& file, const std::filesystem::path& folder) = 0;
};

class CdAudio {
 public:
  virtual ~CdAudio() = default;
  // "play cdaudio" or "stop cdaudio"; there is no drive, so nothing plays. Answers 0.
  virtual int Send(const std::string& command) = 0;
};

}  // namespace platform
