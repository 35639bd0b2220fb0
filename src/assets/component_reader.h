#pragma once
// Reads the component stream of an archive: resource header, "TPF0", the root component's
// properties and typed property values.
#include <cstdint>
#include <span>
#include <string>

#include "assets/byte_reader.h"

namespace vontra {

enum class ValueTag : uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
  Utf8String = 20,
};

// The colour value of an identifier such as "clBlack" (any letter case); false if unknown.
bool ColorIdentToValue(std::string_view ident, uint32_t& value);

class ComponentReader {
 public:
  explicit ComponentReader(std::span<const uint8_t> file) : in_(file) {}

  // Resource header, signature, prefix, class and component name of the root.
  void ReadRootStart();
  // Consumes the 0 byte that ends a property or item list; false (nothing consumed) otherwise.
  bool EndOfList();
  std::string ReadPropertyName() { return in_.ShortString(); }
  // Skips the root's child components (an archive has none, but they are legal).
  void SkipChildren();

  // Typed values; a tag the property does not accept fails with "Invalid property value".
  int32_t ReadInteger();
  bool ReadBoolean();
  // Strings come back as Windows-1251 bytes (wide and UTF-8 strings are converted).
  std::string ReadString();
  uint32_t ReadColor();
  std::span<const uint8_t> ReadBinary();
  // A collection: BeginCollection, then NextItem before each item's properties.
  void BeginCollection();
  bool NextItem();
  // Skips any value, whatever its tag.
  void SkipValue();
  // Bytes read so far from the start of the file.
  size_t Position() const { return in_.Position(); }

 private:
  ValueTag ReadTag() { return static_cast<ValueTag>(in_.U8()); }
  int64_t IntegerData(ValueTag tag);
  void SkipValueData(ValueTag tag, int depth);
  void SkipComponent(int depth);
  void SkipProperties(int depth);

  ByteReader in_;
};

}  // namespace vontra
