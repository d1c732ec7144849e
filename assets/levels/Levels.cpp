#include "assets/common/Generators.h"

namespace assets {

void WriteLevels(const std::filesystem::path& /*game*/) {}

}  // namespace assets
