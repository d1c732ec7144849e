// Modepick: picks the resolution every other program of the game reads from the configuration file.
#include <exception>

#include <gtkmm.h>

#include "launcher/DesktopForm.h"
#include "modetool/ModeTool.h"
#include "platform/system/ProgramFolder.h"

namespace orvane {

class ModeToolWindow : public Gtk::Window {
 public:
  explicit ModeToolWindow(std::filesystem::path folder) : folder_(std::move(folder)) {
    set_title(kModeToolCaption);
    set_resizable(false);
    set_position(Gtk::WIN_POS_CENTER);
    set_border_width(16);
    FitWidthToTitle(*this);
    Label1.set_halign(Gtk::ALIGN_CENTER);
    box_.pack_start(Label1, Gtk::PACK_SHRINK);
    buttons_.set_layout(Gtk::BUTTONBOX_CENTER);
    buttons_.set_spacing(8);
    buttons_.pack_start(Command1);
    buttons_.pack_start(Command2);
    box_.pack_start(buttons_, Gtk::PACK_SHRINK);
    add(box_);
    Command1.signal_clicked().connect([this] { Press(kCommand1); });
    Command2.signal_clicked().connect([this] { Press(kCommand2); });
    LogPlacesOnFirstDraw(*this, {{&Command1, kCommand1.text}, {&Command2, kCommand2.text}});
    UiLog::Text("Label1", kModeToolPrompt);
    show_all_children();
    Command1.grab_focus();
  }
  int ExitStatus() const { return exitStatus_; }

 private:
  void Press(const ModeButton& button) {
    try {
      WriteDisplayMode(folder_, button.mode);
      UiLog::Text("written", std::to_string(button.mode));
      if (button.endsTool) hide();
    } catch (const std::exception& e) {
      ReportFault("Modepick", e.what(), this);
      exitStatus_ = 1;
      hide();
    }
  }

  std::filesystem::path folder_;
  int exitStatus_ = 0;
  Gtk::Box box_{Gtk::ORIENTATION_VERTICAL, 12};
  Gtk::Label Label1{kModeToolPrompt};
  Gtk::ButtonBox buttons_{Gtk::ORIENTATION_HORIZONTAL};
  Gtk::Button Command1{kCommand1.text};
  Gtk::Button Command2{kCommand2.text};
};

}  // namespace orvane

int main() {
  auto app = Gtk::Application::create("org.orvane.Modepick", Gio::APPLICATION_NON_UNIQUE);
  orvane::ModeToolWindow window(platform::ProgramFolder());
  app->run(window);
  return window.ExitStatus();
}
