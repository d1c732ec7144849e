// The ring demo's Level.map of any content through its loader, then a few frames of the demo on it.
// Bytes past the 639 cells (which the loader ignores) hold the keys, so the fuzzer can steer the
// view over the floor it wrote.
#include <memory>

#include "platform/headless/Headless.h"
#include "ringdepth/Ringdepth.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/MiniInstall.h"

namespace {

constexpr int kFrames = 16;
constexpr int kFramesPerKeyByte = 2;

struct Demo {
  std::filesystem::path folder = orvane::fuzz::ScratchFolder("floormap");
  platform::HeadlessPlatform os{1};
  std::unique_ptr<orvane::RingdepthForm> form;
  Demo() {
    orvane::test::WriteBitmap(folder / "back.bmp", 320, 240, 20, 20, 60);
    orvane::test::WriteBitmap(folder / "ring.bmp", 128, 144, 250, 200, 40);
    const uint8_t empty = 0;
    orvane::fuzz::WriteInput(folder / "Level.map", &empty, 1);
    form = std::make_unique<orvane::RingdepthForm>(os.Get(), folder);
    form->StartUp();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Demo demo;
  orvane::fuzz::WriteInput(demo.folder / "Level.map", data, size);
  orvane::RingdepthForm form(*demo.form);
  form.Floor = orvane::ReadFloorMap(demo.folder / "Level.map");
  for (size_t k = 0; k < orvane::kFloorCells; ++k)
    if (form.Floor[k] != (k < size ? data[k] : 0)) orvane::fuzz::Broken("cell " + std::to_string(k) + " reads wrong");
  for (size_t k = orvane::kFloorCells; k < orvane::kFloorStore; ++k)
    if (form.Floor[k] != 0) orvane::fuzz::Broken("the store past the floor is not empty");
  for (int f = 0; f < kFrames; ++f) {
    const size_t k = orvane::kFloorCells + static_cast<size_t>(f / kFramesPerKeyByte);
    demo.os.input.ReleaseAll();
    orvane::fuzz::HoldKeys(k < size ? data[k] : 0, [&](platform::Key key, bool down) { demo.os.input.Set(key, down); });
    for (int repeat = 0; repeat < (k < size ? data[k] >> 7 : 0) * 40 + 1; ++repeat) form.Calculation();
    form.Animation();
    form.Blit();
  }
  return 0;
}
