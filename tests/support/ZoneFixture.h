// A zone engine on the headless platform with an act built in the test: no data files are needed
// until something reloads the act (SaveAct writes the act's tables so that a reload finds them).
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>

#include "engine/core/ZoneForm.h"
#include "platform/headless/Headless.h"
#include "zones/ZoneProgram.h"

namespace orvane::test {

class ZoneFixture {
 public:
  explicit ZoneFixture(const ZoneTables& zone = PlumvaleTables(), uint32_t seed = 1);
  ~ZoneFixture();

  ZoneForm& form() { return *form_; }
  ZoneForm* operator->() { return form_.get(); }
  platform::HeadlessPlatform& os() { return os_; }
  const platform::HeadlessPlatform& os() const { return os_; }
  const std::filesystem::path& folder() const { return folder_; }

  // The act: blocks by row and column, items by index.
  void SetBlock(int row, int column, uint8_t value) { form_->BlockMap[row * 78 + column] = value; }
  void SetBlock2(int row, int column, uint8_t value) { form_->BlockMap2[row * 78 + column] = value; }
  // A floor of `value` along a whole row.
  void FillRow(int row, uint8_t value);
  void SetItem(int index, uint8_t kind, int x, int y);

  // Puts the player in play: the title card gone, standing still at (x, y).
  void Play(double x, double y);

  // Holds exactly these keys from now on.
  void Hold(std::initializer_list<platform::Key> keys);
  // Runs `n` frames of Movement only, or of the whole pass.
  void Move(int n = 1);
  void Frames(int n = 1);

  // Writes the act's current tables as the zone's data files in folder(), so that LevelMapLoad and
  // ResetAct read them back; also writes an empty configuration file.
  void SaveAct();

  // How many recorded sound calls `op` ("play", "loop", "stop") went to `slot`.
  int SoundCalls(int slot, const char* op) const;

 private:
  platform::HeadlessPlatform os_;
  std::filesystem::path folder_;
  std::unique_ptr<ZoneForm> form_;
};

}  // namespace orvane::test
