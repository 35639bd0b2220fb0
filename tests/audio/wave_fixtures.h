#pragma once
// Small waves built in memory for the sound tests.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace vontra::testing {

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// A "fmt " chunk body: PCM unless another tag is given.
inline std::vector<uint8_t> FormatBlock(int channels, int rate, int bits, int tag = 1) {
  std::vector<uint8_t> f;
  const int align = channels * bits / 8;
  PutLe(f, uint32_t(tag), 2);
  PutLe(f, uint32_t(channels), 2);
  PutLe(f, uint32_t(rate), 4);
  PutLe(f, uint32_t(rate * align), 4);
  PutLe(f, uint32_t(align), 2);
  PutLe(f, uint32_t(bits), 2);
  return f;
}

// 16-bit little-endian sample data from signed values.
inline std::vector<uint8_t> Data16(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> d;
  for (int16_t s : samples) PutLe(d, uint16_t(s), 2);
  return d;
}

// A mono 16-bit sine of `hz` lasting `frames` frames at `rate`.
inline std::vector<uint8_t> SineData(int rate, double hz, int frames, double amplitude = 16000) {
  std::vector<int16_t> s(size_t(frames), 0);
  for (int i = 0; i < frames; ++i) {
    s[size_t(i)] = int16_t(std::lround(amplitude * std::sin(2 * std::numbers::pi * hz * i / rate)));
  }
  return Data16(s);
}

// A mono 16-bit wave holding one value throughout.
inline std::vector<uint8_t> ConstantData(int16_t value, int frames) {
  return Data16(std::vector<int16_t>(size_t(frames), value));
}

// Root mean square of one channel (0 left, 1 right) of interleaved stereo frames.
inline double Rms(const std::vector<int16_t>& frames, int channel, size_t from = 0,
                  size_t to = SIZE_MAX) {
  to = std::min(to, frames.size() / 2);
  if (to <= from) return 0;
  double sum = 0;
  for (size_t i = from; i < to; ++i) {
    const double v = frames[2 * i + size_t(channel)];
    sum += v * v;
  }
  return std::sqrt(sum / double(to - from));
}

// Sign changes from negative to non-negative on one channel: the number of whole cycles.
inline int RisingCrossings(const std::vector<int16_t>& frames, int channel) {
  int count = 0;
  for (size_t i = 1; i < frames.size() / 2; ++i) {
    if (frames[2 * (i - 1) + size_t(channel)] < 0 && frames[2 * i + size_t(channel)] >= 0) ++count;
  }
  return count;
}

}  // namespace vontra::testing
