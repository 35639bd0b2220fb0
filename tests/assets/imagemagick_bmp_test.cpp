// Bitmaps written by ImageMagick (from its built-in sample pictures) must decode to the same
// pixels as ImageMagick itself reads from them. Skipped when `convert` is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "archive_test_util.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"

namespace vontra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
void WriteBytes(const fs::path& p, const Bytes& b) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
uint32_t Get32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
void Set32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// ImageMagick writes bit fields and alpha with the larger version 4/5 headers; rewrite such a
// file with the 40-byte header (masks behind it), which ImageMagick reads just as well.
Bytes ToInfoHeader(const Bytes& bmp) {
  const uint32_t headerSize = Get32(bmp, 14), offBits = Get32(bmp, 10);
  Bytes out(bmp.begin(), bmp.begin() + 14 + 40);
  Set32(out, 14, 40);
  if (Get32(bmp, 14 + 16) == 3) out.insert(out.end(), bmp.begin() + 54, bmp.begin() + 54 + 12);
  out.insert(out.end(), bmp.begin() + 14 + headerSize, bmp.begin() + offBits);  // palette
  Set32(out, 10, static_cast<uint32_t>(out.size()));
  out.insert(out.end(), bmp.begin() + offBits, bmp.end());
  Set32(out, 2, static_cast<uint32_t>(out.size()));
  return out;
}

// 32-bit bit fields in the standard positions are the same pixels without compression.
Bytes DropBitFields(const Bytes& bmp) {
  Bytes out = bmp;
  Set32(out, 14 + 16, 0);
  out.erase(out.begin() + 54, out.begin() + 66);
  Set32(out, 10, Get32(out, 10) - 12);
  Set32(out, 2, static_cast<uint32_t>(out.size()));
  return out;
}

// Rows stored top row first, with the height negated.
Bytes ToTopDown(const Bytes& bmp) {
  Bytes out = bmp;
  const int32_t w = static_cast<int32_t>(Get32(bmp, 18)), h = static_cast<int32_t>(Get32(bmp, 22));
  const int bpp = bmp[28];
  const size_t row = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4, off = Get32(bmp, 10);
  for (int y = 0; y < h; ++y) {
    std::copy_n(
        bmp.begin() + static_cast<std::ptrdiff_t>(off + row * static_cast<size_t>(h - 1 - y)), row,
        out.begin() + static_cast<std::ptrdiff_t>(off + row * static_cast<size_t>(y)));
  }
  Set32(out, 22, static_cast<uint32_t>(-h));
  return out;
}

struct Variant {
  const char* name;
  const char* convertArgs;  // source and options; the output file is appended
  std::function<Bytes(const Bytes&)> rewrite;
  uint32_t headerSize;
  int bitCount;
  uint32_t compression;
};

TEST(ImageMagickBitmaps, DecodeToTheSamePixelsAsImageMagickReads) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "convert missing";
  const fs::path dir = fs::temp_directory_path() / ("vontra-im-" + std::to_string(getpid()));
  fs::create_directories(dir);
  auto same = [](const Bytes& b) { return b; };
  const std::vector<Variant> variants{
      {"1bit", "rose: -monochrome BMP3:", same, 40, 1, 0},
      {"logo1bit", "logo: -resize 25% -monochrome BMP3:", same, 40, 1, 0},
      {"4bit", "rose: -colors 16 -compress none BMP3:", same, 40, 4, 0},
      {"8bit", "rose: -colors 200 -compress none BMP3:", same, 40, 8, 0},
      {"rle8", "rose: -colors 200 -compress RLE BMP3:", same, 40, 8, 1},
      {"logoRle8", "logo: -resize 40% -colors 12 -compress RLE BMP3:", same, 40, 8, 1},
      {"565", "rose: -define bmp:subtype=RGB565 BMP:", ToInfoHeader, 40, 16, 3},
      {"555", "rose: -define bmp:subtype=RGB555 BMP:", ToInfoHeader, 40, 16, 3},
      {"24", "rose: -type truecolor BMP3:", same, 40, 24, 0},
      {"24topDown", "rose: -type truecolor BMP3:", ToTopDown, 40, 24, 0},
      {"32bitFields", "rose: -alpha on -define bmp:subtype=ARGB8888 BMP:", ToInfoHeader, 40, 32, 3},
      {"32", "rose: -alpha on -define bmp:subtype=ARGB8888 BMP:",
       [](const Bytes& b) { return DropBitFields(ToInfoHeader(b)); }, 40, 32, 0},
      {"core24", "rose: BMP2:", same, 12, 24, 0},
      {"core16", "rose: -define bmp:subtype=RGB565 BMP2:", same, 12, 16, 0},
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.name);
    const fs::path bmp = dir / (std::string(v.name) + ".bmp");
    const fs::path rgb = dir / (std::string(v.name) + ".rgb");
    const std::string make = "convert " + std::string(v.convertArgs) + bmp.string();
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    const Bytes file = v.rewrite(ReadBytes(bmp));
    WriteBytes(bmp, file);
    // The variant is the format it claims to be.
    ASSERT_EQ(Get32(file, 14), v.headerSize);
    ASSERT_EQ(file[v.headerSize == 12 ? 24 : 28], v.bitCount);
    if (v.headerSize == 40) {
      ASSERT_EQ(Get32(file, 30), v.compression);
      if (v.bitCount == 8) {
        ASSERT_GT(Get32(file, 46), 16u);  // a real palette of more than 16 entries
      }
    }
    const std::string read = "convert " + bmp.string() + " -depth 8 rgb:" + rgb.string();
    ASSERT_EQ(std::system(read.c_str()), 0) << read;
    const Bytes want = ReadBytes(rgb);

    Bytes data{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 0, 0, 0, 0};
    Set32(data, 8, static_cast<uint32_t>(file.size()));
    data.insert(data.end(), file.begin(), file.end());
    TPictureCollection list;
    try {
      list.LoadFromMemory(test::ImageArchiveWithItem([&](ComponentWriter& w) {
        w.PropertyName("Picture.Data");
        w.Binary(data);
      }));
    } catch (const AssetError& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    const TPicture& p = list.Items(0).Picture;
    ASSERT_EQ(want.size(), p.Pixels.size() * 3);
    int mismatches = 0;
    for (size_t i = 0; i < p.Pixels.size(); ++i) {
      const uint32_t got = p.Pixels[i];
      const uint32_t expected =
          uint32_t{want[3 * i]} << 16 | uint32_t{want[3 * i + 1]} << 8 | want[3 * i + 2];
      if (got != expected && mismatches++ < 3) {
        ADD_FAILURE() << "pixel " << i % static_cast<size_t>(p.Width) << ","
                      << i / static_cast<size_t>(p.Width) << std::hex << " got " << got << " want "
                      << expected;
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vontra
