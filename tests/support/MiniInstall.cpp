#include "tests/support/MiniInstall.h"

#include <SDL.h>

#include <fstream>
#include <string>
#include <vector>

namespace orvane::test {

void WriteBitmap(const std::filesystem::path& path, int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  std::filesystem::create_directories(path.parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
  SDL_SaveBMP(s, path.c_str());
  SDL_FreeSurface(s);
}

void WriteWave(const std::filesystem::path& path, int frames) {
  std::filesystem::create_directories(path.parent_path());
  const uint32_t data = static_cast<uint32_t>(frames) * 4;
  std::vector<uint8_t> w;
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  auto put16 = [&](uint16_t v) { w.push_back(static_cast<uint8_t>(v)); w.push_back(static_cast<uint8_t>(v >> 8)); };
  auto tag = [&](const char* t) { w.insert(w.end(), t, t + 4); };
  tag("RIFF"); put32(36 + data); tag("WAVE");
  tag("fmt "); put32(16); put16(1); put16(2); put32(44100); put32(44100 * 4); put16(4); put16(16);
  tag("data"); put32(data);
  w.resize(w.size() + data, 0);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(w.data()), static_cast<std::streamsize>(w.size()));
}

void WriteMinimalInstallation(const std::filesystem::path& folder, const ZoneTables& zone) {
  const ZoneFiles& f = zone.files;
  WriteBitmap(folder / f.backSheet, 128, f.backSheetHeight, 40, 60, 200);
  WriteBitmap(folder / f.blockSheet, 128, f.blockSheetHeight, 90, 200, 60);
  WriteBitmap(folder / f.foreSheet, 128, f.foreSheetHeight, 0, 0, 0);
  WriteBitmap(folder / f.zoneSprites, 128, 526, 200, 40, 40);
  const struct { const char* file; int w, h; } sheets[] = {
      {"Data/Player.bmp", 80, 1335}, {"Data/Zloop.bmp", 88, 1408},  {"Data/Player2.bmp", 86, 1184},
      {"Data/Kloop2.bmp", 88, 1408}, {"Data/Spriteg2.bmp", 136, 320}, {"Data/Zbar.bmp", 94, 192},
      {"Data/Tback.bmp", 320, 24},   {"Data/Otext.bmp", 21, 520},   {"Data/Shields.bmp", 72, 2784},
      {"Data/LevE.bmp", 48, 288},    {"Data/EPod.bmp", 64, 256}};
  for (const auto& s : sheets) WriteBitmap(folder / s.file, s.w, s.h, 250, 250, 250);
  for (const char* effect : {"Ring.Wav", "Jump.Wav", "Spring.Wav", "Lamp.Wav", "tv.Wav", "hurt.Wav", "fly.Wav",
                             "fall.Wav", "spin.Wav", "roll.Wav", "rel.Wav", "eget.Wav", "fget.Wav", "bget.Wav",
                             "euse.Wav", "fuse.Wav", "buse.Wav", "Blip.Wav", "Jingle.Wav"})
    WriteWave(folder / effect);
  WriteWave(folder / f.music);
  WriteWave(folder / "Data/LEnd.Wav");
  std::vector<uint8_t> curve(129);
  for (int i = 0; i <= 128; ++i) curve[static_cast<size_t>(i)] = static_cast<uint8_t>(128 - i);
  std::ofstream(folder / "Data/Qloop.crv", std::ios::binary)
      .write(reinterpret_cast<const char*>(curve.data()), static_cast<std::streamsize>(curve.size()));
  std::ofstream(folder / "Orvane.cfg", std::ios::binary | std::ios::app);
}

}  // namespace orvane::test
