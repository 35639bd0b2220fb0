#pragma once

// Review images for people: contact sheets of every picture and composed screen mock-ups.

#include <string>

#include "picture_set.h"

namespace vontra::forge {

void WriteContactSheet(const PictureSet& set, Archive archive, const std::string& path);
// An 800 x 600 race frame and a main-menu frame composed from the finished pictures at the
// positions the game draws them.
void WriteRaceMockup(const PictureSet& set, const std::string& path);
void WriteMenuMockup(const PictureSet& set, const std::string& path);

}  // namespace vontra::forge
