// Save: the launcher between the title and the zones. It shows the game status, lets the player pick
// the resolution and starts the next zone.
#include <exception>

#include <gtkmm.h>

#include "launcher/DesktopForm.h"
#include "launcher/LauncherForm.h"
#include "launcher/LauncherWindow.h"
#include "platform/system/PosixProcess.h"
#include "platform/system/ProgramFolder.h"

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  auto app = Gtk::Application::create("org.orvane.Save", Gio::APPLICATION_NON_UNIQUE);
  const std::filesystem::path folder = platform::ProgramFolder();
  platform::PosixProcess process;
  orvane::LauncherForm form(process, folder);
  try {
    orvane::LauncherWindow window(form, folder);
    window.FormLoad();
    app->run(window);
    return window.ExitStatus();
  } catch (const std::exception& e) {
    orvane::ReportFault("Save", e.what(), nullptr);
    return 1;
  }
}
