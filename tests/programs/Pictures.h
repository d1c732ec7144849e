// Bitmaps written for a test: a picture of the given size, filled with a colour (a frame of another
// colour round it so that misplaced copies show).
#pragma once

#include <SDL.h>

#include <filesystem>
#include <stdexcept>

namespace orvane::test {

inline void WritePicture(const std::filesystem::path& file, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  std::filesystem::create_directories(file.parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  if (!s) throw std::runtime_error(SDL_GetError());
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 40, 40, 40));
  SDL_Rect inner{1, 1, w - 2, h - 2};
  SDL_FillRect(s, &inner, SDL_MapRGB(s->format, r, g, b));
  const int rc = SDL_SaveBMP(s, file.c_str());
  SDL_FreeSurface(s);
  if (rc != 0) throw std::runtime_error(SDL_GetError());
}

}  // namespace orvane::test
