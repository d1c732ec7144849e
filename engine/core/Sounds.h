// The zone program's sound slots: positions in its sound list. Slots 0, 1 and 5 stay empty.
#pragma once

namespace orvane {

enum SoundSlot : int {
  kSoundRing = 2,
  kSoundJump = 3,
  kSoundSpring = 4,
  kSoundTv = 6,
  kSoundLamp = 7,
  kSoundHurt = 8,
  kSoundFly = 9,
  kSoundFall = 10,
  kSoundSpin = 11,
  kSoundRoll = 12,
  kSoundRel = 13,
  kSoundEget = 14,
  kSoundFget = 15,
  kSoundBget = 16,
  kSoundEuse = 17,
  kSoundFuse = 18,
  kSoundBuse = 19,
  kSoundBlip = 20,
  kSoundJingle = 21,
  kSoundMusic = 22,   // the zone music
  kSoundActEnd = 23,  // the act-end music
};

}  // namespace orvane
