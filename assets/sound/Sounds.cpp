#include "assets/common/Generators.h"

namespace assets {

void WriteSounds(const std::filesystem::path& /*game*/) {}

}  // namespace assets
