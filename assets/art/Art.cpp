// The art part of the data generator: every bitmap of the game, the tile tables and the
// background maps, drawn by code.
#include "assets/common/Generators.h"

#include "assets/art/Common.h"
#include "assets/art/Heroes.h"
#include "assets/art/Zones.h"

namespace assets {

void WriteArt(const std::filesystem::path& game) {
  using namespace art;
  const auto data = game / "Data" / "Data";
  WriteHeroSheets(game);
  WritePlumVale(game);
  WriteAshMoor(game);
  SaveBmp(data / "Spriteg2.bmp", CommonSheet());
  SaveBmp(data / "Zbar.bmp", CardBar());
  SaveBmp(data / "Tback.bmp", CardBack(), true);
  SaveBmp(data / "Otext.bmp", Letters());
  SaveBmp(data / "Shields.bmp", ShieldSheet());
  SaveBmp(data / "LevE.bmp", SignSheet());
  SaveBmp(data / "EPod.bmp", CapsuleSheet());
  WriteTitleArt(game);
  WriteLauncherArt(game);
  WriteRingDemoArt(game);
}

}  // namespace assets
