#include "platform/window_memory.h"

#include <charconv>
#include <string>
#include <vector>

namespace vontra {

namespace {

// Larger than any desktop, small enough that place plus size cannot overflow.
constexpr int kLargestExtent = 1 << 15;
constexpr size_t kLongestFile = 128;

// Five whole-line decimal integers, each line ended by LF with an optional CR before it.
std::optional<std::vector<int>> ReadNumbers(const std::vector<uint8_t>& bytes) {
  if (bytes.size() > kLongestFile) return std::nullopt;
  std::vector<int> numbers;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = start;
    while (end < bytes.size() && bytes[end] != '\n') ++end;
    if (end == bytes.size()) return std::nullopt;  // a line without its line break
    size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    const char* first = reinterpret_cast<const char*>(bytes.data()) + start;
    const char* last = reinterpret_cast<const char*>(bytes.data()) + stop;
    int value = 0;
    const auto [ptr, error] = std::from_chars(first, last, value);
    if (error != std::errc() || ptr != last || first == last) return std::nullopt;
    numbers.push_back(value);
    start = end + 1;
  }
  return numbers;
}

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

}  // namespace

std::optional<RememberedWindow> LoadWindowMemory(IFiles& files) {
  const auto bytes = files.ReadAll(kWindowMemoryPath);
  if (!bytes) return std::nullopt;
  const auto v = ReadNumbers(*bytes);
  if (!v || v->size() != 5) return std::nullopt;
  const std::vector<int>& n = *v;
  if (!InRange(n[0], -kLargestExtent, kLargestExtent) ||
      !InRange(n[1], -kLargestExtent, kLargestExtent) || !InRange(n[2], 1, kLargestExtent) ||
      !InRange(n[3], 1, kLargestExtent) || !InRange(n[4], 0, 1)) {
    return std::nullopt;
  }
  RememberedWindow w;
  w.Place.X = n[0];
  w.Place.Y = n[1];
  w.Place.Width = n[2];
  w.Place.Height = n[3];
  w.Maximized = n[4] == 1;
  return w;
}

bool SaveWindowMemory(IFiles& files, const RememberedWindow& w) {
  const WindowPlacement& p = w.Place;
  if (p.Width <= 0 || p.Height <= 0) return false;
  std::string text;
  for (const int n : {p.X, p.Y, p.Width, p.Height, w.Maximized ? 1 : 0}) {
    text += std::to_string(n) + "\r\n";
  }
  return files.WriteAtomic(kWindowMemoryPath, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace vontra
