// The launcher's window: the game status with its picture, the two resolution buttons, Play and Quit,
// and Settings, which opens the player's settings dialog.
#pragma once

#include <array>
#include <filesystem>

#include <gtkmm.h>

#include "launcher/LauncherForm.h"

namespace orvane {

class LauncherWindow : public Gtk::Window {
 public:
  // Loads the four status pictures (a missing, short or wrong one is a FatalError naming it); does not touch the
  // configuration file yet.
  LauncherWindow(LauncherForm& form, const std::filesystem::path& folder);
  // Opens the configuration file and shows the status it holds.
  void FormLoad();
  int ExitStatus() const { return exitStatus_; }

 private:
  void ShowStatus();
  void Guarded(void (LauncherForm::*click)(), bool endsAfter);

  LauncherForm& form_;
  std::filesystem::path folder_;
  std::array<Glib::RefPtr<Gdk::Pixbuf>, kStatusPictureCount> pictures_;
  int exitStatus_ = 0;

  Gtk::Box outer_{Gtk::ORIENTATION_VERTICAL, 12};
  Gtk::Label Label1{kStatusHeading};
  Gtk::Box body_{Gtk::ORIENTATION_HORIZONTAL, 16};
  Gtk::Frame pictureFrame_;
  Gtk::Image Picture1;
  Gtk::Box status_{Gtk::ORIENTATION_VERTICAL, 8};
  Gtk::Box zoneRow_{Gtk::ORIENTATION_HORIZONTAL, 6};
  Gtk::Label Label2{kZoneCaption};
  Gtk::Label Label3;
  Gtk::Label Label4{kPlayerDesigned};
  Gtk::Label Label5{kResolutionDesigned};
  Gtk::Box modeRow_{Gtk::ORIENTATION_HORIZONTAL, 6};
  Gtk::Button Bsmall{"320x240"};
  Gtk::Button BLarge{"640x480"};
  Gtk::ButtonBox actions_{Gtk::ORIENTATION_HORIZONTAL};
  Gtk::Button BSettings{"Settings…"};
  Gtk::Button BQuit{"Quit"};
  Gtk::Button BPlay{"Play"};
};

}  // namespace orvane
