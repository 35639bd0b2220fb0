#include "frontend/car_choice.h"

#include <string>

#include "app/mform.h"
#include "frontend/front_end.h"
#include "frontend/main_menu.h"
#include "frontend/menu_button.h"
#include "frontend/screen_parts.h"
#include "frontend/widget_slots.h"

namespace vontra {
namespace {

constexpr int kCarX[4] = {40, 164, 288, 413};
constexpr int kCarY = 230;

}  // namespace

void OpenCarChoice(TMForm& form) {
  form.ScreenState = ScreenStates::kCarChoice;
  form.SilentFirstHighlight = false;
  form.ButtonCount = 10;
  form.FirstSelectable = 7;
  form.LastSelectable = 10;
  form.SelectedWidget = 7;
  if (form.ScreenCaption) form.ScreenCaption->Visible = false;
  EnableFrameTimer(form, true);

  form.SubScreenBackground = NewCaption(form, "SgB", 31, 115, 2);
  for (int car = 1; car <= 4; ++car) {
    const std::string name = "MenuCar" + std::to_string(car);
    form.WidgetSlots[6 + car] =
        std::make_unique<TMenuButton>(form, name + "_A", name + "_I", 0, 0, kCarX[car - 1], kCarY);
  }
}

void CloseCarChoice(TMForm& form) {
  form.SubScreenBackground.reset();
  for (int slot = 7; slot <= 10; ++slot) FreeSlot(form, slot);
  EnableFrameTimer(form, false);
}

void CarChoiceFrame(TMForm& form, int lagCount) {
  NavigateHorizontal(form, true);
  HighlightButtons(form);
  if (form.WidgetSlots[1]) form.WidgetSlots[1]->Activate();
  RenderScene(form, lagCount, true);
  PresentFrame(form);
}

void CarChoiceClick(TMForm& form) {
  const int slot = form.SelectedWidget;
  if (slot >= 7 && slot <= 10) {
    CloseCarChoice(form);
    OpenMainMenu(form, false, 0);
    FreeMainMenu(form);
    EnableFrameTimer(form, false);
    form.CarChoice = slot - 6;
    StartRace(form);
  } else {
    SwitchFromSubScreen(form);
  }
}

}  // namespace vontra
