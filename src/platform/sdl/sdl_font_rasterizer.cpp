#include "platform/sdl/sdl_font_rasterizer.h"

#include <algorithm>

#include "platform/cp1251.h"

namespace vontra {

SdlFontRasterizer::SdlFontRasterizer() {
  ready_ = TTF_Init() == 0;
}

SdlFontRasterizer::~SdlFontRasterizer() {
  for (auto& entry : fonts_) {
    if (entry.second != nullptr) TTF_CloseFont(entry.second);
  }
  if (ready_) TTF_Quit();
}

const FontFace& SdlFontRasterizer::Face(const std::string& family, bool bold) {
  const auto key = std::make_pair(family, bold);
  auto it = faces_.find(key);
  if (it == faces_.end()) it = faces_.emplace(key, FindFontFace(family, bold)).first;
  return it->second;
}

TTF_Font* SdlFontRasterizer::Font(const std::string& face, int pixelSize, bool bold) {
  if (!ready_ || pixelSize <= 0) return nullptr;
  const auto key = std::make_tuple(face, pixelSize, bold);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  const FontFace& file = Face(face, bold);
  TTF_Font* font = nullptr;
  if (!file.File.empty()) {
    // At 72 dots per inch SDL_ttf's point size is the em height in pixels.
    font = TTF_OpenFontIndex(file.File.c_str(), pixelSize, file.Index);
  }
  if (font != nullptr) {
    TTF_SetFontKerning(font, 0);
    // A face without a bold cut of its own is emboldened.
    if (bold && !file.Heavy) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  }
  fonts_.emplace(key, font);
  return font;
}

std::string SdlFontRasterizer::CacheKey(const std::string& face, int pixelSize, bool bold,
                                        const std::string& text) {
  return face + '\0' + std::to_string(pixelSize) + (bold ? "b" : "r") + '\0' + text;
}

GlyphMask SdlFontRasterizer::Render(const std::string& face, int pixelSize, bool bold,
                                    const std::string& text) {
  const std::string key = CacheKey(face, pixelSize, bold, text);
  if (auto it = masks_.find(key); it != masks_.end()) return it->second;
  if (masks_.size() >= kCacheLimit) masks_.clear();
  GlyphMask& mask = masks_[key];
  TTF_Font* font = Font(face, pixelSize, bold);
  if (font == nullptr || text.empty()) return mask;
  const std::string utf8 = Cp1251ToUtf8(text);
  if (utf8.empty()) return mask;
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (rendered == nullptr) return mask;
  SDL_Surface* argb = rendered;
  if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
    argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (argb == nullptr) return mask;
  }
  mask.Width = argb->w;
  mask.Height = argb->h;
  mask.Alpha.resize(static_cast<size_t>(argb->w) * static_cast<size_t>(argb->h));
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) +
                                                      static_cast<ptrdiff_t>(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x) {
      mask.Alpha[static_cast<size_t>(y) * argb->w + x] = static_cast<uint8_t>(row[x] >> 24);
    }
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return mask;
}

int SdlFontRasterizer::TextWidth(const std::string& face, int pixelSize, bool bold,
                                 const std::string& text) {
  const std::string key = CacheKey(face, pixelSize, bold, text);
  if (auto it = widths_.find(key); it != widths_.end()) return it->second;
  TTF_Font* font = Font(face, pixelSize, bold);
  int w = 0;
  int h = 0;
  if (font == nullptr || text.empty() ||
      TTF_SizeUTF8(font, Cp1251ToUtf8(text).c_str(), &w, &h) != 0) {
    w = 0;
  }
  if (widths_.size() >= kCacheLimit) widths_.clear();
  widths_[key] = w;
  return w;
}

int SdlFontRasterizer::TextHeight(const std::string& face, int pixelSize, bool bold,
                                  const std::string&) {
  TTF_Font* font = Font(face, pixelSize, bold);
  return font == nullptr ? 0 : TTF_FontHeight(font);
}

}  // namespace vontra
