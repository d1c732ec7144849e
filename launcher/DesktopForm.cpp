#include "launcher/DesktopForm.h"

#include <cstdio>
#include <fstream>
#include <memory>

#include "platform/system/Overrides.h"

namespace orvane {

void ReportFault(const std::string& program, const std::string& message, Gtk::Window* parent) {
  std::fprintf(stderr, "%s: %s\n", program.c_str(), message.c_str());
  if (!parent || !parent->get_visible()) return;
  Gtk::MessageDialog box(*parent, message, false, Gtk::MESSAGE_ERROR, Gtk::BUTTONS_OK, true);
  box.set_title(program);
  box.run();
}

void FitWidthToTitle(Gtk::Window& window) {
  // A window manager writes the title in a bold face between the window's icon and its three
  // buttons; a window narrower than that shows its own name cut short.
  constexpr int kTitleBarChrome = 140;
  Pango::FontDescription font = window.get_style_context()->get_font();
  font.set_weight(Pango::WEIGHT_BOLD);
  Glib::RefPtr<Pango::Layout> layout = window.create_pango_layout(window.get_title());
  layout->set_font_description(font);
  int width = 0, height = 0;
  layout->get_pixel_size(width, height);
  window.set_size_request(width + kTitleBarChrome, -1);
}

namespace {
void Append(const std::string& line) {
  const std::string path = platform::ReadOverrides().uiLog;
  if (path.empty()) return;
  std::ofstream out(path, std::ios::app);
  out << line << '\n';
}
}  // namespace

bool UiLog::Enabled() { return !platform::ReadOverrides().uiLog.empty(); }

void UiLog::Text(const std::string& control, const std::string& text) {
  if (Enabled()) Append("text " + control + " " + text);
}

void UiLog::Place(Gtk::Window& window, Gtk::Widget& widget, const std::string& control) {
  if (!Enabled()) return;
  int x = 0, y = 0;
  widget.translate_coordinates(window, 0, 0, x, y);
  const Gtk::Allocation a = widget.get_allocation();
  Append("place " + control + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(a.get_width()) +
         " " + std::to_string(a.get_height()));
}

void LogPlacesOnFirstDraw(Gtk::Window& window, std::vector<std::pair<Gtk::Widget*, std::string>> controls) {
  if (!UiLog::Enabled()) return;
  auto done = std::make_shared<bool>(false);
  window.signal_draw().connect(
      [&window, controls = std::move(controls), done](const Cairo::RefPtr<Cairo::Context>&) {
        if (!*done) {
          *done = true;
          for (const auto& [widget, name] : controls) UiLog::Place(window, *widget, name);
          Append("shown " + std::string(window.get_title()));
        }
        return false;
      },
      false);
}

}  // namespace orvane
