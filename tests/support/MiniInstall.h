// A minimal zone installation written by the test: every bitmap at its size (plain colours), short
// valid wave files, the curve file and an empty configuration file. The act files come from
// ZoneFixture::SaveAct.
#pragma once

#include <cstdint>
#include <filesystem>

#include "engine/core/ZoneTables.h"

namespace orvane::test {

void WriteMinimalInstallation(const std::filesystem::path& folder, const ZoneTables& zone);

// A bitmap of one colour (RGB), written with SDL.
void WriteBitmap(const std::filesystem::path& path, int width, int height, uint8_t r, uint8_t g, uint8_t b);

// A valid 44100 Hz 16-bit stereo wave file of `frames` silent frames.
void WriteWave(const std::filesystem::path& path, int frames = 64);

}  // namespace orvane::test
