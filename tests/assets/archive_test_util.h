#pragma once
// Small builders for hand-made archives and pictures used by the asset tests.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "assets/component_writer.h"
#include "assets/picture.h"

namespace vontra::test {

// A picture whose pixel (x, y) is 0x00RRGGBB with r = 16 * x + 1, g = 16 * y + 1, b = 0x40:
// every pixel differs and none is black.
inline TPicture GradientPicture(int width, int height) {
  TPicture p{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.Pixels.push_back((uint32_t((16 * x + 1) & 0xFF) << 16) |
                         (uint32_t((16 * y + 1) & 0xFF) << 8) | 0x40);
    }
  }
  return p;
}

// An image archive with one item whose properties the callback writes (without the item's
// closing 0 byte).
inline std::vector<uint8_t> ImageArchiveWithItem(
    const std::function<void(ComponentWriter&)>& item) {
  ComponentWriter w;
  w.BeginRoot("TDXImageList", "Images");
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  w.Tag(ValueTag::List);
  item(w);
  w.EndList();
  w.EndList();
  w.EndList();
  w.EndList();
  return w.Finish("Images");
}

inline std::vector<uint8_t> SoundArchiveWithItem(
    const std::function<void(ComponentWriter&)>& item) {
  ComponentWriter w;
  w.BeginRoot("TDXWaveList", "Sounds");
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  w.Tag(ValueTag::List);
  item(w);
  w.EndList();
  w.EndList();
  w.EndList();
  w.EndList();
  return w.Finish("Sounds");
}

// "TDIB" picture data around the given DIB bytes.
inline std::vector<uint8_t> DibPictureData(const std::vector<uint8_t>& dib) {
  std::vector<uint8_t> data{4, 'T', 'D', 'I', 'B'};
  data.insert(data.end(), dib.begin(), dib.end());
  return data;
}

}  // namespace vontra::test
