#include "assets/wave.h"

#include <cstring>

#include "assets/asset_error.h"
#include "assets/byte_reader.h"

namespace vontra {

int TWave::Field(size_t offset, size_t size) const {
  if (Format.size() < offset + size) return 0;
  uint32_t v = 0;
  for (size_t i = size; i-- > 0;) v = (v << 8) | Format[offset + i];
  return static_cast<int>(v & 0x7FFFFFFF);
}

int64_t TWave::LengthMs() const {
  const int64_t align = BlockAlign(), rate = SamplesPerSec();
  if (align <= 0 || rate <= 0) return 0;
  const int64_t frames = static_cast<int64_t>(Data.size()) / align;
  return frames * 1000 / rate;
}

TWave DecodeRiffWave(std::span<const uint8_t> riff) {
  if (riff.size() < 12 || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
      std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
    throw AssetError(kWaveInvalid);
  }
  ByteReader in(riff.subspan(12));
  TWave wave;
  // Chunks follow one another directly: no pad byte after an odd length.
  while (in.Remaining() >= 8) {
    auto id = in.Bytes(4);
    const uint32_t length = in.U32();
    if (length > in.Remaining()) throw AssetError(kWaveInvalid);
    auto body = in.Bytes(length);
    if (std::memcmp(id.data(), "fmt ", 4) == 0) {
      wave.Format.assign(body.begin(), body.end());
    } else if (std::memcmp(id.data(), "data", 4) == 0) {
      wave.Data.assign(body.begin(), body.end());
    }
  }
  return wave;
}

}  // namespace vontra
