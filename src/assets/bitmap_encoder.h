#pragma once
// Writes pictures as 24-bit device-independent bitmaps, so no colour is lost.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/picture.h"

namespace vontra {

// Info header (40 bytes), no palette, rows padded to 4 bytes; bottom row first unless topDown
// (then the height is stored negative).
std::vector<uint8_t> EncodeDib24(const TPicture& picture, bool topDown = false);
// The same with the 14-byte "BM" file header in front: a complete .bmp file.
std::vector<uint8_t> EncodeBitmapFile24(const TPicture& picture, bool topDown = false);

}  // namespace vontra
