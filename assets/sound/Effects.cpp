#include "assets/sound/Effects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "assets/sound/Voices.h"

namespace assets::sound {

namespace {

// Loudness of the finished effects (linear peak): loud enough to sit over the music, with headroom.
constexpr double kEffectPeak = 0.7;
constexpr double kQuietPeak = 0.5;  // the bonus blip repeats fast and should not tire the ear

double TimeOf(size_t i) { return static_cast<double>(i) / kRate; }

// A short sound is finished with soft edges, a touch of room and its level set.
void Finish(Stereo& s, double peak, double roomWet = 0.0) {
  if (roomWet > 0.0) {
    Room room(0.35, 0.6);
    const Stereo wet = room.Process(s, roomWet);
    for (size_t i = 0; i < s.Frames(); ++i) {
      s.left[i] += wet.left[i];
      s.right[i] += wet.right[i];
    }
  }
  DcBlock dcL, dcR;
  for (size_t i = 0; i < s.Frames(); ++i) {
    s.left[i] = static_cast<float>(dcL.Tick(s.left[i]));
    s.right[i] = static_cast<float>(dcR.Tick(s.right[i]));
  }
  FadeEdges(s, 2.0, 12.0);
  Normalise(s, peak);
}

// A loop keeps its edges (they join each other) and only loses its offset.
void FinishLoop(Stereo& s, double peak) {
  RemoveLoopDc(s);
  Normalise(s, peak);
}

Instrument ChimeBell() {
  Instrument b;
  b.fmRatio = 2.0;
  b.fmIndex = 1.4;
  b.fmDecay = 0.06;
  b.attack = 0.001;
  b.decay = 0.22;
  b.sustain = 0.0;
  b.release = 0.15;
  b.legato = 1.0;
  return b;
}

// Integrates a frequency curve into phases so that a loop of `frames` holds whole cycles.
std::vector<double> LoopPhases(size_t frames, const std::vector<double>& hz) {
  double total = 0.0;
  for (double f : hz) total += f / kRate;
  const double scale = total > 0.0 ? std::max(1.0, std::round(total)) / total : 1.0;
  std::vector<double> phase(frames);
  double p = 0.0;
  for (size_t i = 0; i < frames; ++i) {
    phase[i] = p;
    p += hz[i] * scale / kRate;
    p -= std::floor(p);
  }
  return phase;
}

// A soft reedy hum read from a phase: the first harmonics of a saw, without its sharp edge.
double HumAt(double phase) {
  return SinCycles(phase) + 0.5 * SinCycles(2.0 * phase) + 0.3 * SinCycles(3.0 * phase) +
         0.15 * SinCycles(4.0 * phase);
}

std::vector<float> LoopNoise(size_t frames, uint32_t seed) {
  Noise n(seed);
  std::vector<float> x(frames);
  for (float& v : x) v = static_cast<float>(n.Next());
  return x;
}

// A whirring flutter that repeats exactly every `frames`: a buzzing tone and a band of air,
// both puffed by the beat of `flaps` wing-strokes, the buzz's pitch sagging `sag` within each stroke.
Stereo Flutter(size_t frames, int flaps, double buzzHz, double sag, double airHz, double buzzHz2, uint32_t seed) {
  std::vector<double> hz(frames), hz2(frames), puff(frames);
  for (size_t i = 0; i < frames; ++i) {
    const double stroke = std::fmod(static_cast<double>(i) * flaps / static_cast<double>(frames), 1.0);
    hz[i] = buzzHz * (1.0 - sag * stroke);
    hz2[i] = buzzHz2 * (1.0 - 0.5 * sag * stroke);
    const double beat = 0.5 - 0.5 * std::cos(kTwoPi * stroke);
    puff[i] = 0.3 + 0.7 * beat * beat;
  }
  const std::vector<double> phase = LoopPhases(frames, hz);
  const std::vector<double> phase2 = LoopPhases(frames, hz2);

  std::vector<float> buzz(frames);
  for (size_t i = 0; i < frames; ++i)
    buzz[i] = static_cast<float>(HumAt(phase[i]) + 0.3 * SinCycles(phase2[i]));
  Svf buzzBand;
  FilterLoop(buzz, [&](double v) { return buzzBand.Low(v, 700.0, 0.8); });

  std::vector<float> airL = LoopNoise(frames, seed), airR = LoopNoise(frames, seed * 31 + 7);
  Svf bandL, bandR, lowL, lowR;
  FilterLoop(airL, [&](double v) { return lowL.Low(bandL.Band(v, airHz, 0.9), 5000.0, 0.7); });
  FilterLoop(airR, [&](double v) { return lowR.Low(bandR.Band(v, airHz * 1.08, 0.9), 5000.0, 0.7); });

  Stereo s(frames);
  for (size_t i = 0; i < frames; ++i) {
    // the sound sways once across the loop, as the wings turn
    const double sway = 0.25 * std::sin(kTwoPi * static_cast<double>(i) / static_cast<double>(frames));
    const PanGains g = Pan(sway);
    const double b = 0.45 * buzz[i] * puff[i];
    s.left[i] = static_cast<float>((b + 2.2 * airL[i] * puff[i]) * g.left);
    s.right[i] = static_cast<float>((b + 2.2 * airR[i] * puff[i]) * g.right);
  }
  return s;
}

// Three related pick-ups: one four-note rise, played by `voice`, over each kind's own colour.
enum class ShieldColour { Air, Fire, Rubber };

Stereo ShieldGet(ShieldColour colour) {
  Stereo s(Samples(0.95));
  Instrument voice;
  std::array<int, 4> notes{};
  switch (colour) {
    case ShieldColour::Air:
      notes = {84, 88, 91, 96};  // C6 E6 G6 C7
      voice.shapeA = Shape::Triangle;
      voice.shapeB = Shape::Sine;
      voice.mixB = 0.5;
      voice.octaveB = 12.0;
      voice.attack = 0.004;
      voice.decay = 0.25;
      voice.sustain = 0.15;
      voice.release = 0.2;
      voice.vibratoCents = 25.0;
      voice.vibratoHz = 7.0;
      voice.vibratoDelay = 0.05;
      break;
    case ShieldColour::Fire:
      notes = {74, 81, 86, 93};  // D5 A5 D6 A6
      voice.shapeA = Shape::Saw;
      voice.shapeB = Shape::Saw;
      voice.mixB = 0.8;
      voice.detuneB = 14.0;
      voice.cutoff = 2200.0;
      voice.cutoffEnv = 4000.0;
      voice.filterDecay = 0.08;
      voice.q = 1.3;
      voice.attack = 0.003;
      voice.decay = 0.2;
      voice.sustain = 0.2;
      voice.release = 0.15;
      break;
    case ShieldColour::Rubber:
      notes = {79, 83, 86, 91};  // G5 B5 D6 G6
      voice.shapeA = Shape::Square;
      voice.cutoff = 3000.0;
      voice.cutoffEnv = 2000.0;
      voice.filterDecay = 0.05;
      voice.swoop = -5.0;  // each note bloops up into place
      voice.swoopTime = 0.02;
      voice.attack = 0.003;
      voice.decay = 0.18;
      voice.sustain = 0.15;
      voice.release = 0.12;
      break;
  }
  voice.legato = 1.0;
  voice.gain = 0.5;
  for (size_t k = 0; k < notes.size(); ++k) {
    const double at = 0.055 * static_cast<double>(k);
    const double held = k + 1 == notes.size() ? 0.35 : 0.06;
    const double pan = -0.45 + 0.3 * static_cast<double>(k);
    PlayNote(s, voice, at, held, notes[k], 1.0, pan);
  }
  // a soft bell on top of the last note ties the three together
  Instrument bell = ChimeBell();
  bell.gain = 0.25;
  bell.decay = 0.4;
  PlayNote(s, bell, 0.165, 0.05, notes.back() + 12, 1.0, 0.2);

  Noise noise(colour == ShieldColour::Air ? 11u : colour == ShieldColour::Fire ? 12u : 13u);
  Svf band, low;
  Oscillator thump;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    double x = 0.0;
    switch (colour) {
      case ShieldColour::Air: {
        // a rising breath
        const double fc = 900.0 * std::pow(2.0, 2.5 * std::min(t / 0.4, 1.0));
        x = 0.35 * band.Band(noise.Next(), fc, 1.2) * Ramp(t, 0.0, 0.12) * std::exp(-t / 0.25);
        break;
      }
      case ShieldColour::Fire: {
        // crackle: sparse sparks over a low roar
        const double spark = noise.Fraction() < 0.004 ? noise.Next() * 3.0 : 0.0;
        x = 0.5 * band.Band(spark, 3500.0, 2.0) * std::exp(-t / 0.4);
        x += 0.25 * low.Low(noise.Next(), 400.0, 0.8) * Strike(t, 0.01, 0.25);
        break;
      }
      case ShieldColour::Rubber:
        x = 0.45 * thump.Tick(Shape::Sine, 60.0 + 90.0 * std::exp(-t / 0.04)) * Strike(t, 0.002, 0.08);
        break;
    }
    s.left[i] += static_cast<float>(x);
    s.right[i] += static_cast<float>(x);
  }
  Finish(s, kEffectPeak, 0.25);
  return s;
}

}  // namespace

Stereo RingSound() {
  Stereo s(Samples(0.75));
  Instrument bell = ChimeBell();
  bell.gain = 0.6;
  PlayNote(s, bell, 0.0, 0.05, 93, 0.8, -0.3);   // A6
  PlayNote(s, bell, 0.06, 0.05, 100, 1.0, 0.3);  // E7
  Instrument glint = ChimeBell();
  glint.fmIndex = 0.3;
  glint.gain = 0.15;
  glint.decay = 0.35;
  PlayNote(s, glint, 0.06, 0.05, 112, 1.0, 0.5);  // a faint glint two octaves up
  Finish(s, kEffectPeak, 0.3);
  return s;
}

Stereo JumpSound() {
  Stereo s(Samples(0.24));
  Oscillator osc;
  Svf low, air;
  Noise noise(3);
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double hz = 250.0 * std::pow(2.0, 1.7 * (1.0 - std::exp(-t / 0.06)));
    double x = osc.Tick(Shape::Pulse, hz, 0.3 + 0.6 * t);
    x = low.Low(x, 2500.0 + 3000.0 * std::exp(-t / 0.05), 0.8);
    x *= Strike(t, 0.003, 0.07);
    x += 0.15 * air.Band(noise.Next(), 2500.0, 0.8) * Strike(t, 0.001, 0.03);
    s.left[i] = s.right[i] = static_cast<float>(x);
  }
  Finish(s, kEffectPeak);
  return s;
}

Stereo SpringSound() {
  Stereo s(Samples(0.6));
  double phase = 0.0, phase2 = 0.0;
  Oscillator sub;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    // a fast stretch up to pitch, then the coil's wobble dying away
    const double wobble = 1.0 + 0.1 * std::exp(-t / 0.14) * std::sin(kTwoPi * 15.0 * t);
    const double hz = (190.0 + 400.0 * (1.0 - std::exp(-t / 0.025))) * wobble;
    phase += hz / kRate;
    phase2 += hz * 1.41 / kRate;
    const double twang = std::sin(kTwoPi * phase + 1.6 * std::exp(-t / 0.08) * std::sin(kTwoPi * phase2));
    double x = twang * Strike(t, 0.003, 0.17);
    x += 0.3 * sub.Tick(Shape::Sine, hz * 0.5) * Strike(t, 0.003, 0.08);
    const double l = x * (1.0 + 0.15 * std::sin(kTwoPi * 15.0 * t));
    const double r = x * (1.0 - 0.15 * std::sin(kTwoPi * 15.0 * t));
    s.left[i] = static_cast<float>(l);
    s.right[i] = static_cast<float>(r);
  }
  Finish(s, kEffectPeak, 0.15);
  return s;
}

Stereo LampSound() {
  Stereo s(Samples(1.1));
  Instrument bell;
  bell.fmRatio = 3.5;  // a small hand-bell's bright, slightly out-of-tune partials
  bell.fmIndex = 1.8;
  bell.fmDecay = 0.12;
  bell.attack = 0.001;
  bell.decay = 0.45;
  bell.sustain = 0.0;
  bell.release = 0.3;
  bell.legato = 1.0;
  bell.gain = 0.6;
  PlayNote(s, bell, 0.0, 0.04, 91, 0.6, -0.25);  // G6, the grace note
  PlayNote(s, bell, 0.09, 0.3, 96, 1.0, 0.15);   // C7, the ring
  Instrument body = ChimeBell();
  body.fmIndex = 0.5;
  body.decay = 0.5;
  body.gain = 0.35;
  PlayNote(s, body, 0.09, 0.3, 84, 1.0, 0.0);  // C6 underneath, for warmth
  Finish(s, kEffectPeak, 0.35);
  return s;
}

Stereo BoxSound() {
  Stereo s(Samples(0.5));
  Noise nl(21), nr(22), grit(23);
  Svf crackL, crackR, bodyL, bodyR, chipL, chipR;
  Oscillator thump;
  // a few bits of shell clattering off after the pop
  std::array<double, 7> chipAt{};
  std::array<double, 7> chipPan{};
  for (size_t k = 0; k < chipAt.size(); ++k) {
    chipAt[k] = 0.04 + 0.3 * grit.Fraction() * grit.Fraction();
    chipPan[k] = grit.Next() * 0.8;
  }
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double a = nl.Next(), b = nr.Next();
    const double crack = Strike(t, 0.0005, 0.008);
    const double fc = 300.0 + 5500.0 * std::exp(-t / 0.06);
    const double bodyEnv = Strike(t, 0.001, 0.09);
    double l = 0.7 * crackL.High(a, 2000.0, 0.7) * crack + 0.9 * bodyL.Low(a, fc, 0.9) * bodyEnv;
    double r = 0.7 * crackR.High(b, 2000.0, 0.7) * crack + 0.9 * bodyR.Low(b, fc, 0.9) * bodyEnv;
    const double pop = thump.Tick(Shape::Sine, 45.0 + 130.0 * std::exp(-t / 0.05)) * Strike(t, 0.001, 0.08);
    l += 0.8 * pop;
    r += 0.8 * pop;
    double chipsL = 0.0, chipsR = 0.0;
    for (size_t k = 0; k < chipAt.size(); ++k) {
      const double e = Strike(t - chipAt[k], 0.0005, 0.006) * (1.0 - chipAt[k] * 2.0);
      if (e <= 0.0) continue;
      const PanGains g = Pan(chipPan[k]);
      chipsL += e * g.left;
      chipsR += e * g.right;
    }
    l += 0.6 * chipL.Band(a * chipsL, 3800.0, 2.0);
    r += 0.6 * chipR.Band(b * chipsR, 3800.0, 2.0);
    s.left[i] = static_cast<float>(Soft(l));
    s.right[i] = static_cast<float>(Soft(r));
  }
  Finish(s, kEffectPeak, 0.15);
  return s;
}

Stereo HurtSound() {
  Stereo s(Samples(1.1));
  // the knock
  Oscillator knock;
  Svf low;
  for (size_t i = 0; i < Samples(0.14); ++i) {
    const double t = TimeOf(i);
    const double hz = 110.0 + 120.0 * std::exp(-t / 0.03);
    const double x = low.Low(knock.Tick(Shape::Square, hz), 1400.0, 0.8) * Strike(t, 0.002, 0.035) * 0.8;
    s.left[i] += static_cast<float>(x);
    s.right[i] += static_cast<float>(x);
  }
  // the rings flying off: quick pings falling in pitch, thrown left and right
  Instrument ping = ChimeBell();
  ping.decay = 0.12;
  ping.release = 0.08;
  ping.gain = 0.45;
  Noise scatter(31);
  constexpr int kPings = 14;
  for (int k = 0; k < kPings; ++k) {
    const double at = 0.015 + 0.042 * k + 0.012 * scatter.Fraction();
    const double midi = 100.0 - 1.1 * k + std::round(scatter.Next() * 1.5);
    const double velocity = 1.0 - 0.045 * k;
    PlayNote(s, ping, at, 0.03, midi, velocity, scatter.Next() * 0.8);
  }
  Finish(s, kEffectPeak, 0.25);
  return s;
}

Stereo FlyLoop() {
  // 0.6 s: twelve wing-strokes at 20 a second over a 110 Hz buzz
  Stereo s = Flutter(Samples(0.6), 12, 110.0, 0.06, 1300.0, 330.0, 41);
  FinishLoop(s, 0.55);
  return s;
}

Stereo FallLoop() {
  // 0.8 s: six slow, tired strokes, the buzz lower and sagging more in each
  Stereo s = Flutter(Samples(0.8), 6, 82.5, 0.18, 800.0, 165.0, 43);
  FinishLoop(s, 0.55);
  return s;
}

Stereo SpinSound() {
  Stereo s(Samples(0.8));
  Oscillator saw, saw2, whirl;
  Svf lowL, lowR, hiss;
  Noise noise(51);
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double rise = 1.0 - std::exp(-t / 0.2);
    const double hz = 140.0 * std::pow(2.0, 2.2 * rise);
    const double x = saw.Tick(Shape::Saw, hz) + 0.6 * saw2.Tick(Shape::Saw, hz * 1.007);
    // the whirl speeds up with the revving
    const double am = 0.6 + 0.4 * whirl.Tick(Shape::Sine, 18.0 + 40.0 * rise);
    const double env = Ramp(t, 0.0, 0.01) * (t < 0.5 ? 1.0 : std::exp(-(t - 0.5) / 0.08));
    const double air = 0.25 * hiss.Band(noise.Next(), 4.0 * hz, 1.0);
    const double l = lowL.Low(x, 3.0 * hz + 400.0, 2.5) * am + air;
    const double r = lowR.Low(x, 3.2 * hz + 400.0, 2.5) * (1.6 - am) * 0.75 + air;
    s.left[i] = static_cast<float>(l * env);
    s.right[i] = static_cast<float>(r * env);
  }
  Finish(s, kEffectPeak * 0.9);
  return s;
}

Stereo RollSound() {
  Stereo s(Samples(0.32));
  Noise nl(61), nr(62);
  Svf bandL, bandR;
  Oscillator thrum, tumble;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double fc = 500.0 * std::pow(2.0, 2.3 * std::min(t / 0.12, 1.0));
    const double env = Strike(t, 0.006, 0.09);
    // tumbling: the whoosh pulses as the ball turns
    const double turn = 0.65 + 0.35 * tumble.Tick(Shape::Sine, 28.0);
    const double low = 0.5 * thrum.Tick(Shape::Triangle, 95.0 + 60.0 * t) * Strike(t, 0.004, 0.06);
    s.left[i] = static_cast<float>((bandL.Band(nl.Next(), fc, 1.2) * turn + low) * env);
    s.right[i] = static_cast<float>((bandR.Band(nr.Next(), fc * 1.1, 1.2) * turn + low) * env);
  }
  Finish(s, kEffectPeak * 0.9);
  return s;
}

Stereo ReleaseSound() {
  Stereo s(Samples(0.65));
  Oscillator saw, saw2;
  Svf tone, band;
  Noise noise(71);
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double hz = 160.0 + 1000.0 * std::exp(-t / 0.18);
    double x = tone.Low(saw.Tick(Shape::Saw, hz) + saw2.Tick(Shape::Saw, hz * 1.5), 2600.0, 1.0) * 0.5;
    x += 0.9 * band.Band(noise.Next(), 350.0 + 3500.0 * std::exp(-t / 0.16), 1.5);
    x *= Ramp(t, 0.0, 0.025) * std::exp(-t / 0.2);
    // it passes from left to right as it zooms away
    s.AddPanned(i, x, -0.6 + 1.2 * std::min(t / 0.5, 1.0));
  }
  Finish(s, kEffectPeak);
  return s;
}

Stereo DoubleJumpShieldGet() { return ShieldGet(ShieldColour::Air); }
Stereo DashShieldGet() { return ShieldGet(ShieldColour::Fire); }
Stereo BounceShieldGet() { return ShieldGet(ShieldColour::Rubber); }

Stereo DoubleJumpUse() {
  Stereo s(Samples(0.38));
  Noise nl(81), nr(82);
  Svf bandL, bandR;
  Oscillator lift;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double fc = 500.0 * std::pow(2.0, 3.0 * std::min(t / 0.2, 1.0));
    const double env = Ramp(t, 0.0, 0.035) * std::exp(-t / 0.1);
    const double tone = 0.3 * lift.Tick(Shape::Sine, 500.0 + 700.0 * (1.0 - std::exp(-t / 0.08)));
    s.left[i] = static_cast<float>((bandL.Band(nl.Next(), fc, 1.0) + tone) * env);
    s.right[i] = static_cast<float>((bandR.Band(nr.Next(), fc * 1.12, 1.0) + tone) * env);
  }
  Finish(s, kEffectPeak);
  return s;
}

Stereo DashUse() {
  Stereo s(Samples(0.65));
  Noise nl(91), nr(92);
  Svf lowL, lowR, growl;
  Oscillator boom, roar;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double b = boom.Tick(Shape::Sine, 40.0 + 70.0 * std::exp(-t / 0.08)) * Strike(t, 0.001, 0.15);
    const double fc = 500.0 + 7000.0 * std::exp(-t / 0.1);
    const double blastEnv = Strike(t, 0.001, 0.15);
    const double r = growl.Low(roar.Tick(Shape::Saw, 110.0 + 150.0 * std::exp(-t / 0.1)), 1500.0, 1.2) *
                     Strike(t, 0.002, 0.12);
    const double l0 = 0.8 * b + 0.8 * lowL.Low(nl.Next(), fc, 0.8) * blastEnv + 0.5 * r;
    const double r0 = 0.8 * b + 0.8 * lowR.Low(nr.Next(), fc, 0.8) * blastEnv + 0.5 * r;
    s.left[i] = static_cast<float>(Soft(1.5 * l0));
    s.right[i] = static_cast<float>(Soft(1.5 * r0));
  }
  Finish(s, kEffectPeak, 0.15);
  return s;
}

Stereo BounceUse() {
  Stereo s(Samples(0.42));
  Oscillator thump, spring;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    const double low = thump.Tick(Shape::Sine, 50.0 + 100.0 * std::exp(-t / 0.04)) * Strike(t, 0.001, 0.09);
    const double wobble = 1.0 + 0.08 * std::exp(-t / 0.1) * std::sin(kTwoPi * 12.0 * t);
    const double hz = (260.0 + 160.0 * (1.0 - std::exp(-t / 0.03))) * wobble;
    const double boing = 0.45 * spring.Tick(Shape::Triangle, hz) * Strike(t, 0.003, 0.12);
    s.left[i] = static_cast<float>(low + boing * 1.1);
    s.right[i] = static_cast<float>(low + boing * 0.9);
  }
  Finish(s, kEffectPeak);
  return s;
}

Stereo BlipSound() {
  // 40 ms, so one blip has died before the next count step three frames later
  Stereo s(Samples(0.04));
  Oscillator osc, top;
  Svf low;
  for (size_t i = 0; i < s.Frames(); ++i) {
    const double t = TimeOf(i);
    double x = low.Low(osc.Tick(Shape::Square, 1318.5), 6000.0, 0.7) + 0.3 * top.Tick(Shape::Sine, 2637.0);
    x *= Strike(t, 0.0008, 0.009);
    s.left[i] = s.right[i] = static_cast<float>(x);
  }
  Finish(s, kQuietPeak);
  return s;
}

Stereo JingleSound() {
  Stereo s(Samples(1.5));
  Instrument bell = ChimeBell();
  bell.decay = 0.5;
  bell.gain = 0.35;
  Instrument pulse;
  pulse.shapeA = Shape::Pulse;
  pulse.width = 0.35;
  pulse.cutoff = 2500.0;
  pulse.cutoffEnv = 2500.0;
  pulse.filterDecay = 0.08;
  pulse.attack = 0.004;
  pulse.decay = 0.2;
  pulse.sustain = 0.5;
  pulse.release = 0.2;
  pulse.gain = 0.25;
  pulse.legato = 1.0;
  struct Step {
    double at;
    double held;
    std::array<int, 4> notes;  // 0 = none
  };
  // IV, V, I: F, G, then a ringing C
  const std::array<Step, 3> cadence = {{
      {0.0, 0.1, {77, 81, 84, 0}},
      {0.13, 0.1, {79, 83, 86, 0}},
      {0.26, 0.55, {84, 88, 91, 96}},
  }};
  for (const Step& step : cadence) {
    double pan = -0.4;
    for (int n : step.notes) {
      if (n == 0) continue;
      PlayNote(s, pulse, step.at, step.held, n, 1.0, pan);
      PlayNote(s, bell, step.at, step.held, n + 12, 0.8, -pan);
      pan += 0.27;
    }
  }
  // a little sparkle running up over the last chord
  Instrument glint = ChimeBell();
  glint.gain = 0.2;
  constexpr std::array<int, 3> kGlints = {100, 103, 108};  // E7 G7 C8
  for (size_t k = 0; k < kGlints.size(); ++k)
    PlayNote(s, glint, 0.32 + 0.06 * static_cast<double>(k), 0.03, kGlints[k], 1.0, 0.5);
  Finish(s, kEffectPeak, 0.3);
  return s;
}

}  // namespace assets::sound
