#pragma once

// The pictures the forge has drawn so far, in catalogue order once complete.

#include <memory>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace vontra::forge {

class PictureSet {
 public:
  // Creates the named picture at its catalogue size; drawing an unknown name or one name
  // twice is a forge bug and stops the build.
  Picture& Make(std::string_view name, Archive archive = Archive::Race);
  const Picture* Find(std::string_view name, Archive archive = Archive::Race) const;
  const std::vector<std::unique_ptr<Picture>>& all() const { return pictures_; }
  // Names of catalogue pictures nobody drew.
  std::vector<std::string_view> Missing() const;

 private:
  std::vector<std::unique_ptr<Picture>> pictures_;
};

// One drawing module per family of pictures.
void DrawCars(PictureSet& set);
void DrawRoad(PictureSet& set);
void DrawEffects(PictureSet& set);
void DrawBonuses(PictureSet& set);
void DrawInstruments(PictureSet& set);
void DrawMenus(PictureSet& set);

}  // namespace vontra::forge
