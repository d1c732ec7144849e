// The building blocks every sound of the game is made of: a stereo buffer,
// band-limited oscillators, noise, envelopes, filters, a small room reverb,
// and the helpers that make a looped sound join its own start without a seam.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace assets::sound {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

namespace detail {

constexpr size_t kSineTable = 4096;
struct SineTable {
  double v[kSineTable + 1];
  SineTable() {
    for (size_t i = 0; i <= kSineTable; ++i) v[i] = std::sin(kTwoPi * static_cast<double>(i) / kSineTable);
  }
};
inline const SineTable kSine;

// The correction that rounds off a unit step at phase 0 of a wave advancing `dt` per sample.
inline double Blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

inline double Wrap(double t) { return t - std::floor(t); }

}  // namespace detail

// sin(2 pi x) for x in cycles, from a table: as exact as 16-bit sound needs, and much quicker.
inline double SinCycles(double x) {
  const double pos = detail::Wrap(x) * detail::kSineTable;
  const size_t i = std::min(static_cast<size_t>(pos), detail::kSineTable - 1);
  const double f = pos - static_cast<double>(i);
  return detail::kSine.v[i] + (detail::kSine.v[i + 1] - detail::kSine.v[i]) * f;
}

// Whole samples in `seconds` of sound.
size_t Samples(double seconds);

// Frequency of a MIDI note number (69 = A above middle C = 440 Hz); fractional numbers bend.
double NoteHz(double midi);

struct Stereo {
  std::vector<float> left;
  std::vector<float> right;

  Stereo() = default;
  explicit Stereo(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
  size_t Frames() const { return left.size(); }
  void Resize(size_t frames) {
    left.resize(frames, 0.0f);
    right.resize(frames, 0.0f);
  }
  // Adds a mono sample at frame `i` placed at `pan` (-1 left .. +1 right, equal power); ignores frames past the end.
  void AddPanned(size_t i, double value, double pan);
  // Mixes `other` in at frame `offset`, scaled by `gain`; the buffer grows to hold it.
  void Mix(const Stereo& other, size_t offset, double gain = 1.0);
};

// Equal-power pan gains.
struct PanGains {
  double left;
  double right;
};
PanGains Pan(double pan);

// A small deterministic noise source, so every build writes the same bytes.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  // White noise in [-1, 1).
  double Next();
  // A uniform fraction in [0, 1).
  double Fraction();

 private:
  uint32_t state_;
};

enum class Shape { Sine, Saw, Square, Pulse, Triangle };

// One oscillator with its own phase. Saw, square and pulse are band-limited by
// polynomial smoothing of their edges, so high notes do not alias into hiss.
class Oscillator {
 public:
  explicit Oscillator(double phase = 0.0) : phase_(phase) {}
  // One sample at `hz`; `width` is the pulse's duty cycle (Pulse only).
  double Tick(Shape shape, double hz, double width = 0.5) {
    const double dt = std::clamp(hz / kRate, 0.0, 0.5);
    const double t = phase_;
    double out = 0.0;
    switch (shape) {
      case Shape::Sine:
        out = SinCycles(t);
        break;
      case Shape::Saw:
        out = 2.0 * t - 1.0 - detail::Blep(t, dt);
        break;
      case Shape::Square:
        width = 0.5;
        [[fallthrough]];
      case Shape::Pulse:
        width = std::clamp(width, 0.05, 0.95);
        out = (t < width ? 1.0 : -1.0) + detail::Blep(t, dt) - detail::Blep(detail::Wrap(t + 1.0 - width), dt);
        out -= 2.0 * width - 1.0;  // a narrow pulse would otherwise carry DC
        break;
      case Shape::Triangle:
        // starts at 0 rising, like the sine; its harmonics fall fast enough not to alias audibly
        out = 2.0 * std::fabs(2.0 * detail::Wrap(t + 0.75) - 1.0) - 1.0;
        break;
    }
    phase_ += dt;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return out;
  }
  double Phase() const { return phase_; }

 private:
  double phase_;
};

// Topology-preserving state-variable filter: stable while its cutoff sweeps.
class Svf {
 public:
  struct Out {
    double low;
    double band;
    double high;
  };
  Out Tick(double x, double cutoffHz, double q) {
    Set(cutoffHz, q);
    return Run(x);
  }
  // Setting the cutoff costs a tangent; a voice whose cutoff moves slowly sets it every few samples.
  void Set(double cutoffHz, double q);
  Out Run(double x);
  double Low(double x, double cutoffHz, double q) { return Tick(x, cutoffHz, q).low; }
  double Band(double x, double cutoffHz, double q) { return Tick(x, cutoffHz, q).band; }
  double High(double x, double cutoffHz, double q) { return Tick(x, cutoffHz, q).high; }

 private:
  double ic1_ = 0.0;
  double ic2_ = 0.0;
  double k_ = 1.0, a1_ = 1.0, a2_ = 0.0, a3_ = 0.0;
};

// One-pole smoothing, used to take the DC out of a finished sound.
class DcBlock {
 public:
  double Tick(double x);

 private:
  double x1_ = 0.0;
  double y1_ = 0.0;
};

// Envelopes, all in seconds.
// Linear attack, exponential decay to `sustain`, held until `gate`, then exponential release.
double Adsr(double t, double gate, double attack, double decay, double sustain, double release);
// A struck sound: linear attack then exponential decay with time constant `decay`.
double Strike(double t, double attack, double decay);
// 0..1 raised-cosine ramp over [start, start + length].
double Ramp(double t, double start, double length);

// Freeverb-style room: parallel combs and series allpasses per side, slightly
// different lengths left and right for width.
class Room {
 public:
  Room(double size, double damping);
  // Processes `dry` and returns the wet signal only.
  Stereo Process(const Stereo& dry, double wetGain);
  // The same for a loop: runs over the loop twice so the tail of its end rings into its start.
  Stereo ProcessLoop(const Stereo& dry, double wetGain);

 private:
  struct Comb {
    std::vector<float> line;
    size_t pos = 0;
    double store = 0.0;
  };
  struct Allpass {
    std::vector<float> line;
    size_t pos = 0;
  };
  double TickSide(double x, std::vector<Comb>& combs, std::vector<Allpass>& passes);
  void Clear();

  double feedback_;
  double damping_;
  std::vector<Comb> combsL_, combsR_;
  std::vector<Allpass> passesL_, passesR_;
};

// Stereo echo, left and right delays may differ (ping-pong width).
Stereo Echo(const Stereo& dry, size_t delayL, size_t delayR, double feedback, double wetGain, double toneHz,
            bool loop);

// Gentle saturation that stays linear at low levels.
double Soft(double x);

// Finishing touches.
// Scales so the larger channel peak is `peak` (linear, below 1); a silent buffer stays silent.
void Normalise(Stereo& s, double peak);
double PeakOf(const Stereo& s);
// Raised-cosine fade at both ends, in milliseconds.
void FadeEdges(Stereo& s, double inMs, double outMs);
// Removes any constant offset from a loop (the mean of each channel).
void RemoveLoopDc(Stereo& s);
// Folds everything rendered past `frames` back onto the start, as a looping
// player would hear it, and cuts the buffer to exactly `frames`.
void FoldLoop(Stereo& s, size_t frames);
// Runs a filter over a loop twice, keeping the second pass, so its state at the
// start is the state the end leaves behind.
template <class Filter>
void FilterLoop(std::vector<float>& x, Filter&& filter) {
  for (float v : x) (void)filter(v);
  for (float& v : x) v = static_cast<float>(filter(v));
}

}  // namespace assets::sound
