#include "audio/pcm_sound.h"

namespace vontra {

namespace {

uint32_t ReadLe(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= uint32_t(b[at + i]) << (8 * i);
  return v;
}

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

std::shared_ptr<const PcmSound> DecodePcm(const std::vector<uint8_t>& format,
                                          const std::vector<uint8_t>& data) {
  auto sound = std::make_shared<PcmSound>();
  if (format.size() < 16) return sound;
  uint16_t tag = uint16_t(ReadLe(format, 0, 2));
  int channels = int(ReadLe(format, 2, 2));
  uint32_t rate = ReadLe(format, 4, 4);
  int bits = int(ReadLe(format, 14, 2));
  // The extensible header names its real format in the first two bytes of the sub-format GUID.
  if (tag == kFormatExtensible && format.size() >= 26) tag = uint16_t(ReadLe(format, 24, 2));
  if (tag != kFormatPcm || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) ||
      rate == 0 || rate > 1'000'000) {
    return sound;
  }
  sound->channels = channels;
  sound->sampleRate = int(rate);
  const size_t bytesPerFrame = size_t(channels) * size_t(bits / 8);
  const size_t frames = data.size() / bytesPerFrame;  // a trailing partial frame is dropped
  sound->samples.resize(frames * size_t(channels));
  if (bits == 8) {
    for (size_t i = 0; i < sound->samples.size(); ++i) {
      sound->samples[i] = int16_t((int(data[i]) - 128) * 256);  // 8-bit wave data is unsigned
    }
  } else {
    for (size_t i = 0; i < sound->samples.size(); ++i) {
      sound->samples[i] = int16_t(ReadLe(data, 2 * i, 2));
    }
  }
  return sound;
}

}  // namespace vontra
