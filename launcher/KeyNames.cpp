#include "launcher/KeyNames.h"

#include <gdk/gdk.h>

#include <cctype>
#include <utility>

#include "platform/sdl/SdlSettings.h"

namespace orvane {

namespace {

// Keys whose GDK and SDL names differ; printable keys are named by their character.
constexpr std::pair<unsigned, const char*> kNamed[] = {
    {GDK_KEY_Left, "Left"},         {GDK_KEY_Right, "Right"},        {GDK_KEY_Up, "Up"},
    {GDK_KEY_Down, "Down"},         {GDK_KEY_space, "Space"},        {GDK_KEY_Return, "Return"},
    {GDK_KEY_Escape, "Escape"},     {GDK_KEY_Tab, "Tab"},            {GDK_KEY_BackSpace, "Backspace"},
    {GDK_KEY_Control_L, "Left Ctrl"}, {GDK_KEY_Control_R, "Right Ctrl"}, {GDK_KEY_Shift_L, "Left Shift"},
    {GDK_KEY_Shift_R, "Right Shift"}, {GDK_KEY_Alt_L, "Left Alt"},   {GDK_KEY_Alt_R, "Right Alt"},
    {GDK_KEY_ISO_Level3_Shift, "Right Alt"}, {GDK_KEY_Super_L, "Left GUI"}, {GDK_KEY_Super_R, "Right GUI"},
    {GDK_KEY_Home, "Home"},         {GDK_KEY_End, "End"},            {GDK_KEY_Page_Up, "PageUp"},
    {GDK_KEY_Page_Down, "PageDown"}, {GDK_KEY_Insert, "Insert"},     {GDK_KEY_Delete, "Delete"},
    {GDK_KEY_Caps_Lock, "CapsLock"}, {GDK_KEY_KP_Enter, "Keypad Enter"}, {GDK_KEY_KP_Add, "Keypad +"},
    {GDK_KEY_KP_Subtract, "Keypad -"}, {GDK_KEY_KP_Multiply, "Keypad *"}, {GDK_KEY_KP_Divide, "Keypad /"},
    {GDK_KEY_KP_Decimal, "Keypad ."}, {GDK_KEY_KP_Left, "Keypad 4"}, {GDK_KEY_KP_Right, "Keypad 6"},
    {GDK_KEY_KP_Up, "Keypad 8"},    {GDK_KEY_KP_Down, "Keypad 2"},
};

}  // namespace

std::optional<std::string> SdlKeyNameOf(unsigned keyval) {
  std::string name;
  for (const auto& [k, n] : kNamed) {
    if (k == keyval) name = n;
  }
  if (name.empty() && keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9) name = "Keypad " + std::to_string(keyval - GDK_KEY_KP_0);
  if (name.empty() && keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12) name = "F" + std::to_string(keyval - GDK_KEY_F1 + 1);
  if (name.empty()) {
    // a printable key of the plain ASCII range: SDL names it by its capital
    const unsigned c = gdk_keyval_to_unicode(gdk_keyval_to_lower(keyval));
    if (c > ' ' && c < 0x7f) name = std::string(1, static_cast<char>(std::toupper(static_cast<int>(c))));
  }
  if (name.empty()) return std::nullopt;
  return platform::SdlSettingsNames().key(name);
}

}  // namespace orvane
