#pragma once
#include <array>
#include <cstdint>

namespace vontra {

// One of the game's fixed text looks: face, size in points, weight and colour.
struct FontStyle {
  const char* Face;
  int SizePt;
  bool Bold;
  uint8_t R, G, B;
};

constexpr int kFontStyleCount = 18;

// Styles 1 to 18 (index 0 is unused).
extern const std::array<FontStyle, kFontStyleCount + 1> kFontStyles;

// Points to pixels of em height at 96 dots per inch, rounded as the desktop does.
constexpr int PointsToPixels(int points) {
  return (points * 96 + 36) / 72;
}

}  // namespace vontra
