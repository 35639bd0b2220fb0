#pragma once
#include <SDL_ttf.h>

#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "platform/font_rasterizer.h"
#include "platform/sdl/font_faces.h"

namespace vontra {

// SDL_ttf glyphs with the faces of FindFontFace. Open fonts are kept per face, size and
// weight. Metrics follow Windows: sizes are em heights in pixels (points at 96 dpi), the text
// height is the font's cell (ascent plus descent, so Arial 16 pt = 21 px em has a 24 px cell
// as on Windows) whatever the text, glyphs hang from the top of the cell, and no kerning is
// applied (widths are sums of advances, as GDI measures them).
class SdlFontRasterizer : public IFontRasterizer {
 public:
  SdlFontRasterizer();
  ~SdlFontRasterizer() override;
  SdlFontRasterizer(const SdlFontRasterizer&) = delete;
  SdlFontRasterizer& operator=(const SdlFontRasterizer&) = delete;

  GlyphMask Render(const std::string& face, int pixelSize, bool bold,
                   const std::string& text) override;
  int TextWidth(const std::string& face, int pixelSize, bool bold,
                const std::string& text) override;
  int TextHeight(const std::string& face, int pixelSize, bool bold,
                 const std::string& text) override;

  // The open font for a face, size and weight (nullptr when no face can be opened).
  TTF_Font* Font(const std::string& face, int pixelSize, bool bold);
  // The face file chosen for a family name.
  const FontFace& Face(const std::string& family, bool bold);

 private:
  // Most texts are drawn again every frame: rendered lines and widths are kept until the
  // caches grow past a limit, then dropped wholesale.
  static constexpr size_t kCacheLimit = 512;
  static std::string CacheKey(const std::string& face, int pixelSize, bool bold,
                              const std::string& text);

  std::map<std::pair<std::string, bool>, FontFace> faces_;
  std::unordered_map<std::string, GlyphMask> masks_;
  std::unordered_map<std::string, int> widths_;
  std::map<std::tuple<std::string, int, bool>, TTF_Font*> fonts_;
  bool ready_ = false;
};

}  // namespace vontra
