#pragma once
// A decoded picture as the archive stored it, before conversion for the display.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vontra {

struct TPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0x00RRGGBB, top row first

  bool Empty() const { return Width <= 0 || Height <= 0; }
  uint32_t At(int x, int y) const {
    return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)];
  }
};

}  // namespace vontra
