#include "effects.h"

#include <algorithm>
#include <functional>

#include "synth.h"

namespace vontra::forge {

namespace {

constexpr double kRate = kEffectRate;

Signal Render(double seconds, const std::function<float(double t, size_t i)>& f) {
  Signal s(size_t(seconds * kRate));
  for (size_t i = 0; i < s.size(); ++i) s[i] = f(double(i) / kRate, i);
  return s;
}

// A tone whose frequency follows `hz(t)`, with a few harmonics of decreasing weight.
Signal Sweep(double seconds, const std::function<double(double)>& hz,
             const std::vector<double>& harmonics) {
  double phase = 0;
  return Render(seconds, [&](double t, size_t) {
    phase += kTwoPi * hz(t) / kRate;
    double v = 0;
    for (size_t h = 0; h < harmonics.size(); ++h)
      v += harmonics[h] * std::sin(phase * double(h + 1));
    return float(v);
  });
}

void AddInto(Signal& to, const Signal& from, double atSeconds, double gain = 1) {
  const size_t at = size_t(atSeconds * kRate);
  if (to.size() < at + from.size()) to.resize(at + from.size(), 0);
  for (size_t i = 0; i < from.size(); ++i) to[at + i] += float(from[i] * gain);
}

// A short bell-like note: a few harmonics, quick attack, exponential decay.
Signal Note(double hz, double seconds, double decay, const std::vector<double>& harmonics) {
  Signal s = Sweep(
      seconds, [hz](double) { return hz; }, harmonics);
  for (size_t i = 0; i < s.size(); ++i) s[i] *= float(AttackDecay(double(i) / kRate, 0.004, decay));
  return s;
}

double Midi(double note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12);
}

Signal MenuBlip() {
  Signal s;
  AddInto(s, Note(Midi(81), 0.06, 0.025, {1, 0.3, 0.12}), 0);
  AddInto(s, Note(Midi(88), 0.09, 0.035, {1, 0.3, 0.12}), 0.035);
  return s;
}

// One engine loop: every partial has a whole number of cycles in the loop and the noise is
// rendered around a circle, so the last sample runs straight into the first.
Signal EngineHum() {
  const size_t length = size_t(kRate / 2);  // 0.5 s: partials on a 2 Hz grid
  const double base = 46;                   // firing rate of the idling engine
  Signal s(length, 0);
  const std::vector<double> partials = {1, 0.8, 0.55, 0.35, 0.3, 0.18, 0.12, 0.08, 0.05};
  for (size_t i = 0; i < length; ++i) {
    const double t = double(i) / kRate;
    // The engine's pulse: a slow wobble of 4 Hz, two cycles per loop.
    const double wobble = 1 + 0.15 * std::sin(kTwoPi * 4 * t);
    double v = 0;
    for (size_t h = 0; h < partials.size(); ++h) {
      v += partials[h] * std::sin(kTwoPi * base * double(h + 1) * t + 0.7 * double(h * h));
    }
    // A rough half-rate component (uneven cylinders), also on the grid.
    v += 0.35 * std::sin(kTwoPi * base * 0.5 * t);
    s[i] = float(v * wobble);
  }
  // Filtered noise for the intake rasp. Noise never repeats by itself, so the loop's start
  // is crossfaded from the noise that follows its end: the last sample then runs on into the
  // first.
  Noise noise(7);
  StateVariableFilter filter;
  const size_t fade = length / 8;
  Signal grit(length + fade);
  for (float& v : grit) v = filter.Step(noise.Next(), 900, 0.9, kRate).band;
  Signal looped(grit.begin(), grit.begin() + long(length));
  for (size_t i = 0; i < fade; ++i) {
    const double w = double(i) / double(fade);
    looped[i] = float(grit[i] * w + grit[length + i] * (1 - w));
  }
  for (size_t i = 0; i < length; ++i) {
    const double t = double(i) / kRate;
    s[i] += float(0.35 * looped[i] * (0.6 + 0.4 * std::sin(kTwoPi * base * t)));
  }
  // Smooth the top end a little, again round the circle.
  OnePole lp;
  Signal out(length);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < length; ++i) out[i] = lp.Step(s[i], 2200, kRate);
  }
  return out;
}

// One gunshot: a crack of noise and a low thump.
Signal Gunshot(uint32_t seed, double pitch) {
  Noise noise(seed);
  StateVariableFilter filter;
  double phase = 0;
  return Render(0.12, [&](double t, size_t) {
    const double crack =
        filter.Step(noise.Next(), 3000 * pitch, 0.7, kRate).band * AttackDecay(t, 0.0008, 0.018);
    phase += kTwoPi * (140 * pitch * std::exp(-t / 0.03) + 60) / kRate;
    const double thump = std::sin(phase) * AttackDecay(t, 0.001, 0.03);
    return float(1.4 * crack + 0.8 * thump);
  });
}

// Machine-gun rattle: four shots 75 ms apart, tails wrapped round the loop so it repeats
// without a seam.
Signal MachineGun() {
  const size_t length = size_t(kRate * 0.075) * 4;
  Signal s(length, 0);
  for (int k = 0; k < 4; ++k) {
    Signal shot = Gunshot(100 + uint32_t(k), 1.0 + 0.04 * (k % 2));
    const size_t at = size_t(kRate * 0.075) * size_t(k);
    for (size_t i = 0; i < shot.size(); ++i)
      s[(at + i) % length] += shot[i] * (k % 2 ? 0.85f : 1.f);
  }
  return s;
}

Signal RocketLaunch() {
  Noise noise(21);
  StateVariableFilter filter;
  StateVariableFilter rumble;
  return Render(0.7, [&](double t, size_t) {
    const double sweep = 500 + 2500 * std::sin(std::numbers::pi * Clamp01(t / 0.7));
    const double hiss = filter.Step(noise.Next(), sweep, 2.5, kRate).band;
    const double low = rumble.Step(noise.Next(), 120, 1.0, kRate).low;
    const double env = AttackDecay(t, 0.03, 0.25);
    return float(env * (0.9 * hiss + 1.8 * low));
  });
}

// A projectile striking metal: a crack and a few inharmonic ringing partials.
Signal Hit(uint32_t seed, double pitch, double seconds) {
  Noise noise(seed);
  StateVariableFilter filter;
  const double ratios[] = {1.0, 2.76, 5.40, 8.93};
  return Render(seconds, [&](double t, size_t) {
    double ring = 0;
    for (int k = 0; k < 4; ++k) {
      ring +=
          std::sin(kTwoPi * 900 * pitch * ratios[k] * t) * std::exp(-t * (25 + 15 * k)) / (1 + k);
    }
    const double crack =
        filter.Step(noise.Next(), 2500 * pitch, 0.8, kRate).band * AttackDecay(t, 0.0005, 0.012);
    return float(1.5 * crack + 0.35 * ring);
  });
}

Signal Explosion(uint32_t seed, double seconds, double size) {
  Noise noise(seed);
  StateVariableFilter body;
  StateVariableFilter crackle;
  Noise sparks(seed + 1);
  double phase = 0;
  return Render(seconds, [&](double t, size_t) {
    const double cutoff = 150 + 2200 * std::exp(-t / (0.12 * size));
    const double roar = body.Step(noise.Next(), cutoff, 0.8, kRate).low;
    phase += kTwoPi * (30 + 70 * std::exp(-t / 0.08)) / kRate;
    const double boom = std::sin(phase) * AttackDecay(t, 0.002, 0.18 * size);
    // Debris: sparse crackles that thin out.
    const double pop = sparks.Next() > 0.995 - 0.004 * std::exp(-t / 0.4) ? sparks.Next() : 0;
    const double debris = crackle.Step(pop, 2500, 1.5, kRate).band;
    const double env = AttackDecay(t, 0.003, 0.35 * size);
    return float(env * 2.2 * roar + 1.2 * boom + 0.6 * debris * std::exp(-t / (0.5 * size)));
  });
}

Signal Splash() {
  Noise noise(31);
  StateVariableFilter filter;
  Noise bubbles(32);
  double phase = 0, bubbleHz = 0, bubbleT = 1;
  return Render(0.55, [&](double t, size_t) {
    const double wash =
        filter.Step(noise.Next(), 1800 + 1200 * std::exp(-t / 0.1), 1.2, kRate).band;
    // Bubbles: short rising chirps at random moments.
    if (bubbles.Next() > 0.9992) {
      bubbleHz = 500 + 500 * (bubbles.Next() + 1);
      bubbleT = 0;
    }
    bubbleT += 1 / kRate;
    phase += kTwoPi * bubbleHz * (1 + 3 * bubbleT) / kRate;
    const double bubble = std::sin(phase) * std::exp(-bubbleT / 0.02);
    return float(AttackDecay(t, 0.01, 0.15) * wash * 1.8 + 0.3 * bubble * std::exp(-t / 0.3));
  });
}

Signal SpikeCrunch() {
  Signal s;
  AddInto(s, Hit(41, 1.6, 0.15), 0, 0.8);
  // A tyre bursting: a burst of hiss falling away.
  Noise noise(42);
  StateVariableFilter filter;
  AddInto(s,
          Render(0.35,
                 [&](double t, size_t) {
                   return float(
                       filter.Step(noise.Next(), 4000 * std::exp(-t / 0.2) + 400, 0.9, kRate).band *
                       AttackDecay(t, 0.002, 0.09));
                 }),
          0.02, 1.5);
  AddInto(s, Hit(43, 1.3, 0.12), 0.07, 0.6);
  return s;
}

Signal Arpeggio(const std::vector<double>& notes, double step, double last) {
  Signal s;
  for (size_t k = 0; k < notes.size(); ++k) {
    const bool final = k + 1 == notes.size();
    AddInto(s,
            Note(Midi(notes[k]), final ? last : step * 2.5, final ? last / 3 : step,
                 {1, 0.45, 0.25, 0.12, 0.06}),
            step * double(k));
  }
  return s;
}

Signal ClockTick() {
  Noise noise(51);
  return Render(0.05, [&](double t, size_t) {
    const double click = noise.Next() * AttackDecay(t, 0.0002, 0.0015);
    const double wood = std::sin(kTwoPi * 2600 * t) * AttackDecay(t, 0.0005, 0.006) +
                        0.5 * std::sin(kTwoPi * 1450 * t) * AttackDecay(t, 0.0005, 0.01);
    return float(0.8 * click + wood);
  });
}

// A brass-like tone: harmonics that brighten as it swells, and a slow vibrato.
Signal Brass(double note, double seconds) {
  double phase = 0;
  const double hz = Midi(note);
  return Render(seconds, [&](double t, size_t) {
    phase += kTwoPi * hz * (1 + 0.004 * std::sin(kTwoPi * 5.5 * t) * Clamp01(t / 0.3)) / kRate;
    const double bright = 0.4 + 0.6 * Clamp01(t / 0.08);
    double v = 0;
    for (int h = 1; h <= 10; ++h) v += std::sin(phase * h) * std::pow(bright, h - 1) / h;
    const double env =
        Clamp01(t / 0.02) * (0.75 + 0.25 * std::exp(-t / 0.1)) * Clamp01((seconds - t) / 0.12);
    return float(v * env);
  });
}

Signal Fanfare() {
  Signal s;
  AddInto(s, Brass(67, 0.16), 0.00);
  AddInto(s, Brass(72, 0.16), 0.15);
  AddInto(s, Brass(76, 0.16), 0.30);
  AddInto(s, Brass(79, 0.9), 0.45);
  AddInto(s, Brass(72, 0.9), 0.45, 0.6);
  AddInto(s, Brass(76, 0.9), 0.45, 0.5);
  return s;
}

Signal Buzzer(const std::vector<double>& notes, double each) {
  Signal s;
  for (size_t k = 0; k < notes.size(); ++k) {
    const double hz = Midi(notes[k]);
    Signal tone = Render(each, [&](double t, size_t) {
      // A soft square: odd harmonics only.
      double v = 0;
      for (int h = 1; h <= 9; h += 2) v += std::sin(kTwoPi * hz * h * t) / h;
      return float(v * Clamp01(t / 0.01) * Clamp01((each - t) / 0.03));
    });
    AddInto(s, tone, each * double(k));
  }
  return s;
}

Signal Lament() {
  Signal s;
  const double notes[] = {67, 66, 65, 64};
  const double lengths[] = {0.4, 0.4, 0.4, 1.1};
  double at = 0;
  for (int k = 0; k < 4; ++k) {
    AddInto(s, Brass(notes[k], lengths[k]), at);
    AddInto(s, Brass(notes[k] - 12, lengths[k]), at, 0.5);
    at += lengths[k];
  }
  return s;
}

Effect Make(const char* name, Signal s, bool looped = false, double loudness = 0.16) {
  if (!looped) FadeEdges(s, kRate, 0.001, 0.01);
  MatchLevel(s, kRate, loudness, 0.88);
  return {name, looped, 0, ToPcm16(s)};
}

}  // namespace

std::vector<Effect> MakeEffects() {
  std::vector<Effect> effects;
  effects.push_back(Make("B_Act", MenuBlip(), false, 0.13));
  effects.push_back(Make("Engine", EngineHum(), true, 0.11));
  effects.push_back(Make("Shot", MachineGun(), true, 0.14));
  effects.push_back(Make("ShotR", RocketLaunch(), false, 0.16));
  effects.push_back(Make("Bullet", Hit(61, 1.0, 0.18), false, 0.14));
  effects.push_back(Make("BulletSmall", Hit(62, 1.5, 0.1), false, 0.13));
  effects.push_back(Make("WallExplosion", Explosion(71, 1.0, 1.0), false, 0.16));
  effects.push_back(Make("PlayerExplosion", Explosion(72, 1.8, 1.8), false, 0.17));
  effects.push_back(Make("Water", Splash(), false, 0.15));
  effects.push_back(Make("Spike", SpikeCrunch(), false, 0.15));
  effects.push_back(Make("Bonus", Arpeggio({72, 76, 79, 84}, 0.06, 0.35), false, 0.13));
  effects.push_back(Make("BonusLost", Arpeggio({79, 75, 72, 67}, 0.08, 0.35), false, 0.13));
  effects.push_back(Make("Tick", ClockTick(), false, 0.12));
  effects.push_back(Make("Finish", Fanfare(), false, 0.15));
  effects.push_back(Make("TimeOver", Buzzer({64, 60, 64, 60}, 0.22), false, 0.13));
  effects.push_back(Make("GameOver", Lament(), false, 0.15));
  return effects;
}

}  // namespace vontra::forge
