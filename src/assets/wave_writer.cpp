#include "assets/wave_writer.h"

#include <cstring>

namespace vontra {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutId(std::vector<uint8_t>& out, const char* id) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(id[i]));
}

}  // namespace

std::vector<uint8_t> MakeRiffWave(int channels, int sampleRate, int bitsPerSample,
                                  std::span<const uint8_t> sampleData) {
  const uint32_t align = static_cast<uint32_t>(channels * ((bitsPerSample + 7) / 8));
  std::vector<uint8_t> out;
  out.reserve(44 + sampleData.size() + 1);
  PutId(out, "RIFF");
  Put32(out, static_cast<uint32_t>(4 + 8 + 16 + 8 + sampleData.size()));
  PutId(out, "WAVE");
  PutId(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, static_cast<uint32_t>(channels));
  Put32(out, static_cast<uint32_t>(sampleRate));
  Put32(out, static_cast<uint32_t>(sampleRate) * align);
  Put16(out, align);
  Put16(out, static_cast<uint32_t>(bitsPerSample));
  PutId(out, "data");
  Put32(out, static_cast<uint32_t>(sampleData.size()));
  out.insert(out.end(), sampleData.begin(), sampleData.end());
  return out;
}

std::vector<uint8_t> MakeRiffWave16(int channels, int sampleRate,
                                    std::span<const int16_t> samples) {
  std::vector<uint8_t> bytes;
  bytes.reserve(samples.size() * 2);
  for (int16_t s : samples) Put16(bytes, static_cast<uint16_t>(s));
  return MakeRiffWave(channels, sampleRate, 16, bytes);
}

}  // namespace vontra
