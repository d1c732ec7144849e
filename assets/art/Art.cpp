#include "assets/common/Generators.h"

namespace assets {

void WriteArt(const std::filesystem::path& /*game*/) {}

}  // namespace assets
