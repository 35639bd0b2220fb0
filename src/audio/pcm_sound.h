#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace vontra {

// A sound decoded once for mixing: signed 16-bit frames, one or two channels, at the rate the
// wave was recorded at. Voices of the same sound share one of these.
struct PcmSound {
  int channels = 1;
  int sampleRate = 0;
  std::vector<int16_t> samples;  // interleaved

  int FrameCount() const { return channels > 0 ? int(samples.size()) / channels : 0; }
};

// Decodes a wave format block ("fmt " chunk bytes) and its sample data. Accepts integer PCM
// of 8 or 16 bits, mono or stereo, at any positive rate (also the extensible header with a
// PCM sub-format). Anything else decodes to an empty sound, which plays as silence.
std::shared_ptr<const PcmSound> DecodePcm(const std::vector<uint8_t>& format,
                                          const std::vector<uint8_t>& data);

}  // namespace vontra
