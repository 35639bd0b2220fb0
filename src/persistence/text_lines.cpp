#include "persistence/text_lines.h"

#include <charconv>

namespace vontra {

std::vector<std::string> SplitLines(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> lines;
  std::string current;
  for (uint8_t b : bytes) {
    if (b == '\n') {
      if (!current.empty() && current.back() == '\r') current.pop_back();
      lines.push_back(std::move(current));
      current.clear();
    } else {
      current.push_back(static_cast<char>(b));
    }
  }
  if (!current.empty()) {
    if (current.back() == '\r') current.pop_back();
    lines.push_back(std::move(current));
  }
  return lines;
}

std::vector<uint8_t> JoinLines(const std::vector<std::string>& lines) {
  std::vector<uint8_t> bytes;
  for (const std::string& line : lines) {
    bytes.insert(bytes.end(), line.begin(), line.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  return bytes;
}

std::optional<int32_t> ParseInt32(const std::string& line) {
  if (line.empty() || line[0] == '+') return std::nullopt;
  int32_t value = 0;
  const char* end = line.data() + line.size();
  auto [ptr, ec] = std::from_chars(line.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace vontra
