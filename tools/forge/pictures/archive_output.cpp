#include "archive_output.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "assets/archive_writer.h"

namespace vontra::forge {

namespace {

// The finished strip as the archive's 0x00RRGGBB pixels; transparent pixels are exactly the
// colour key, black.
TPicture ToArchivePicture(const Picture& p) {
  cairo_surface_t* s = p.surface();
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  TPicture out;
  out.Width = p.strip_width();
  out.Height = p.frame_height();
  out.Pixels.resize(static_cast<size_t>(out.Width) * out.Height);
  for (int y = 0; y < out.Height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < out.Width; ++x) {
      const uint32_t px = row[x];
      out.Pixels[static_cast<size_t>(y) * out.Width + x] = (px >> 24) ? (px & 0xFFFFFF) : 0;
    }
  }
  return out;
}

}  // namespace

void WriteArchive(const PictureSet& set, Archive archive, const std::string& path) {
  std::vector<PictureEntry> entries;
  for (const PictureSpec& spec : kPictures) {
    if (spec.archive != archive) continue;
    const Picture* p = set.Find(spec.name, archive);
    if (!p) throw std::runtime_error("missing picture " + std::string(spec.name));
    PictureEntry e;
    e.Name = std::string(spec.name);
    e.Picture = ToArchivePicture(*p);
    e.PatternWidth = spec.width;
    e.PatternHeight = spec.height;
    e.Transparent = true;
    e.TransparentColor = 0;
    entries.push_back(std::move(e));
  }
  const std::vector<uint8_t> bytes =
      WriteImageArchive(entries, archive == Archive::Menu ? "MDXImageList" : "MDXImageList3");
  // Written beside the target and renamed, so an interrupted build never leaves half a file.
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + tmp);
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace vontra::forge
