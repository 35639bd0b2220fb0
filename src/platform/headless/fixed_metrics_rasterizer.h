#pragma once
#include "platform/font_rasterizer.h"

namespace vontra {

// A stand-in rasteriser with simple, exactly known metrics, for tests of text layout: every
// character advances (pixelSize + 1) / 2 pixels (bold adds 1), the line is pixelSize * 5 / 4
// high, and every character but the space is a solid box one pixel narrower than its
// advance, from a fifth of the line height down to a fifth above its bottom.
class FixedMetricsRasterizer : public IFontRasterizer {
 public:
  static int Advance(int pixelSize, bool bold) { return (pixelSize + 1) / 2 + (bold ? 1 : 0); }
  static int LineHeight(int pixelSize) { return pixelSize * 5 / 4; }

  GlyphMask Render(const std::string& face, int pixelSize, bool bold,
                   const std::string& text) override;
  int TextWidth(const std::string&, int pixelSize, bool bold, const std::string& text) override {
    ++metricCalls_;
    return Advance(pixelSize, bold) * static_cast<int>(text.size());
  }
  int TextHeight(const std::string&, int pixelSize, bool, const std::string&) override {
    ++metricCalls_;
    return LineHeight(pixelSize);
  }

  int RenderCalls() const { return renderCalls_; }
  int MetricCalls() const { return metricCalls_; }
  const std::string& LastFace() const { return lastFace_; }

 private:
  int renderCalls_ = 0;
  int metricCalls_ = 0;
  std::string lastFace_;
};

}  // namespace vontra
