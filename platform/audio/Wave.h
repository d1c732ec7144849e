// The header check every sound file passes before it is loaded, in both backends: a RIFF wave file
// with a PCM format chunk of a shape we can play, and a data chunk that lies wholly inside the file.
#pragma once

#include <cstdint>
#include <filesystem>

namespace platform {

struct WaveFormat {
  int channels = 0;          // 1 or 2
  int sampleRate = 0;        // samples per second, as the file's own header gives
  int bitsPerSample = 0;     // 8 or 16
  uint32_t dataOffset = 0;   // where the samples start in the file
  uint32_t dataBytes = 0;    // the length of the samples
  int BlockAlign() const { return channels * bitsPerSample / 8; }
};

// Reads and checks the headers of `path`. A missing or unreadable file, a file that is not a RIFF
// wave, a format other than PCM with 1 or 2 channels of 8 or 16 bits at 8000..192000 Hz, inconsistent
// byte rates, or a data chunk cut short is a FatalError naming the file and the fault.
WaveFormat CheckWave(const std::filesystem::path& path);

}  // namespace platform
