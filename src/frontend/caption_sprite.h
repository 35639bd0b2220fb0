#pragma once
// Every static picture of the front end and the HUD: backgrounds, labels, panels, the cursor.
#include <string_view>

#include "sprites/image_sprite.h"

namespace vontra {

class TMForm;

class TCaptionSprite : public TImageSprite {
 public:
  // Created under the root at depth 3, centred on the 800 x 601 drawing control. The picture
  // comes from the race list on the race screen or when asked, else from the menu list.
  TCaptionSprite(TMForm& form, std::string_view imageName, bool fromRaceImages = false);

  // Looks the name up in the list chosen by UseRaceImages.
  void SetImageByName(std::string_view imageName);

  bool UseRaceImages = false;

 private:
  TMForm& form_;
};

}  // namespace vontra
