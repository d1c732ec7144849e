// The launcher's key capture names keys as the game reads them.
#include <gdk/gdk.h>
#include <gtest/gtest.h>

#include "launcher/KeyNames.h"

namespace orvane {
namespace {

TEST(KeyNames, AKeyPressedInTheDialogGetsTheNameTheGameReads) {
  const std::pair<unsigned, const char*> keys[] = {
      {GDK_KEY_space, "Space"},   {GDK_KEY_Control_L, "Left Ctrl"}, {GDK_KEY_Control_R, "Right Ctrl"},
      {GDK_KEY_a, "A"},           {GDK_KEY_A, "A"},                 {GDK_KEY_z, "Z"},
      {GDK_KEY_1, "1"},           {GDK_KEY_Left, "Left"},           {GDK_KEY_Escape, "Escape"},
      {GDK_KEY_comma, "Comma"},       {GDK_KEY_KP_5, "Keypad 5"},       {GDK_KEY_F12, "F12"},
      {GDK_KEY_Shift_R, "Right Shift"}, {GDK_KEY_Return, "Return"},
  };
  for (const auto& [keyval, name] : keys) EXPECT_EQ(SdlKeyNameOf(keyval).value_or("(none)"), name) << keyval;
  // keys the game cannot tell apart are refused
  EXPECT_FALSE(SdlKeyNameOf(GDK_KEY_eacute));
  EXPECT_FALSE(SdlKeyNameOf(GDK_KEY_VoidSymbol));
}

}  // namespace
}  // namespace orvane
