#include "frontend/menu_button.h"

#include <utility>

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "sprites/sprite_engine.h"

namespace vontra {

TMenuButton::TMenuButton(TMForm& form, std::string activeImageName, std::string inactiveImageName,
                         int32_t activePattern, int32_t inactivePattern, int32_t x, int32_t y)
    : TImageSprite(&form.MDXSpriteEngine->Root()),
      ActiveImageName(std::move(activeImageName)),
      InactiveImageName(std::move(inactiveImageName)),
      ActivePattern(activePattern),
      InactivePattern(inactivePattern),
      form_(form) {
  AssignImage(&form.MDXImageList->Find(InactiveImageName));
  FrameCount = Image->PatternCount();
  LoopFrames = true;
  FrameSpeed = 0;
  FramePos = InactivePattern;
  X = x;
  Y = y;
  SetZ(4);
}

void TMenuButton::Activate() {
  AssignImage(&form_.MDXImageList->Find(ActiveImageName));
  FramePos = ActivePattern;
}

void TMenuButton::Deactivate() {
  AssignImage(&form_.MDXImageList->Find(InactiveImageName));
  FramePos = InactivePattern;
}

}  // namespace vontra
