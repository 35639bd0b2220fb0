#include "frontend/options_screen.h"

#include "app/display_mode.h"
#include "app/mform.h"
#include "assets/picture_collection.h"
#include "audio/music.h"
#include "frontend/front_end.h"
#include "frontend/menu_button.h"
#include "frontend/screen_parts.h"
#include "frontend/text_canvas.h"
#include "frontend/widget_slots.h"
#include "persistence/save_files.h"

namespace vontra {
namespace {

constexpr int kTextStyle = 3;
constexpr int kTextX = 224;
constexpr int kTextY = 296;
constexpr int kCursorX = 225;
constexpr int kCursorY = 300;
constexpr int kBlinkMs = 500;
constexpr int kLatinWidthLimit = 185;

constexpr int kLabelY[4] = {150, 199, 248, 297};
constexpr int kButtonY[4] = {148, 198, 248, 298};

bool IsLatinLetter(uint8_t ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

void ShowLabel(TMForm& form, int row, const char* image) {
  TCaptionSprite* label = form.OptionLabels[row].get();
  if (label && label->Image != &form.MDXImageList->Find(image)) label->SetImageByName(image);
}

void SyncOptionLabels(TMForm& form) {
  ShowLabel(form, 0, form.FullScreen ? "Options1_2" : "Options1_1");
  ShowLabel(form, 1, form.MusicOn ? "Options2_1" : "Options2_2");
  ShowLabel(form, 2, form.SoundOn ? "Options3_1" : "Options3_2");
}

// Visible and hidden half-seconds in turn; the hidden half starts again on the frame it began.
void BlinkCursor(TMForm& form) {
  TCaptionSprite& cursor = *form.TextCursor;
  if (cursor.Visible) {
    form.CursorBlinkTimer -= form.FrameTimeMs;
    if (form.CursorBlinkTimer <= 0) {
      cursor.Visible = false;
      form.CursorBlinkTimer = kBlinkMs;
    }
  }
  if (!cursor.Visible) {
    form.CursorBlinkTimer -= form.FrameTimeMs;
    if (form.CursorBlinkTimer <= 0) {
      cursor.Visible = true;
      form.CursorBlinkTimer = kBlinkMs;
    }
  }
}

}  // namespace

void OpenOptions(TMForm& form) {
  form.ScreenState = ScreenStates::kOptions;
  form.SilentFirstHighlight = false;
  form.ButtonCount = 10;
  form.SelectedWidget = 7;
  form.FirstSelectable = 7;
  form.LastSelectable = 10;
  if (form.ScreenCaption) form.ScreenCaption->Visible = false;
  EnableFrameTimer(form, true);

  const char* firstLabels[4] = {"Options1_1", "Options2_1", "Options3_1", "Options4"};
  for (int row = 0; row < 4; ++row) {
    form.OptionLabels[row] = NewCaption(form, firstLabels[row], 31, kLabelY[row], 3);
  }
  SyncOptionLabels(form);
  for (int row = 0; row < 4; ++row) {
    form.WidgetSlots[7 + row] =
        std::make_unique<TMenuButton>(form, "OptButton_A", "OptButton_I", 0, 0, 32, kButtonY[row]);
  }
  form.SubScreenBackground = NewCaption(form, "OptB", 31, 115, 2);
  form.TextCursor = NewCaption(form, "Cursor", kCursorX, kCursorY, 5, false);
  form.CursorBlinkTimer = 0;
  form.EditingExtraText = false;
}

void CloseOptions(TMForm& form) {
  for (std::unique_ptr<TCaptionSprite>& label : form.OptionLabels) label.reset();
  for (int slot = 7; slot <= 10; ++slot) FreeSlot(form, slot);
  form.SubScreenBackground.reset();
  form.TextCursor.reset();
  form.EditingExtraText = false;
  EnableFrameTimer(form, false);
}

void UpdateOptionLabels(TMForm& form) {
  SelectFontStyle(form, kTextStyle);
  SyncOptionLabels(form);
  DrawText(form, form.ExtraText, kTextX, kTextY, false);
}

void OptionsFrame(TMForm& form, int lagCount) {
  HighlightButtons(form);
  NavigateVertical(form, true);
  if (form.WidgetSlots[2]) form.WidgetSlots[2]->Activate();
  if (form.SelectedWidget != 10 && form.EditingExtraText) StopEditing(form);
  RenderScene(form, lagCount, true);
  if (form.EditingExtraText && form.TextCursor) {
    SelectFontStyle(form, kTextStyle);
    form.TextCursor->X = kCursorX + TextWidth(form, form.ExtraText);
    BlinkCursor(form);
  }
  UpdateOptionLabels(form);
  PresentFrame(form);
}

void StartEditing(TMForm& form) {
  if (form.TextCursor) {
    form.TextCursor->X = kCursorX;
    form.TextCursor->Y = kCursorY;
  }
  form.CursorBlinkTimer = kBlinkMs;
  form.EditingExtraText = true;
}

void StopEditing(TMForm& form) {
  form.EditingExtraText = false;
  if (form.TextCursor) form.TextCursor->Visible = false;
}

void OptionsClick(TMForm& form) {
  const int slot = form.SelectedWidget;
  switch (slot) {
    case 7:
      form.FullScreen = form.FullScreen ? 0 : 1;
      ApplyDisplayMode(form);
      break;
    case 8:
      ToggleMusic(form);
      break;
    case 9:
      form.SoundOn = !form.SoundOn;
      break;
    case 10:
      if (form.EditingExtraText) {
        StopEditing(form);
      } else {
        StartEditing(form);
      }
      break;
    default:
      break;
  }
  if (slot != 10) StopEditing(form);
  if (slot >= 1 && slot <= 6) SwitchFromSubScreen(form);
}

void EditExtraText(std::string& text, uint8_t ch,
                   const std::function<int(const std::string&)>& width) {
  if (ch == 8) {
    if (!text.empty()) text.pop_back();
    return;
  }
  const bool accepted =
      (IsLatinLetter(ch) && width(text) <= kLatinWidthLimit) || ch >= 192 || ch == ' ';
  if (accepted && text.size() < kMaxExtraTextLength) text.push_back(static_cast<char>(ch));
}

void ExtraTextKey(TMForm& form, uint8_t key) {
  if (form.SelectedWidget != 10 || !form.EditingExtraText) return;
  SelectFontStyle(form, kTextStyle);
  EditExtraText(form.ExtraText, key, [&form](const std::string& t) { return TextWidth(form, t); });
}

}  // namespace vontra
