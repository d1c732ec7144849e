// Instruments: how one note of a tune, or one drum hit, is synthesised.
// An Instrument is plain data so a tune's sound can be retuned in its table.
#pragma once

#include "assets/sound/Dsp.h"

namespace assets::sound {

struct Instrument {
  // oscillators: A always sounds, B is mixed in at `mixB`, `octaveB` semitones and `detuneB` cents away
  Shape shapeA = Shape::Saw;
  Shape shapeB = Shape::Saw;
  double mixB = 0.0;
  double octaveB = 0.0;
  double detuneB = 0.0;
  double width = 0.5;  // duty cycle of a pulse
  // sine FM instead of A: a modulator at `fmRatio` x the note, index falling from `fmIndex` with `fmDecay`
  double fmRatio = 0.0;
  double fmIndex = 0.0;
  double fmDecay = 0.3;
  // loudness over the note (seconds; sustain is a level)
  double attack = 0.005;
  double decay = 0.2;
  double sustain = 0.7;
  double release = 0.08;
  double legato = 0.9;  // share of the written length the key is held
  // low-pass: base cutoff, a burst added at the attack that dies away, resonance, and how it follows pitch
  double cutoff = 18000.0;
  double cutoffEnv = 0.0;
  double filterDecay = 0.15;
  double q = 0.7;
  double keyTrack = 0.0;
  // pitch: vibrato after a delay, and a swoop into the note from `swoop` semitones away
  double vibratoCents = 0.0;
  double vibratoHz = 5.5;
  double vibratoDelay = 0.2;
  double swoop = 0.0;
  double swoopTime = 0.03;
  // stereo: left and right copies detuned by this many cents apart (0 = one mono voice)
  double spreadCents = 0.0;
  double pan = 0.0;
  double gain = 1.0;
  // how much of the voice goes to the echo and the room
  double echoSend = 0.0;
  double roomSend = 0.0;
};

// Where a voice is heard: always the dry mix, and optionally the echo and room sends.
struct Buses {
  Stereo* dry = nullptr;
  Stereo* echo = nullptr;
  Stereo* room = nullptr;
};

// Plays one note starting at `start` seconds, key held for `held` seconds, then released.
void PlayNote(const Buses& buses, const Instrument& ins, double start, double held, double midi, double velocity,
              double pan = 0.0);
void PlayNote(Stereo& out, const Instrument& ins, double start, double held, double midi, double velocity,
              double pan = 0.0);

// Drum hits, synthesised; like a drum machine's samples, every hit of one drum at one loudness is the same.
enum class Drum { Kick, Snare, ClosedHat, OpenHat, TomHigh, TomMid, TomLow, Crash, Clap };
void PlayDrum(const Buses& buses, Drum drum, double start, double velocity, double roomSend);

}  // namespace assets::sound
