#include "assets/bitmap_encoder.h"

namespace vontra {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeDib24(const TPicture& picture, bool topDown) {
  const int w = picture.Empty() ? 0 : picture.Width;
  const int h = picture.Empty() ? 0 : picture.Height;
  const size_t rowBytes = ((static_cast<size_t>(w) * 24 + 31) / 32) * 4;
  std::vector<uint8_t> out;
  out.reserve(40 + rowBytes * static_cast<size_t>(h));
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(topDown ? -h : h));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // no compression
  Put32(out, static_cast<uint32_t>(rowBytes * static_cast<size_t>(h)));
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // important colours
  for (int i = 0; i < h; ++i) {
    const int y = topDown ? i : h - 1 - i;
    const size_t start = out.size();
    for (int x = 0; x < w; ++x) {
      const uint32_t p = picture.At(x, y);
      out.push_back(static_cast<uint8_t>(p));
      out.push_back(static_cast<uint8_t>(p >> 8));
      out.push_back(static_cast<uint8_t>(p >> 16));
    }
    out.resize(start + rowBytes, 0);
  }
  return out;
}

std::vector<uint8_t> EncodeBitmapFile24(const TPicture& picture, bool topDown) {
  const std::vector<uint8_t> dib = EncodeDib24(picture, topDown);
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, static_cast<uint32_t>(14 + dib.size()));
  Put32(out, 0);        // reserved
  Put32(out, 14 + 40);  // pixel data offset
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

}  // namespace vontra
