// The three parts of the data generator. Each writes its files below the
// installation folder `game` (the folder that holds Orvane and Data/).
#pragma once

#include <filesystem>

namespace assets {

void WriteArt(const std::filesystem::path& game);
void WriteSounds(const std::filesystem::path& game);
void WriteLevels(const std::filesystem::path& game);

}  // namespace assets
