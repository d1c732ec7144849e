#include "assets/sound/Music.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace assets::sound {

namespace {

constexpr size_t kStepsPerBar = 16;

struct NoteEvent {
  size_t step;
  size_t length;
  int midi;  // -1 = rest
};

struct Chord {
  size_t step;
  size_t length;
  int root;  // pitch class, C = 0
  std::vector<int> intervals;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw std::runtime_error("tune " + where + ": " + what);
}

// "C#5" -> 73, "Bb3" -> 58; `text` is only the pitch part.
int PitchClass(const std::string& text, size_t& pos, const std::string& where) {
  static constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (pos >= text.size() || text[pos] < 'A' || text[pos] > 'G') Fail(where, "bad note name '" + text + "'");
  int pc = kNatural[text[pos] - 'A'];
  ++pos;
  while (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
    pc += text[pos] == '#' ? 1 : -1;
    ++pos;
  }
  return (pc + 12) % 12;
}

int ParsePitch(const std::string& text, const std::string& where) {
  size_t pos = 0;
  // flats and sharps move the written letter, so Cb4 is B3: count from the letter's own octave
  static constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7};
  if (text.empty() || text[0] < 'A' || text[0] > 'G') Fail(where, "bad note '" + text + "'");
  int semis = kNatural[text[0] - 'A'];
  pos = 1;
  while (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
    semis += text[pos] == '#' ? 1 : -1;
    ++pos;
  }
  if (pos >= text.size()) Fail(where, "note '" + text + "' has no octave");
  int octave = 0;
  try {
    size_t used = 0;
    octave = std::stoi(text.substr(pos), &used);
    if (pos + used != text.size()) Fail(where, "bad note '" + text + "'");
  } catch (const std::logic_error&) {
    Fail(where, "bad note '" + text + "'");
  }
  return 12 * (octave + 1) + semis;
}

size_t ParseLength(const std::string& text, const std::string& where) {
  size_t used = 0;
  int n = 0;
  try {
    n = std::stoi(text, &used);
  } catch (const std::logic_error&) {
    Fail(where, "bad length '" + text + "'");
  }
  if (used != text.size() || n <= 0 || n > 256) Fail(where, "bad length '" + text + "'");
  return static_cast<size_t>(n);
}

// Words of a line; a bar mark is a word of its own even where it touches a note.
std::vector<std::string> Tokens(const std::string& text) {
  std::vector<std::string> out;
  std::string spaced;
  for (char c : text) {
    if (c == '|') {
      spaced += " | ";
    } else {
      spaced.push_back(c);
    }
  }
  std::istringstream in(spaced);
  std::string token;
  while (in >> token) out.push_back(token);
  return out;
}

// A line of notes; bar marks are checked to fall on whole bars.
std::vector<NoteEvent> ParseLine(const std::string& text, const std::string& where) {
  std::vector<NoteEvent> events;
  size_t step = 0;
  size_t barStart = 0;
  for (const std::string& token : Tokens(text)) {
    if (token == "|") {
      if (step - barStart != kStepsPerBar)
        Fail(where, "bar " + std::to_string(barStart / kStepsPerBar + 1) + " holds " +
                        std::to_string(step - barStart) + " steps, not 16");
      barStart = step;
      continue;
    }
    const size_t colon = token.find(':');
    if (colon == std::string::npos) Fail(where, "note '" + token + "' has no length");
    const std::string pitch = token.substr(0, colon);
    const size_t length = ParseLength(token.substr(colon + 1), where);
    const int midi = pitch == "r" ? -1 : ParsePitch(pitch, where);
    events.push_back({step, length, midi});
    step += length;
  }
  return events;
}

std::vector<int> Quality(const std::string& q, const std::string& where) {
  if (q.empty()) return {0, 4, 7};
  if (q == "m") return {0, 3, 7};
  if (q == "7") return {0, 4, 7, 10};
  if (q == "m7") return {0, 3, 7, 10};
  if (q == "maj7") return {0, 4, 7, 11};
  if (q == "sus2") return {0, 2, 7};
  if (q == "sus4") return {0, 5, 7};
  if (q == "dim") return {0, 3, 6};
  if (q == "5") return {0, 7};
  Fail(where, "unknown chord quality '" + q + "'");
}

std::vector<Chord> ParseChords(const std::string& text, const std::string& where) {
  std::vector<Chord> chords;
  size_t step = 0;
  for (const std::string& token : Tokens(text)) {
    const size_t colon = token.find(':');
    if (colon == std::string::npos) Fail(where, "chord '" + token + "' has no length");
    const std::string name = token.substr(0, colon);
    size_t pos = 0;
    const int root = PitchClass(name, pos, where);
    chords.push_back({step, ParseLength(token.substr(colon + 1), where), root,
                      Quality(name.substr(pos), where + " chord '" + name + "'")});
    step += chords.back().length;
  }
  return chords;
}

size_t TotalSteps(const std::vector<Chord>& chords) {
  return chords.empty() ? 0 : chords.back().step + chords.back().length;
}

std::string ParsePattern(const std::string& text, const std::string& where) {
  std::string out;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) out.push_back(c);
  if (!out.empty() && out.size() != kStepsPerBar)
    Fail(where, "pattern '" + text + "' is " + std::to_string(out.size()) + " steps, not 16");
  return out;
}

const Chord& ChordAt(const std::vector<Chord>& chords, size_t step) {
  for (const Chord& c : chords)
    if (step >= c.step && step < c.step + c.length) return c;
  return chords.back();
}

// The chord's root placed in `octave`, counted from E so bass lines stay in one comfortable span.
int RootIn(const Chord& chord, int octave) { return 12 * (octave + 1) + 4 + (chord.root - 4 + 12) % 12; }

int Degree(const Chord& chord, char degree, int octave) {
  const int root = RootIn(chord, octave);
  const std::vector<int>& iv = chord.intervals;
  const int third = iv.size() >= 3 ? iv[1] : 7;
  const int fifth = iv.size() >= 3 ? iv[2] : iv.back();
  switch (degree) {
    case 'R': return root;
    case '3': return root + third;
    case '5': return root + fifth;
    case '7': return root + (iv.size() >= 4 ? iv[3] : 12);
    case '8': return root + 12;
    case 'T': return root + third + 12;
    case 'F': return root + fifth + 12;
    default: return -1;
  }
}

double Accent(char c) {
  switch (c) {
    case 'X': return 1.0;
    case 'x': return 0.75;
    case 'o': return 0.45;
    case 'h':
    case 'm':
    case 'l': return 0.8;
    default: return 0.0;
  }
}

// Steps a note begun at `i` lasts: itself and the holds after it, within the bar.
size_t HeldSteps(const std::string& bar, size_t i) {
  size_t n = 1;
  while (i + n < bar.size() && bar[i + n] == '-') ++n;
  return n;
}

class Player {
 public:
  Player(const Song& song, Buses buses) : song_(song), buses_(buses), stepSec_(60.0 / song.bpm / 4.0) {}

  void PlaySection(const Section& section, size_t offset) {
    const std::string where = song_.name + " section " + section.name;
    const std::vector<Chord> chords = ParseChords(section.chords, where + " chords");
    if (chords.empty()) Fail(where, "has no chords");
    const size_t steps = TotalSteps(chords);
    if (steps % kStepsPerBar != 0) Fail(where, "chords do not fill whole bars");
    PlayLine(section.melody, song_.lead, offset, steps, where + " melody");
    PlayLine(section.counter, song_.counter, offset, steps, where + " counter");
    const std::string& bass = section.bass.empty() ? song_.bass : section.bass;
    PlayPattern(bass, song_.bassVoice, song_.bassOctave, chords, offset, where + " bass");
    if (section.arp) PlayPattern(song_.arp, song_.arpVoice, song_.arpOctave, chords, offset, where + " arp");
    PlayStabs(section.stabs.empty() ? song_.stabs : section.stabs, chords, offset, where + " stabs");
    PlayDrums(section, offset, steps, where + " drums");
  }

 private:
  // When a step sounds: the off sixteenths come a little late in a shuffled tune.
  double Time(size_t step) const {
    const double late = step % 2 == 1 ? song_.swing : 0.0;
    return (static_cast<double>(step) + late) * stepSec_;
  }
  double Length(size_t steps) const { return static_cast<double>(steps) * stepSec_; }
  // Notes on the beat lean a little harder than those between.
  static double Lean(size_t step) { return step % 4 == 0 ? 1.0 : step % 2 == 0 ? 0.9 : 0.82; }

  void PlayLine(const std::string& text, const Instrument& ins, size_t offset, size_t steps,
                const std::string& where) {
    if (text.empty()) return;
    const std::vector<NoteEvent> notes = ParseLine(text, where);
    const size_t used = notes.empty() ? 0 : notes.back().step + notes.back().length;
    if (used != steps)
      Fail(where, "lasts " + std::to_string(used) + " steps but the chords last " + std::to_string(steps));
    for (const NoteEvent& n : notes) {
      if (n.midi < 0) continue;
      PlayNote(buses_, ins, Time(offset + n.step), Length(n.length) * ins.legato, n.midi, Lean(n.step));
    }
  }

  void PlayPattern(const std::string& text, const Instrument& ins, int octave, const std::vector<Chord>& chords,
                   size_t offset, const std::string& where) {
    const std::string bar = ParsePattern(text, where);
    if (bar.empty()) return;
    const size_t steps = TotalSteps(chords);
    for (size_t s = 0; s < steps; ++s) {
      const char c = bar[s % kStepsPerBar];
      if (c == '-' || c == '.') continue;
      const Chord& chord = ChordAt(chords, s);
      const int midi = Degree(chord, c, octave);
      if (midi < 0) Fail(where, std::string("unknown step '") + c + "'");
      // a held note stops at a chord change
      size_t held = HeldSteps(bar, s % kStepsPerBar);
      held = std::min(held, chord.step + chord.length - s);
      PlayNote(buses_, ins, Time(offset + s), Length(held) * ins.legato, midi, Lean(s));
    }
  }

  void PlayStabs(const std::string& text, const std::vector<Chord>& chords, size_t offset,
                 const std::string& where) {
    const std::string bar = ParsePattern(text, where);
    if (bar.empty()) return;
    const size_t steps = TotalSteps(chords);
    for (size_t s = 0; s < steps; ++s) {
      const char c = bar[s % kStepsPerBar];
      if (c == '-' || c == '.') continue;
      if (c != 'x') Fail(where, std::string("unknown step '") + c + "'");
      const Chord& chord = ChordAt(chords, s);
      const size_t held = std::min(HeldSteps(bar, s % kStepsPerBar), chord.step + chord.length - s);
      const int root = RootIn(chord, song_.chordOctave);
      const double count = static_cast<double>(chord.intervals.size());
      for (size_t k = 0; k < chord.intervals.size(); ++k) {
        int midi = root + chord.intervals[k];
        if (midi > RootIn(chord, song_.chordOctave) + 14) midi -= 12;
        // spread the chord's tones across the stereo field
        const double pan = count > 1 ? -0.5 + static_cast<double>(k) / (count - 1.0) : 0.0;
        PlayNote(buses_, song_.stabVoice, Time(offset + s), Length(held) * song_.stabVoice.legato, midi,
                 1.0 / std::sqrt(count), pan);
      }
    }
  }

  void PlayDrumLine(const std::string& bar, size_t barStep, Drum drum, const std::string& where) {
    for (size_t i = 0; i < bar.size(); ++i) {
      const double v = Accent(bar[i]);
      if (bar[i] == '.' || bar[i] == '-') continue;
      if (v == 0.0) Fail(where, std::string("unknown step '") + bar[i] + "'");
      Drum which = drum;
      if (drum == Drum::TomMid) which = bar[i] == 'h' ? Drum::TomHigh : bar[i] == 'l' ? Drum::TomLow : Drum::TomMid;
      PlayDrum(buses_, which, Time(barStep + i), v * song_.drumGain, song_.drumRoom);
    }
  }

  void PlayDrums(const Section& section, size_t offset, size_t steps, const std::string& where) {
    const size_t bars = section.drums ? steps / kStepsPerBar : 0;
    for (size_t b = 0; b < bars; ++b) {
      const DrumPatterns& p = (section.fill && b + 1 == bars) ? song_.fill : song_.drums;
      const size_t at = offset + b * kStepsPerBar;
      PlayDrumLine(ParsePattern(p.kick, where), at, Drum::Kick, where);
      PlayDrumLine(ParsePattern(p.snare, where), at, Drum::Snare, where);
      PlayDrumLine(ParsePattern(p.clap, where), at, Drum::Clap, where);
      PlayDrumLine(ParsePattern(p.hat, where), at, Drum::ClosedHat, where);
      PlayDrumLine(ParsePattern(p.openHat, where), at, Drum::OpenHat, where);
      PlayDrumLine(ParsePattern(p.toms, where), at, Drum::TomMid, where);
    }
    if (section.crash) PlayDrum(buses_, Drum::Crash, Time(offset), 0.8 * song_.drumGain, song_.drumRoom);
  }

  const Song& song_;
  Buses buses_;
  double stepSec_;
};

const Section& FindSection(const Song& song, const std::string& name) {
  for (const Section& s : song.sections)
    if (s.name == name) return s;
  Fail(song.name, "no section named '" + name + "'");
}

void AddInto(Stereo& out, const Stereo& in) {
  for (size_t i = 0; i < out.Frames() && i < in.Frames(); ++i) {
    out.left[i] += in.left[i];
    out.right[i] += in.right[i];
  }
}

}  // namespace

size_t SongSteps(const Song& song) {
  size_t steps = 0;
  for (const std::string& name : song.order)
    steps += TotalSteps(ParseChords(FindSection(song, name).chords, song.name + " section " + name));
  return steps;
}

Stereo RenderSong(const Song& song) {
  const double stepSec = 60.0 / song.bpm / 4.0;
  const size_t steps = SongSteps(song);
  const size_t songFrames = Samples(static_cast<double>(steps) * stepSec);
  const size_t frames = songFrames + Samples(song.tailSeconds + 2.5);
  Stereo dry(frames), echo(frames), room(frames);
  Player player(song, Buses{&dry, &echo, &room});
  size_t offset = 0;
  for (const std::string& name : song.order) {
    const Section& section = FindSection(song, name);
    player.PlaySection(section, offset);
    offset += TotalSteps(ParseChords(section.chords, song.name));
  }

  const size_t echoDelay = Samples(song.echoSteps * stepSec);
  Room hall(song.roomSize, 0.5);
  if (song.loop) {
    FoldLoop(dry, songFrames);
    FoldLoop(echo, songFrames);
    FoldLoop(room, songFrames);
    const Stereo echoed = Echo(echo, echoDelay, echoDelay, song.echoFeedback, 1.0, 3500.0, true);
    AddInto(room, echoed);
    AddInto(dry, echoed);
    AddInto(dry, hall.ProcessLoop(room, song.roomGain));
    RemoveLoopDc(dry);
  } else {
    const Stereo echoed = Echo(echo, echoDelay, echoDelay, song.echoFeedback, 1.0, 3500.0, false);
    AddInto(room, echoed);
    AddInto(dry, echoed);
    AddInto(dry, hall.Process(room, song.roomGain));
    dry.Resize(songFrames + Samples(song.tailSeconds));
    // a played-once tune fades over its tail
    const size_t fadeStart = songFrames;
    for (size_t i = fadeStart; i < dry.Frames(); ++i) {
      const double t = static_cast<double>(i - fadeStart) / static_cast<double>(dry.Frames() - fadeStart);
      const double g = 0.5 + 0.5 * std::cos(kPi * t);
      dry.left[i] = static_cast<float>(dry.left[i] * g);
      dry.right[i] = static_cast<float>(dry.right[i] * g);
    }
    DcBlock dcL, dcR;
    for (size_t i = 0; i < dry.Frames(); ++i) {
      dry.left[i] = static_cast<float>(dcL.Tick(dry.left[i]));
      dry.right[i] = static_cast<float>(dcR.Tick(dry.right[i]));
    }
    FadeEdges(dry, 2.0, 5.0);
  }
  if (song.peak > 0.0) Normalise(dry, song.peak);
  return dry;
}

}  // namespace assets::sound
