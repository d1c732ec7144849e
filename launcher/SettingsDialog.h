// The launcher's Settings dialog: a key for each action (press a key to set it, a key another
// action uses is refused), the controller's dead zone and buttons, the music and effects volumes
// with a test sound, full screen or a window, and Restore defaults. Save writes the player's
// settings file; Cancel leaves it as it was.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include <gtkmm.h>

#include "platform/sdl/SdlAudio.h"
#include "platform/settings/Settings.h"

namespace orvane {

class SettingsDialog : public Gtk::Dialog {
 public:
  // `folder` is the launcher's own folder, where the test sounds lie.
  SettingsDialog(Gtk::Window& parent, std::filesystem::path folder);
  // Shows the dialog until Save or Cancel; Save writes the file (a fault is shown, the dialog stays).
  void Run();

 private:
  void Show(const platform::Settings& s);
  void Capture(size_t action, bool adding);
  bool OnKeyPress(GdkEventKey* event);
  void ChooseButton(size_t action);
  void TestSound(bool music);
  void Say(const std::string& text, bool refused);
  bool Save();

  std::filesystem::path folder_;
  platform::Settings settings_;
  std::optional<size_t> capturing_;
  bool adding_ = false;
  std::unique_ptr<platform::SdlAudio> audio_;

  // the zones' keys on one page, the title's and the ring demo's on another: each fits a small screen
  std::array<Gtk::Grid, 2> keyPages_;
  std::array<Gtk::Label, platform::kActionCount> keyLabels_;
  std::array<Gtk::Button, platform::kActionCount> keyButtons_;
  std::array<Gtk::Button, platform::kActionCount> addButtons_;
  Gtk::Label message_;

  Gtk::Grid others_;
  Gtk::Label musicLabel_{"Music"}, effectsLabel_{"Effects"}, windowLabel_{"Window"};
  Gtk::Scale music_{Gtk::ORIENTATION_HORIZONTAL}, effects_{Gtk::ORIENTATION_HORIZONTAL};
  Gtk::Button testMusic_{"Test"}, testEffects_{"Test"};
  Gtk::CheckButton fullScreen_{"Full screen (Alt+Enter switches while playing)"};
  Gtk::Label deadZoneLabel_{"Stick dead zone (%)"}, padJumpLabel_{"Controller jump"}, padQuitLabel_{"Controller quit"};
  Gtk::SpinButton deadZone_;
  std::array<Gtk::ComboBoxText, platform::kButtonActionCount> padButtons_;

  Gtk::Notebook pages_;
  Gtk::Button* restore_ = nullptr;
};

}  // namespace orvane
