// The launcher's decisions, kept apart from its window: which status picture and labels the game
// status asks for, what a resolution button writes, and which zone program "Play" starts.
// The window (LauncherWindow) only shows what this form holds and forwards the button presses.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "engine/core/ConfigFile.h"
#include "platform/system/System.h"

namespace orvane {

// The labels' texts as the window is designed.
inline constexpr const char* kLauncherCaption = "Orvane Game Progression";
inline constexpr const char* kStatusHeading = "Current Game Status";
inline constexpr const char* kZoneCaption = "ZONE :";
inline constexpr const char* kPlayerDesigned = "Player :";
inline constexpr const char* kResolutionDesigned = "Current Resolution:";

// The four status pictures, in the order Picture2 to Picture5, as files below the launcher's folder.
enum class StatusPicture { Zone1Zinto, Zone1Kubo, Zone2Zinto, Zone2Kubo };
inline constexpr int kStatusPictureCount = 4;
std::filesystem::path StatusPictureFile(StatusPicture picture);

// What a Progress and Character pair shows. Any pair outside the table leaves the picture and both
// labels as they are.
struct StatusChoice {
  StatusPicture picture;
  const char* zone;
  const char* player;
};
std::optional<StatusChoice> ChooseStatus(uint8_t progress, uint8_t character);

// The resolution line for a display-mode byte; a value other than 0 or 1 keeps the designed text.
std::string ResolutionLabel(uint8_t displayMode);

// The zone program "Play" starts for a Progress value, or none (0: no zone chosen; other values).
std::optional<std::string> ZoneProgramFor(uint8_t progress);

class LauncherForm {
 public:
  // `folder` is the launcher's own folder (the installation's Data/); Orvane.cfg lies there, or in the
  // user's folder when the installation is read-only (UserFiles.h).
  LauncherForm(platform::Process& process, std::filesystem::path folder);

  // Opens the configuration file (kept open until the form is destroyed), reads the game status and
  // fills the picture and labels.
  void FormLoad();
  // "320x240" and "640x480": the display mode is written at once.
  void BsmallClick();
  void BLargeClick();
  // "Play": starts the zone program chosen by the Progress read at load. The caller ends the launcher.
  void BPlayClick();

  // Status read at load.
  uint8_t Progress = 0;
  uint8_t Character = 0;
  uint8_t DisplayMode = 0;

  // What the window shows.
  std::optional<StatusPicture> Picture1;
  std::string Label3;
  std::string Label4 = kPlayerDesigned;
  std::string Label5 = kResolutionDesigned;

 private:
  void SetDisplayMode(uint8_t mode);

  platform::Process& process_;
  std::filesystem::path folder_;
  std::unique_ptr<ConfigFile> config_;
};

}  // namespace orvane
