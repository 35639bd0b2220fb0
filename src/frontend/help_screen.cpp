#include "frontend/help_screen.h"

#include "app/input_dispatch.h"
#include "app/mform.h"
#include "frontend/front_end.h"
#include "frontend/help_texts.h"
#include "frontend/menu_button.h"
#include "frontend/screen_parts.h"
#include "frontend/text_canvas.h"
#include "frontend/widget_slots.h"
#include "online/web_links.h"

namespace vontra {
namespace {

struct IconPlace {
  const char* Image;
  int X;
  int Y;
};

constexpr IconPlace kBonusIcons[8] = {
    {"Gun", 55, 190},       {"Gun2", 55, 240},    {"Rockets", 55, 290}, {"Rockets2", 55, 340},
    {"MegaBomb", 310, 190}, {"Energy", 310, 240}, {"Engine", 310, 290}, {"Shield", 310, 340}};

constexpr int kBonusPage = 2;
constexpr int kCreditsPage = 5;

// The icons belong to the bonus page, the picture to the credits.
void ShowPagePictures(TMForm& form) {
  for (const std::unique_ptr<TCaptionSprite>& icon : form.HelpIcons) {
    if (icon) icon->Visible = form.HelpPage == kBonusPage;
  }
  if (form.CreditsPicture) form.CreditsPicture->Visible = form.HelpPage == kCreditsPage;
}

}  // namespace

void OpenHelp(TMForm& form) {
  form.ScreenState = ScreenStates::kHelp;
  form.SilentFirstHighlight = false;
  form.ButtonCount = 8;
  form.HelpPage = 1;
  form.SelectedWidget = 8;
  form.FirstSelectable = 7;
  form.LastSelectable = 8;
  if (form.ScreenCaption) form.ScreenCaption->Visible = false;
  EnableFrameTimer(form, true);

  form.SubScreenBackground = NewCaption(form, "HB", 31, 115, 2);
  form.WidgetSlots[7] = std::make_unique<TMenuButton>(form, "Previous", "Previous", 1, 0, 31, 418);
  form.WidgetSlots[8] = std::make_unique<TMenuButton>(form, "Next", "Next", 1, 0, 377, 418);
  for (int i = 0; i < 8; ++i) {
    const IconPlace& icon = kBonusIcons[i];
    form.HelpIcons[i] = NewCaption(form, icon.Image, icon.X, icon.Y, 3, false, true);
  }
  form.CreditsPicture = NewCaption(form, "AttackICO", 61, 215, 3, false);
}

void CloseHelp(TMForm& form) {
  form.SubScreenBackground.reset();
  FreeSlot(form, 7);
  FreeSlot(form, 8);
  for (std::unique_ptr<TCaptionSprite>& icon : form.HelpIcons) icon.reset();
  form.CreditsPicture.reset();
  EnableFrameTimer(form, false);
}

void HelpFrame(TMForm& form, int lagCount) {
  HighlightButtons(form);
  NavigateHorizontal(form, false);
  if (form.NavHitEnd) {
    // Right on "Next" or Left on "Previous" turns the page like a click.
    MDXDrawClick(form);
    form.NavHitEnd = false;
  }
  if (form.ScreenState != ScreenStates::kHelp) return;
  if (form.WidgetSlots[4]) form.WidgetSlots[4]->Activate();
  ShowPagePictures(form);
  RenderScene(form, lagCount, true);
  DrawHelpPage(form);
  PresentFrame(form);
}

void HelpClick(TMForm& form) {
  switch (form.SelectedWidget) {
    case 7:
      form.HelpPage = form.HelpPage == 1 ? kHelpPages : form.HelpPage - 1;
      break;
    case 8:
      form.HelpPage = form.HelpPage == kHelpPages ? 1 : form.HelpPage + 1;
      break;
    default:
      SwitchFromSubScreen(form);
      break;
  }
}

void DrawHelpPage(TMForm& form) {
  const auto width = [&form](int style, int pixels, const std::string& text) {
    SelectFontStyle(form, style);
    SetFontPixelSize(form, pixels);
    return TextWidth(form, text);
  };
  for (const HelpLine& line : HelpPageLines(form.HelpPage, WebHomePage(), width)) {
    SelectFontStyle(form, line.Style);
    SetFontPixelSize(form, line.Pixels);
    DrawText(form, line.Text, line.X, line.Y, false);
  }
}

}  // namespace vontra
