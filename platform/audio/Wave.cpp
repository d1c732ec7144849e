#include "platform/audio/Wave.h"

#include <algorithm>
#include <string>

#include "platform/system/InputFile.h"

namespace platform {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kExtensibleFormatBytes = 40;
// The sub-format GUID after its first two bytes (the format tag) for every standard sub-format.
constexpr uint8_t kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr uint32_t kPlainHeaderBytes = 44;
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// The sample format a format chunk names: its tag, or the extensible header's sub-format.
uint16_t SampleFormatOf(const InputFile& in, const std::vector<uint8_t>& fmt, uint32_t size) {
  const uint16_t tag = Le16(fmt.data());
  if (tag != kFormatExtensible) return tag;
  if (size < kExtensibleFormatBytes)
    in.Fail("extensible format chunk too short (" + std::to_string(size) + " bytes)");
  const uint8_t* guid = fmt.data() + 24;
  for (size_t i = 0; i < sizeof kSubFormatTail; ++i)
    if (guid[2 + i] != kSubFormatTail[i]) in.Fail("not PCM (unknown extensible sub-format)");
  return Le16(guid);
}

WaveFormat CheckWave(const InputFile& in) {
  const uint64_t fileSize = in.Size();
  const std::vector<uint8_t> riff = in.ReadExactly(0, 12, "truncated wave file (no RIFF header)");
  if (Le32(riff.data()) != 0x46464952u || Le32(riff.data() + 8) != 0x45564157u)  // "RIFF", "WAVE"
    in.Fail("not a RIFF wave file");

  WaveFormat f;
  bool haveFormat = false;
  uint64_t pos = 12;
  for (;;) {
    const std::vector<uint8_t> head =
        in.ReadExactly(pos, 8, haveFormat ? "truncated wave file (no data chunk)" : "truncated wave file (no format chunk)");
    const uint32_t id = Le32(head.data()), size = Le32(head.data() + 4);
    const uint64_t body = pos + 8;
    if (id == 0x20746d66u) {  // "fmt "
      if (size < 16) in.Fail("format chunk too short (" + std::to_string(size) + " bytes)");
      const std::vector<uint8_t> fmt =
          in.ReadExactly(body, std::min(size, kExtensibleFormatBytes), "truncated wave file (format chunk)");
      const uint16_t format = SampleFormatOf(in, fmt, size);
      f.channels = Le16(fmt.data() + 2);
      f.sampleRate = static_cast<int>(Le32(fmt.data() + 4));
      const uint32_t byteRate = Le32(fmt.data() + 8);
      const uint16_t blockAlign = Le16(fmt.data() + 12);
      f.bitsPerSample = Le16(fmt.data() + 14);
      if (format != kFormatPcm) in.Fail("not PCM (format tag " + std::to_string(format) + ")");
      if (f.channels != 1 && f.channels != 2)
        in.Fail("unsupported wave format (" + std::to_string(f.channels) + " channels)");
      if (f.bitsPerSample != 8 && f.bitsPerSample != 16)
        in.Fail(std::to_string(f.bitsPerSample) + "-bit samples are not supported (8 or 16 bits)");
      if (f.sampleRate < kMinRate || f.sampleRate > kMaxRate)
        in.Fail("unsupported wave format (" + std::to_string(f.sampleRate) + " samples per second)");
      if (blockAlign != f.BlockAlign() || byteRate != static_cast<uint32_t>(f.sampleRate) * blockAlign)
        in.Fail("inconsistent wave format (block alignment " + std::to_string(blockAlign) + ", " +
                std::to_string(byteRate) + " bytes per second)");
      haveFormat = true;
    } else if (id == 0x61746164u) {  // "data"
      if (!haveFormat) in.Fail("data chunk before the format chunk");
      if (body + size > fileSize)
        in.Fail("truncated wave file (data chunk of " + std::to_string(size) + " bytes, " +
                std::to_string(fileSize - body) + " present)");
      if (size % static_cast<uint32_t>(f.BlockAlign()) != 0)
        in.Fail("data chunk of " + std::to_string(size) + " bytes is not whole sample frames");
      if (size > kMaxWaveDataBytes)
        in.Fail("sound of " + std::to_string(size) + " bytes is longer than the " +
                std::to_string(kMaxWaveDataBytes) + " bytes a sound may hold");
      f.dataOffset = static_cast<uint32_t>(body);
      f.dataBytes = size;
      return f;
    }
    pos = body + size + (size & 1);  // chunks are padded to an even length
    if (pos > fileSize) in.Fail("truncated wave file (chunk runs past the end)");
  }
}

}  // namespace

WaveFormat CheckWave(const std::filesystem::path& path) { return CheckWave(InputFile(path, "sound file")); }

std::vector<uint8_t> LoadWave(const std::filesystem::path& path, WaveFormat& format) {
  const InputFile in(path, "sound file");
  format = CheckWave(in);
  std::vector<uint8_t> w;
  w.reserve(kPlainHeaderBytes + format.dataBytes);
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  auto put16 = [&](uint32_t v) { for (int i = 0; i < 2; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(t[i])); };
  const uint32_t align = static_cast<uint32_t>(format.BlockAlign());
  tag("RIFF"); put32(kPlainHeaderBytes - 8 + format.dataBytes); tag("WAVE");
  tag("fmt "); put32(16); put16(kFormatPcm); put16(static_cast<uint32_t>(format.channels));
  put32(static_cast<uint32_t>(format.sampleRate)); put32(static_cast<uint32_t>(format.sampleRate) * align);
  put16(align); put16(static_cast<uint32_t>(format.bitsPerSample));
  tag("data"); put32(format.dataBytes);
  const std::vector<uint8_t> samples =
      in.ReadExactly(format.dataOffset, format.dataBytes, "truncated wave file (cut short while loading)");
  w.insert(w.end(), samples.begin(), samples.end());
  return w;
}

}  // namespace platform
