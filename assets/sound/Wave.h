// The game's wave files: RIFF WAVE, PCM, 44100 Hz, 16-bit, two channels.
#pragma once

#include "assets/common/Files.h"
#include "assets/sound/Dsp.h"

namespace assets::sound {

// Encodes a stereo buffer (samples in -1..1) as a complete wave file.
// Samples are rounded to the nearest 16-bit value; anything beyond full scale is held at it.
Bytes EncodeWave(const Stereo& s);

}  // namespace assets::sound
