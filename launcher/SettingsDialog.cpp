#include "launcher/SettingsDialog.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "launcher/DesktopForm.h"
#include "launcher/KeyNames.h"
#include "platform/sdl/SdlSettings.h"
#include "platform/system/Error.h"

namespace orvane {

namespace {

using platform::kActionCount;
using platform::kButtonActionCount;
using platform::kKeyActions;

constexpr int kRestoreDefaults = 1;
constexpr size_t kZoneActionCount = 6;  // left, right, up, down, jump, quit: the zones' keys
constexpr int kTestEffectSlot = 0, kTestMusicSlot = 1;
constexpr const char* kTestEffect = "Ring.Wav";
constexpr const char* kTestMusic = "Data/Music1.Wav";
constexpr const char* kPressAKey = "Press a key…";

}  // namespace

SettingsDialog::SettingsDialog(Gtk::Window& parent, std::filesystem::path folder)
    : Gtk::Dialog("Settings", parent, true), folder_(std::move(folder)) {
  std::vector<std::string> warnings;
  settings_ = platform::ReadSettings(platform::SettingsFile(), platform::SdlSettingsNames(), warnings);
  for (const std::string& w : warnings) std::fprintf(stderr, "Save: warning: %s\n", w.c_str());
  set_border_width(12);
  set_resizable(false);

  // keys: one row per action, the keys it has, a button to add one more
  for (Gtk::Grid& page : keyPages_) {
    page.set_row_spacing(4);
    page.set_column_spacing(8);
    page.set_border_width(8);
  }
  for (size_t i = 0; i < kActionCount; ++i) {
    const bool zone = i < kZoneActionCount;
    Gtk::Grid& page = keyPages_[zone ? 0 : 1];
    const int row = static_cast<int>(zone ? i : i - kZoneActionCount);
    keyLabels_[i].set_text(kKeyActions[i].label);
    keyLabels_[i].set_halign(Gtk::ALIGN_START);
    keyButtons_[i].set_size_request(180, -1);
    keyButtons_[i].set_tooltip_text("Click, then press the key for this action");
    addButtons_[i].set_label("+");
    addButtons_[i].set_tooltip_text("Click, then press one more key for this action");
    keyButtons_[i].signal_clicked().connect([this, i] { Capture(i, false); });
    addButtons_[i].signal_clicked().connect([this, i] { Capture(i, true); });
    page.attach(keyLabels_[i], 0, row);
    page.attach(keyButtons_[i], 1, row);
    page.attach(addButtons_[i], 2, row);
  }
  pages_.append_page(keyPages_[0], "Keys");
  pages_.append_page(keyPages_[1], "Title and ring demo");

  // sound, window and controller
  others_.set_row_spacing(8);
  others_.set_column_spacing(8);
  others_.set_border_width(8);
  for (Gtk::Scale* s : {&music_, &effects_}) {
    s->set_range(0, platform::kMaxVolume);
    s->set_increments(5, 10);
    s->set_digits(0);
    s->set_size_request(200, -1);
    s->signal_value_changed().connect([this] {
      if (audio_) audio_->SetVolumes(static_cast<int>(music_.get_value()), static_cast<int>(effects_.get_value()));
    });
  }
  testMusic_.signal_clicked().connect([this] { TestSound(true); });
  testEffects_.signal_clicked().connect([this] { TestSound(false); });
  deadZone_.set_range(0, platform::kMaxDeadZone);
  deadZone_.set_increments(1, 5);
  for (size_t a = 0; a < kButtonActionCount; ++a) padButtons_[a].signal_changed().connect([this, a] { ChooseButton(a); });
  int row = 0;
  auto line = [&](Gtk::Label& label, Gtk::Widget& w, Gtk::Widget* extra = nullptr) {
    label.set_halign(Gtk::ALIGN_START);
    others_.attach(label, 0, row);
    others_.attach(w, 1, row);
    if (extra) others_.attach(*extra, 2, row);
    ++row;
  };
  line(musicLabel_, music_, &testMusic_);
  line(effectsLabel_, effects_, &testEffects_);
  line(windowLabel_, fullScreen_);
  line(deadZoneLabel_, deadZone_);
  line(padJumpLabel_, padButtons_[platform::kButtonJump]);
  line(padQuitLabel_, padButtons_[platform::kButtonQuit]);
  pages_.append_page(others_, "Sound, window, controller");

  get_content_area()->pack_start(pages_, Gtk::PACK_EXPAND_WIDGET);
  message_.set_line_wrap(true);
  message_.set_margin_top(6);
  get_content_area()->pack_start(message_, Gtk::PACK_SHRINK);
  restore_ = add_button("Restore defaults", kRestoreDefaults);
  Gtk::Button* cancel = add_button("Cancel", Gtk::RESPONSE_CANCEL);
  Gtk::Button* save = add_button("Save", Gtk::RESPONSE_OK);
  set_default_response(Gtk::RESPONSE_OK);

  std::vector<std::pair<Gtk::Widget*, std::string>> places{
      {restore_, "RestoreDefaults"}, {cancel, "CancelSettings"}, {save, "SaveSettings"}};
  for (size_t i = 0; i < kActionCount; ++i) places.emplace_back(&keyButtons_[i], std::string("key-") + kKeyActions[i].name);
  LogPlacesOnFirstDraw(*this, std::move(places));

  // key presses reach the capture before the dialog's own keys (Escape, Enter)
  signal_key_press_event().connect(sigc::mem_fun(*this, &SettingsDialog::OnKeyPress), false);
  Show(settings_);
  show_all_children();
}

void SettingsDialog::Run() {
  for (;;) {
    const int response = run();
    if (response == kRestoreDefaults) {
      settings_ = platform::Settings::Defaults();
      capturing_.reset();
      Show(settings_);
      Say("Defaults restored; Save keeps them.", false);
      continue;
    }
    if (response != Gtk::RESPONSE_OK || Save()) break;
  }
  hide();
  audio_.reset();
}

void SettingsDialog::Show(const platform::Settings& s) {
  for (size_t i = 0; i < kActionCount; ++i) {
    keyButtons_[i].set_label(capturing_ == i && !adding_ ? kPressAKey : platform::JoinNames(s.keys[i]));
    addButtons_[i].set_label(capturing_ == i && adding_ ? kPressAKey : "+");
  }
  music_.set_value(s.musicVolume);
  effects_.set_value(s.effectsVolume);
  fullScreen_.set_active(s.fullScreen);
  deadZone_.set_value(s.deadZone);
  for (size_t a = 0; a < kButtonActionCount; ++a) {
    Gtk::ComboBoxText& box = padButtons_[a];
    box.remove_all();
    const std::string current = platform::JoinNames(s.buttons[a]);
    box.append(current);
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
      const char* name = SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(b));
      if (name && current != name) box.append(name);
    }
    box.set_active(0);
  }
}

void SettingsDialog::Capture(size_t action, bool adding) {
  capturing_ = action;
  adding_ = adding;
  Show(settings_);
  Say(std::string("Press the key for ") + kKeyActions[action].label + ".", false);
}

bool SettingsDialog::OnKeyPress(GdkEventKey* event) {
  if (!capturing_) return false;
  // the key itself, whatever Shift or Alt Gr is held: the game reads keys, not characters
  guint keyval = event->keyval;
  guint plain = 0;
  GdkKeymap* map = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  if (gdk_keymap_translate_keyboard_state(map, event->hardware_keycode, GdkModifierType(0), event->group, &plain,
                                          nullptr, nullptr, nullptr))
    keyval = plain;
  const std::optional<std::string> name = SdlKeyNameOf(keyval);
  const size_t action = *capturing_;
  if (!name) {
    Say("The game cannot tell that key apart; press another.", true);
    return true;
  }
  if (const auto other = platform::ActionUsing(settings_.keys, *name, action)) {
    Say(*name + " already plays " + kKeyActions[*other].label + "; press another key.", true);
    return true;
  }
  platform::Names& keys = settings_.keys[action];
  if (!adding_) keys.clear();
  if (std::find(keys.begin(), keys.end(), *name) == keys.end()) keys.push_back(*name);
  capturing_.reset();
  Show(settings_);
  Say(std::string(kKeyActions[action].label) + ": " + platform::JoinNames(keys), false);
  UiLog::Text("key " + std::string(kKeyActions[action].name), platform::JoinNames(keys));
  return true;
}

void SettingsDialog::ChooseButton(size_t action) {
  const std::string chosen = padButtons_[action].get_active_text();
  if (chosen.empty() || chosen == platform::JoinNames(settings_.buttons[action])) return;
  // the other action's buttons may not include the chosen one
  const size_t other = 1 - action;
  for (const std::string& b : settings_.buttons[other]) {
    if (b == chosen) {
      Say("The controller's " + chosen + " already plays " + platform::kButtonActionNames[other] + "; choose another.",
          true);
      padButtons_[action].set_active(0);
      return;
    }
  }
  settings_.buttons[action] = {chosen};
  Show(settings_);
}

void SettingsDialog::TestSound(bool music) {
  try {
    if (!audio_) {
      audio_ = std::make_unique<platform::SdlAudio>();
      audio_->Load(kTestEffectSlot, folder_ / kTestEffect, platform::SoundKind::Effect);
      audio_->Load(kTestMusicSlot, folder_ / kTestMusic, platform::SoundKind::Music);
    }
  } catch (const std::exception& e) {
    audio_.reset();
    Say(e.what(), true);
    return;
  }
  if (audio_->Silent()) {
    Say("There is no sound device to play on.", true);
    return;
  }
  audio_->SetVolumes(static_cast<int>(music_.get_value()), static_cast<int>(effects_.get_value()));
  const int slot = music ? kTestMusicSlot : kTestEffectSlot;
  audio_->Stop(music ? kTestEffectSlot : kTestMusicSlot);
  audio_->Stop(slot);
  audio_->SetCurrentPosition(slot, 0);
  audio_->Play(slot, false);
}

void SettingsDialog::Say(const std::string& text, bool refused) {
  message_.set_markup(refused ? "<span foreground=\"#b00000\">" + Glib::Markup::escape_text(text) + "</span>"
                              : Glib::Markup::escape_text(text));
  UiLog::Text("settings message", text);
}

bool SettingsDialog::Save() {
  settings_.musicVolume = static_cast<int>(music_.get_value());
  settings_.effectsVolume = static_cast<int>(effects_.get_value());
  settings_.fullScreen = fullScreen_.get_active();
  settings_.deadZone = deadZone_.get_value_as_int();
  try {
    platform::WriteSettingsFile(platform::SettingsFile(), platform::FormatSettings(settings_));
  } catch (const platform::FatalError& e) {
    Say(e.what(), true);
    return false;
  }
  return true;
}

}  // namespace orvane
