#pragma once
// Builds small pictures in an image list for sprite tests: frames side by side, each frame
// filled with its own colour, with an optional keyed (black) border column on the left.
#include <cstdint>
#include <string>
#include <vector>

#include "assets/picture_collection.h"

namespace vontra::testing_pictures {

inline uint32_t FrameColor(int frame) {
  return 0x00204060u + static_cast<uint32_t>(frame) * 0x00100800u;
}

inline TPictureCollectionItem& AddFrames(TPictureCollection& list, const std::string& name,
                                         int frameWidth, int frameHeight, int frames,
                                         int keyedColumns = 0) {
  TPictureCollectionItem& item = list.Add();
  item.SetName(name);
  item.Picture.Width = frameWidth * frames;
  item.Picture.Height = frameHeight;
  item.Picture.Pixels.resize(static_cast<size_t>(item.Picture.Width) * frameHeight);
  for (int y = 0; y < frameHeight; ++y) {
    for (int x = 0; x < item.Picture.Width; ++x) {
      const int frame = x / frameWidth;
      const bool keyed = x % frameWidth < keyedColumns;
      item.Picture.Pixels[static_cast<size_t>(y) * item.Picture.Width + x] =
          keyed ? 0u : FrameColor(frame);
    }
  }
  item.PatternWidth = frameWidth;
  item.PatternHeight = frameHeight;
  item.Transparent = true;
  item.TransparentColor = 0;
  item.Prepare();
  return item;
}

// The RGB565 value a frame's colour becomes on the surface.
inline uint16_t Frame565(int frame) {
  const uint32_t c = FrameColor(frame);
  return Rgb565((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

}  // namespace vontra::testing_pictures
