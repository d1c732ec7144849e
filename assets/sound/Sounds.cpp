// Every wave file of the installation: the effects beside the zone programs in
// Data/, the music in Data/Data/.
#include <string>
#include <vector>

#include "assets/common/Generators.h"
#include "assets/sound/Effects.h"
#include "assets/sound/Music.h"
#include "assets/sound/Wave.h"

namespace assets {

namespace {

struct WaveFile {
  const char* path;  // below the installation folder; names keep the programs' spelling and case
  sound::Stereo (*make)();
};

sound::Stereo PlumValeMusic() { return sound::RenderSong(sound::PlumValeSong()); }
sound::Stereo AshMoorMusic() { return sound::RenderSong(sound::AshMoorSong()); }
sound::Stereo ActClearMusic() { return sound::RenderSong(sound::ActClearSong()); }

const std::vector<WaveFile>& WaveFiles() {
  static const std::vector<WaveFile> files = {
      {"Data/Ring.Wav", sound::RingSound},
      {"Data/Jump.Wav", sound::JumpSound},
      {"Data/Spring.Wav", sound::SpringSound},
      {"Data/Lamp.Wav", sound::LampSound},
      {"Data/tv.Wav", sound::BoxSound},
      {"Data/hurt.Wav", sound::HurtSound},
      {"Data/fly.Wav", sound::FlyLoop},
      {"Data/fall.Wav", sound::FallLoop},
      {"Data/spin.Wav", sound::SpinSound},
      {"Data/roll.Wav", sound::RollSound},
      {"Data/rel.Wav", sound::ReleaseSound},
      {"Data/eget.Wav", sound::DoubleJumpShieldGet},
      {"Data/fget.Wav", sound::DashShieldGet},
      {"Data/bget.Wav", sound::BounceShieldGet},
      {"Data/euse.Wav", sound::DoubleJumpUse},
      {"Data/fuse.Wav", sound::DashUse},
      {"Data/buse.Wav", sound::BounceUse},
      {"Data/Blip.Wav", sound::BlipSound},
      {"Data/Jingle.Wav", sound::JingleSound},
      {"Data/Data/Music1.Wav", PlumValeMusic},
      {"Data/Data/Music2.Wav", AshMoorMusic},
      {"Data/Data/LEnd.Wav", ActClearMusic},
  };
  return files;
}

}  // namespace

void WriteSounds(const std::filesystem::path& game) {
  for (const WaveFile& file : WaveFiles()) WriteFileIfChanged(game / file.path, sound::EncodeWave(file.make()));
}

}  // namespace assets
