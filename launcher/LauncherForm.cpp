#include "launcher/LauncherForm.h"

#include "engine/core/UserFiles.h"

namespace orvane {

std::filesystem::path StatusPictureFile(StatusPicture picture) {
  switch (picture) {
    case StatusPicture::Zone1Zinto: return "Data/Save/Zone1Zinto.bmp";
    case StatusPicture::Zone1Kubo: return "Data/Save/Zone1Kubo.bmp";
    case StatusPicture::Zone2Zinto: return "Data/Save/Zone2Zinto.bmp";
    case StatusPicture::Zone2Kubo: return "Data/Save/Zone2Kubo.bmp";
  }
  return {};
}

std::optional<StatusChoice> ChooseStatus(uint8_t progress, uint8_t character) {
  if (progress == 1 && character == 0) return StatusChoice{StatusPicture::Zone1Zinto, "Plum Vale", "Player: Zinto"};
  if (progress == 1 && character == 1) return StatusChoice{StatusPicture::Zone1Kubo, "Plum Vale", "Player: Kubo"};
  if (progress == 2 && character == 0) return StatusChoice{StatusPicture::Zone2Zinto, "Ash Moor", "Player: Zinto"};
  if (progress == 2 && character == 1) return StatusChoice{StatusPicture::Zone2Kubo, "Ash Moor", "Player: Kubo"};
  return std::nullopt;
}

std::string ResolutionLabel(uint8_t displayMode) {
  if (displayMode == 0) return "Current Resolution: 320x240";
  if (displayMode == 1) return "Current Resolution: 640x480";
  return kResolutionDesigned;
}

std::optional<std::string> ZoneProgramFor(uint8_t progress) {
  if (progress == 1) return "Plumvale.exe";
  if (progress == 2) return "Ashmoor.exe";
  return std::nullopt;
}

LauncherForm::LauncherForm(platform::Process& process, std::filesystem::path folder)
    : process_(process), folder_(std::move(folder)) {}

void LauncherForm::FormLoad() {
  config_ = std::make_unique<ConfigFile>(ConfigFilePath(folder_));
  Progress = config_->ReadByte(kConfigProgress);
  Character = config_->ReadByte(kConfigCharacter);
  if (const auto status = ChooseStatus(Progress, Character)) {
    Picture1 = status->picture;
    Label3 = status->zone;
    Label4 = status->player;
  }
  DisplayMode = config_->ReadByte(kConfigDisplayMode);
  Label5 = ResolutionLabel(DisplayMode);
}

void LauncherForm::SetDisplayMode(uint8_t mode) {
  DisplayMode = mode;
  Label5 = ResolutionLabel(mode);
  config_->WriteByte(kConfigDisplayMode, mode);
}

void LauncherForm::BsmallClick() { SetDisplayMode(0); }
void LauncherForm::BLargeClick() { SetDisplayMode(1); }

void LauncherForm::BPlayClick() {
  // The zone comes from the status read at load; a resolution chosen here does not change it.
  if (const auto program = ZoneProgramFor(Progress)) process_.Start(*program, folder_);
  config_.reset();
}

}  // namespace orvane
