#include "frontend/screen_parts.h"

#include "app/frame_timer.h"
#include "app/mform.h"
#include "assets/picture_collection.h"
#include "frontend/front_end.h"
#include "frontend/menu_button.h"
#include "road/scroll_background.h"

namespace vontra {

std::unique_ptr<TCaptionSprite> NewCaption(TMForm& form, std::string_view image, double x, double y,
                                           int32_t z, bool visible, bool fromRaceImages) {
  auto caption = std::make_unique<TCaptionSprite>(form, image, fromRaceImages);
  caption->X = x;
  caption->Y = y;
  caption->SetZ(z);
  caption->Visible = visible;
  return caption;
}

void FreeSlot(TMForm& form, int slot) {
  form.WidgetSlots[slot].reset();
}

void SetBackdrop(TMForm& form, std::string_view image) {
  if (form.Background) form.Background->SetMapImage(&form.MDXImageList->Find(image));
}

void EnableFrameTimer(TMForm& form, bool enabled) {
  if (form.MDXTimer) form.MDXTimer->SetEnabled(enabled);
}

}  // namespace vontra
