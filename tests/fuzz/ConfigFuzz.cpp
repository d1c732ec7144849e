// Orvane.cfg of any content: every field reads (0 past the end), a write changes exactly the bytes
// it names and nothing else, and the file is never cut short. The input's first bytes choose the
// write (or a write through a link to the file); the rest is the file as found.
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/core/ConfigFile.h"
#include "platform/system/Error.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  static const std::filesystem::path file = fuzz::ScratchFolder("config") / "Orvane.cfg";
  if (size < 3) return 0;
  const uint8_t op = data[0], where = data[1], value = data[2];
  const std::vector<uint8_t> before(data + 3, data + size);
  fuzz::WriteInput(file, before.data(), before.size());

  // Bit 1 of the first byte: the file is reached through a symbolic link, which is refused.
  if (op & 2) {
    static const std::filesystem::path link = file.parent_path() / "Linked.cfg";
    std::error_code ec;
    std::filesystem::remove(link, ec);
    std::filesystem::create_symlink(file, link);
    bool refused = false;
    try {
      ConfigFile(link).WriteTwoBytes(where % 8, value, op);
    } catch (const platform::FatalError&) {
      refused = true;
    }
    std::ifstream in(file, std::ios::binary);
    if (!refused || std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}) != before)
      fuzz::Broken("a write went through a symbolic link");
    return 0;
  }
  std::vector<uint8_t> expected = before;
  {
    ConfigFile cfg(file);
    for (long offset = 0; offset < static_cast<long>(before.size()) + 4; ++offset) {
      const uint8_t want = offset < static_cast<long>(before.size()) ? before[static_cast<size_t>(offset)] : 0;
      if (cfg.ReadByte(offset) != want) fuzz::Broken("byte " + std::to_string(offset) + " reads wrong");
    }
    const long offset = where % 8;
    auto put = [&](long at, uint8_t b) {
      if (expected.size() <= static_cast<size_t>(at)) expected.resize(static_cast<size_t>(at) + 1, 0);
      expected[static_cast<size_t>(at)] = b;
    };
    if (op & 1) {
      cfg.WriteInt16(offset, static_cast<int16_t>(value | (op & 0xF0) << 4));
      put(offset, value);
      put(offset + 1, static_cast<uint8_t>((op & 0xF0) >> 4));
    } else {
      cfg.WriteByte(offset, value);
      put(offset, value);
    }
  }
  if (ReadConfigByte(file, where % 8) != expected[where % 8]) fuzz::Broken("a fresh opening reads another value");
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (after != expected) fuzz::Broken("the file holds other bytes than those written");
  return 0;
}
