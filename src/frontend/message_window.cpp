#include "frontend/message_window.h"

#include <algorithm>

#include "app/display_mode.h"
#include "app/input_dispatch.h"
#include "app/mform.h"
#include "audio/sound_effects.h"
#include "frontend/front_end.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_button.h"
#include "frontend/name_picker.h"
#include "frontend/race_windows.h"
#include "frontend/screen_parts.h"
#include "frontend/text_canvas.h"
#include "frontend/text_fit.h"
#include "frontend/widget_slots.h"
#include "persistence/save_files.h"
#include "persistence/save_pair.h"
#include "platform/cp1251.h"
#include "player/race_context.h"

namespace vontra {
namespace {

constexpr int kTextCentreX = 399;
// The frame picture at x 192 is 416 wide, with a border inside it.
constexpr int kFrameLeft = 192;
constexpr int kFrameWidth = 416;
constexpr int kFrameBorder = 16;
// The race's carriageway runs from x 167 to 620, kerbs and edge lines included; a message
// stays between the edge lines.
constexpr int kCarriagewayLeft = 167;
constexpr int kCarriagewayRight = 620;
constexpr int kKerbMargin = 8;

// Slots of Yes and No: the race's questions use 1 and 2, the menus' questions 11 and 12 so
// that the screen's own buttons stay where they are.
int YesSlot(WindowKinds kind) {
  return kind == WindowKinds::kQuitQuestion || kind == WindowKinds::kClearQuestion ? 11 : 1;
}

bool MenuQuestion(WindowKinds kind) {
  return kind == WindowKinds::kQuitQuestion || kind == WindowKinds::kClearQuestion;
}

void CreateYesNo(TMForm& form, int yesSlot) {
  form.WidgetSlots[yesSlot] =
      std::make_unique<TMenuButton>(form, "YesButton", "YesButton", 1, 0, 322, 391);
  form.WidgetSlots[yesSlot + 1] =
      std::make_unique<TMenuButton>(form, "NoButton", "NoButton", 1, 0, 432, 391);
  form.WidgetSlots[yesSlot]->SetZ(7);
  form.WidgetSlots[yesSlot + 1]->SetZ(7);
}

void SaveScreenButtons(TMForm& form) {
  form.SavedFirstSelectable = form.FirstSelectable;
  form.SavedLastSelectable = form.LastSelectable;
  form.SavedSelectedWidget = form.SelectedWidget;
  form.SavedButtonCount = form.ButtonCount;
}

void RestoreScreenButtons(TMForm& form) {
  form.FirstSelectable = form.SavedFirstSelectable;
  form.LastSelectable = form.SavedLastSelectable;
  form.SelectedWidget = form.SavedSelectedWidget;
  form.ButtonCount = form.SavedButtonCount;
}

void MoveWindowButtons(TMForm& form, int lagCount) {
  for (int slot = form.FirstSelectable; slot <= form.LastSelectable; ++slot) {
    if (slot >= 1 && slot <= 12 && form.WidgetSlots[slot])
      form.WidgetSlots[slot]->MoveSelf(lagCount);
  }
}

// Y and N answer a question at once, as a click on Yes or No.
void AnswerFromKeys(TMForm& form) {
  if (!WindowIsQuestion(form.WindowKind)) return;
  const int yes = YesSlot(form.WindowKind);
  if (form.YesPressed) {
    form.SelectedWidget = yes;
    MDXDrawClick(form);
  } else if (form.NoPressed) {
    form.SelectedWidget = yes + 1;
    MDXDrawClick(form);
  }
}

}  // namespace

bool WindowHasFrame(WindowKinds kind) {
  switch (kind) {
    case WindowKinds::kFinishQuestion:
    case WindowKinds::kNameEntry:
    case WindowKinds::kSendQuestion:
    case WindowKinds::kSending:
    case WindowKinds::kQuitQuestion:
    case WindowKinds::kClearQuestion:
      return true;
    default:
      return false;
  }
}

bool WindowIsQuestion(WindowKinds kind) {
  return kind == WindowKinds::kFinishQuestion || kind == WindowKinds::kSendQuestion ||
         MenuQuestion(kind);
}

std::vector<WindowLine> MessageWindowLines(const TMForm& form) {
  auto line = [](int style, int y, std::string_view text) {
    return WindowLine{style, y, std::string(text)};
  };
  switch (form.WindowKind) {
    case WindowKinds::kLevelBanner:
      return {line(13, 268, std::string("Уровень "_w1251) + std::to_string(form.Level))};
    case WindowKinds::kPause:
      return {line(13, 268, "Пауза"_w1251)};
    case WindowKinds::kTimeOver:
      return {line(13, 250, "Ваше время закончилось."_w1251),
              line(13, 310, "Попробуйте ещё раз!"_w1251)};
    case WindowKinds::kFinishQuestion:
      return {line(7, 257, "Закончить гонку?"_w1251)};
    case WindowKinds::kNameEntry:
      return {line(12, 250, std::string("Набрано очков "_w1251) + std::to_string(form.Score)),
              line(12, 290, "Введите ваше имя:"_w1251), line(12, 340, form.PlayerName)};
    case WindowKinds::kSendQuestion:
      return {line(12, 240, "Отправить результат"_w1251), line(12, 275, "в мировую"_w1251),
              line(12, 310, "таблицу рекордов?"_w1251)};
    case WindowKinds::kSending:
      return {line(7, 280, "Отсылка..."_w1251)};
    case WindowKinds::kGameOver:
      return {line(13, 275, "Конец игры"_w1251)};
    case WindowKinds::kQuitQuestion:
      return {line(7, 257, "Выйти из игры?"_w1251)};
    case WindowKinds::kClearQuestion:
      return {line(10, 240, "Очистить"_w1251), line(10, 290, "таблицу рекордов?"_w1251)};
    default:
      return {};
  }
}

int MessageLineMaxWidth(WindowKinds kind) {
  const int left =
      WindowHasFrame(kind) ? kFrameLeft + kFrameBorder : kCarriagewayLeft + kKerbMargin;
  const int right = WindowHasFrame(kind) ? kFrameLeft + kFrameWidth - kFrameBorder
                                         : kCarriagewayRight - kKerbMargin;
  // Centred lines reach as far to each side: the nearer edge sets the width.
  return 2 * std::min(kTextCentreX - left, right - kTextCentreX);
}

void SelectWindowLineFont(TMForm& form, int style, const std::string& text) {
  SelectFontStyle(form, style);
  const int own = form.Canvas->PixelSize();
  const auto width = [&form](const std::string& t, int pixels) {
    SetFontPixelSize(form, pixels);
    return TextWidth(form, t);
  };
  SetFontPixelSize(form, FitPixelSize(width, text, own, MessageLineMaxWidth(form.WindowKind)));
}

void DrawMessageWindowLines(TMForm& form) {
  for (const WindowLine& line : MessageWindowLines(form)) {
    SelectWindowLineFont(form, line.Style, line.Text);
    DrawText(form, line.Text, kTextCentreX, line.Y, true);
  }
}

void OpenMessageWindow(TMForm& form, WindowKinds kind) {
  StopSound(form, "Shot");
  if (form.WindowKind != WindowKinds::kNone) CloseMessageWindow(form);
  form.WindowKind = kind;
  if (WindowHasFrame(kind)) form.WindowFrame = NewCaption(form, "Window", 192, 180, 6);

  if (kind == WindowKinds::kFinishQuestion || kind == WindowKinds::kSendQuestion) {
    StopSound(form, "Engine");
    ShowMouseCursor(form);
    form.ButtonCount = 2;
    form.FirstSelectable = 1;
    form.LastSelectable = 2;
    form.SelectedWidget = kind == WindowKinds::kFinishQuestion ? 2 : 1;
    CreateYesNo(form, 1);
  } else if (MenuQuestion(kind)) {
    ShowMouseCursor(form);
    SaveScreenButtons(form);
    form.ButtonCount = 2;
    form.SelectedWidget = 12;
    form.FirstSelectable = 11;
    form.LastSelectable = 12;
    CreateYesNo(form, 11);
  }

  switch (kind) {
    case WindowKinds::kLevelBanner:
      form.WindowTimer = 2000;
      break;
    case WindowKinds::kTimeOver:
      RacePlaySound(form, "TimeOver");
      form.WindowTimer = 3000;
      break;
    case WindowKinds::kGameOver:
      StopSound(form, "Engine");
      RacePlaySound(form, "GameOver");
      form.WindowTimer = 2000;
      break;
    case WindowKinds::kPause:
      StopSound(form, "Engine");
      break;
    case WindowKinds::kNameEntry:
      StopSound(form, "Engine");
      form.TextCursor = NewCaption(form, "Cursor", 217, 370, 7, false);
      form.CursorBlinkTimer = 0;
      OpenNamePicker(form);
      break;
    default:
      break;
  }
}

void CloseMessageWindow(TMForm& form) {
  const WindowKinds kind = form.WindowKind;
  if (form.ScreenState == ScreenStates::kRace) ResumeRaceSounds(form, kind);
  if (kind == WindowKinds::kNone) return;
  switch (kind) {
    case WindowKinds::kFinishQuestion:
    case WindowKinds::kSendQuestion:
      FreeButtons(form);
      form.ButtonCount = 0;
      HideMouseCursor(form);
      break;
    case WindowKinds::kQuitQuestion:
      FreeWindowButtons(form);
      RestoreScreenButtons(form);
      if (form.ScreenState == ScreenStates::kRace) HideMouseCursor(form);
      break;
    case WindowKinds::kClearQuestion:
      FreeWindowButtons(form);
      RestoreScreenButtons(form);
      break;
    case WindowKinds::kGameOver:
      form.WindowKind = WindowKinds::kNone;
      EndGame(form);
      return;
    case WindowKinds::kNameEntry:
      form.TextCursor.reset();
      break;
    default:
      break;
  }
  form.WindowFrame.reset();
  form.WindowKind = WindowKinds::kNone;
}

void MessageWindowFrame(TMForm& form, int lagCount) {
  if (MenuQuestion(form.WindowKind)) {
    RenderScene(form, lagCount, false);
    HighlightWindowButtons(form);
    NavigateHorizontal(form, true);
    MoveWindowButtons(form, lagCount);
    RenderScene(form, lagCount, false);
    DrawMessageWindowLines(form);
    PresentFrame(form);
  } else {
    RaceWindowFrame(form, lagCount);
  }
  AnswerFromKeys(form);
}

void MessageWindowClick(TMForm& form) {
  const int slot = form.SelectedWidget;
  if (slot == 11 || slot == 12) PlaySound(form, "B_Act");
  switch (form.WindowKind) {
    case WindowKinds::kQuitQuestion:
      if (slot == 11) {
        SaveTableAndOptions(form);
        form.Terminated = true;
      } else if (slot == 12) {
        CloseMessageWindow(form);
      }
      break;
    case WindowKinds::kClearQuestion:
      if (slot == 11) {
        ResetHighScores(form);
        SaveTableAndOptions(form);  // on disk at once, not only at shutdown
      }
      if (slot == 11 || slot == 12) CloseMessageWindow(form);
      break;
    default:
      if (form.ScreenState == ScreenStates::kRace) RaceWindowClick(form);
      break;
  }
}

}  // namespace vontra
