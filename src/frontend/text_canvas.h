#pragma once
// Text painted straight onto the frame in one of the fixed font styles.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "frontend/front_end.h"
#include "platform/font_rasterizer.h"
#include "platform/surface.h"

namespace vontra {

// The frame's text canvas: the selected style, and rendered strings kept for reuse, since
// the same HUD and menu texts are drawn every frame.
class TextCanvas {
 public:
  explicit TextCanvas(IFontRasterizer& fonts) : fonts_(fonts) { SelectStyle(1); }

  // n in 1..18; anything else keeps the current style. Selecting a style also selects its
  // own size.
  void SelectStyle(int n);
  int Style() const { return style_; }
  // The em height in pixels of the texts drawn and measured from now on (the style's own
  // size until the next SelectStyle); sizes outside 1..255 are ignored.
  void SetPixelSize(int pixels);
  int PixelSize() const { return pixelSize_; }
  int Width(const std::string& text);
  int Height(const std::string& text);
  // Blends the text in the style's colour with its top-left corner at (x, y), clipped.
  void Draw(Surface& surface, const std::string& text, int x, int y);

  size_t CachedStrings() const { return cache_.size(); }
  // Forgets every rendered string (they are rendered again when next drawn).
  void DropCache() { cache_.clear(); }
  static constexpr size_t kCacheLimit = 1024;

 private:
  struct Entry {
    int Width = -1;
    int Height = -1;
    bool Rendered = false;
    GlyphMask Mask;
  };
  Entry& Lookup(const std::string& text);

  IFontRasterizer& fonts_;
  int style_ = 1;
  int pixelSize_ = 0;
  std::unordered_map<std::string, Entry> cache_;
};

void DrawTextAnchored(TMForm& form, const std::string& text, int x, int y, bool centreY,
                      bool centreX);

// Draws and measures the current style at the given em height in pixels from now on.
void SetFontPixelSize(TMForm& form, int pixels);

}  // namespace vontra
