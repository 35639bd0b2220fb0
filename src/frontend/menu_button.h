#pragma once
// A button of the menus: an image sprite with one look while selected and another while not.
// Both pictures come from the menu image list.
#include <cstdint>
#include <string>

#include "sprites/image_sprite.h"

namespace vontra {

class TMForm;

class TMenuButton : public TImageSprite {
 public:
  // Created under the engine's root at depth 4, showing the inactive look.
  TMenuButton(TMForm& form, std::string activeImageName, std::string inactiveImageName,
              int32_t activePattern, int32_t inactivePattern, int32_t x, int32_t y);

  // Switch the look only; IsActive is the slots' bookkeeping.
  void Activate();
  void Deactivate();

  std::string ActiveImageName;
  std::string InactiveImageName;
  int32_t ActivePattern = 0;
  int32_t InactivePattern = 0;
  bool IsActive = false;

 private:
  TMForm& form_;
};

}  // namespace vontra
