#include "frontend/message_window.h"

#include "app/display_mode.h"
#include "app/input_dispatch.h"
#include "app/mform.h"
#include "audio/sound_effects.h"
#include "frontend/caption_sprite.h"
#include "frontend/frame_ops.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_button.h"
#include "frontend/race_windows.h"
#include "frontend/screen_parts.h"
#include "frontend/screen_routines.h"
#include "frontend/text_canvas.h"
#include "frontend/widget_slots.h"
#include "persistence/save_files.h"
#include "persistence/save_pair.h"
#include "platform/cp1251.h"
#include "player/race_context.h"

namespace vontra {
namespace {

constexpr int kTextCentreX = 399;
constexpr int kRaceScreen = 1;

// Slots of Yes and No: the race's questions use 1 and 2, the menus' questions 11 and 12 so
// that the screen's own buttons stay where they are.
int YesSlot(int kind) {
  return kind == kQuitQuestion || kind == kClearQuestion ? 11 : 1;
}

bool MenuQuestion(int kind) {
  return kind == kQuitQuestion || kind == kClearQuestion;
}

void CreateYesNo(TMForm& form, int yesSlot) {
  form.WidgetSlots[yesSlot] = new TMenuButton(form, "YesButton", "YesButton", 1, 0, 322, 391);
  form.WidgetSlots[yesSlot + 1] = new TMenuButton(form, "NoButton", "NoButton", 1, 0, 432, 391);
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

bool WindowHasFrame(int kind) {
  switch (kind) {
    case kFinishQuestion:
    case kNameEntryWindow:
    case kSendQuestion:
    case kSendingWindow:
    case kQuitQuestion:
    case kClearQuestion:
      return true;
    default:
      return false;
  }
}

bool WindowIsQuestion(int kind) {
  return kind == kFinishQuestion || kind == kSendQuestion || MenuQuestion(kind);
}

std::vector<WindowLine> MessageWindowLines(const TMForm& form) {
  auto line = [](int style, int y, std::string_view text) {
    return WindowLine{style, y, std::string(text)};
  };
  switch (form.WindowKind) {
    case kLevelBanner:
      return {line(13, 268, std::string("Уровень "_w1251) + std::to_string(form.Level))};
    case kPauseWindow:
      return {line(13, 268, "Пауза"_w1251)};
    case kTimeOverWindow:
      return {line(13, 250, "Ваше время закончилось."_w1251),
              line(13, 310, "Попробуйте ещё раз!"_w1251)};
    case kFinishQuestion:
      return {line(7, 257, "Закончить гонку?"_w1251)};
    case kNameEntryWindow:
      return {line(12, 250, std::string("Набрано очков "_w1251) + std::to_string(form.Score)),
              line(12, 290, "Введите ваше имя:"_w1251), line(12, 340, form.PlayerName)};
    case kSendQuestion:
      return {line(12, 240, "Отправить результат"_w1251), line(12, 275, "в мировую"_w1251),
              line(12, 310, "таблицу рекордов?"_w1251)};
    case kSendingWindow:
      return {line(7, 280, "Отсылка..."_w1251)};
    case kGameOverWindow:
      return {line(13, 275, "Конец игры"_w1251)};
    case kQuitQuestion:
      return {line(7, 257, "Выйти из игры?"_w1251)};
    case kClearQuestion:
      return {line(10, 240, "Очистить"_w1251), line(10, 290, "таблицу рекордов?"_w1251)};
    default:
      return {};
  }
}

void DrawMessageWindowLines(TMForm& form) {
  for (const WindowLine& line : MessageWindowLines(form)) {
    SelectFontStyle(form, line.Style);
    DrawText(form, line.Text, kTextCentreX, line.Y, true);
  }
}

void OpenMessageWindow(TMForm& form, int kind) {
  StopSound(form, "Shot");
  if (form.WindowKind != kNoWindow) CloseMessageWindow(form);
  form.WindowKind = static_cast<uint8_t>(kind);
  if (WindowHasFrame(kind)) form.WindowFrame = NewCaption(form, "Window", 192, 180, 6);

  if (kind == kFinishQuestion || kind == kSendQuestion) {
    StopSound(form, "Engine");
    ShowMouseCursor(form);
    form.ButtonCount = 2;
    form.FirstSelectable = 1;
    form.LastSelectable = 2;
    form.SelectedWidget = kind == kFinishQuestion ? 2 : 1;
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
    case kLevelBanner:
      form.WindowTimer = 2000;
      break;
    case kTimeOverWindow:
      RacePlaySound(form, "TimeOver");
      form.WindowTimer = 3000;
      break;
    case kGameOverWindow:
      StopSound(form, "Engine");
      RacePlaySound(form, "GameOver");
      form.WindowTimer = 2000;
      break;
    case kPauseWindow:
      StopSound(form, "Engine");
      break;
    case kNameEntryWindow:
      StopSound(form, "Engine");
      form.TextCursor = NewCaption(form, "Cursor", 217, 370, 7, false);
      form.CursorBlinkTimer = 0;
      break;
    default:
      break;
  }
}

void CloseMessageWindow(TMForm& form) {
  const int kind = form.WindowKind;
  if (form.ScreenState == kRaceScreen) ResumeRaceSounds(form, kind);
  if (kind == kNoWindow) return;
  switch (kind) {
    case kFinishQuestion:
    case kSendQuestion:
      FreeButtons(form);
      form.ButtonCount = 0;
      HideMouseCursor(form);
      break;
    case kQuitQuestion:
      FreeWindowButtons(form);
      RestoreScreenButtons(form);
      if (form.ScreenState == kRaceScreen) HideMouseCursor(form);
      break;
    case kClearQuestion:
      FreeWindowButtons(form);
      RestoreScreenButtons(form);
      break;
    case kGameOverWindow:
      form.WindowKind = kNoWindow;
      EndGame(form);
      return;
    case kNameEntryWindow:
      FreeSprite(form.TextCursor);
      break;
    default:
      break;
  }
  FreeSprite(form.WindowFrame);
  form.WindowKind = kNoWindow;
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
    case kQuitQuestion:
      if (slot == 11) {
        SaveTableAndOptions(form);
        form.Terminated = true;
      } else if (slot == 12) {
        CloseMessageWindow(form);
      }
      break;
    case kClearQuestion:
      if (slot == 11) {
        ResetHighScores(form);
        SaveTableAndOptions(form);  // on disk at once, not only at shutdown
      }
      if (slot == 11 || slot == 12) CloseMessageWindow(form);
      break;
    default:
      if (form.ScreenState == kRaceScreen) RaceWindowClick(form);
      break;
  }
}

}  // namespace vontra
