#include "frontend/text_canvas.h"

#include <algorithm>

#include "app/mform.h"
#include "app/rounding.h"
#include "frontend/font_styles.h"

namespace vontra {

namespace {

// Blends a colour onto an RGB565 pixel with coverage a (0..255).
uint16_t Blend565(uint16_t dst, uint8_t r, uint8_t g, uint8_t b, unsigned a) {
  const unsigned dr = ((dst >> 11) & 0x1F) * 255 / 31;
  const unsigned dg = ((dst >> 5) & 0x3F) * 255 / 63;
  const unsigned db = (dst & 0x1F) * 255 / 31;
  const unsigned inv = 255 - a;
  return Rgb565(static_cast<uint8_t>((r * a + dr * inv + 127) / 255),
                static_cast<uint8_t>((g * a + dg * inv + 127) / 255),
                static_cast<uint8_t>((b * a + db * inv + 127) / 255));
}

}  // namespace

void TextCanvasDeleter::operator()(TextCanvas* canvas) const {
  delete canvas;
}

TextCanvasPtr NewTextCanvas(IFontRasterizer& fonts) {
  return TextCanvasPtr(new TextCanvas(fonts));
}

void TextCanvas::SelectStyle(int n) {
  if (n >= 1 && n <= kFontStyleCount) style_ = n;
  pixelSize_ = PointsToPixels(kFontStyles[style_].SizePt);
}

void TextCanvas::SetPixelSize(int pixels) {
  if (pixels >= 1 && pixels <= 255) pixelSize_ = pixels;
}

TextCanvas::Entry& TextCanvas::Lookup(const std::string& text) {
  std::string key;
  key.reserve(text.size() + 2);
  key.push_back(static_cast<char>(style_));
  key.push_back(static_cast<char>(pixelSize_));
  key += text;
  auto it = cache_.find(key);
  if (it != cache_.end()) return it->second;
  // Texts that change every frame (clocks, scores) would grow the cache without end.
  if (cache_.size() >= kCacheLimit) cache_.clear();
  return cache_[key];
}

int TextCanvas::Width(const std::string& text) {
  Entry& e = Lookup(text);
  if (e.Width < 0) {
    const FontStyle& s = kFontStyles[style_];
    e.Width = fonts_.TextWidth(s.Face, pixelSize_, s.Bold, text);
  }
  return e.Width;
}

int TextCanvas::Height(const std::string& text) {
  Entry& e = Lookup(text);
  if (e.Height < 0) {
    const FontStyle& s = kFontStyles[style_];
    e.Height = fonts_.TextHeight(s.Face, pixelSize_, s.Bold, text);
  }
  return e.Height;
}

void TextCanvas::Draw(Surface& surface, const std::string& text, int x, int y) {
  if (text.empty()) return;
  const FontStyle& s = kFontStyles[style_];
  Entry& e = Lookup(text);
  if (!e.Rendered) {
    e.Mask = fonts_.Render(s.Face, pixelSize_, s.Bold, text);
    e.Rendered = true;
  }
  const GlyphMask& m = e.Mask;
  const uint16_t solid = Rgb565(s.R, s.G, s.B);
  const int x0 = std::max(0, -x);
  const int y0 = std::max(0, -y);
  const int x1 = std::min(m.Width, surface.Width() - x);
  const int y1 = std::min(m.Height, surface.Height() - y);
  for (int my = y0; my < y1; ++my) {
    const uint8_t* src = m.Alpha.data() + static_cast<size_t>(my) * m.Width;
    uint16_t* dst = surface.Row(y + my) + x;
    for (int mx = x0; mx < x1; ++mx) {
      const unsigned a = src[mx];
      if (a == 0) continue;
      dst[mx] = a == 255 ? solid : Blend565(dst[mx], s.R, s.G, s.B, a);
    }
  }
}

void SelectFontStyle(TMForm& form, int n) {
  form.Canvas->SelectStyle(n);
}

void SetFontPixelSize(TMForm& form, int pixels) {
  form.Canvas->SetPixelSize(pixels);
}

int TextWidth(TMForm& form, const std::string& text) {
  return form.Canvas->Width(text);
}

int TextHeight(TMForm& form, const std::string& text) {
  return form.Canvas->Height(text);
}

void DrawText(TMForm& form, const std::string& text, int x, int y, bool centreX) {
  DrawTextAnchored(form, text, x, y, false, centreX);
}

void DrawTextAnchored(TMForm& form, const std::string& text, int x, int y, bool centreY,
                      bool centreX) {
  if (!form.MDXDraw.CanDraw()) return;
  if (centreX) x -= RoundHalfEven(TextWidth(form, text) / 2.0);
  if (centreY) y -= RoundHalfEven(TextHeight(form, text) / 2.0);
  form.Canvas->Draw(form.MDXDraw.DrawSurface(), text, x, y);
}

}  // namespace vontra
