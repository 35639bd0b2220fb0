#pragma once
// Small building blocks for synthesising sounds: a fixed-seed noise source, simple filters
// and level helpers. Everything is deterministic.
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace vontra::forge {

constexpr double kTwoPi = 2 * std::numbers::pi;

using Signal = std::vector<float>;

// Uniform noise from a fixed seed (xorshift), the same on every build.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
  // In [-1, 1).
  float Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(double(state_) / 2147483648.0 - 1.0);
  }

 private:
  uint32_t state_;
};

// Two-pole state-variable filter (Chamberlin); cutoff may change every sample.
class StateVariableFilter {
 public:
  struct Out {
    float low, band, high;
  };
  Out Step(float in, double cutoffHz, double q, double rate) {
    const float f = float(2 * std::sin(std::numbers::pi * std::min(cutoffHz, rate / 6) / rate));
    const float damp = float(1 / q);
    low_ += f * band_;
    const float high = in - low_ - damp * band_;
    band_ += f * high;
    return {low_, band_, high};
  }

 private:
  float low_ = 0, band_ = 0;
};

// One-pole low-pass.
class OnePole {
 public:
  float Step(float in, double cutoffHz, double rate) {
    const float a = float(1 - std::exp(-kTwoPi * cutoffHz / rate));
    y_ += a * (in - y_);
    return y_;
  }

 private:
  float y_ = 0;
};

inline double Clamp01(double x) {
  return x < 0 ? 0 : (x > 1 ? 1 : x);
}

// Attack-decay envelope: linear rise over `attack` seconds, then exponential fall with time
// constant `decay` seconds.
inline double AttackDecay(double t, double attack, double decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

// Fades the first and last `seconds` in and out (raised cosine), so a sound starts and ends
// at zero without a click.
void FadeEdges(Signal& s, double rate, double inSeconds, double outSeconds);
// Peak of the absolute value.
double Peak(const Signal& s);
// The loudest RMS over any window of `seconds`.
double LoudestWindowRms(const Signal& s, double rate, double seconds);
// Scales to the given loudest-window RMS (full scale 1.0), then down again if the peak would
// pass `maxPeak`.
void MatchLevel(Signal& s, double rate, double targetRms, double maxPeak);
// Converts to 16-bit with rounding; values are expected inside [-1, 1].
std::vector<int16_t> ToPcm16(const Signal& s);

}  // namespace vontra::forge
