// A wave file of any content through the header check every sound passes: accepted only with its
// samples wholly inside the file in whole frames, otherwise a FatalError naming the file.
#include <cstring>

#include "platform/audio/Wave.h"
#include "platform/system/Error.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file = orvane::fuzz::ScratchFolder("wave") / "Ring.Wav";
  orvane::fuzz::WriteInput(file, data, size);
  try {
    const platform::WaveFormat f = platform::CheckWave(file);
    if (uint64_t{f.dataOffset} + f.dataBytes > size) orvane::fuzz::Broken("the samples run past the end of the file");
    if (f.BlockAlign() <= 0 || f.dataBytes % static_cast<uint32_t>(f.BlockAlign()) != 0)
      orvane::fuzz::Broken("the samples are not whole frames");
    if ((f.channels != 1 && f.channels != 2) || (f.bitsPerSample != 8 && f.bitsPerSample != 16))
      orvane::fuzz::Broken("a format we cannot play was accepted");
  } catch (const platform::FatalError& e) {
    if (std::strstr(e.what(), "Ring.Wav") == nullptr) orvane::fuzz::Broken(std::string("unnamed fault: ") + e.what());
  }
  return 0;
}
