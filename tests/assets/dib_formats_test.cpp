// Hand-made bitmaps of every accepted pixel format, decoded through a whole archive load.
#include <gtest/gtest.h>

#include "archive_test_util.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"

namespace vontra {
namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& out, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

struct Info {
  int32_t width, height;
  int bpp;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  uint32_t imageSize = 0;
};

Bytes InfoHeader(const Info& i) {
  Bytes out;
  Put(out, 40, 4);
  Put(out, static_cast<uint32_t>(i.width), 4);
  Put(out, static_cast<uint32_t>(i.height), 4);
  Put(out, 1, 2);
  Put(out, static_cast<uint32_t>(i.bpp), 2);
  Put(out, i.compression, 4);
  Put(out, i.imageSize, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  Put(out, i.colorsUsed, 4);
  Put(out, 0, 4);
  return out;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// Palette entries (0x00RRGGBB) as blue, green, red[, reserved].
Bytes Palette(std::initializer_list<uint32_t> colors, bool core = false) {
  Bytes out;
  for (uint32_t c : colors) {
    out.push_back(static_cast<uint8_t>(c));
    out.push_back(static_cast<uint8_t>(c >> 8));
    out.push_back(static_cast<uint8_t>(c >> 16));
    if (!core) out.push_back(0x77);  // reserved byte: must be ignored
  }
  return out;
}

TPicture LoadPicture(const Bytes& pictureData) {
  TPictureCollection list;
  list.LoadFromMemory(test::ImageArchiveWithItem([&](ComponentWriter& w) {
    w.PropertyName("Picture.Data");
    w.Binary(pictureData);
  }));
  return list.Items(0).Picture;
}

constexpr uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF, K = 0, Y = 0xFFFF00;

struct FormatCase {
  const char* name;
  Bytes dib;
  int width, height;
  std::vector<uint32_t> pixels;  // top row first
};

std::vector<FormatCase> FormatCases() {
  std::vector<FormatCase> c;
  // 1 bit, 9 wide (rows padded to 4 bytes), bottom row first.
  c.push_back({"1bit",
               Cat({InfoHeader({9, 2, 1}), Palette({R, G}),
                    Bytes{0xFF, 0x80, 0, 0,  // bottom row: all 1
                          0x55, 0x00, 0, 0}}),
               9,
               2,
               {R, G, R, G, R, G, R, G, R, G, G, G, G, G, G, G, G, G}});
  // Core header: 16-bit sizes and 3-byte palette entries.
  c.push_back({"core1bit",
               Cat({Bytes{12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0}, Palette({B, Y}, true),
                    Bytes{0xA0, 0, 0, 0}}),
               3,
               1,
               {Y, B, Y}});
  // 4 bits with only three colours used; index 5 lies past the palette and reads as black.
  c.push_back({"4bit",
               Cat({InfoHeader({3, 2, 4, 0, 3}), Palette({R, G, B}),
                    Bytes{0x21, 0x00, 0, 0, 0x50, 0x10, 0, 0}}),
               3,
               2,
               {K, R, G, B, G, R}});
  // 8 bits, 300 colours used: 256 palette entries are read and the pixels follow them.
  {
    Bytes pal;
    for (int i = 0; i < 256; ++i) {
      pal.insert(pal.end(), {static_cast<uint8_t>(i), 7, static_cast<uint8_t>(255 - i), 0});
    }
    c.push_back({"8bit300colours",
                 Cat({InfoHeader({2, 1, 8, 0, 300}), pal, Bytes{3, 250, 0, 0}}),
                 2,
                 1,
                 {0xFC0703, 0x0507FA}});
  }
  // Run-length 8: run, literal of 3 (padded), end of row, delta, end of picture. Pixels
  // skipped by the delta and by the early ends take colour 0.
  c.push_back({"rle8",
               Cat({InfoHeader({5, 3, 8, 1, 4, 18}), Palette({K, R, G, B}),
                    Bytes{2, 1, 0, 3, 2, 3, 2, 0,  // bottom row: R R G B G
                          0, 0,                    // end of row
                          0, 2, 1, 1,              // delta: right 1, down 1 (to the top row)
                          2, 3, 0, 1}}),           // B B, end of picture
               5,
               3,
               {K, B, B, K, K, K, K, K, K, K, R, R, G, B, G}});
  // Run-length 4: runs alternate their two nibbles; literal of 3 pixels takes 2 bytes,
  // literal of 5 takes 3 bytes plus a pad byte.
  c.push_back({"rle4",
               Cat({InfoHeader({5, 2, 4, 2, 4, 12}), Palette({K, R, G, B}),
                    Bytes{5, 0x12, 0, 0,              // bottom row: R G R G R
                          0, 5, 0x32, 0x13, 0x20, 0,  // top row: B G R B G
                          0, 1}}),
               5,
               2,
               {B, G, R, B, G, R, G, R, G, R}});
  // 16 bits without bit fields: 5-5-5; fields widened by repeating their top bits.
  c.push_back({"16bit555",
               Cat({InfoHeader({3, 1, 16}), Bytes{0x00, 0x7C, 0x21, 0x04, 0x1F, 0x00, 0, 0}}),
               3,
               1,
               {R, 0x080808, B}});
  // 16 bits with 5-6-5 bit fields.
  c.push_back(
      {"16bit565",
       Cat({InfoHeader({3, 1, 16, 3}), Bytes{0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
            Bytes{0xE0, 0x07, 0x21, 0x08, 0x00, 0xF8, 0, 0}}),
       3,
       1,
       {G, 0x080408, R}});
  // Only the sizes of the masks count: fields are taken as packed, red highest.
  c.push_back(
      {"16bitSwappedMasks",
       Cat({InfoHeader({1, 1, 16, 3}), Bytes{0x1F, 0, 0, 0, 0xE0, 0x03, 0, 0, 0, 0x7C, 0, 0},
            Bytes{0x00, 0x7C, 0, 0}}),
       1,
       1,
       {R}});
  // 24 bits: bottom-up, then top-down (negative height).
  c.push_back({"24bit",
               Cat({InfoHeader({2, 2, 24}),
                    Bytes{0xFF, 0, 0, 0, 0xFF, 0, 0, 0,           // bottom: B G
                          0, 0, 0xFF, 0x10, 0x20, 0x30, 0, 0}}),  // top: R, 0x302010
               2,
               2,
               {R, 0x302010, B, G}});
  c.push_back({"24bitTopDown",
               Cat({InfoHeader({2, -2, 24}),
                    Bytes{0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0x10, 0x20, 0x30, 0, 0}}),
               2,
               2,
               {B, G, R, 0x302010}});
  // 32 bits: the fourth byte is ignored; with 8-8-8 bit fields too.
  c.push_back({"32bit",
               Cat({InfoHeader({2, 1, 32}), Bytes{1, 2, 3, 0xEE, 0xFF, 0xFF, 0xFF, 0x00}}),
               2,
               1,
               {0x030201, W}});
  c.push_back({"32bitBitFields",
               Cat({InfoHeader({1, 1, 32, 3}),
                    Bytes{0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 9, 8, 7, 6}}),
               1,
               1,
               {0x070809}});
  return c;
}

TEST(DibFormats, EachPixelFormatDecodes) {
  for (const FormatCase& c : FormatCases()) {
    SCOPED_TRACE(c.name);
    TPicture p;
    try {
      p = LoadPicture(test::DibPictureData(c.dib));
    } catch (const AssetError& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    ASSERT_EQ(p.Width, c.width);
    ASSERT_EQ(p.Height, c.height);
    EXPECT_EQ(p.Pixels, c.pixels);
  }
}

TEST(DibFormats, BitmapFileEncodingMatchesTheBareDib) {
  const FormatCase c = FormatCases()[0];
  Bytes data{7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
  Put(data, static_cast<uint32_t>(14 + c.dib.size()), 4);
  data.insert(data.end(), {'B', 'M'});
  Put(data, static_cast<uint32_t>(14 + c.dib.size()), 4);
  Put(data, 0, 4);
  Put(data, 14 + 40 + 8, 4);
  data.insert(data.end(), c.dib.begin(), c.dib.end());
  const TPicture p = LoadPicture(data);
  EXPECT_EQ(p.Width, c.width);
  EXPECT_EQ(p.Pixels, c.pixels);
}

TEST(DibFormats, EmptyAndUnknownEncodingsLeaveThePictureEmpty) {
  const std::vector<Bytes> cases{
      {4, 'T', 'D', 'I', 'B'},                             // no header at all
      {7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 0, 0, 0, 0},  // zero-length bitmap file
      {5, 'T', 'I', 'c', 'o', 'n', 1, 2, 3},
      {9, 'T', 'M', 'e', 't', 'a', 'f', 'i', 'l', 'e', 1, 2, 3},
      {10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 0xFF, 0xD8},
      Cat({{4, 'T', 'D', 'I', 'B'}, InfoHeader({0, 5, 24})}),  // zero width
  };
  for (const Bytes& data : cases) {
    const TPicture p = LoadPicture(data);
    EXPECT_TRUE(p.Empty());
    EXPECT_TRUE(p.Pixels.empty());
  }
}

}  // namespace
}  // namespace vontra
