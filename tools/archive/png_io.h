#pragma once
// PNG files in and out, as 8-bit RGB; the alpha channel of a PNG is dropped on reading.
#include <string>

#include "assets/picture.h"

namespace vontra::archive_tool {

// Empty string on success, else a message.
std::string WritePng(const std::string& path, const TPicture& picture);
std::string ReadPng(const std::string& path, TPicture& picture);

}  // namespace vontra::archive_tool
