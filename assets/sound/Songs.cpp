// The game's three tunes, written out for a designer to edit (notation in Music.h).
#include "assets/sound/Music.h"

#include <utility>

namespace assets::sound {

namespace {

// A clear, round mallet for bell lines.
Instrument Bell(double gain, double pan) {
  Instrument b;
  b.fmRatio = 4.0;
  b.fmIndex = 2.2;
  b.fmDecay = 0.09;
  b.attack = 0.002;
  b.decay = 0.45;
  b.sustain = 0.0;
  b.release = 0.25;
  b.legato = 1.0;
  b.gain = gain;
  b.pan = pan;
  b.echoSend = 0.35;
  b.roomSend = 0.4;
  return b;
}

// A springy bass pluck.
Instrument PluckBass(double gain) {
  Instrument b;
  b.shapeA = Shape::Triangle;
  b.shapeB = Shape::Saw;
  b.mixB = 0.35;
  b.cutoff = 650.0;
  b.cutoffEnv = 1600.0;
  b.filterDecay = 0.07;
  b.q = 1.0;
  b.attack = 0.003;
  b.decay = 0.14;
  b.sustain = 0.55;
  b.release = 0.04;
  b.legato = 0.8;
  b.gain = gain;
  b.roomSend = 0.05;
  return b;
}

// Short, soft chord stabs on the off-beat.
Instrument Stab(double gain) {
  Instrument s;
  s.shapeA = Shape::Saw;
  s.shapeB = Shape::Pulse;
  s.width = 0.4;
  s.mixB = 0.6;
  s.detuneB = 9.0;
  s.cutoff = 1300.0;
  s.cutoffEnv = 2200.0;
  s.filterDecay = 0.05;
  s.attack = 0.003;
  s.decay = 0.08;
  s.sustain = 0.25;
  s.release = 0.05;
  s.legato = 0.9;
  s.gain = gain;
  s.roomSend = 0.3;
  return s;
}

Section Part(std::string name, std::string chords, std::string melody, std::string counter, bool arp) {
  Section s;
  s.name = std::move(name);
  s.chords = std::move(chords);
  s.melody = std::move(melody);
  s.counter = std::move(counter);
  s.arp = arp;
  return s;
}

}  // namespace

// Plum Vale: a sunny meadow in F major, bouncing along at 140 beats a minute.
Song PlumValeSong() {
  Song song;
  song.name = "Plum Vale";
  song.bpm = 140.0;  // a step is exactly 4725 samples
  song.swing = 0.16;  // a light skip in the step
  song.loop = true;
  song.order = {"A", "B", "A2"};
  const std::string chordsA = "F:16 C:16 Dm:16 Bb:16 F:16 C:16 Bb:8 C:8 F:16";
  const std::string melodyA =
      "C5:2 F5:2 A5:3 G5:1 F5:2 A5:2 C6:4 | Bb5:2 A5:2 G5:2 E5:2 G5:4 C5:4 |"
      "D5:2 F5:2 A5:3 G5:1 F5:2 A5:2 D6:4 | C6:2 Bb5:2 A5:2 F5:2 G5:8 |"
      "C5:2 F5:2 A5:3 G5:1 F5:2 A5:2 C6:4 | D6:2 C6:2 Bb5:2 G5:2 E6:4 C6:4 |"
      "D6:3 C6:1 Bb5:2 D6:2 C6:2 Bb5:2 G5:2 E5:2 | F5:6 r:2 A5:1 Bb5:1 A5:2 G5:2 E5:2 |";
  song.sections = {
      Part("A", chordsA, melodyA, "", false),
      Part("B", "Bb:16 C:16 Am:16 Dm:16 Gm:16 C:16 Bb:16 C7:16",
           "D6:4 C6:2 Bb5:2 F5:4 D5:4 | E5:2 G5:2 C6:4 Bb5:2 A5:2 G5:4 |"
                 "A5:4 E5:2 A5:2 C6:4 Bb5:2 A5:2 | D6:6 C6:2 A5:4 F5:4 |"
                 "G5:2 Bb5:2 D6:4 C6:2 Bb5:2 G5:4 | C6:2 E6:2 G6:4 F6:2 E6:2 C6:4 |"
                 "D6:4 Bb5:4 F6:4 D6:4 | E6:2 D6:2 C6:2 Bb5:2 A5:2 G5:2 E5:2 G5:2 |",
           "", true),
      Part("A2", chordsA, melodyA,
           "A6:8 G6:8 | E6:8 G6:8 | F6:8 A6:8 | D6:8 F6:8 |"
                  "A6:8 C7:8 | G6:8 E6:8 | F6:4 D6:4 E6:4 G6:4 | A6:12 r:4 |",
           true),
  };
  song.bass = "R-.R 8-5- R-.R 5-8-";
  song.stabs = "..x. ..x. ..x. ..x.";
  song.arp = "R358 T853 R358 T853";
  song.drums = {.kick = "X.....x. X.......",
                .snare = "....X... ....X...",
                .clap = "",
                .hat = "o.x. o.x. o.x. o.xo",
                .openHat = "",
                .toms = ""};
  song.fill = {.kick = "X.....x. X.x.....",
               .snare = "....X... ....XoXx",
               .clap = "",
               .hat = "o.x. o.x. o.x. ....",
               .openHat = "",
               .toms = ""};

  Instrument lead;
  lead.shapeA = Shape::Pulse;
  lead.shapeB = Shape::Pulse;
  lead.width = 0.3;
  lead.mixB = 0.35;
  lead.detuneB = 7.0;
  lead.cutoff = 2400.0;
  lead.cutoffEnv = 3000.0;
  lead.filterDecay = 0.12;
  lead.q = 0.9;
  lead.keyTrack = 0.5;
  lead.attack = 0.004;
  lead.decay = 0.18;
  lead.sustain = 0.55;
  lead.release = 0.07;
  lead.legato = 0.75;
  lead.vibratoCents = 14.0;
  lead.vibratoHz = 5.8;
  lead.vibratoDelay = 0.18;
  lead.spreadCents = 8.0;
  lead.gain = 0.5;
  lead.echoSend = 0.22;
  lead.roomSend = 0.25;
  song.lead = lead;
  song.counter = Bell(0.22, 0.35);

  Instrument arp = Bell(0.12, -0.45);
  arp.fmIndex = 1.2;
  arp.fmDecay = 0.04;
  arp.decay = 0.16;
  arp.release = 0.1;
  song.arpVoice = arp;
  song.bassVoice = PluckBass(0.75);
  song.stabVoice = Stab(0.4);
  song.bassOctave = 2;
  song.chordOctave = 4;
  song.arpOctave = 5;
  song.drumGain = 0.8;
  song.drumRoom = 0.12;
  song.echoSteps = 3.0;
  song.echoFeedback = 0.3;
  song.roomSize = 0.55;
  song.roomGain = 0.45;
  song.peak = 0.5;
  return song;
}

// Ash Moor: cinders and cold wind, A minor, driving on at 150 beats a minute.
Song AshMoorSong() {
  Song song;
  song.name = "Ash Moor";
  song.bpm = 150.0;  // a step is exactly 4410 samples
  song.loop = true;
  song.order = {"A", "B", "A2"};
  const std::string chordsA = "Am:16 F:16 G:16 Em:16 Am:16 F:16 Dm:16 E:16";
  const std::string melodyA =
      "A4:3 C5:3 E5:2 A5:4 G5:2 E5:2 | F5:3 E5:3 C5:2 A4:8 |"
      "G4:3 B4:3 D5:2 G5:4 F5:2 D5:2 | E5:6 D5:2 B4:4 G4:4 |"
      "A4:3 C5:3 E5:2 A5:4 B5:2 C6:2 | A5:3 G5:3 F5:2 C5:4 F5:4 |"
      "D5:2 F5:2 A5:2 D6:2 C6:2 A5:2 F5:2 D5:2 | B5:4 G#5:4 E5:4 D5:2 B4:2 |";
  song.sections = {
      Part("A", chordsA, melodyA, "", false),
      Part("B", "F:16 G:16 Em:16 Am:16 Dm:16 E:16 F:8 G:8 E:16",
           "A5:4 F5:2 A5:2 C6:6 A5:2 | B5:4 G5:2 B5:2 D6:6 B5:2 |"
                 "G5:4 E5:2 G5:2 B5:4 A5:2 G5:2 | A5:8 E5:4 C5:4 |"
                 "F5:4 D5:2 F5:2 A5:4 G5:2 F5:2 | E5:4 G#5:4 B5:4 D6:4 |"
                 "C6:4 A5:4 D6:4 B5:4 | E6:8 r:2 B5:2 G#5:2 E5:2 |",
           "", true),
      Part("A2", chordsA, melodyA,
           "E4:16 | C4:16 | D4:16 | B3:16 | E4:16 | F4:8 C4:8 | F4:16 | G#4:8 E4:8 |",
           true),
  };
  song.bass = "R.RR 8.RR R.RR 5.8.";
  song.stabs = "x--- ---- ---- ----";
  song.arp = "R58T R58T R58T R58T";
  song.drums = {.kick = "X... X... X... X.x.",
                .snare = "",
                .clap = "....X... ....X...",
                .hat = "x.xo x.xo x.xo x.xo",
                .openHat = "",
                .toms = ""};
  song.fill = {.kick = "X... X... X... ....",
               .snare = "....X... XoXo XXXX",
               .clap = "",
               .hat = "x.xo x.xo ..... ...",
               .openHat = "",
               .toms = "........ h.h. m.l."};

  Instrument lead;
  lead.shapeA = Shape::Saw;
  lead.shapeB = Shape::Square;
  lead.mixB = 0.5;
  lead.detuneB = -9.0;
  lead.cutoff = 1500.0;
  lead.cutoffEnv = 2200.0;
  lead.filterDecay = 0.2;
  lead.q = 1.4;
  lead.keyTrack = 0.5;
  lead.attack = 0.006;
  lead.decay = 0.25;
  lead.sustain = 0.7;
  lead.release = 0.12;
  lead.legato = 0.92;
  lead.vibratoCents = 18.0;
  lead.vibratoHz = 5.2;
  lead.vibratoDelay = 0.25;
  lead.spreadCents = 10.0;
  lead.gain = 0.42;
  lead.echoSend = 0.28;
  lead.roomSend = 0.3;
  song.lead = lead;

  Instrument strings;
  strings.shapeA = Shape::Saw;
  strings.shapeB = Shape::Saw;
  strings.mixB = 0.8;
  strings.detuneB = 12.0;
  strings.cutoff = 1100.0;
  strings.attack = 0.25;
  strings.decay = 0.5;
  strings.sustain = 0.85;
  strings.release = 0.35;
  strings.legato = 1.0;
  strings.spreadCents = 14.0;
  strings.gain = 0.3;
  strings.pan = -0.2;
  strings.roomSend = 0.5;
  song.counter = strings;

  Instrument bass;
  bass.shapeA = Shape::Saw;
  bass.shapeB = Shape::Sine;
  bass.mixB = 0.6;
  bass.octaveB = -12.0;
  bass.cutoff = 420.0;
  bass.cutoffEnv = 1400.0;
  bass.filterDecay = 0.07;
  bass.q = 1.2;
  bass.attack = 0.002;
  bass.decay = 0.12;
  bass.sustain = 0.7;
  bass.release = 0.03;
  bass.legato = 0.85;
  bass.gain = 0.6;
  song.bassVoice = bass;

  Instrument pad;
  pad.shapeA = Shape::Saw;
  pad.shapeB = Shape::Saw;
  pad.mixB = 1.0;
  pad.detuneB = 15.0;
  pad.cutoff = 900.0;
  pad.attack = 0.35;
  pad.decay = 0.6;
  pad.sustain = 0.8;
  pad.release = 0.35;
  pad.legato = 1.0;
  pad.spreadCents = 16.0;
  pad.gain = 0.22;
  pad.roomSend = 0.5;
  song.stabVoice = pad;

  Instrument arp;
  arp.shapeA = Shape::Pulse;
  arp.width = 0.25;
  arp.cutoff = 1800.0;
  arp.cutoffEnv = 1500.0;
  arp.filterDecay = 0.05;
  arp.attack = 0.002;
  arp.decay = 0.1;
  arp.sustain = 0.2;
  arp.release = 0.05;
  arp.legato = 0.7;
  arp.gain = 0.13;
  arp.pan = 0.4;
  arp.echoSend = 0.35;
  song.arpVoice = arp;

  song.bassOctave = 2;
  song.chordOctave = 3;
  song.arpOctave = 4;
  song.drumGain = 0.9;
  song.drumRoom = 0.15;
  song.echoSteps = 3.0;
  song.echoFeedback = 0.35;
  song.roomSize = 0.7;
  song.roomGain = 0.5;
  song.peak = 0.5;
  return song;
}

// The act-clear tune: a short rising fanfare in C major that lands on a held chord.
Song ActClearSong() {
  Song song;
  song.name = "act clear";
  song.bpm = 150.0;
  song.loop = false;
  song.order = {"Run", "End"};
  Section run = Part("Run", "C:16 F:8 G:8",
                     "G5:2 C6:2 E6:2 G6:4 E6:2 G6:4 | A6:2 G6:2 F6:2 D6:2 F6:2 E6:2 D6:2 B5:2 |",
                     "E5:2 G5:2 C6:2 E6:4 C6:2 E6:4 | F6:2 E6:2 C6:2 B5:2 D6:2 C6:2 B5:2 G5:2 |", false);
  // the last bar: the whole band holds the chord under a cymbal
  Section end = Part("End", "C:16", "E6:2 G6:2 C7:12 |", "C6:2 E6:2 G6:12 |", false);
  end.fill = false;
  end.drums = false;
  end.bass = "R--- ---- ---- ----";
  end.stabs = "x--- ---- ---- ----";
  song.sections = {run, end};
  song.bass = "R.8. R.8. R.8. 5.8.";
  song.stabs = "x.x. ..x. x.x. ..x.";
  song.drums = {.kick = "X... X... X... X...",
                .snare = "....X... ....X...",
                .clap = "",
                .hat = "x.x. x.x. x.x. x.x.",
                .openHat = "",
                .toms = ""};
  song.fill = {.kick = "X... X... X... X...",
               .snare = "....X... XxXx XXXX",
               .clap = "",
               .hat = "x.x. x.x. .... ....",
               .openHat = "",
               .toms = ""};

  Instrument brass;
  brass.shapeA = Shape::Saw;
  brass.shapeB = Shape::Pulse;
  brass.width = 0.35;
  brass.mixB = 0.5;
  brass.detuneB = 6.0;
  brass.cutoff = 1800.0;
  brass.cutoffEnv = 3500.0;
  brass.filterDecay = 0.1;
  brass.keyTrack = 0.4;
  brass.attack = 0.012;
  brass.decay = 0.3;
  brass.sustain = 0.7;
  brass.release = 0.18;
  brass.legato = 0.85;
  brass.vibratoCents = 15.0;
  brass.vibratoHz = 6.0;
  brass.vibratoDelay = 0.2;
  brass.spreadCents = 8.0;
  brass.gain = 0.45;
  brass.echoSend = 0.15;
  brass.roomSend = 0.3;
  song.lead = brass;
  song.counter = Bell(0.3, 0.3);
  song.bassVoice = PluckBass(0.7);
  Instrument stab = Stab(0.3);
  stab.sustain = 0.45;
  stab.release = 0.3;
  song.stabVoice = stab;
  song.bassOctave = 2;
  song.chordOctave = 4;
  song.drumGain = 0.8;
  song.drumRoom = 0.15;
  song.echoSteps = 3.0;
  song.echoFeedback = 0.25;
  song.roomSize = 0.6;
  song.roomGain = 0.5;
  song.tailSeconds = 1.8;
  song.peak = 0.55;
  return song;
}

}  // namespace assets::sound
