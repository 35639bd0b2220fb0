#pragma once
// Builds RIFF wave images from PCM samples.
#include <cstdint>
#include <span>
#include <vector>

namespace vontra {

// A complete RIFF wave ("fmt " with a 16-byte PCM record, then "data") around raw sample bytes.
std::vector<uint8_t> MakeRiffWave(int channels, int sampleRate, int bitsPerSample,
                                  std::span<const uint8_t> sampleData);
// 16-bit signed samples, interleaved when there are two channels.
std::vector<uint8_t> MakeRiffWave16(int channels, int sampleRate, std::span<const int16_t> samples);

}  // namespace vontra
