#include "assets/art/Icon.h"

#include "assets/art/Common.h"
#include "assets/art/Heroes.h"

namespace assets::art {

namespace {

constexpr int kSupersample = 4;        // drawn this many times as large, then averaged
constexpr double kRingRadius = 0.40;   // of the icon's size
constexpr double kHeadSpan = 24;       // Zinto's head is about this wide at scale 1
constexpr double kHeadShare = 0.62;    // of the icon's size
constexpr double kHeadDrop = 0.06;     // the head sits a little below the centre, the ring shows above

}  // namespace

std::vector<uint8_t> GameIcon(int size) {
  const int big = size * kSupersample;
  const double centre = big / 2.0;
  Image art(big, big);
  GoldRing(art, centre, centre, big * kRingRadius, 1.0);
  DrawHeroHead(art, Hero::Zinto, centre, centre + big * kHeadDrop, big * kHeadShare / kHeadSpan, kSupersample);

  // Average each block, weighting colours by coverage so the edges fade rather than darken.
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * static_cast<size_t>(size) * 4);
  constexpr int kSamples = kSupersample * kSupersample;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int r = 0, g = 0, b = 0, covered = 0;
      for (int sy = 0; sy < kSupersample; ++sy)
        for (int sx = 0; sx < kSupersample; ++sx) {
          const int px = x * kSupersample + sx, py = y * kSupersample + sy;
          if (!art.Opaque(px, py)) continue;
          const Rgb c = art.Get(px, py);
          r += c.r, g += c.g, b += c.b, ++covered;
        }
      uint8_t* out = &rgba[(static_cast<size_t>(y) * static_cast<size_t>(size) + static_cast<size_t>(x)) * 4];
      if (covered == 0) continue;
      out[0] = static_cast<uint8_t>(r / covered);
      out[1] = static_cast<uint8_t>(g / covered);
      out[2] = static_cast<uint8_t>(b / covered);
      out[3] = static_cast<uint8_t>(covered * 255 / kSamples);
    }
  return rgba;
}

}  // namespace assets::art
