#pragma once

#include <string>

#include "picture_set.h"

namespace vontra::forge {

// Writes the pictures of one archive, in catalogue order, as colour-keyed bitmaps.
void WriteArchive(const PictureSet& set, Archive archive, const std::string& path);

}  // namespace vontra::forge
