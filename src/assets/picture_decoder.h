#pragma once
// Decoders for the picture encodings an image archive may hold.
#include <cstdint>
#include <span>

#include "assets/byte_reader.h"
#include "assets/picture.h"

namespace vontra {

// The largest picture accepted, so a hostile header cannot demand gigabytes.
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 24;

// A device-independent bitmap without file header (header, optional masks, palette, pixels).
TPicture DecodeDib(ByteReader& in);
// A complete bitmap file ("BM" file header followed by a device-independent bitmap).
TPicture DecodeBitmapFile(std::span<const uint8_t> file);
// The value of a "Picture.Data" property: encoding name, then that encoding's data.
// Unknown encodings (and icons and metafiles) give an empty picture.
TPicture DecodePictureData(std::span<const uint8_t> data);

}  // namespace vontra
