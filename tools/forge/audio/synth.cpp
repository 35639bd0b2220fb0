#include "synth.h"

#include <algorithm>

namespace vontra::forge {

void FadeEdges(Signal& s, double rate, double inSeconds, double outSeconds) {
  const size_t in = std::min(s.size(), size_t(inSeconds * rate));
  const size_t out = std::min(s.size(), size_t(outSeconds * rate));
  for (size_t i = 0; i < in; ++i) {
    s[i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(in)));
  }
  for (size_t i = 0; i < out; ++i) {
    s[s.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(out)));
  }
}

double Peak(const Signal& s) {
  double peak = 0;
  for (float v : s) peak = std::max(peak, double(std::fabs(v)));
  return peak;
}

double LoudestWindowRms(const Signal& s, double rate, double seconds) {
  const size_t window = std::max<size_t>(1, std::min(s.size(), size_t(seconds * rate)));
  double sum = 0, best = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    sum += double(s[i]) * s[i];
    if (i >= window) sum -= double(s[i - window]) * s[i - window];
    if (i + 1 >= window) best = std::max(best, sum);
  }
  return std::sqrt(std::max(best, 0.0) / double(window));
}

void MatchLevel(Signal& s, double rate, double targetRms, double maxPeak) {
  const double rms = LoudestWindowRms(s, rate, 0.1);
  if (rms <= 0) return;
  double gain = targetRms / rms;
  const double peak = Peak(s) * gain;
  if (peak > maxPeak) gain *= maxPeak / peak;
  for (float& v : s) v = float(v * gain);
}

std::vector<int16_t> ToPcm16(const Signal& s) {
  std::vector<int16_t> out(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    out[i] = int16_t(std::lround(std::clamp(double(s[i]), -1.0, 32767.0 / 32768.0) * 32768.0));
  }
  return out;
}

}  // namespace vontra::forge
