#pragma once
// Windows-1251, the game's 8-bit text encoding, and UTF-8, the encoding of the desktop (fonts,
// text input, window titles) and of the source files' literals.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vontra {

namespace cp1251_detail {

// Code points of bytes 0x80..0xFF; 0 marks the one byte without a character (0x98).
inline constexpr std::array<char32_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

// The byte for a code point, or -1 when Windows-1251 has none.
constexpr int EncodeCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(cp - 0x0410 + 0xC0);
  for (size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] != 0 && kUpperHalf[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Decodes one UTF-8 sequence at text[pos] and advances pos. Malformed input (stray
// continuation bytes, overlong forms, surrogates, truncated sequences) gives -1 for one byte.
constexpr long DecodeUtf8(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  ++pos;
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, least = 0x10000;
  } else {
    return -1;
  }
  size_t p = pos;
  for (int i = 0; i < extra; ++i, ++p) {
    if (p >= text.size()) return -1;
    const auto next = static_cast<unsigned char>(text[p]);
    if ((next & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  pos = p;
  return static_cast<long>(cp);
}

// Length of a source literal in Windows-1251; a character without a code is a build error.
constexpr size_t LiteralLength(std::string_view utf8) {
  size_t n = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    const long cp = DecodeUtf8(utf8, pos);
    if (cp < 0 || EncodeCodePoint(static_cast<char32_t>(cp)) < 0) {
      throw std::invalid_argument("literal has a character without a Windows-1251 code");
    }
    ++n;
  }
  return n;
}

template <size_t Size>
struct Utf8Literal {
  char text[Size]{};
  constexpr Utf8Literal(const char (&s)[Size]) {  // NOLINT: implicit by design
    for (size_t i = 0; i < Size; ++i) text[i] = s[i];
  }
  constexpr Utf8Literal(const char8_t (&s)[Size]) {  // NOLINT: implicit by design
    for (size_t i = 0; i < Size; ++i) text[i] = static_cast<char>(s[i]);
  }
  constexpr std::string_view view() const { return {text, Size - 1}; }
};

template <size_t Length>
constexpr std::array<char, Length + 1> ConvertLiteral(std::string_view utf8) {
  std::array<char, Length + 1> out{};
  size_t n = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    out[n++] = static_cast<char>(EncodeCodePoint(static_cast<char32_t>(DecodeUtf8(utf8, pos))));
  }
  return out;
}

template <Utf8Literal L>
inline constexpr size_t kLiteralLength = LiteralLength(L.view());
template <Utf8Literal L>
inline constexpr auto kLiteralBytes = ConvertLiteral<kLiteralLength<L>>(L.view());

}  // namespace cp1251_detail

// UTF-8 to Windows-1251; characters without a code and malformed sequences are dropped.
std::string Utf8ToCp1251(std::string_view utf8);
// Windows-1251 to UTF-8; the unassigned byte 0x98 is dropped.
std::string Cp1251ToUtf8(std::string_view cp1251);

// A source literal converted to Windows-1251 while compiling: "Рекорды"_w1251.
template <cp1251_detail::Utf8Literal L>
constexpr std::string_view operator""_w1251() {
  return {cp1251_detail::kLiteralBytes<L>.data(), cp1251_detail::kLiteralLength<L>};
}

}  // namespace vontra
