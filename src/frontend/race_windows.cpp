#include "frontend/race_windows.h"

#include "app/mform.h"
#include "app/race_hud.h"
#include "app/race_level.h"
#include "app/race_setup.h"
#include "audio/sound_effects.h"
#include "frontend/front_end.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_button.h"
#include "frontend/message_window.h"
#include "frontend/name_picker.h"
#include "frontend/text_canvas.h"
#include "frontend/widget_slots.h"
#include "online/web_links.h"
#include "persistence/save_pair.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "road/wall_sprite.h"

namespace vontra {
namespace {

constexpr int kNameStyle = 12;
constexpr int kTextCentreX = 399;
constexpr int kCursorBlinkMs = 500;

// Behind the time-over and game-over windows an explosion in progress plays to its end.
void MoveWreckage(TMForm& form, int lagCount) {
  if (form.BigExplosion) form.BigExplosion->MoveSelf(lagCount);
  for (int slot = 1; slot <= kRoadObjectSlots; ++slot) {
    TWallSprite* object = form.RoadObjects[slot].get();
    if (object && object->Wrecked) object->MoveSelf(lagCount);
  }
}

// Runs a timed window down; true once its time is over.
bool TimeIsUp(TMForm& form) {
  if (form.WindowTimer <= 0) return true;
  form.WindowTimer -= form.FrameTimeMs;
  return false;
}

void MoveQuestionButtons(TMForm& form, int lagCount) {
  HighlightButtons(form);
  NavigateHorizontal(form, true);
  for (int slot = 1; slot <= 2; ++slot) {
    if (form.WidgetSlots[slot]) form.WidgetSlots[slot]->MoveSelf(lagCount);
  }
}

void StepNameCursor(TMForm& form) {
  TCaptionSprite* cursor = form.TextCursor.get();
  if (!cursor) return;
  SelectWindowLineFont(form, kNameStyle, form.PlayerName);
  cursor->X = kTextCentreX + TextWidth(form, form.PlayerName) / 2.0;
  form.CursorBlinkTimer -= form.FrameTimeMs;
  if (form.CursorBlinkTimer <= 0) {
    cursor->Visible = !cursor->Visible;
    form.CursorBlinkTimer = kCursorBlinkMs;
  }
}

void ReturnToMenu(TMForm& form, int openArg) {
  LeaveRace(form);
  OpenMainMenu(form, true, openArg);
}

// Shows "sending" at once: the send below blocks the frame loop until it ends.
void PresentSendingFrame(TMForm& form) {
  MessageWindowFrame(form, 1);
  if (form.MDXDraw.CanDraw()) {
    DrawNeedle(form);
    DrawHudText(form);
    UpdateHudPanels(form);
  }
  PresentFrame(form);
}

}  // namespace

void ResumeRaceSounds(TMForm& form, WindowKinds closingKind) {
  RacePlaySound(form, "Engine");
  const bool firing = form.PlayerCar && form.PlayerCar->Firing;
  const bool goesOn = closingKind == WindowKinds::kPause ||
                      (closingKind == WindowKinds::kFinishQuestion && form.SelectedWidget == 2);
  if (firing && goesOn) RacePlaySound(form, "Shot");
}

void EndGame(TMForm& form) {
  if (QualifiesForTable(form)) {
    OpenMessageWindow(form, WindowKinds::kNameEntry);
  } else {
    ReturnToMenu(form, 0);
  }
}

void RaceWindowFrame(TMForm& form, int lagCount) {
  RenderScene(form, lagCount, false);
  if (form.PlayerCar) {
    DrawNeedle(form);
    if (!form.PlayerCar->HasGun && !form.PlayerCar->HasTwinGuns) StopSound(form, "Shot");
  }
  switch (form.WindowKind) {
    case WindowKinds::kLevelBanner:
      DrawMessageWindowLines(form);
      if (TimeIsUp(form)) CloseMessageWindow(form);
      break;
    case WindowKinds::kPause:
      DrawMessageWindowLines(form);
      if (form.PausePressed || form.EscapePressed) CloseMessageWindow(form);
      break;
    case WindowKinds::kTimeOver:
      DrawMessageWindowLines(form);
      MoveWreckage(form, lagCount);
      if (TimeIsUp(form)) {
        CloseMessageWindow(form);
        StartLevel(form, form.Level);
      }
      break;
    case WindowKinds::kFinishQuestion:
      MoveQuestionButtons(form, lagCount);
      DrawMessageWindowLines(form);
      if (form.EscapePressed) {
        form.SelectedWidget = 2;
        CloseMessageWindow(form);
      }
      break;
    case WindowKinds::kNameEntry:
      DrawMessageWindowLines(form);
      StepNameCursor(form);
      StepNamePicker(form);
      DrawNamePicker(form);
      break;
    case WindowKinds::kSendQuestion:
      MoveQuestionButtons(form, lagCount);
      DrawMessageWindowLines(form);
      break;
    case WindowKinds::kSending:
      DrawMessageWindowLines(form);
      break;
    case WindowKinds::kGameOver:
      DrawMessageWindowLines(form);
      MoveWreckage(form, lagCount);
      if (TimeIsUp(form)) CloseMessageWindow(form);
      break;
    default:
      break;
  }
}

void RaceWindowClick(TMForm& form) {
  const int slot = form.SelectedWidget;
  switch (form.WindowKind) {
    case WindowKinds::kNameEntry:
      InsertResult(form);
      SaveTableAndOptions(form);  // the new row is on disk at once, whatever happens later
      CloseMessageWindow(form);
      OpenMessageWindow(form, WindowKinds::kSendQuestion);
      break;
    case WindowKinds::kFinishQuestion:
      CloseMessageWindow(form);
      if (slot == 1) EndGame(form);
      break;
    case WindowKinds::kSendQuestion:
      // With the pointer off both buttons nothing is selected, and the click does nothing.
      if (slot != 1 && slot != 2) return;
      if (slot == 1) {
        CloseMessageWindow(form);
        OpenMessageWindow(form, WindowKinds::kSending);
        PresentSendingFrame(form);
        SubmitResult(form);
      }
      CloseMessageWindow(form);
      ReturnToMenu(form, 3);
      break;
    default:
      break;
  }
}

}  // namespace vontra
