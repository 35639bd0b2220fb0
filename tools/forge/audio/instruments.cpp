#include "instruments.h"

#include <algorithm>
#include <functional>

#include "synth.h"

namespace vontra::forge {

namespace {

constexpr double kMiddleC = 261.6255653;
constexpr double kDrumRate = 44100;
constexpr int kPeriod = 256;  // samples per cycle of a tonal sample at its own pitch

XmSample Finish(const char* name, Signal s, double rate, double peak) {
  const double p = Peak(s);
  if (p > 0) {
    for (float& v : s) v = float(v * peak / p);
  }
  XmSample sample;
  sample.name = name;
  sample.data = ToPcm16(s);
  TuneSampleRate(sample, rate);
  return sample;
}

XmInstrument OneShot(const char* name, Signal s, double peak = 0.95) {
  XmInstrument ins;
  ins.name = name;
  FadeEdges(s, kDrumRate, 0.0002, 0.005);
  ins.sample = Finish(name, std::move(s), kDrumRate, peak);
  return ins;
}

// Band-limited oscillator: the sum of harmonics 1..n of a shape given by `amplitude(h)`.
double Additive(double phase, int harmonics, const std::function<double(int)>& amplitude) {
  double v = 0;
  for (int h = 1; h <= harmonics; ++h) v += amplitude(h) * std::sin(phase * h);
  return v;
}

double SawHarmonic(int h) {
  return 1.0 / h;
}
// A pulse of 25 % duty: every fourth harmonic is missing.
double PulseHarmonic(int h) {
  return std::sin(std::numbers::pi * h * 0.25) / h;
}

// A looped tonal sample: `cycles` periods of kPeriod samples, in which each detuned voice
// completes a whole number of cycles, so the loop is seamless and in tune.
Signal DetunedLoop(int cycles, const std::vector<int>& voiceCycles,
                   const std::function<double(double)>& wave) {
  const size_t length = size_t(cycles) * kPeriod;
  Signal s(length, 0);
  for (size_t v = 0; v < voiceCycles.size(); ++v) {
    const double phaseOffset = 1.7 * double(v);
    for (size_t i = 0; i < length; ++i) {
      const double phase = kTwoPi * double(voiceCycles[v]) * double(i) / double(length);
      s[i] += float(wave(phase + phaseOffset));
    }
  }
  return s;
}

XmInstrument Tonal(const char* name, Signal s, uint32_t loopStart) {
  XmInstrument ins;
  ins.name = name;
  ins.sample = Finish(name, std::move(s), kMiddleC * kPeriod, 0.9);
  ins.sample.loopStart = loopStart;
  ins.sample.loopLength = uint32_t(ins.sample.data.size()) - loopStart;
  return ins;
}

}  // namespace

XmInstrument Kick() {
  double phase = 0;
  Noise noise(301);
  Signal s(size_t(0.45 * kDrumRate));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kDrumRate;
    phase += kTwoPi * (48 + 110 * std::exp(-t / 0.035)) / kDrumRate;
    const double body = std::sin(phase) * AttackDecay(t, 0.001, 0.16);
    const double click = noise.Next() * AttackDecay(t, 0.0003, 0.002);
    s[i] = float(std::tanh(1.6 * body) + 0.3 * click);
  }
  return OneShot("Kick", std::move(s));
}

XmInstrument Snare(double brightness) {
  Noise noise(302);
  StateVariableFilter filter;
  Signal s(size_t(0.3 * kDrumRate));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kDrumRate;
    const double tone = (std::sin(kTwoPi * 185 * t) + 0.6 * std::sin(kTwoPi * 330 * t)) *
                        AttackDecay(t, 0.001, 0.045);
    const auto f = filter.Step(noise.Next(), 2500 + 4000 * brightness, 0.7, kDrumRate);
    const double rattle = (f.band + brightness * f.high) * AttackDecay(t, 0.001, 0.07);
    s[i] = float(0.8 * tone + 1.2 * rattle);
  }
  return OneShot("Snare", std::move(s));
}

namespace {
Signal Metallic(uint32_t seed, double seconds, double decay) {
  Noise noise(seed);
  StateVariableFilter filter;
  Signal s(size_t(seconds * kDrumRate));
  // Six square partials at inharmonic ratios give the cymbal's metallic colour.
  const double freqs[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kDrumRate;
    double metal = 0;
    for (double f : freqs) metal += std::sin(kTwoPi * f * 1.9 * t) > 0 ? 1 : -1;
    const double v = 0.2 * metal + noise.Next();
    s[i] = float(filter.Step(v, 9000, 0.8, kDrumRate).high * AttackDecay(t, 0.0005, decay));
  }
  return s;
}
}  // namespace

XmInstrument ClosedHat() {
  return OneShot("ClosedHat", Metallic(303, 0.12, 0.025), 0.6);
}
XmInstrument OpenHat() {
  return OneShot("OpenHat", Metallic(304, 0.6, 0.17), 0.6);
}
XmInstrument Crash() {
  return OneShot("Crash", Metallic(305, 2.2, 0.7), 0.7);
}

XmInstrument Clap() {
  Noise noise(306);
  StateVariableFilter filter;
  Signal s(size_t(0.25 * kDrumRate));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kDrumRate;
    // Three quick slaps, then the room.
    double env = 0;
    for (double at : {0.0, 0.011, 0.022}) env = std::max(env, AttackDecay(t - at, 0.0005, 0.006));
    env = std::max(env, 0.6 * AttackDecay(t - 0.03, 0.001, 0.06));
    s[i] = float(filter.Step(noise.Next(), 1400, 1.8, kDrumRate).band * env);
  }
  return OneShot("Clap", std::move(s));
}

XmInstrument Pad(int attackTicks, int fadeout, double brightness) {
  const int harmonics = 18;
  auto wave = [&](double phase) {
    return Additive(phase, harmonics, [&](int h) {
      return SawHarmonic(h) * std::exp(-double(h - 1) * (1.2 - brightness) * 0.35);
    });
  };
  // 256 cycles: voices 255, 256 and 257 beat slowly against each other.
  Signal s = DetunedLoop(256, {255, 256, 257}, wave);
  XmInstrument ins = Tonal("Pad", std::move(s), 0);
  ins.sample.volume = 48;
  ins.volumeEnvelope = {{0, 0}, {uint16_t(attackTicks), 64}, {uint16_t(attackTicks * 3), 52}};
  ins.sustainPoint = 2;
  ins.fadeout = uint16_t(fadeout);
  return ins;
}

XmInstrument Bass(double bite, int fadeout) {
  const int attackCycles = 48;
  const int loopCycles = 4;
  Signal s(size_t(attackCycles + loopCycles) * kPeriod);
  for (size_t i = 0; i < s.size(); ++i) {
    const double cycle = double(i) / kPeriod;
    const double phase = kTwoPi * cycle;
    // Brightness falls during the attack and is constant over the loop.
    const double open = std::exp(-std::min(cycle, double(attackCycles)) / 9.0);
    const double v = Additive(phase, 24, [&](int h) {
      const double mellow = h == 1 ? 1.0 : 0.35 * std::exp(-0.9 * (h - 2));
      const double bright = bite * SawHarmonic(h);
      return mellow + open * bright;
    });
    s[i] = float(v);
  }
  XmInstrument ins = Tonal("Bass", std::move(s), uint32_t(attackCycles * kPeriod));
  ins.volumeEnvelope = {{0, 64}, {4, 56}, {40, 50}};
  ins.sustainPoint = 2;
  ins.fadeout = uint16_t(fadeout);
  return ins;
}

XmInstrument Lead(bool bright, uint8_t panning) {
  auto wave = [&](double phase) {
    return Additive(phase, bright ? 22 : 16, [&](int h) {
      return (bright ? SawHarmonic(h) : PulseHarmonic(h)) * std::exp(-0.04 * h);
    });
  };
  Signal s = DetunedLoop(256, {255, 257}, wave);
  XmInstrument ins = Tonal(bright ? "LeadBright" : "LeadSoft", std::move(s), 0);
  ins.sample.panning = panning;
  ins.volumeEnvelope = {{0, 0}, {2, 64}, {12, 52}};
  ins.sustainPoint = 2;
  ins.fadeout = bright ? 1400 : 900;
  // Auto-vibrato that comes in after the note has settled.
  ins.vibratoType = 0;
  ins.vibratoSweep = 40;
  ins.vibratoDepth = 3;
  ins.vibratoRate = 10;
  return ins;
}

XmInstrument Pluck(double decaySeconds, uint8_t panning) {
  const double rate = kMiddleC * kPeriod;
  Signal s(size_t(1.6 * rate));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / rate;  // seconds at middle C
    const double phase = kTwoPi * double(i) / kPeriod;
    // Tine and body of an electric piano: a sine with a bell partial that dies first.
    const double body = std::sin(phase + 0.6 * std::sin(phase) * std::exp(-t / 0.3));
    const double bell = 0.35 * std::sin(phase * 7) * std::exp(-t / 0.05);
    s[i] = float((body + bell) * AttackDecay(t, 0.002, decaySeconds));
  }
  FadeEdges(s, rate, 0.0, 0.05);
  XmInstrument ins;
  ins.name = "Pluck";
  ins.sample = Finish("Pluck", std::move(s), rate, 0.9);
  ins.sample.panning = panning;
  return ins;
}

}  // namespace vontra::forge
