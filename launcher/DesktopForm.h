// What the two desktop windows (the launcher and the display-mode tool) share: the one-line fault
// report, and an optional record of what the window shows for the end-to-end tests.
#pragma once

#include <filesystem>
#include <string>

#include <gtkmm.h>

namespace orvane {

// Prints the fault in one line on standard error and, when `parent` is shown, in a message box.
void ReportFault(const std::string& program, const std::string& message, Gtk::Window* parent);

// Makes the window at least as wide as its title needs in a window manager's title bar.
void FitWidthToTitle(Gtk::Window& window);

// When ORVANE_UI_LOG names a file, every shown text and each button's place in its window
// (x y width height) are appended to it, one line each, so a test can read what a player sees.
class UiLog {
 public:
  static void Text(const std::string& control, const std::string& text);
  static void Place(Gtk::Window& window, Gtk::Widget& widget, const std::string& control);
  static bool Enabled();
};

// Reports every button's place once the window has its size (at its first drawing).
void LogPlacesOnFirstDraw(Gtk::Window& window, std::vector<std::pair<Gtk::Widget*, std::string>> controls);

}  // namespace orvane
