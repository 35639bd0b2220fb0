#include "png_io.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace vontra::archive_tool {

std::string WritePng(const std::string& path, const TPicture& picture) {
  std::vector<uint8_t> rgb;
  rgb.reserve(picture.Pixels.size() * 3);
  for (uint32_t p : picture.Pixels) {
    rgb.push_back(static_cast<uint8_t>(p >> 16));
    rgb.push_back(static_cast<uint8_t>(p >> 8));
    rgb.push_back(static_cast<uint8_t>(p));
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.Width);
  image.height = static_cast<png_uint_32>(picture.Height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    return image.message[0] ? image.message : "cannot write PNG";
  }
  return {};
}

std::string ReadPng(const std::string& path, TPicture& picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    return image.message[0] ? image.message : "cannot read PNG";
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    std::string message = image.message;
    png_image_free(&image);
    return message.empty() ? "cannot read PNG" : message;
  }
  picture.Width = static_cast<int>(image.width);
  picture.Height = static_cast<int>(image.height);
  picture.Pixels.clear();
  picture.Pixels.reserve(rgb.size() / 3);
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
    picture.Pixels.push_back((uint32_t{rgb[i]} << 16) | (uint32_t{rgb[i + 1]} << 8) | rgb[i + 2]);
  }
  return {};
}

}  // namespace vontra::archive_tool
