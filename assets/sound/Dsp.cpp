#include "assets/sound/Dsp.h"

#include <algorithm>
#include <cmath>

namespace assets::sound {

size_t Samples(double seconds) { return static_cast<size_t>(std::llround(std::max(0.0, seconds) * kRate)); }

double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

PanGains Pan(double pan) {
  const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * 0.25 * kPi;
  // Centre gives 1/sqrt(2) per side; scaled so a centred voice keeps its level on each side.
  return {std::cos(angle) * std::sqrt(2.0), std::sin(angle) * std::sqrt(2.0)};
}

void Stereo::AddPanned(size_t i, double value, double pan) {
  if (i >= left.size()) return;
  const PanGains g = Pan(pan);
  left[i] += static_cast<float>(value * g.left);
  right[i] += static_cast<float>(value * g.right);
}

void Stereo::Mix(const Stereo& other, size_t offset, double gain) {
  if (offset + other.Frames() > Frames()) Resize(offset + other.Frames());
  for (size_t i = 0; i < other.Frames(); ++i) {
    left[offset + i] += static_cast<float>(other.left[i] * gain);
    right[offset + i] += static_cast<float>(other.right[i] * gain);
  }
}

double Noise::Next() { return Fraction() * 2.0 - 1.0; }

double Noise::Fraction() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
}

void Svf::Set(double cutoffHz, double q) {
  const double fc = std::clamp(cutoffHz, 10.0, 0.45 * kRate);
  const double g = std::tan(kPi * fc / kRate);
  k_ = 1.0 / std::max(q, 0.05);
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

Svf::Out Svf::Run(double x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return {v2, v1, x - k_ * v1 - v2};
}

double DcBlock::Tick(double x) {
  const double y = x - x1_ + 0.9995 * y1_;
  x1_ = x;
  y1_ = y;
  return y;
}

double Adsr(double t, double gate, double attack, double decay, double sustain, double release) {
  if (t < 0.0) return 0.0;
  auto held = [&](double u) {
    if (u < attack) return attack > 0.0 ? u / attack : 1.0;
    const double d = u - attack;
    return sustain + (1.0 - sustain) * std::exp(-d / std::max(decay, 1e-4));
  };
  if (t < gate) return held(t);
  const double level = held(gate);
  return level * std::exp(-(t - gate) / std::max(release, 1e-4));
}

double Strike(double t, double attack, double decay) {
  if (t < 0.0) return 0.0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / std::max(decay, 1e-4));
}

double Ramp(double t, double start, double length) {
  if (t <= start) return 0.0;
  if (t >= start + length) return 1.0;
  return 0.5 - 0.5 * std::cos(kPi * (t - start) / length);
}

Room::Room(double size, double damping) : feedback_(0.7 + 0.28 * size), damping_(0.4 * damping) {
  static constexpr size_t kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  static constexpr size_t kPasses[] = {556, 441, 341, 225};
  constexpr size_t kSpread = 23;
  for (size_t n : kCombs) {
    combsL_.push_back({std::vector<float>(n, 0.0f)});
    combsR_.push_back({std::vector<float>(n + kSpread, 0.0f)});
  }
  for (size_t n : kPasses) {
    passesL_.push_back({std::vector<float>(n, 0.0f)});
    passesR_.push_back({std::vector<float>(n + kSpread, 0.0f)});
  }
}

void Room::Clear() {
  for (auto* combs : {&combsL_, &combsR_}) {
    for (Comb& c : *combs) {
      std::fill(c.line.begin(), c.line.end(), 0.0f);
      c.pos = 0;
      c.store = 0.0;
    }
  }
  for (auto* passes : {&passesL_, &passesR_}) {
    for (Allpass& a : *passes) {
      std::fill(a.line.begin(), a.line.end(), 0.0f);
      a.pos = 0;
    }
  }
}

double Room::TickSide(double x, std::vector<Comb>& combs, std::vector<Allpass>& passes) {
  double out = 0.0;
  for (Comb& c : combs) {
    const double y = c.line[c.pos];
    c.store = y * (1.0 - damping_) + c.store * damping_;
    c.line[c.pos] = static_cast<float>(x + c.store * feedback_);
    if (++c.pos == c.line.size()) c.pos = 0;
    out += y;
  }
  for (Allpass& a : passes) {
    const double b = a.line[a.pos];
    const double y = b - out;
    a.line[a.pos] = static_cast<float>(out + b * 0.5);
    if (++a.pos == a.line.size()) a.pos = 0;
    out = y;
  }
  return out;
}

Stereo Room::Process(const Stereo& dry, double wetGain) {
  Clear();
  Stereo wet(dry.Frames());
  for (size_t i = 0; i < dry.Frames(); ++i) {
    const double in = (dry.left[i] + dry.right[i]) * 0.015;
    wet.left[i] = static_cast<float>(TickSide(in, combsL_, passesL_) * wetGain);
    wet.right[i] = static_cast<float>(TickSide(in, combsR_, passesR_) * wetGain);
  }
  return wet;
}

Stereo Room::ProcessLoop(const Stereo& dry, double wetGain) {
  Clear();
  for (size_t i = 0; i < dry.Frames(); ++i) {
    const double in = (dry.left[i] + dry.right[i]) * 0.015;
    (void)TickSide(in, combsL_, passesL_);
    (void)TickSide(in, combsR_, passesR_);
  }
  Stereo wet(dry.Frames());
  for (size_t i = 0; i < dry.Frames(); ++i) {
    const double in = (dry.left[i] + dry.right[i]) * 0.015;
    wet.left[i] = static_cast<float>(TickSide(in, combsL_, passesL_) * wetGain);
    wet.right[i] = static_cast<float>(TickSide(in, combsR_, passesR_) * wetGain);
  }
  return wet;
}

Stereo Echo(const Stereo& dry, size_t delayL, size_t delayR, double feedback, double wetGain, double toneHz,
            bool loop) {
  std::vector<float> lineL(std::max<size_t>(delayL, 1), 0.0f);
  std::vector<float> lineR(std::max<size_t>(delayR, 1), 0.0f);
  size_t posL = 0, posR = 0;
  Svf toneL, toneR;
  Stereo wet(dry.Frames());
  const int passes = loop ? 2 : 1;
  toneL.Set(toneHz, 0.7);
  toneR.Set(toneHz, 0.7);
  for (int pass = 0; pass < passes; ++pass) {
    for (size_t i = 0; i < dry.Frames(); ++i) {
      const double outL = lineL[posL];
      const double outR = lineR[posR];
      const double in = 0.5 * (dry.left[i] + dry.right[i]);
      // ping-pong: the left echo feeds the right line and back
      lineL[posL] = static_cast<float>(in + feedback * toneL.Run(outR).low);
      lineR[posR] = static_cast<float>(feedback * toneR.Run(outL).low);
      if (++posL == lineL.size()) posL = 0;
      if (++posR == lineR.size()) posR = 0;
      wet.left[i] = static_cast<float>(outL * wetGain);
      wet.right[i] = static_cast<float>(outR * wetGain);
    }
  }
  return wet;
}

double Soft(double x) { return std::tanh(x); }

double PeakOf(const Stereo& s) {
  double peak = 0.0;
  for (size_t i = 0; i < s.Frames(); ++i) {
    peak = std::max(peak, static_cast<double>(std::fabs(s.left[i])));
    peak = std::max(peak, static_cast<double>(std::fabs(s.right[i])));
  }
  return peak;
}

void Normalise(Stereo& s, double peak) {
  const double current = PeakOf(s);
  if (current <= 0.0) return;
  const double gain = peak / current;
  for (size_t i = 0; i < s.Frames(); ++i) {
    s.left[i] = static_cast<float>(s.left[i] * gain);
    s.right[i] = static_cast<float>(s.right[i] * gain);
  }
}

void FadeEdges(Stereo& s, double inMs, double outMs) {
  const size_t n = s.Frames();
  const size_t fadeIn = std::min(n, Samples(inMs / 1000.0));
  const size_t fadeOut = std::min(n, Samples(outMs / 1000.0));
  for (size_t i = 0; i < fadeIn; ++i) {
    const double g = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(fadeIn));
    s.left[i] = static_cast<float>(s.left[i] * g);
    s.right[i] = static_cast<float>(s.right[i] * g);
  }
  for (size_t k = 0; k < fadeOut; ++k) {
    const size_t i = n - 1 - k;
    const double g = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(k) / static_cast<double>(fadeOut));
    s.left[i] = static_cast<float>(s.left[i] * g);
    s.right[i] = static_cast<float>(s.right[i] * g);
  }
}

void RemoveLoopDc(Stereo& s) {
  if (s.Frames() == 0) return;
  for (auto* side : {&s.left, &s.right}) {
    double sum = 0.0;
    for (float v : *side) sum += v;
    const double mean = sum / static_cast<double>(side->size());
    for (float& v : *side) v = static_cast<float>(v - mean);
  }
}

void FoldLoop(Stereo& s, size_t frames) {
  if (frames == 0) return;
  if (s.Frames() < frames) s.Resize(frames);
  for (size_t i = frames; i < s.Frames(); ++i) {
    s.left[i % frames] += s.left[i];
    s.right[i % frames] += s.right[i];
  }
  s.Resize(frames);
  s.left.shrink_to_fit();
  s.right.shrink_to_fit();
}

}  // namespace assets::sound
