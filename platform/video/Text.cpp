#include "platform/video/Text.h"

#include <SDL_ttf.h>

#include <map>
#include <memory>

#include "platform/system/Error.h"

namespace platform {

namespace {

struct FontCloser {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

TTF_Font* OpenFont(const std::filesystem::path& file) {
  static std::map<std::filesystem::path, std::unique_ptr<TTF_Font, FontCloser>> open;
  auto it = open.find(file);
  if (it != open.end()) return it->second.get();
  if (!TTF_WasInit() && TTF_Init() != 0) Fail(std::string("TTF_Init: ") + TTF_GetError());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) Fail(file.string() + ": font file is missing");
  TTF_Font* font = TTF_OpenFont(file.c_str(), kTextSize);
  if (!font) Fail(file.string() + ": cannot open font (" + TTF_GetError() + ")");
  open.emplace(file, font);
  return font;
}

// Mixes two RGB565 colours: `a` of 255 gives `fg`, 0 gives `bg`.
uint16_t Mix565(uint16_t bg, uint16_t fg, uint32_t a) {
  const uint32_t r = ((fg >> 11) * a + (bg >> 11) * (255 - a) + 127) / 255;
  const uint32_t g = (((fg >> 5) & 63) * a + ((bg >> 5) & 63) * (255 - a) + 127) / 255;
  const uint32_t b = ((fg & 31) * a + (bg & 31) * (255 - a) + 127) / 255;
  return static_cast<uint16_t>(r << 11 | g << 5 | b);
}

}  // namespace

void DrawText(Surface& dst, int x, int y, const std::string& text, uint16_t color, const std::filesystem::path& font) {
  TTF_Font* f = OpenFont(font);
  if (text.empty()) return;
  const uint32_t r5 = color >> 11, g6 = (color >> 5) & 63, b5 = color & 31;
  const SDL_Color c{static_cast<Uint8>(r5 << 3 | r5 >> 2), static_cast<Uint8>(g6 << 2 | g6 >> 4),
                    static_cast<Uint8>(b5 << 3 | b5 >> 2), 255};
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(f, text.c_str(), c);
  if (!glyphs) Fail(std::string("TTF_RenderUTF8_Blended: ") + TTF_GetError());
  // Blended text comes as ARGB8888 with the shape in its alpha.
  SDL_LockSurface(glyphs);
  for (int row = 0; row < glyphs->h; ++row) {
    const int dy = y + row;
    if (dy < 0 || dy >= dst.Height()) continue;
    const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(glyphs->pixels) +
                                                        static_cast<size_t>(row) * glyphs->pitch);
    uint16_t* d = dst.Row(dy);
    for (int col = 0; col < glyphs->w; ++col) {
      const int dx = x + col;
      if (dx < 0 || dx >= dst.Width()) continue;
      const uint32_t a = src[col] >> 24;
      if (a == 0) continue;
      d[dx] = a == 255 ? color : Mix565(d[dx], color, a);
    }
  }
  SDL_UnlockSurface(glyphs);
  SDL_FreeSurface(glyphs);
}

void DrawText(Surface& dst, int x, int y, const std::string& text, uint16_t color) {
  DrawText(dst, x, y, text, color, kTextFont);
}

}  // namespace platform
