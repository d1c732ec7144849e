#include "assets/sound/Voices.h"

#include <algorithm>
#include <cmath>

namespace assets::sound {

namespace {

// A released note rings for this many release times, the last part faded to silence.
constexpr double kReleaseTails = 4.0;
constexpr double kTailFade = 0.3;  // share of the ringing that fades out
// The filter of a voice follows its sweep every few samples.
constexpr size_t kControlSamples = 8;

void MixInto(const Buses& buses, const Stereo& voice, size_t offset, double echo, double room) {
  if (buses.dry) buses.dry->Mix(voice, offset, 1.0);
  if (buses.echo && echo > 0.0) buses.echo->Mix(voice, offset, echo);
  if (buses.room && room > 0.0) buses.room->Mix(voice, offset, room);
}

// A value falling exponentially with time constant `seconds`, one sample at a time.
class Fall {
 public:
  Fall(double from, double seconds) : value_(from), factor_(std::exp(-1.0 / (std::max(seconds, 1e-4) * kRate))) {}
  double Next() {
    const double v = value_;
    value_ *= factor_;
    return v;
  }

 private:
  double value_;
  double factor_;
};

// One side of a note: oscillators, filter and envelope; `cents` detunes the whole side.
void RenderSide(std::vector<float>& out, const Instrument& ins, double held, double midi, double velocity,
                double cents, double phase) {
  Oscillator a(phase), b(phase * 0.5), mod;
  Svf filter;
  const double baseHz = NoteHz(midi + cents / 100.0);
  const double ratioB = std::exp2((ins.octaveB + ins.detuneB / 100.0) / 12.0);
  const double trackedCutoff = ins.cutoff * std::pow(baseHz / 261.63, ins.keyTrack);
  const bool filtered = ins.cutoff < 18000.0 || ins.cutoffEnv > 0.0;
  const bool bends = ins.swoop != 0.0 || ins.vibratoCents > 0.0;
  const double ringEnd = static_cast<double>(out.size()) / kRate;
  const double fadeFrom = held + (ringEnd - held) * (1.0 - kTailFade);
  const double gain = velocity * ins.gain;
  const size_t gateEnd = Samples(held);
  Fall swoop(ins.swoop, ins.swoopTime), index(ins.fmIndex, ins.fmDecay);
  Fall sweep(ins.cutoffEnv, ins.filterDecay / kControlSamples);  // stepped once per control block
  Fall decay(1.0 - ins.sustain, ins.decay), release(1.0, ins.release);
  double level = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double hz = baseHz;
    if (bends) {
      double semis = swoop.Next();
      if (ins.vibratoCents > 0.0 && t > ins.vibratoDelay) {
        const double depth = ins.vibratoCents / 100.0 * Ramp(t, ins.vibratoDelay, 0.15);
        semis += depth * SinCycles(ins.vibratoHz * (t - ins.vibratoDelay));
      }
      hz *= std::exp2(semis / 12.0);
    }
    double x;
    if (ins.fmIndex > 0.0) {
      const double m = mod.Tick(Shape::Sine, hz * ins.fmRatio);
      x = SinCycles(a.Phase() + index.Next() * m / kTwoPi);
      (void)a.Tick(Shape::Sine, hz);
    } else {
      x = a.Tick(ins.shapeA, hz, ins.width);
    }
    if (ins.mixB > 0.0) x += ins.mixB * b.Tick(ins.shapeB, hz * ratioB, ins.width);
    if (filtered) {
      if (i % kControlSamples == 0) filter.Set(trackedCutoff + sweep.Next(), ins.q);
      x = filter.Run(x).low;
    }
    // loudness: attack, decay towards the sustain while the key is held, then release from wherever it got to
    double env;
    if (i < gateEnd) {
      level = t < ins.attack ? t / ins.attack : ins.sustain + decay.Next();
      env = level;
    } else {
      env = level * release.Next();
    }
    if (t > fadeFrom) env *= 0.5 + 0.5 * SinCycles(0.25 + 0.5 * (t - fadeFrom) / (ringEnd - fadeFrom));
    out[i] += static_cast<float>(x * env * gain);
  }
}

}  // namespace

void PlayNote(const Buses& buses, const Instrument& ins, double start, double held, double midi, double velocity,
              double pan) {
  const size_t frames = Samples(held + ins.release * kReleaseTails) + 1;
  // one scratch voice, reused, so a tune's thousands of notes do not each ask for fresh memory
  static Stereo voice;
  voice.left.assign(frames, 0.0f);
  voice.right.assign(frames, 0.0f);
  const double where = std::clamp(ins.pan + pan, -1.0, 1.0);
  const PanGains g = Pan(where);
  if (ins.spreadCents > 0.0) {
    RenderSide(voice.left, ins, held, midi, velocity, -ins.spreadCents / 2.0, 0.0);
    RenderSide(voice.right, ins, held, midi, velocity, ins.spreadCents / 2.0, 0.37);
    for (size_t i = 0; i < frames; ++i) {
      voice.left[i] = static_cast<float>(voice.left[i] * g.left);
      voice.right[i] = static_cast<float>(voice.right[i] * g.right);
    }
  } else {
    RenderSide(voice.left, ins, held, midi, velocity, 0.0, 0.0);
    for (size_t i = 0; i < frames; ++i) {
      const double x = voice.left[i];
      voice.left[i] = static_cast<float>(x * g.left);
      voice.right[i] = static_cast<float>(x * g.right);
    }
  }
  MixInto(buses, voice, Samples(start), ins.echoSend, ins.roomSend);
}

void PlayNote(Stereo& out, const Instrument& ins, double start, double held, double midi, double velocity,
              double pan) {
  Buses buses;
  buses.dry = &out;
  PlayNote(buses, ins, start, held, midi, velocity, pan);
}

namespace {

Stereo Kick(double velocity) {
  const size_t frames = Samples(0.45);
  Stereo s(frames);
  Oscillator body;
  Svf click;
  Noise noise(7);
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = 48.0 + 110.0 * std::exp(-t / 0.035);
    double x = body.Tick(Shape::Sine, hz) * Strike(t, 0.001, 0.16);
    x += 0.25 * click.Band(noise.Next(), 3200.0, 1.2) * Strike(t, 0.0005, 0.006);
    x = Soft(1.3 * x) * velocity;
    s.left[i] = s.right[i] = static_cast<float>(x);
  }
  return s;
}

Stereo Snare(double velocity, uint32_t seed) {
  const size_t frames = Samples(0.35);
  Stereo s(frames);
  Oscillator tone;
  Svf bandL, bandR;
  Noise nl(seed), nr(seed * 2654435761u + 1);
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double body = tone.Tick(Shape::Triangle, 185.0 + 40.0 * std::exp(-t / 0.02)) * Strike(t, 0.001, 0.05);
    const double rattle = Strike(t, 0.001, 0.09);
    const double l = 0.55 * body + 0.8 * bandL.High(nl.Next(), 1800.0, 0.6) * rattle;
    const double r = 0.55 * body + 0.8 * bandR.High(nr.Next(), 1800.0, 0.6) * rattle;
    s.left[i] = static_cast<float>(l * velocity);
    s.right[i] = static_cast<float>(r * velocity);
  }
  return s;
}

Stereo Clap(double velocity, uint32_t seed) {
  const size_t frames = Samples(0.3);
  Stereo s(frames);
  Svf band;
  Noise n(seed);
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    // three quick slaps, then the room of the hands
    double env = 0.0;
    for (double at : {0.0, 0.011, 0.022}) env = std::max(env, Strike(t - at, 0.0005, 0.006));
    env = std::max(env, 0.6 * Strike(t - 0.03, 0.001, 0.07));
    const double x = band.Band(n.Next(), 1300.0, 1.4) * env * 1.6 * velocity;
    s.left[i] = s.right[i] = static_cast<float>(x);
  }
  return s;
}

Stereo Hat(double velocity, uint32_t seed, bool open) {
  const double decay = open ? 0.16 : 0.028;
  const size_t frames = Samples(open ? 0.6 : 0.12);
  Stereo s(frames);
  Svf hl, hr, bl, br;
  Noise nl(seed), nr(seed ^ 0x5bd1e995u);
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double env = Strike(t, 0.0005, decay) * velocity * 0.5;
    const double l = hl.High(bl.Band(nl.Next(), 9000.0, 0.8), 6500.0, 0.7);
    const double r = hr.High(br.Band(nr.Next(), 9000.0, 0.8), 6500.0, 0.7);
    s.left[i] = static_cast<float>(l * env);
    s.right[i] = static_cast<float>(r * env);
  }
  return s;
}

Stereo Tom(double velocity, double hz) {
  const size_t frames = Samples(0.5);
  Stereo s(frames);
  Oscillator body;
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double x = body.Tick(Shape::Sine, hz * (1.0 + 0.5 * std::exp(-t / 0.03))) * Strike(t, 0.001, 0.16);
    s.left[i] = s.right[i] = static_cast<float>(Soft(x * 1.2) * velocity * 0.8);
  }
  return s;
}

Stereo Crash(double velocity, uint32_t seed) {
  const size_t frames = Samples(2.2);
  Stereo s(frames);
  Svf hl, hr;
  Noise nl(seed), nr(seed + 977);
  Oscillator ring1, ring2;
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double env = Strike(t, 0.002, 0.55) * velocity * 0.35;
    // a little metal in the hiss
    const double metal = 0.15 * ring1.Tick(Shape::Square, 587.0) * ring2.Tick(Shape::Square, 845.0);
    const double l = hl.High(nl.Next() + metal, 4200.0, 0.7);
    const double r = hr.High(nr.Next() + metal, 4200.0, 0.7);
    s.left[i] = static_cast<float>(l * env);
    s.right[i] = static_cast<float>(r * env);
  }
  return s;
}

// A hit of one drum at one loudness always sounds the same, so each is made once per tune and reused,
// as a drum machine plays back its samples.
const Stereo& DrumHit(Drum drum, double velocity) {
  struct Cached {
    Drum drum;
    double velocity;
    Stereo hit;
  };
  static std::vector<Cached> cache;
  for (const Cached& c : cache)
    if (c.drum == drum && c.velocity == velocity) return c.hit;
  const uint32_t seed = 1000u + static_cast<uint32_t>(drum);
  Stereo hit;
  double pan = 0.0;
  switch (drum) {
    case Drum::Kick: hit = Kick(velocity); break;
    case Drum::Snare: hit = Snare(velocity, seed); break;
    case Drum::Clap: hit = Clap(velocity, seed); pan = 0.1; break;
    case Drum::ClosedHat: hit = Hat(velocity, seed, false); pan = 0.3; break;
    case Drum::OpenHat: hit = Hat(velocity, seed, true); pan = 0.3; break;
    case Drum::TomHigh: hit = Tom(velocity, 196.0); pan = -0.35; break;
    case Drum::TomMid: hit = Tom(velocity, 147.0); pan = 0.0; break;
    case Drum::TomLow: hit = Tom(velocity, 110.0); pan = 0.35; break;
    case Drum::Crash: hit = Crash(velocity, seed); pan = -0.25; break;
  }
  const PanGains g = Pan(pan);
  // the last fifth of every hit fades out, so a long ring never stops short
  const size_t fadeFrom = hit.Frames() * 4 / 5;
  for (size_t i = 0; i < hit.Frames(); ++i) {
    double fade = 1.0;
    if (i > fadeFrom)
      fade = 0.5 + 0.5 * std::cos(kPi * static_cast<double>(i - fadeFrom) / static_cast<double>(hit.Frames() - fadeFrom));
    hit.left[i] = static_cast<float>(hit.left[i] * g.left * fade);
    hit.right[i] = static_cast<float>(hit.right[i] * g.right * fade);
  }
  cache.push_back({drum, velocity, std::move(hit)});
  return cache.back().hit;
}

}  // namespace

void PlayDrum(const Buses& buses, Drum drum, double start, double velocity, double roomSend) {
  MixInto(buses, DrumHit(drum, velocity), Samples(start), 0.0, roomSend);
}

}  // namespace assets::sound
