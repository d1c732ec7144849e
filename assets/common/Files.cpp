#include "assets/common/Files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace assets {

void WriteFileIfChanged(const std::filesystem::path& path, const Bytes& bytes) {
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      Bytes old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (old == bytes) return;
    }
  }
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error(path.string() + ": cannot write");
}

}  // namespace assets
