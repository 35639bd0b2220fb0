#include "online/link_file.h"

#include <algorithm>
#include <cctype>

namespace vontra {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  const std::string lower = Lower(address);
  size_t schemeEnd = 0;
  if (StartsWith(lower, "http://")) {
    schemeEnd = 7;
  } else if (StartsWith(lower, "https://")) {
    schemeEnd = 8;
  } else {
    return false;
  }
  if (address.size() <= schemeEnd) return false;
  return std::none_of(address.begin(), address.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
  });
}

bool IsLinkFileName(std::string_view target) {
  const std::string lower = Lower(target);
  return lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".url") == 0;
}

std::optional<std::string> ParseLinkFile(std::string_view contents) {
  bool inShortcut = false;
  while (!contents.empty()) {
    const size_t end = contents.find('\n');
    const std::string_view line = Trim(contents.substr(0, end));
    contents = end == std::string_view::npos ? std::string_view{} : contents.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      inShortcut = Lower(line) == "[internetshortcut]";
      continue;
    }
    if (!inShortcut) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || Lower(Trim(line.substr(0, equals))) != "url") {
      continue;
    }
    const std::string_view address = Trim(line.substr(equals + 1));
    if (!IsWebAddress(address)) return std::nullopt;
    return std::string(address);
  }
  return std::nullopt;
}

}  // namespace vontra
