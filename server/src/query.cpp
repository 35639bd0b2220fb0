#include "query.h"

#include "platform/cp1251.h"

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

std::optional<std::string> DecodeLookupName(std::string_view param) {
  // A percent-encoded name is at most three bytes per byte; a longer parameter is no name.
  if (param.size() > kMaxPlayerNameChars * 4 * 3) return std::nullopt;
  auto name = PercentDecode(param);
  if (!name) return std::nullopt;
  size_t chars = 0;
  for (size_t pos = 0; pos < name->size();) {
    const long cp = cp1251_detail::DecodeUtf8(*name, pos);
    // C0 controls and DEL; C1 controls have no Windows-1251 byte and fail below.
    if (cp < 0x20 || cp == 0x7F) return std::nullopt;
    if (cp1251_detail::EncodeCodePoint(static_cast<char32_t>(cp)) < 0) return std::nullopt;
    if (++chars > kMaxPlayerNameChars) return std::nullopt;
  }
  return name;
}

}  // namespace vontra::scores
