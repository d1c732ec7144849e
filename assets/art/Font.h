// The game's lettering: a chunky 5x7 pixel alphabet with digits, drawn at any size with a
// vertical colour ramp, a dark outline and an optional drop shadow.
#pragma once

#include <string>

#include "assets/art/Canvas.h"
#include "assets/common/PromptFont.h"

namespace assets::art {

// True when pixel (col, row) of the 5x7 glyph of `ch` is set (A..Z, 0..9, space and a few signs).
bool GlyphPixel(char ch, int col, int row);

struct TextStyle {
  Ramp ramp;           // top to bottom: ramp[3] at the top, ramp[0] at the bottom
  int sx = 1, sy = 1;  // size of one glyph pixel
  int advance = 6;     // glyph pixels per letter (5 + 1 gap) times sx
  bool shadow = false;
  Rgb ink = kInk;
};

// Draws `text` with its top-left glyph pixel at (x, y); returns the width drawn.
int DrawText(Image& img, int x, int y, const std::string& text, const TextStyle& style);
int TextWidth(const std::string& text, const TextStyle& style);

// Thin 5x7 capitals (digits and signs from the house font) for small words.
bool ThinGlyphPixel(char ch, int col, int row);
// 7x8 capitals of the title card and the act-clear lines (M and W are 8 wide).
int CardGlyphWidth(char ch);
bool CardGlyphPixel(char ch, int col, int row);

// The title prompt's font: the thin capitals with small letters of their own, one outlined glyph
// per cell in the layout of assets/common/PromptFont.h.
bool PromptGlyphPixel(char ch, int col, int row);
Image PromptFontSheet(const Ramp& fill, Rgb edge);

// A glyph row mapped onto `rows` output rows (for letters that must fit a given height).
void DrawGlyphFit(Image& img, int x, int y, char ch, int w, int h, const Ramp& ramp);

}  // namespace assets::art
