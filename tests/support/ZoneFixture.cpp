#include "tests/support/ZoneFixture.h"

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/core/Vocabulary.h"

namespace orvane::test {

namespace {

std::filesystem::path FreshFolder() {
  static std::mt19937_64 rng{std::random_device{}()};
  auto p = std::filesystem::temp_directory_path() / ("orvane-test-" + std::to_string(rng()));
  std::filesystem::create_directories(p);
  return p;
}

void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

ZoneFixture::ZoneFixture(const ZoneTables& zone, uint32_t seed)
    : os_(seed), folder_(FreshFolder()), form_(std::make_unique<ZoneForm>(os_.Get(), zone, folder_)) {
  form_->WorkSurface = platform::Surface(320, 240);
}

ZoneFixture::~ZoneFixture() {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void ZoneFixture::FillRow(int row, uint8_t value) {
  for (int c = 0; c < 78; ++c) SetBlock(row, c, value);
}

void ZoneFixture::SetItem(int index, uint8_t kind, int x, int y) {
  ZoneForm& f = *form_;
  f.ItemKind[index] = kind;
  f.ItemX[index] = static_cast<int16_t>(x);
  f.ItemY[index] = static_cast<int16_t>(y);
  f.ItemXHigh[index] = static_cast<uint8_t>(x / 128);
  f.ItemXLow[index] = static_cast<uint8_t>(x % 128);
  f.ItemYHigh[index] = static_cast<uint8_t>(y / 128);
  f.ItemYLow[index] = static_cast<uint8_t>(y % 128);
}

void ZoneFixture::Play(double x, double y) {
  ZoneForm& f = *form_;
  f.Running = 1;
  f.ControlOn = kSet;
  f.PlayerX = x;
  f.PlayerY = y;
  f.SpeedX = f.SpeedY = 0;
  f.Airborne = 0;
  if (f.Character == kZinto) f.Facing = kFacingRight;
  else f.FacingAlt = kFacingAltRight;
}

void ZoneFixture::Hold(std::initializer_list<platform::Key> keys) {
  os_.input.ReleaseAll();
  for (platform::Key k : keys) os_.input.Set(k, true);
}

void ZoneFixture::Move(int n) {
  for (int i = 0; i < n; ++i) form_->Movement();
}

void ZoneFixture::Frames(int n) {
  for (int i = 0; i < n; ++i) form_->Frame();
}

void ZoneFixture::SaveAct() {
  ZoneForm& f = *form_;
  const ZoneTables& z = f.Zone();
  const int n = z.tileRows;
  std::vector<uint8_t> tiles(static_cast<size_t>(2 * n));
  for (int i = 0; i < n; ++i) {
    tiles[static_cast<size_t>(i)] = f.TileTable[i];
    tiles[static_cast<size_t>(n + i)] = f.TileTable[decltype(f.TileTable)::kSize / 2 + i];
  }
  Write(folder_ / z.files.tiles, tiles);
  std::vector<uint8_t> back(kBackMapFileSize);
  for (size_t i = 0; i < back.size(); ++i) back[i] = f.BackMap[static_cast<int>(i)];
  Write(folder_ / z.files.backMap, back);
  std::vector<uint8_t> map(kBlockMapFileSize);
  for (size_t i = 0; i < kBlockLayerBytes; ++i) {
    map[i] = f.BlockMap[static_cast<int>(i)];
    map[kSecondLayerOffset + i] = f.BlockMap2[static_cast<int>(i)];
  }
  std::vector<uint8_t> items(kItemFileSize);
  for (int i = 0; i < static_cast<int>(kItemRecords); ++i) {
    uint8_t* rec = &items[static_cast<size_t>(i) * kItemRecordBytes];
    rec[0] = f.ItemKind[i];
    rec[1] = f.ItemXHigh[i];
    rec[2] = f.ItemXLow[i];
    rec[3] = f.ItemYHigh[i];
    rec[4] = f.ItemYLow[i];
  }
  for (int act = 0; act < z.actCount; ++act) {
    Write(folder_ / z.files.actMap[static_cast<size_t>(act)], map);
    Write(folder_ / z.files.actItems[static_cast<size_t>(act)], items);
  }
  if (!std::filesystem::exists(folder_ / "Orvane.cfg")) Write(folder_ / "Orvane.cfg", {});
}

int ZoneFixture::SoundCalls(int slot, const char* op) const {
  int n = 0;
  for (const auto& e : os_.Events())
    if (e.kind == platform::RecordedEvent::Kind::Sound && e.slot == slot && e.op == op) ++n;
  return n;
}

}  // namespace orvane::test
