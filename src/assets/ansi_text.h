#pragma once
// Letter case of Windows-1251 text (ASCII plus Cyrillic), used for item names.
#include <cstdint>
#include <string>
#include <string_view>

namespace vontra {

constexpr uint8_t LowerAnsi(uint8_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<uint8_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<uint8_t>(c + 32);  // А..Я
  if (c == 0xA8) return 0xB8;                                       // Ё
  return c;
}
constexpr uint8_t UpperAnsi(uint8_t c) {
  if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 32);
  if (c >= 0xE0) return static_cast<uint8_t>(c - 32);  // а..я
  if (c == 0xB8) return 0xA8;                          // ё
  return c;
}

inline bool SameTextAnsi(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAnsi(static_cast<uint8_t>(a[i])) != LowerAnsi(static_cast<uint8_t>(b[i])))
      return false;
  }
  return true;
}

inline std::string UpperCaseAnsi(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(UpperAnsi(static_cast<uint8_t>(c)));
  return out;
}

}  // namespace vontra
