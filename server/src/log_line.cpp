#include "log_line.h"

namespace vontra::scores {

std::string EscapeForLog(std::string_view text, size_t maxBytes) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (const char c : text.substr(0, maxBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  if (text.size() > maxBytes) out += "...";
  return out;
}

}  // namespace vontra::scores
