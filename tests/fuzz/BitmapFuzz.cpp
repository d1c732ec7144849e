// A bitmap file of any content through the game's loader: it loads at the size asked for (or any
// size) with every pixel inside the surface, or it is a FatalError naming the file.
#include <cstring>

#include "platform/system/Error.h"
#include "platform/video/Surface.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file = orvane::fuzz::ScratchFolder("bitmap") / "Sheet.bmp";
  orvane::fuzz::WriteInput(file, data, size);
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{4, 4}}) {
    try {
      const platform::Surface s = platform::LoadBitmap(file, w, h);
      if ((w && s.Width() != w) || (h && s.Height() != h)) orvane::fuzz::Broken("a bitmap of the wrong size was accepted");
      if (s.Pixels().size() != static_cast<size_t>(s.Width()) * static_cast<size_t>(s.Height()))
        orvane::fuzz::Broken("the surface's pixels do not match its size");
      uint32_t sum = 0;
      for (uint16_t p : s.Pixels()) sum += p;  // every pixel is readable
      (void)sum;
    } catch (const platform::FatalError& e) {
      if (std::strstr(e.what(), "Sheet.bmp") == nullptr) orvane::fuzz::Broken(std::string("unnamed fault: ") + e.what());
    }
  }
  return 0;
}
