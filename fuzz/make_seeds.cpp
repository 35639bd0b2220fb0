// Writes a handful of small valid archives into a folder, as the fuzzer's starting corpus.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "assets/archive_writer.h"
#include "assets/bitmap_encoder.h"
#include "assets/component_writer.h"
#include "assets/wave_writer.h"

using namespace vontra;

namespace {

void Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

TPicture Picture(int w, int h) {
  TPicture p{w, h, {}};
  for (int i = 0; i < w * h; ++i) p.Pixels.push_back(static_cast<uint32_t>(i * 0x010305));
  return p;
}

// An archive with one item whose picture data is the given DIB bytes.
std::vector<uint8_t> WithDib(const std::vector<uint8_t>& dib, const char* encoding = "TDIB") {
  ComponentWriter w;
  w.BeginRoot("TDXImageList", "Images");
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  w.Int8(0);
  w.Tag(ValueTag::List);
  w.PropertyName("Name");
  w.String("Item");
  w.PropertyName("PatternWidth");
  w.Int16(2);
  w.PropertyName("Picture.Data");
  std::vector<uint8_t> data;
  data.push_back(static_cast<uint8_t>(std::string(encoding).size()));
  for (const char* c = encoding; *c; ++c) data.push_back(static_cast<uint8_t>(*c));
  if (std::string(encoding) == "TBitmap") {
    for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(dib.size() >> (8 * i)));
  }
  data.insert(data.end(), dib.begin(), dib.end());
  w.Binary(data);
  w.PropertyName("TransparentColor");
  w.Ident("clFuchsia");
  w.EndList();
  w.EndList();
  w.EndList();
  w.EndList();
  return w.Finish("Images");
}

// An info header, then the palette, then the pixel data.
std::vector<uint8_t> Info(int w, int h, int bpp, int compression, int colors,
                          std::vector<uint8_t> palette, std::vector<uint8_t> pixels) {
  std::vector<uint8_t> out;
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put(40, 4), put(static_cast<uint32_t>(w), 4), put(static_cast<uint32_t>(h), 4), put(1, 2);
  put(static_cast<uint32_t>(bpp), 2), put(static_cast<uint32_t>(compression), 4);
  put(static_cast<uint32_t>(pixels.size()), 4), put(0, 4), put(0, 4);
  put(static_cast<uint32_t>(colors), 4), put(0, 4);
  out.insert(out.end(), palette.begin(), palette.end());
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: archive_fuzz_seeds DIR\n");
    return 1;
  }
  const std::string dir = argv[1];
  Save(dir + "/images24",
       WriteImageArchive({{"A", Picture(6, 3), 2, 3, 1, 0}, {"B", Picture(3, 2)}}));
  Save(dir + "/bitmapfile", WithDib(EncodeBitmapFile24(Picture(3, 3)), "TBitmap"));
  Save(dir + "/topdown", WithDib(EncodeDib24(Picture(4, 2), true)));
  // 4-bit with two palette entries, 8-bit run-length, 16-bit 5-6-5 bit fields, 1-bit core.
  Save(dir + "/pal4", WithDib(Info(3, 2, 4, 0, 2, {0, 0, 255, 0, 0, 255, 0, 0},
                                   {0x01, 0x00, 0, 0, 0x10, 0x10, 0, 0})));
  Save(dir + "/rle8", WithDib(Info(4, 2, 8, 1, 2, {0, 0, 255, 0, 0, 255, 0, 0},
                                   {2, 1, 0, 3, 1, 0, 1, 0, 0, 2, 1, 1, 0, 0, 0, 1})));
  Save(dir + "/rle4", WithDib(Info(4, 2, 4, 2, 2, {0, 0, 255, 0, 0, 255, 0, 0},
                                   {4, 0x10, 0, 0, 0, 4, 0x01, 0x10, 0, 1})));
  Save(dir + "/bf565",
       WithDib(Info(2, 1, 16, 3, 0, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
                    {0xFF, 0xFF, 0x00, 0xF8})));
  Save(dir + "/core1",
       WithDib({12, 0, 0, 0, 9, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 255, 255, 255, 0xAA, 0x80, 0, 0}));
  const std::vector<int16_t> samples{0, 100, -100, 2000};
  Save(dir + "/sounds", WriteSoundArchive({{"S", false, 2, MakeRiffWave16(1, 11025, samples)},
                                           {"L", true, 0, MakeRiffWave16(2, 22050, samples)}}));
  return 0;
}
