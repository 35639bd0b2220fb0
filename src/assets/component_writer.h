#pragma once
// Writes component streams in the archive format: values of every tag, properties, items and
// the resource header around the whole stream. The archive writer and tests build on it.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/component_reader.h"

namespace vontra {

class ComponentWriter {
 public:
  // "TPF0", the class name and the component name of the root.
  void BeginRoot(std::string_view className, std::string_view componentName);
  // Properties and values.
  void PropertyName(std::string_view name) { ShortString(name); }
  void Tag(ValueTag tag) { U8(static_cast<uint8_t>(tag)); }
  // The smallest integer tag that holds the value.
  void Integer(int64_t value);
  void Int8(int8_t v);
  void Int16(int16_t v);
  void Int32(int32_t v);
  void Int64(int64_t v);
  void Boolean(bool v) { Tag(v ? ValueTag::True : ValueTag::False); }
  void String(std::string_view s);  // tag 6 up to 255 bytes, else tag 12
  void LString(std::string_view s);
  void WString(std::u16string_view s);
  void Utf8String(std::string_view s);
  void Ident(std::string_view s);
  void Binary(std::span<const uint8_t> data);
  void EndList() { U8(0); }

  // Raw bytes, for values tests want to shape by hand.
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v);
  void U32(uint32_t v);
  void Raw(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void ShortString(std::string_view s);

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  // The finished file: resource header (0xFF, 10, upper-cased name, flags 0x1030, stream
  // length) followed by the stream written so far.
  std::vector<uint8_t> Finish(std::string_view resourceName) const;

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace vontra
