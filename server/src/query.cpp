#include "query.h"

namespace vontra::scores {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Target ParseTarget(std::string_view target) {
  Target parsed;
  const size_t question = target.find('?');
  parsed.path = std::string(target.substr(0, question));
  if (question == std::string_view::npos) return parsed;
  std::string_view query = target.substr(question + 1);
  while (!query.empty()) {
    const size_t amp = query.find('&');
    const std::string_view item = query.substr(0, amp);
    const size_t eq = item.find('=');
    // The first of repeated parameters counts.
    parsed.params.emplace(std::string(item.substr(0, eq)), eq == std::string_view::npos
                                                               ? std::string()
                                                               : std::string(item.substr(eq + 1)));
    if (amp == std::string_view::npos) break;
    query.remove_prefix(amp + 1);
  }
  return parsed;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      const int hi = HexValue(text[i + 1]);
      const int lo = HexValue(text[i + 2]);
      if (hi < 0 || lo < 0) return std::nullopt;
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace vontra::scores
