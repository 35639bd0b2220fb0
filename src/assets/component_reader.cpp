#include "assets/component_reader.h"

#include <array>
#include <cstring>
#include <utility>

#include "assets/ansi_text.h"
#include "assets/asset_error.h"

namespace vontra {

namespace {

// Deeper nesting than any archive needs; stops a hostile file from exhausting the stack.
constexpr int kMaxDepth = 32;

struct NamedColor {
  const char* name;
  uint32_t value;
};

constexpr std::array<NamedColor, 52> kColors{{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
}};

// One UTF-16 code unit in Windows-1251: ASCII, the Russian alphabet, else '?'.
char CodeUnitToAnsi(uint32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x410 && c <= 0x44F) return static_cast<char>(0xC0 + (c - 0x410));
  if (c == 0x401) return static_cast<char>(0xA8);
  if (c == 0x451) return static_cast<char>(0xB8);
  return '?';
}

std::string Utf8ToAnsi(std::span<const uint8_t> s) {
  std::string out;
  size_t i = 0;
  while (i < s.size()) {
    uint8_t b = s[i];
    int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= s.size()) {
      out += '?';
      ++i;
      continue;
    }
    uint32_t c = extra == 0 ? b : (b & (0x3F >> extra));
    for (int k = 1; k <= extra; ++k) c = (c << 6) | (s[i + static_cast<size_t>(k)] & 0x3F);
    out += CodeUnitToAnsi(c);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

}  // namespace

bool ColorIdentToValue(std::string_view ident, uint32_t& value) {
  for (const auto& c : kColors) {
    if (SameTextAnsi(c.name, ident)) {
      value = c.value;
      return true;
    }
  }
  return false;
}

void ComponentReader::ReadRootStart() {
  // Resource header: 0xFF, the value 10, a zero-ended name, memory flags, stream length.
  if (in_.Remaining() < 3 || in_.U8() != 0xFF || in_.U16() != 10) {
    throw AssetError(kInvalidStreamFormat);
  }
  while (in_.U8() != 0) {
  }
  in_.Skip(2 + 4);
  auto sig = in_.Bytes(4);
  if (std::memcmp(sig.data(), "TPF0", 4) != 0) throw AssetError(kInvalidStreamFormat);
  // Optional prefix byte: upper four bits set, flags below; flag 2 = a child position follows.
  if ((in_.PeekU8() & 0xF0) == 0xF0) {
    uint8_t flags = in_.U8() & 0x0F;
    if (flags & 2) IntegerData(ReadTag());
  }
  in_.ShortString();  // class name: the caller decides what the archive fills
  in_.ShortString();  // component name
}

bool ComponentReader::EndOfList() {
  if (in_.PeekU8() != 0) return false;
  in_.U8();
  return true;
}

int64_t ComponentReader::IntegerData(ValueTag tag) {
  switch (tag) {
    case ValueTag::Int8:
      return in_.I8();
    case ValueTag::Int16:
      return in_.I16();
    case ValueTag::Int32:
      return in_.I32();
    default:
      throw AssetError(kInvalidPropertyValue);
  }
}

int32_t ComponentReader::ReadInteger() {
  return static_cast<int32_t>(IntegerData(ReadTag()));
}

bool ComponentReader::ReadBoolean() {
  switch (ReadTag()) {
    case ValueTag::False:
      return false;
    case ValueTag::True:
      return true;
    case ValueTag::Ident: {
      std::string ident = in_.ShortString();
      if (SameTextAnsi(ident, "False")) return false;
      if (SameTextAnsi(ident, "True")) return true;
      throw AssetError(kInvalidPropertyValue);
    }
    default:
      throw AssetError(kInvalidPropertyValue);
  }
}

std::string ComponentReader::ReadString() {
  switch (ReadTag()) {
    case ValueTag::String:
      return in_.ShortString();
    case ValueTag::LString: {
      auto b = in_.Bytes(in_.U32());
      return std::string(b.begin(), b.end());
    }
    case ValueTag::WString: {
      uint32_t count = in_.U32();
      if (count > in_.Remaining() / 2) throw AssetError(kStreamReadError);
      std::string out;
      out.reserve(count);
      for (uint32_t i = 0; i < count; ++i) out += CodeUnitToAnsi(in_.U16());
      return out;
    }
    case ValueTag::Utf8String:
      return Utf8ToAnsi(in_.Bytes(in_.U32()));
    default:
      throw AssetError(kInvalidPropertyValue);
  }
}

uint32_t ComponentReader::ReadColor() {
  ValueTag tag = ReadTag();
  if (tag == ValueTag::Ident) {
    uint32_t value = 0;
    if (!ColorIdentToValue(in_.ShortString(), value)) throw AssetError(kInvalidPropertyValue);
    return value;
  }
  return static_cast<uint32_t>(IntegerData(tag));
}

std::span<const uint8_t> ComponentReader::ReadBinary() {
  if (ReadTag() != ValueTag::Binary) throw AssetError(kInvalidPropertyValue);
  return in_.Bytes(in_.U32());
}

void ComponentReader::BeginCollection() {
  if (ReadTag() != ValueTag::Collection) throw AssetError(kInvalidPropertyValue);
}

bool ComponentReader::NextItem() {
  if (EndOfList()) return false;
  ValueTag tag = ReadTag();
  if (tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32) {
    IntegerData(tag);  // the item's order number
    tag = ReadTag();
  }
  if (tag != ValueTag::List) throw AssetError(kInvalidPropertyValue);
  return true;
}

void ComponentReader::SkipValue() {
  SkipValueData(ReadTag(), 0);
}

void ComponentReader::SkipValueData(ValueTag tag, int depth) {
  if (depth > kMaxDepth) throw AssetError(kInvalidStreamFormat);
  switch (tag) {
    case ValueTag::Null:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
      return;
    case ValueTag::List:
      while (!EndOfList()) SkipValueData(ReadTag(), depth + 1);
      return;
    case ValueTag::Int8:
      in_.Skip(1);
      return;
    case ValueTag::Int16:
      in_.Skip(2);
      return;
    case ValueTag::Int32:
    case ValueTag::Single:
      in_.Skip(4);
      return;
    case ValueTag::Extended:
      in_.Skip(10);
      return;
    case ValueTag::String:
    case ValueTag::Ident:
      in_.ShortString();
      return;
    case ValueTag::Binary:
    case ValueTag::LString:
    case ValueTag::Utf8String:
      in_.Skip(in_.U32());
      return;
    case ValueTag::Set:
      while (!in_.ShortString().empty()) {
      }
      return;
    case ValueTag::Collection:
      while (NextItem()) SkipProperties(depth + 1);
      return;
    case ValueTag::Currency:
    case ValueTag::Date:
    case ValueTag::Int64:
      in_.Skip(8);
      return;
    case ValueTag::WString: {
      uint32_t count = in_.U32();
      if (count > in_.Remaining() / 2) throw AssetError(kStreamReadError);
      in_.Skip(size_t{count} * 2);
      return;
    }
  }
  throw AssetError(kInvalidPropertyValue);
}

void ComponentReader::SkipProperties(int depth) {
  while (!EndOfList()) {
    in_.ShortString();
    SkipValueData(ReadTag(), depth + 1);
  }
}

void ComponentReader::SkipComponent(int depth) {
  if (depth > kMaxDepth) throw AssetError(kInvalidStreamFormat);
  if ((in_.PeekU8() & 0xF0) == 0xF0) {
    uint8_t flags = in_.U8() & 0x0F;
    if (flags & 2) IntegerData(ReadTag());
  }
  in_.ShortString();
  in_.ShortString();
  SkipProperties(depth);
  while (!EndOfList()) SkipComponent(depth + 1);
}

void ComponentReader::SkipChildren() {
  while (!EndOfList()) SkipComponent(1);
}

}  // namespace vontra
