#include "platform/headless/fixed_metrics_rasterizer.h"

namespace vontra {

GlyphMask FixedMetricsRasterizer::Render(const std::string& face, int pixelSize, bool bold,
                                         const std::string& text) {
  ++renderCalls_;
  lastFace_ = face;
  GlyphMask mask;
  const int advance = Advance(pixelSize, bold);
  mask.Width = advance * static_cast<int>(text.size());
  mask.Height = LineHeight(pixelSize);
  mask.Alpha.assign(static_cast<size_t>(mask.Width) * mask.Height, 0);
  const int top = mask.Height / 5;
  const int bottom = mask.Height - mask.Height / 5;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    const int left = static_cast<int>(i) * advance;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < left + advance - 1; ++x) {
        mask.Alpha[static_cast<size_t>(y) * mask.Width + x] = 255;
      }
    }
  }
  return mask;
}

}  // namespace vontra
