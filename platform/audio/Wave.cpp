#include "platform/audio/Wave.h"

#include <array>
#include <fstream>
#include <string>

#include "platform/system/Error.h"

namespace platform {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

WaveFormat CheckWave(const std::filesystem::path& path) {
  const std::string name = path.string();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) Fail(name + ": sound file is missing");
  const uint64_t fileSize = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) Fail(name + ": sound file cannot be read");

  std::array<uint8_t, 12> riff{};
  if (!in.read(reinterpret_cast<char*>(riff.data()), riff.size())) Fail(name + ": truncated wave file (no RIFF header)");
  if (Le32(riff.data()) != 0x46464952u || Le32(riff.data() + 8) != 0x45564157u)  // "RIFF", "WAVE"
    Fail(name + ": not a RIFF wave file");

  WaveFormat f;
  bool haveFormat = false;
  uint64_t pos = 12;
  for (;;) {
    std::array<uint8_t, 8> head{};
    in.seekg(static_cast<std::streamoff>(pos));
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) {
      Fail(name + (haveFormat ? ": truncated wave file (no data chunk)" : ": truncated wave file (no format chunk)"));
    }
    const uint32_t id = Le32(head.data()), size = Le32(head.data() + 4);
    const uint64_t body = pos + 8;
    if (id == 0x20746d66u) {  // "fmt "
      if (size < 16) Fail(name + ": format chunk too short (" + std::to_string(size) + " bytes)");
      std::array<uint8_t, 16> fmt{};
      if (!in.read(reinterpret_cast<char*>(fmt.data()), fmt.size())) Fail(name + ": truncated wave file (format chunk)");
      const uint16_t tag = Le16(fmt.data());
      f.channels = Le16(fmt.data() + 2);
      f.sampleRate = static_cast<int>(Le32(fmt.data() + 4));
      const uint32_t byteRate = Le32(fmt.data() + 8);
      const uint16_t blockAlign = Le16(fmt.data() + 12);
      f.bitsPerSample = Le16(fmt.data() + 14);
      if (tag != kFormatPcm) Fail(name + ": not PCM (format tag " + std::to_string(tag) + ")");
      if (f.channels != 1 && f.channels != 2)
        Fail(name + ": unsupported wave format (" + std::to_string(f.channels) + " channels)");
      if (f.bitsPerSample != 8 && f.bitsPerSample != 16)
        Fail(name + ": unsupported wave format (" + std::to_string(f.bitsPerSample) + " bits per sample)");
      if (f.sampleRate < kMinRate || f.sampleRate > kMaxRate)
        Fail(name + ": unsupported wave format (" + std::to_string(f.sampleRate) + " samples per second)");
      if (blockAlign != f.BlockAlign() || byteRate != static_cast<uint32_t>(f.sampleRate) * blockAlign)
        Fail(name + ": inconsistent wave format (block alignment " + std::to_string(blockAlign) + ", " +
             std::to_string(byteRate) + " bytes per second)");
      haveFormat = true;
    } else if (id == 0x61746164u) {  // "data"
      if (!haveFormat) Fail(name + ": data chunk before the format chunk");
      if (body + size > fileSize)
        Fail(name + ": truncated wave file (data chunk of " + std::to_string(size) + " bytes, " +
             std::to_string(fileSize - body) + " present)");
      if (size % static_cast<uint32_t>(f.BlockAlign()) != 0)
        Fail(name + ": data chunk of " + std::to_string(size) + " bytes is not whole sample frames");
      f.dataOffset = static_cast<uint32_t>(body);
      f.dataBytes = size;
      return f;
    }
    pos = body + size + (size & 1);  // chunks are padded to an even length
    if (pos > fileSize) Fail(name + ": truncated wave file (chunk runs past the end)");
  }
}

}  // namespace platform
