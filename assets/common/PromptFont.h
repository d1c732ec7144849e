// The layout of the title prompt's pixel font sheet, shared by the generator that draws it and the
// title program that writes with it: printable ASCII from the space on, 16 cells a row, each cell
// holding one outlined glyph whose top-left pixel lies one pixel in from the cell's corner.
#pragma once

namespace assets {

inline constexpr int kPromptCellW = 8;
inline constexpr int kPromptCellH = 12;
inline constexpr int kPromptColumns = 16;
inline constexpr int kPromptFirstChar = 32;
inline constexpr int kPromptChars = 96;  // 32..127
inline constexpr int kPromptSheetW = kPromptCellW * kPromptColumns;
inline constexpr int kPromptSheetH = kPromptCellH * (kPromptChars / kPromptColumns);
inline constexpr int kPromptAdvance = 7;  // five glyph columns, the outline and one clear column
inline constexpr char kPromptFontFile[] = "Ofont.bmp";

}  // namespace assets
