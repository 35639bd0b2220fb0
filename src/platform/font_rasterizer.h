#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vontra {

// Coverage mask of one rendered text line: Width x Height bytes, 0 transparent, 255 solid.
struct GlyphMask {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Alpha;
};

// Renders text with a face found by family name ("Arial", "Times New Roman", ...).
class IFontRasterizer {
 public:
  virtual ~IFontRasterizer() = default;
  // text is Windows-1251; pixelSize is the em height in pixels (points at 96 dpi).
  virtual GlyphMask Render(const std::string& face, int pixelSize, bool bold,
                           const std::string& text) = 0;
  virtual int TextWidth(const std::string& face, int pixelSize, bool bold,
                        const std::string& text) = 0;
  virtual int TextHeight(const std::string& face, int pixelSize, bool bold,
                         const std::string& text) = 0;
};

}  // namespace vontra
