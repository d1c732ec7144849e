#include "assets/sound/Wave.h"

#include <algorithm>
#include <cmath>

namespace assets::sound {

namespace {

constexpr uint16_t kChannels = 2;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;

// Writes little-endian fields into a buffer sized in advance.
class Writer {
 public:
  explicit Writer(Bytes& out) : out_(out) {}
  void Tag(const char* tag) {
    for (int k = 0; k < 4; ++k) out_[pos_++] = static_cast<uint8_t>(tag[k]);
  }
  void U16(uint16_t v) {
    out_[pos_++] = static_cast<uint8_t>(v & 0xff);
    out_[pos_++] = static_cast<uint8_t>(v >> 8);
  }
  void U32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out_[pos_++] = static_cast<uint8_t>((v >> shift) & 0xff);
  }

 private:
  Bytes& out_;
  size_t pos_ = 0;
};

int16_t ToPcm(float v) {
  const double scaled = std::round(static_cast<double>(v) * 32767.0);
  return static_cast<int16_t>(std::clamp(scaled, -32767.0, 32767.0));
}

}  // namespace

Bytes EncodeWave(const Stereo& s) {
  constexpr uint32_t kHeaderBytes = 44;
  const uint32_t dataBytes = static_cast<uint32_t>(s.Frames() * kBlockAlign);
  Bytes out(kHeaderBytes + dataBytes);
  Writer w(out);
  w.Tag("RIFF");
  w.U32(kHeaderBytes - 8 + dataBytes);
  w.Tag("WAVE");
  w.Tag("fmt ");
  w.U32(16);
  w.U16(1);  // PCM
  w.U16(kChannels);
  w.U32(kRate);
  w.U32(kRate * kBlockAlign);
  w.U16(kBlockAlign);
  w.U16(kBitsPerSample);
  w.Tag("data");
  w.U32(dataBytes);
  for (size_t i = 0; i < s.Frames(); ++i) {
    w.U16(static_cast<uint16_t>(ToPcm(s.left[i])));
    w.U16(static_cast<uint16_t>(ToPcm(s.right[i])));
  }
  return out;
}

}  // namespace assets::sound
