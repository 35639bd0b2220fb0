#pragma once
// Bounds-checked little-endian reading: every read past the end throws, so a truncated or
// hostile archive fails with a message instead of reading stray memory.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "assets/asset_error.h"

namespace vontra {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

  uint8_t PeekU8() const {
    Need(1);
    return data_[pos_];
  }
  uint8_t U8() {
    Need(1);
    return data_[pos_++];
  }
  uint16_t U16() { return static_cast<uint16_t>(Little(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Little(4)); }
  uint64_t U64() { return Little(8); }
  int8_t I8() { return static_cast<int8_t>(U8()); }
  int16_t I16() { return static_cast<int16_t>(U16()); }
  int32_t I32() { return static_cast<int32_t>(U32()); }

  std::span<const uint8_t> Bytes(size_t n) {
    Need(n);
    auto out = data_.subspan(pos_, n);
    pos_ += n;
    return out;
  }
  void Skip(size_t n) { Bytes(n); }
  // One length byte, then that many bytes.
  std::string ShortString() {
    auto b = Bytes(U8());
    return std::string(b.begin(), b.end());
  }
  // The next n bytes as a reader of their own, consumed from this one.
  ByteReader Sub(size_t n) { return ByteReader(Bytes(n)); }

 private:
  void Need(size_t n) const {
    if (n > Remaining()) throw AssetError(kStreamReadError);
  }
  uint64_t Little(int n) {
    auto b = Bytes(static_cast<size_t>(n));
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[static_cast<size_t>(i)];
    return v;
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

}  // namespace vontra
