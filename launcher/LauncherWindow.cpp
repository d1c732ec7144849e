#include "launcher/LauncherWindow.h"

#include "launcher/DesktopForm.h"
#include "launcher/SettingsDialog.h"
#include "platform/system/Error.h"
#include "platform/video/Bmp.h"

namespace orvane {

namespace {
constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 150;

// A status picture, read by the game's own bitmap loader, so that it gets the same checks.
Glib::RefPtr<Gdk::Pixbuf> LoadPicture(const std::filesystem::path& file) {
  const platform::RgbImage image = platform::DecodeBitmap(file, kPictureWidth, kPictureHeight);
  auto pixbuf = Gdk::Pixbuf::create(Gdk::COLORSPACE_RGB, false, 8, image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    guint8* row = pixbuf->get_pixels() + static_cast<ptrdiff_t>(y) * pixbuf->get_rowstride();
    for (int x = 0; x < image.width; ++x) {
      const uint32_t p = image.pixels[static_cast<size_t>(y * image.width + x)];
      row[3 * x] = static_cast<guint8>(p >> 16);
      row[3 * x + 1] = static_cast<guint8>(p >> 8);
      row[3 * x + 2] = static_cast<guint8>(p);
    }
  }
  return pixbuf;
}

}  // namespace

LauncherWindow::LauncherWindow(LauncherForm& form, const std::filesystem::path& folder) : form_(form), folder_(folder) {
  for (int i = 0; i < kStatusPictureCount; ++i) {
    const std::filesystem::path file = folder / StatusPictureFile(static_cast<StatusPicture>(i));
    pictures_[static_cast<size_t>(i)] = LoadPicture(file);
  }

  set_title(kLauncherCaption);
  set_resizable(false);
  set_position(Gtk::WIN_POS_CENTER);
  set_border_width(16);
  FitWidthToTitle(*this);

  // heading
  Label1.set_markup(std::string("<b><big>") + kStatusHeading + "</big></b>");
  Label1.set_halign(Gtk::ALIGN_START);
  outer_.pack_start(Label1, Gtk::PACK_SHRINK);

  // the status picture beside the three status lines
  pictureFrame_.set_shadow_type(Gtk::SHADOW_IN);
  pictureFrame_.set_size_request(kPictureWidth + 4, kPictureHeight + 4);
  pictureFrame_.set_valign(Gtk::ALIGN_START);
  pictureFrame_.add(Picture1);
  body_.pack_start(pictureFrame_, Gtk::PACK_SHRINK);

  for (Gtk::Label* l : {&Label2, &Label3, &Label4, &Label5}) l->set_halign(Gtk::ALIGN_START);
  Label3.set_markup("");
  zoneRow_.pack_start(Label2, Gtk::PACK_SHRINK);
  zoneRow_.pack_start(Label3, Gtk::PACK_SHRINK);
  status_.pack_start(zoneRow_, Gtk::PACK_SHRINK);
  status_.pack_start(Label4, Gtk::PACK_SHRINK);
  status_.pack_start(Label5, Gtk::PACK_SHRINK);
  modeRow_.pack_start(Bsmall, Gtk::PACK_SHRINK);
  modeRow_.pack_start(BLarge, Gtk::PACK_SHRINK);
  modeRow_.set_margin_top(8);
  status_.pack_start(modeRow_, Gtk::PACK_SHRINK);
  body_.pack_start(status_, Gtk::PACK_EXPAND_WIDGET);
  outer_.pack_start(body_, Gtk::PACK_EXPAND_WIDGET);

  // Play and Quit at the foot, Play the default (Enter)
  actions_.set_layout(Gtk::BUTTONBOX_END);
  actions_.set_spacing(8);
  actions_.pack_start(BSettings);
  actions_.set_child_secondary(BSettings);
  actions_.pack_start(BQuit);
  actions_.pack_start(BPlay);
  outer_.pack_start(actions_, Gtk::PACK_SHRINK);
  add(outer_);

  BPlay.set_can_default(true);
  set_default(BPlay);

  Bsmall.signal_clicked().connect([this] { Guarded(&LauncherForm::BsmallClick, false); });
  BLarge.signal_clicked().connect([this] { Guarded(&LauncherForm::BLargeClick, false); });
  BPlay.signal_clicked().connect([this] { Guarded(&LauncherForm::BPlayClick, true); });
  // Quit ends the launcher; the configuration file closes with the form.
  BQuit.signal_clicked().connect([this] { hide(); });
  BSettings.signal_clicked().connect([this] {
    SettingsDialog dialog(*this, folder_);
    dialog.Run();
  });

  LogPlacesOnFirstDraw(*this, {{&Bsmall, "320x240"}, {&BLarge, "640x480"}, {&BPlay, "Play"}, {&BQuit, "Quit"},
                                 {&BSettings, "Settings"}});
  show_all_children();
}

void LauncherWindow::FormLoad() {
  form_.FormLoad();
  ShowStatus();
  BPlay.grab_focus();
}

void LauncherWindow::ShowStatus() {
  if (form_.Picture1) Picture1.set(pictures_[static_cast<size_t>(*form_.Picture1)]);
  Label3.set_text(form_.Label3);
  Label4.set_text(form_.Label4);
  Label5.set_text(form_.Label5);
  UiLog::Text("Label3", form_.Label3);
  UiLog::Text("Label4", form_.Label4);
  UiLog::Text("Label5", form_.Label5);
  UiLog::Text("Picture1", form_.Picture1 ? StatusPictureFile(*form_.Picture1).filename().string() : "(none)");
}

void LauncherWindow::Guarded(void (LauncherForm::*click)(), bool endsAfter) {
  try {
    (form_.*click)();
    ShowStatus();
  } catch (const std::exception& e) {
    ReportFault("Save", e.what(), this);
    exitStatus_ = 1;
    endsAfter = true;
  }
  if (endsAfter) hide();
}

}  // namespace orvane
