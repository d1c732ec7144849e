// Tunes written as text, and the sequencer that plays them.
//
// A tune is 16 steps (sixteenth notes) to the bar, built of sections played in
// `order`. In a section:
//   chords   "F:16 C:16 Bb:8 C:8"   chord names with their lengths in steps
//            (qualities: none = major, m, 7, m7, maj7, sus2, sus4, dim, 5)
//   melody   "C5:2 F5:2 A5:3 G5:1 | ..." notes (C4 = middle C, # and b allowed)
//            with lengths in steps, "r" for a rest; "|" marks a bar and is checked
//   counter  a second line in the same notation, for another instrument
// The tune's step patterns (16 characters a bar, spaces ignored) play over the chords:
//   bass, arp:  R 3 5 7 8 = root, third, fifth, seventh (or octave), octave;
//               T F = third and fifth an octave up; "-" holds, "." is silent
//   stabs:      x = the whole chord, "-" holds, "." is silent
//   drums:      X x o = loud, normal, soft; for toms h m l = high, mid, low
#pragma once

#include <string>
#include <vector>

#include "assets/sound/Dsp.h"
#include "assets/sound/Voices.h"

namespace assets::sound {

struct DrumPatterns {
  std::string kick;
  std::string snare;
  std::string clap;
  std::string hat;
  std::string openHat;
  std::string toms;
};

struct Section {
  std::string name;
  std::string chords;
  std::string melody;
  std::string counter;  // may be empty
  bool arp = false;     // the arpeggio plays in this section
  bool fill = true;     // the last bar of the section plays the drum fill
  bool crash = true;    // a crash cymbal opens the section
  bool drums = true;    // the drum patterns play in this section
  std::string bass;     // patterns for this section only, instead of the tune's (empty = the tune's)
  std::string stabs;
};

struct Song {
  std::string name;
  double bpm = 120.0;
  double swing = 0.0;  // share of a step by which every second sixteenth comes late (a shuffle)
  bool loop = true;
  std::vector<std::string> order;
  std::vector<Section> sections;
  // patterns, one bar each, repeated over every bar
  std::string bass;
  std::string stabs;
  std::string arp;
  DrumPatterns drums;
  DrumPatterns fill;
  // instruments
  Instrument lead;
  Instrument counter;
  Instrument bassVoice;
  Instrument stabVoice;
  Instrument arpVoice;
  int bassOctave = 2;   // the bass's root lies in this octave (from E)
  int chordOctave = 4;  // the stab chords' root lies in this octave (from E)
  int arpOctave = 5;
  double drumRoom = 0.15;
  double drumGain = 1.0;
  double echoSteps = 3.0;      // echo delay in steps; repeats alternate left and right
  double echoFeedback = 0.35;
  double roomSize = 0.6;
  double roomGain = 0.5;
  double peak = 0.5;          // final peak level, linear; 0 leaves the mix at its own level (for balancing parts)
  double tailSeconds = 2.0;   // for a tune played once: time left to ring out
};

// Plays the tune. A looping tune comes back exactly its length of whole bars long,
// with the ringing of its last notes carried over into its start; a tune played
// once is followed by its tail and faded out.
Stereo RenderSong(const Song& song);

// Length of the tune in steps (all sections in order); throws if a section name is unknown.
size_t SongSteps(const Song& song);

// The tunes of the game (Songs.cpp).
Song PlumValeSong();
Song AshMoorSong();
Song ActClearSong();

}  // namespace assets::sound
