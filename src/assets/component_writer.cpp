#include "assets/component_writer.h"

#include <algorithm>

#include "assets/ansi_text.h"

namespace vontra {

void ComponentWriter::U16(uint16_t v) {
  U8(static_cast<uint8_t>(v));
  U8(static_cast<uint8_t>(v >> 8));
}

void ComponentWriter::U32(uint32_t v) {
  U16(static_cast<uint16_t>(v));
  U16(static_cast<uint16_t>(v >> 16));
}

void ComponentWriter::ShortString(std::string_view s) {
  const size_t n = std::min<size_t>(s.size(), 255);
  U8(static_cast<uint8_t>(n));
  bytes_.insert(bytes_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
}

void ComponentWriter::BeginRoot(std::string_view className, std::string_view componentName) {
  Raw(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("TPF0"), 4));
  ShortString(className);
  ShortString(componentName);
}

void ComponentWriter::Integer(int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    Int8(static_cast<int8_t>(value));
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    Int16(static_cast<int16_t>(value));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    Int32(static_cast<int32_t>(value));
  } else {
    Int64(value);
  }
}

void ComponentWriter::Int8(int8_t v) {
  Tag(ValueTag::Int8);
  U8(static_cast<uint8_t>(v));
}
void ComponentWriter::Int16(int16_t v) {
  Tag(ValueTag::Int16);
  U16(static_cast<uint16_t>(v));
}
void ComponentWriter::Int32(int32_t v) {
  Tag(ValueTag::Int32);
  U32(static_cast<uint32_t>(v));
}
void ComponentWriter::Int64(int64_t v) {
  Tag(ValueTag::Int64);
  U32(static_cast<uint32_t>(v));
  U32(static_cast<uint32_t>(static_cast<uint64_t>(v) >> 32));
}

void ComponentWriter::String(std::string_view s) {
  if (s.size() > 255) {
    LString(s);
    return;
  }
  Tag(ValueTag::String);
  ShortString(s);
}

void ComponentWriter::LString(std::string_view s) {
  Tag(ValueTag::LString);
  U32(static_cast<uint32_t>(s.size()));
  Raw(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
}

void ComponentWriter::WString(std::u16string_view s) {
  Tag(ValueTag::WString);
  U32(static_cast<uint32_t>(s.size()));
  for (char16_t c : s) U16(static_cast<uint16_t>(c));
}

void ComponentWriter::Utf8String(std::string_view s) {
  Tag(ValueTag::Utf8String);
  U32(static_cast<uint32_t>(s.size()));
  Raw(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
}

void ComponentWriter::Ident(std::string_view s) {
  Tag(ValueTag::Ident);
  ShortString(s);
}

void ComponentWriter::Binary(std::span<const uint8_t> data) {
  Tag(ValueTag::Binary);
  U32(static_cast<uint32_t>(data.size()));
  Raw(data);
}

std::vector<uint8_t> ComponentWriter::Finish(std::string_view resourceName) const {
  std::vector<uint8_t> out{0xFF, 10, 0};
  for (char c : UpperCaseAnsi(resourceName.substr(0, 63))) {
    if (c != 0) out.push_back(static_cast<uint8_t>(c));
  }
  out.push_back(0);
  out.push_back(0x30);  // memory flags 0x1030
  out.push_back(0x10);
  const uint32_t length = static_cast<uint32_t>(bytes_.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(length >> (8 * i)));
  out.insert(out.end(), bytes_.begin(), bytes_.end());
  return out;
}

}  // namespace vontra
