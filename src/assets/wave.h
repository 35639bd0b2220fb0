#pragma once
// A PCM sound as an archive holds it: the "fmt " chunk and the "data" chunk of a RIFF wave.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vontra {

struct TWave {
  std::vector<uint8_t> Format;  // wave format record: tag, channels, rate, bytes/s, align, bits
  std::vector<uint8_t> Data;    // sample data

  bool Empty() const { return Data.empty(); }
  // Fields of the format record; 0 when the record is too short to hold them.
  int FormatTag() const { return Field(0, 2); }
  int Channels() const { return Field(2, 2); }
  int SamplesPerSec() const { return Field(4, 4); }
  int AvgBytesPerSec() const { return Field(8, 4); }
  int BlockAlign() const { return Field(12, 2); }
  int BitsPerSample() const { return Field(14, 2); }
  // Length of the sample data in whole milliseconds (0 without block align or rate).
  int64_t LengthMs() const;

 private:
  int Field(size_t offset, size_t size) const;
};

// Reads a complete RIFF wave image; fails with "Wave is invalid" unless it starts
// "RIFF", size, "WAVE". Unknown chunks are skipped by their length, without pad bytes.
TWave DecodeRiffWave(std::span<const uint8_t> riff);

}  // namespace vontra
