// One of the act's data files (chosen when the target is built: FUZZ_TILES, FUZZ_BACKMAP,
// FUZZ_BLOCKMAP, FUZZ_ITEMS or FUZZ_CURVE) read through the game's loader, then played for a few
// frames. The bytes past the file's format (which the loader ignores) place the player and hold
// the keys, so the fuzzer can steer play over what it wrote. A file the loader refuses must be a
// FatalError; once it is accepted, the frames must run without any fault.
#include <cstring>
#include <memory>

#include "engine/core/ZoneForm.h"
#include "platform/headless/Headless.h"
#include "platform/system/Error.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/MiniInstall.h"
#include "tests/support/ZoneFixture.h"
#include "zones/ZoneProgram.h"

namespace {

using namespace orvane;

constexpr int kFramesPerInput = 24;
constexpr int kFramesPerKeyByte = 4;

struct Harness {
  std::filesystem::path folder;
  platform::HeadlessPlatform os{1};
  std::unique_ptr<ZoneForm> started;

  explicit Harness(const ZoneTables& zone) : folder(fuzz::ScratchFolder((std::string(FUZZ_NAME) + "-" + zone.program).c_str())) {
    // a sound installation with a floor along row 6, started once; each input starts from a copy
    test::ZoneFixture z(zone);
    z.FillRow(6, 1);
    z.SaveAct();
    test::WriteMinimalInstallation(folder, zone);
    std::filesystem::copy(z.folder(), folder,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    started = std::make_unique<ZoneForm>(os.Get(), zone, folder);
    started->FormLoad();
  }
};

Harness& HarnessFor(bool ashmoor) {
  static Harness plumvale(PlumvaleTables());
  static Harness ashmoorZone(AshmoorTables());
  return ashmoor ? ashmoorZone : plumvale;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks the zone (and, for Ash Moor, the act); the rest is the file.
  if (size < 1) return 0;
  const bool ashmoor = (data[0] & 1) != 0;
  const int act = ashmoor ? (data[0] >> 1) % 3 : 0;
  ++data;
  --size;
  Harness& h = HarnessFor(ashmoor);
  ZoneForm form(*h.started);  // surfaces, sounds and start values of the started program
  [[maybe_unused]] const ZoneFiles& files = form.Zone().files;
  [[maybe_unused]] const size_t a = static_cast<size_t>(act);
#if defined(FUZZ_TILES)
  const std::filesystem::path file = h.folder / files.tiles;
  const size_t format = static_cast<size_t>(2 * form.Zone().tileRows);
#elif defined(FUZZ_BACKMAP)
  const std::filesystem::path file = h.folder / files.backMap;
  const size_t format = kBackMapFileSize;
#elif defined(FUZZ_BLOCKMAP)
  const std::filesystem::path file = h.folder / files.actMap[a];
  const size_t format = kBlockMapFileSize;
#elif defined(FUZZ_ITEMS)
  const std::filesystem::path file = h.folder / files.actItems[a];
  const size_t format = kItemFileSize;
#elif defined(FUZZ_CURVE)
  const std::filesystem::path file = h.folder / "Data/Qloop.crv";
  const size_t format = kCurveFileSize;
#endif
  fuzz::WriteInput(file, data, size);
  form.ActIndex = static_cast<int16_t>(act);
  try {
    form.LevelMapLoad();  // Running is 1: a reload, as after a death
#if defined(FUZZ_CURVE)
    const auto curve = ReadDataFile(file, kCurveFileSize);
    for (int i = 0; i <= 128; ++i) form.CurveTable[i] = curve[static_cast<size_t>(i)];
#endif
  } catch (const platform::FatalError& e) {
    if (size >= format && std::strstr(e.what(), "beyond 32767") == nullptr)
      fuzz::Broken(std::string("a whole file was refused: ") + e.what());
    if (std::strstr(e.what(), file.filename().c_str()) == nullptr)
      fuzz::Broken(std::string("the fault does not name the file: ") + e.what());
    return 0;
  }

  // the tail steers the play
  const uint8_t* tail = size > format ? data + format : nullptr;
  const size_t tailSize = size > format ? size - format : 0;
  form.ControlOn = 1;
  if (tailSize >= 4) {
    form.PlayerX = (tail[0] | tail[1] << 8) % 9984;
    form.PlayerY = (tail[2] | tail[3] << 8) % 1280;
  }
  try {
    for (int f = 0; f < kFramesPerInput; ++f) {
      const size_t k = 4 + static_cast<size_t>(f / kFramesPerKeyByte);
      const uint8_t keys = k < tailSize ? tail[k] : 0x12;  // Right and jump
      h.os.input.ReleaseAll();
      fuzz::HoldKeys(keys, [&](platform::Key key, bool down) { h.os.input.Set(key, down); });
      form.Frame();
      h.os.ClearEvents();
    }
  } catch (const ProgramEnded&) {
  } catch (const std::exception& e) {
    fuzz::Broken(std::string("play stopped: ") + e.what());
  }
  return 0;
}
