#include "assets/picture_decoder.h"

#include <array>
#include <bit>
#include <string>

#include "assets/ansi_text.h"
#include "assets/asset_error.h"

namespace vontra {

namespace {

struct DibHeader {
  int64_t width = 0;
  int64_t height = 0;  // rows; positive = stored bottom row first
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  bool core = false;
  int redBits = 8, greenBits = 8, blueBits = 8;
};

constexpr uint32_t kRle8 = 1, kRle4 = 2, kBitFields = 3;

// A field of n bits widened to 8 by repeating its top bits.
uint32_t Widen(uint32_t v, int bits) {
  if (bits >= 8) return v & 0xFF;
  uint32_t x = v << (8 - bits);
  return x | (x >> bits);
}

DibHeader ReadHeader(ByteReader& in, uint32_t headerSize) {
  DibHeader h;
  if (headerSize == 12) {
    h.core = true;
    h.width = in.U16();
    h.height = in.U16();
    in.U16();  // planes
    h.bitCount = in.U16();
  } else if (headerSize == 40) {
    h.width = in.I32();
    int64_t height = in.I32();
    in.U16();  // planes
    h.bitCount = in.U16();
    h.compression = in.U32();
    h.imageSize = in.U32();
    in.U32();  // resolution
    in.U32();
    h.colorsUsed = in.U32();
    in.U32();  // important colours
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
  } else {
    throw AssetError(kDibInvalid);
  }
  if (h.width < 0) throw AssetError(kDibInvalid);
  switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      throw AssetError("Bitcount in invalid (" + std::to_string(h.bitCount) + ")");
  }
  if (h.compression > kBitFields) throw AssetError(kDibInvalid);
  if ((h.compression == kRle8 && h.bitCount != 8) || (h.compression == kRle4 && h.bitCount != 4))
    throw AssetError(kDibInvalid);
  if (h.compression == kBitFields) {
    h.redBits = std::popcount(in.U32());
    h.greenBits = std::popcount(in.U32());
    h.blueBits = std::popcount(in.U32());
  } else if (h.bitCount == 16) {
    h.redBits = h.greenBits = h.blueBits = 5;
  }
  if (h.bitCount == 16) {
    bool ok = h.redBits == 5 && h.blueBits == 5 && (h.greenBits == 5 || h.greenBits == 6);
    if (!ok) throw AssetError(kPixelFormatInvalid);
  } else if (h.bitCount > 8) {
    if (h.redBits != 8 || h.greenBits != 8 || h.blueBits != 8)
      throw AssetError(kPixelFormatInvalid);
  }
  if (h.width * h.height > kMaxPicturePixels) throw AssetError(kDibInvalid);
  return h;
}

std::array<uint32_t, 256> ReadPalette(ByteReader& in, const DibHeader& h, int& count) {
  std::array<uint32_t, 256> palette{};
  int64_t n = h.colorsUsed;
  if (n == 0 && h.bitCount <= 8) n = int64_t{1} << h.bitCount;
  if (n > 256) n = 256;
  count = static_cast<int>(n);
  for (int i = 0; i < count; ++i) {
    uint32_t b = in.U8(), g = in.U8(), r = in.U8();
    if (!h.core) in.U8();
    palette[static_cast<size_t>(i)] = (r << 16) | (g << 8) | b;
  }
  return palette;
}

// Pixels of one uncompressed row, written left to right into out.
void DecodeRow(std::span<const uint8_t> row, const DibHeader& h,
               const std::array<uint32_t, 256>& palette, int colors, uint32_t* out) {
  const int w = static_cast<int>(h.width);
  auto indexed = [&](uint32_t i) { return static_cast<int>(i) < colors ? palette[i] : 0u; };
  switch (h.bitCount) {
    case 1:
      for (int x = 0; x < w; ++x) out[x] = indexed((row[x >> 3] >> (7 - (x & 7))) & 1);
      break;
    case 4:
      for (int x = 0; x < w; ++x) out[x] = indexed((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15);
      break;
    case 8:
      for (int x = 0; x < w; ++x) out[x] = indexed(row[x]);
      break;
    case 16: {
      const int g = h.greenBits;
      for (int x = 0; x < w; ++x) {
        uint32_t v = row[2 * x] | (uint32_t{row[2 * x + 1]} << 8);
        uint32_t bl = Widen(v & 31, 5);
        uint32_t gr = Widen((v >> 5) & ((1u << g) - 1), g);
        uint32_t rd = Widen((v >> (5 + g)) & 31, 5);
        out[x] = (rd << 16) | (gr << 8) | bl;
      }
      break;
    }
    case 24:
      for (int x = 0; x < w; ++x) {
        const uint8_t* p = &row[3 * static_cast<size_t>(x)];
        out[x] = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
      }
      break;
    case 32:
      for (int x = 0; x < w; ++x) {
        const uint8_t* p = &row[4 * static_cast<size_t>(x)];
        out[x] = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
      }
      break;
  }
}

// Expands 8- or 4-bit run-length data into palette indices, rows in stored order.
std::vector<uint8_t> ExpandRle(ByteReader in, const DibHeader& h) {
  const int64_t w = h.width, height = h.height;
  std::vector<uint8_t> indices(static_cast<size_t>(w * height), 0);
  const bool rle4 = h.compression == kRle4;
  int64_t x = 0, y = 0;
  auto put = [&](uint8_t index) {
    if (x < w && y < height) indices[static_cast<size_t>(y * w + x)] = index;
    ++x;
  };
  while (!in.AtEnd() && y < height) {
    uint8_t count = in.U8();
    uint8_t value = in.U8();
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(rle4 ? ((i & 1) ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      x += in.U8();
      y += in.U8();
    } else {
      const size_t bytes = rle4 ? (value + 1u) / 2 : value;
      auto literal = in.Bytes(bytes);
      for (int i = 0; i < value; ++i) {
        put(rle4 ? ((i & 1) ? literal[static_cast<size_t>(i / 2)] & 15
                            : literal[static_cast<size_t>(i / 2)] >> 4)
                 : literal[static_cast<size_t>(i)]);
      }
      if (bytes & 1) in.Skip(1);
    }
  }
  return indices;
}

}  // namespace

TPicture DecodeDib(ByteReader& in) {
  if (in.AtEnd()) return {};
  const uint32_t headerSize = in.U32();
  if (in.AtEnd()) return {};
  const DibHeader h = ReadHeader(in, headerSize);
  int colors = 0;
  const auto palette = ReadPalette(in, h, colors);

  TPicture pic;
  if (h.width == 0 || h.height == 0) return pic;
  pic.Width = static_cast<int>(h.width);
  pic.Height = static_cast<int>(h.height);
  pic.Pixels.assign(static_cast<size_t>(h.width * h.height), 0);
  auto destRow = [&](int64_t stored) {
    int64_t row = h.topDown ? stored : h.height - 1 - stored;
    return pic.Pixels.data() + row * h.width;
  };

  if (h.compression == kRle8 || h.compression == kRle4) {
    const auto indices = ExpandRle(in.Sub(h.imageSize), h);
    for (int64_t y = 0; y < h.height; ++y) {
      uint32_t* out = destRow(y);
      for (int64_t x = 0; x < h.width; ++x) {
        uint8_t i = indices[static_cast<size_t>(y * h.width + x)];
        out[x] = i < colors ? palette[i] : 0u;
      }
    }
    return pic;
  }

  const int64_t rowBytes = ((h.width * h.bitCount + 31) / 32) * 4;
  if (rowBytes * h.height > static_cast<int64_t>(in.Remaining()))
    throw AssetError(kStreamReadError);
  for (int64_t y = 0; y < h.height; ++y) {
    DecodeRow(in.Bytes(static_cast<size_t>(rowBytes)), h, palette, colors, destRow(y));
  }
  return pic;
}

TPicture DecodeBitmapFile(std::span<const uint8_t> file) {
  ByteReader in(file);
  if (file.size() < 14 || file[0] != 'B' || file[1] != 'M') throw AssetError(kDibInvalid);
  in.Skip(14);
  return DecodeDib(in);
}

TPicture DecodePictureData(std::span<const uint8_t> data) {
  ByteReader in(data);
  const std::string encoding = in.ShortString();
  if (SameTextAnsi(encoding, "TDIB")) return DecodeDib(in);
  if (SameTextAnsi(encoding, "TBitmap")) {
    const uint32_t length = in.U32();
    if (length == 0) return {};
    return DecodeBitmapFile(in.Bytes(length));
  }
  // Icons and metafiles are not used by the game's archives; like unknown encodings they
  // leave the picture empty.
  return {};
}

}  // namespace vontra
