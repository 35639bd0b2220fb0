#include "platform/cp1251.h"

namespace vontra {

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    const long cp = cp1251_detail::DecodeUtf8(utf8, pos);
    if (cp < 0) continue;
    const int byte = cp1251_detail::EncodeCodePoint(static_cast<char32_t>(cp));
    if (byte >= 0) out.push_back(static_cast<char>(byte));
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t cp = byte < 0x80 ? byte : cp1251_detail::kUpperHalf[byte - 0x80];
    if (byte >= 0x80 && cp == 0) continue;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace vontra
