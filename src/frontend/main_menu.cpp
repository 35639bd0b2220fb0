#include "frontend/main_menu.h"

#include "app/mform.h"
#include "audio/music.h"
#include "audio/sound_effects.h"
#include "frontend/car_choice.h"
#include "frontend/front_end.h"
#include "frontend/help_screen.h"
#include "frontend/high_score_screen.h"
#include "frontend/menu_button.h"
#include "frontend/message_window.h"
#include "frontend/options_screen.h"
#include "frontend/screen_parts.h"
#include "frontend/widget_slots.h"
#include "online/web_links.h"

namespace vontra {
namespace {

struct MenuButtonLook {
  const char* Active;
  const char* Inactive;
  int Pattern;
  int Y;
};

constexpr MenuButtonLook kMenuButtons[7] = {{},
                                            {"MM_1_A", "MM_1_I", 0, 115},
                                            {"MM_2_A", "MM_2_I", 1, 176},
                                            {"MM_3_A", "MM_3_I", 2, 237},
                                            {"MM_4_A", "MM_4_I", 3, 300},
                                            {"MM_5_A", "MM_5_I", 4, 362},
                                            {"MM_6_A", "MM_6_I", 0, 410}};

constexpr const char* kCaptions[7] = {"",      "StartC",    "OptionsC", "HSC",
                                      "HelpC", "VisitWWWC", "ExitC"};

constexpr double kButtonsStartX = 800;
constexpr double kButtonsStopX = 546;
constexpr double kUpPanelStep = 1.75;
constexpr double kDownPanelStep = 7.0 / 6.0;

void BuildMenuSprites(TMForm& form) {
  // A rebuild never leaves an older menu behind.
  for (int slot = 1; slot <= 6; ++slot) FreeSlot(form, slot);
  form.ScreenCaption.reset();
  form.UpPanel.reset();
  form.DownPanel.reset();
  SetBackdrop(form, "MMBackground");
  form.ScreenCaption = NewCaption(form, "NullCaption", 31, 190, 3);
  form.UpPanel = NewCaption(form, "UpPanel", 0, 0, 3);
  form.UpPanel->Y = -form.UpPanel->Height;
  form.DownPanel = NewCaption(form, "DownPanel", 0, 600, 3);
  form.DownPanel->X = 800 - form.DownPanel->Width;
  for (int slot = 1; slot <= 6; ++slot) {
    const MenuButtonLook& look = kMenuButtons[slot];
    form.WidgetSlots[slot] = std::make_unique<TMenuButton>(
        form, look.Active, look.Inactive, look.Pattern, look.Pattern, kButtonsStartX, look.Y);
    form.WidgetSlots[slot]->SetZ(4);
  }
}

void StepIntro(TMForm& form) {
  if (form.MenuIntroPhase == kIntroPanels) {
    TCaptionSprite& up = *form.UpPanel;
    TCaptionSprite& down = *form.DownPanel;
    const double downRest = 600 - down.Height;
    if (up.Y < 0) up.Y += kUpPanelStep;
    if (down.Y > downRest) down.Y -= kDownPanelStep;
    if (up.Y >= 0 && down.Y <= downRest) form.MenuIntroPhase = kIntroButtons;
  }
  if (form.MenuIntroPhase == kIntroButtons) {
    if (form.WidgetSlots[1] && form.WidgetSlots[1]->X > kButtonsStopX) {
      for (int slot = 1; slot <= form.ButtonCount; ++slot) {
        if (form.WidgetSlots[slot]) form.WidgetSlots[slot]->X -= 4;
      }
    } else {
      form.MenuIntroPhase = kIntroDone;
    }
  }
}

void ShowSelectionCaption(TMForm& form) {
  if (!form.ScreenCaption) return;
  const int selected = form.SelectedWidget;
  form.ScreenCaption->Visible = selected >= 1 && selected <= 6;
  if (form.ScreenCaption->Visible) form.ScreenCaption->SetImageByName(kCaptions[selected]);
}

// What a main-menu button does once the menu is standing; `homePageLink` is true when a
// sub-screen was open, where button 5 leads to the web home page instead of the link file.
void ActOnMenuButton(TMForm& form, int slot, bool homePageLink) {
  switch (slot) {
    case 1:
      OpenCarChoice(form);
      break;
    case 2:
      OpenOptions(form);
      break;
    case 3:
      OpenHighScores(form);
      break;
    case 4:
      OpenHelp(form);
      break;
    case 5:
      OpenLink(form, homePageLink ? WebHomePage() : "moregames.url");
      break;
    case 6:
      OpenMessageWindow(form, WindowKinds::kQuitQuestion);
      break;
    default:
      break;
  }
}

// The main-menu button that belongs to the open sub-screen.
int OwnMenuButton(ScreenStates screenState) {
  switch (screenState) {
    case ScreenStates::kOptions:
      return 2;
    case ScreenStates::kHighScores:
      return 3;
    case ScreenStates::kHelp:
      return 4;
    case ScreenStates::kCarChoice:
      return 1;
    default:
      return 0;
  }
}

}  // namespace

void OpenMainMenu(TMForm& form, bool rebuild, int openArg) {
  form.ScreenState = ScreenStates::kMainMenu;
  form.SilentFirstHighlight = openArg == 3;
  form.ButtonCount = 6;
  form.FirstSelectable = 1;
  form.LastSelectable = 6;
  form.MenuEntryMode = openArg;
  if (rebuild) {
    PlayScreenMusic(form);
    form.SelectedWidget = openArg == 3 ? 3 : 1;
    form.MenuIntroPhase = kIntroPanels;
    BuildMenuSprites(form);
  }
  if (form.ScreenCaption) form.ScreenCaption->Visible = true;
  EnableFrameTimer(form, true);
}

void MainMenuFrame(TMForm& form, int lagCount) {
  if (form.MenuIntroPhase == kIntroDone) {
    NavigateVertical(form, true);
    HighlightButtons(form);
    ShowSelectionCaption(form);
    if (form.MenuEntryMode == 3) {
      OpenHighScores(form);
      form.MenuEntryMode = 0;
    }
  }
  StepIntro(form);
  RenderScene(form, lagCount, true);
  PresentFrame(form);
}

void MainMenuClick(TMForm& form, bool fromKeyboard) {
  if (form.MenuIntroPhase != kIntroDone) return;
  const int slot = form.SelectedWidget;
  if (!fromKeyboard && slot >= 1 && slot <= 6) PlaySound(form, "B_Act");
  ActOnMenuButton(form, slot, false);
}

void SwitchFromSubScreen(TMForm& form) {
  const int slot = form.SelectedWidget;
  if (slot < 1 || slot > 6) return;
  const bool own = slot == OwnMenuButton(form.ScreenState);
  CloseSubScreen(form);
  OpenMainMenu(form, false, 0);
  if (!own) ActOnMenuButton(form, slot, true);
}

void CloseSubScreen(TMForm& form) {
  switch (form.ScreenState) {
    case ScreenStates::kOptions:
      CloseOptions(form);
      break;
    case ScreenStates::kHighScores:
      CloseHighScores(form);
      break;
    case ScreenStates::kHelp:
      CloseHelp(form);
      break;
    case ScreenStates::kCarChoice:
      CloseCarChoice(form);
      break;
    default:
      break;
  }
}

void FreeMainMenu(TMForm& form) {
  FreeButtons(form);
  form.ScreenCaption.reset();
  form.UpPanel.reset();
  form.DownPanel.reset();
}

}  // namespace vontra
