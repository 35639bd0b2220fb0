#include "frontend/high_score_screen.h"

#include <string>

#include "app/mform.h"
#include "frontend/front_end.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_button.h"
#include "frontend/screen_parts.h"
#include "frontend/text_canvas.h"
#include "frontend/widget_slots.h"
#include "online/web_links.h"

namespace vontra {

void OpenHighScores(TMForm& form) {
  form.ScreenState = ScreenStates::kHighScores;
  form.SilentFirstHighlight = false;
  form.ButtonCount = 8;
  form.SelectedWidget = 8;
  form.FirstSelectable = 7;
  form.LastSelectable = 8;
  if (form.ScreenCaption) form.ScreenCaption->Visible = false;
  EnableFrameTimer(form, true);

  form.SubScreenBackground = NewCaption(form, "HSB", 31, 115, 2);
  form.WidgetSlots[7] = std::make_unique<TMenuButton>(form, "ClearHS", "ClearHS", 1, 0, 31, 418);
  form.WidgetSlots[8] = std::make_unique<TMenuButton>(form, "ViewHS", "ViewHS", 1, 0, 377, 418);
}

void CloseHighScores(TMForm& form) {
  form.SubScreenBackground.reset();
  FreeSlot(form, 7);
  FreeSlot(form, 8);
  EnableFrameTimer(form, false);
}

void HighScoresFrame(TMForm& form, int lagCount) {
  HighlightButtons(form);
  NavigateHorizontal(form, true);
  if (form.WidgetSlots[3]) form.WidgetSlots[3]->Activate();
  RenderScene(form, lagCount, true);
  DrawHighScores(form);
  PresentFrame(form);
}

void DrawHighScores(TMForm& form) {
  SelectFontStyle(form, 1);
  for (int rank = 1; rank <= kTableRows; ++rank) {
    const int y = 128 + 24 * rank;
    DrawText(form, std::to_string(rank), 70, y, true);
    DrawText(form, form.HighScores[rank].Name, 260, y, true);
    DrawText(form, std::to_string(form.HighScores[rank].Score), 436, y, true);
  }
}

void HighScoresClick(TMForm& form) {
  switch (form.SelectedWidget) {
    case 7:
      OpenMessageWindow(form, WindowKinds::kClearQuestion);
      break;
    case 8:
      OpenLink(form, WorldTablePage());
      break;
    default:
      SwitchFromSubScreen(form);
      break;
  }
}

void NameEntryKey(TMForm& form, uint8_t key) {
  NameEntryKey(static_cast<FrontEndState&>(form), key);
}

}  // namespace vontra
