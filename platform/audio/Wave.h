// The header check every sound file passes before it is loaded, in both backends: a RIFF wave file
// with a PCM format chunk of a shape we can play (plain or extensible), and a data chunk that lies
// wholly inside the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace platform {

struct WaveFormat {
  int channels = 0;          // 1 or 2
  int sampleRate = 0;        // samples per second, as the file's own header gives
  int bitsPerSample = 0;     // 8 or 16
  uint32_t dataOffset = 0;   // where the samples start in the file
  uint32_t dataBytes = 0;    // the length of the samples
  int BlockAlign() const { return channels * bitsPerSample / 8; }
};

// The longest sound we load; a longer data chunk is refused before it is read.
constexpr uint32_t kMaxWaveDataBytes = 256u << 20;

// Reads and checks the headers of `path`. A missing file or one that is not a regular file, an
// unreadable file, a file that is not a RIFF wave, a format other than PCM with 1 or 2 channels of 8
// or 16 bits at 8000..192000 Hz, inconsistent byte rates, or a data chunk cut short or longer than
// kMaxWaveDataBytes is a FatalError naming the file and the fault.
WaveFormat CheckWave(const std::filesystem::path& path);

// CheckWave, then the samples, as a plain PCM wave file in memory (whatever header the file had).
std::vector<uint8_t> LoadWave(const std::filesystem::path& path, WaveFormat& format);

}  // namespace platform
