// The sheets both zone programs share, and the pictures of the title, the launcher and the demo.
#pragma once

#include <filesystem>

#include "assets/art/Canvas.h"

namespace assets::art {

Image CommonSheet();   // Spriteg2.bmp, 136x320
Image CardBar();       // Zbar.bmp, 94x192
Image CardBack();      // Tback.bmp, 320x24 (opaque)
Image Letters();       // Otext.bmp, 21x520
Image ShieldSheet();   // Shields.bmp, 72x2784
Image SignSheet();     // LevE.bmp, 48x288
Image CapsuleSheet();  // EPod.bmp, 64x256

// A golden ring of radius r turned about its vertical axis (turn = cosine of the turn).
void GoldRing(Image& img, double cx, double cy, double r, double turn);

// Title pictures, launcher status pictures and the ring demo's two bitmaps.
void WriteTitleArt(const std::filesystem::path& game);
void WriteLauncherArt(const std::filesystem::path& game);
void WriteRingDemoArt(const std::filesystem::path& game);

}  // namespace assets::art
