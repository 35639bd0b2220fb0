#include "app/input_dispatch.h"

#include "app/display_mode.h"
#include "app/mform.h"
#include "app/virtual_keys.h"

namespace vontra {

namespace {

void Edge(bool now, bool& pressed, bool& held) {
  pressed = now && !held;
  held = now;
}

// The main-menu button that belongs to a sub-screen, which Escape selects to leave it.
int OwnMenuButton(ScreenStates screenState, int current) {
  switch (screenState) {
    case ScreenStates::kHighScores:
      return 3;
    case ScreenStates::kHelp:
      return 4;
    case ScreenStates::kCarChoice:
      return 1;
    default:
      return current;
  }
}

}  // namespace

void UpdateInputFlags(TMForm& form) {
  const InputStateSet& s = form.InputStates;
  Edge(s.Pause, form.PausePressed, form.PauseHeld);
  Edge(s.Escape, form.EscapePressed, form.EscapeHeld);
  Edge(s.Yes, form.YesPressed, form.YesHeld);
  Edge(s.No, form.NoPressed, form.NoHeld);
}

void FormKeyDown(TMForm& form, int key, bool alt, bool repeat) {
  if (key == kVkControl) form.CtrlDown = true;
  // Held Alt+Enter switches the display once, not back and forth at the repeat rate.
  if (alt && key == kVkReturn && !repeat) {
    form.FullScreen = form.FullScreen ? 0 : 1;
    ApplyDisplayMode(form);
  }
}

void FormKeyUp(TMForm& form, int key) {
  if (key == kVkControl) form.CtrlDown = false;
}

void FormKeyPress(TMForm& form, uint8_t key, bool repeat) {
  const bool control = key == kCharEnter || key == kCharEscape || key == kCharBackspace;
  const bool nameEntry =
      form.ScreenState == ScreenStates::kRace && form.WindowKind == WindowKinds::kNameEntry;
  const bool textField = form.ScreenState == ScreenStates::kOptions && form.EditingExtraText;
  if (!control && !nameEntry && !textField) return;

  ShellRoutines& r = form.Routines;
  switch (form.ScreenState) {
    case ScreenStates::kRace:
      if (key == kCharEnter && !repeat) MDXDrawClick(form);
      if (form.WindowKind == WindowKinds::kNameEntry && r.NameEntryKey) r.NameEntryKey(form, key);
      break;
    case ScreenStates::kOptions:
      if (key == kCharEnter) {
        if (!repeat) MDXDrawClick(form);
      } else if (key == kCharEscape) {
        if (repeat) break;
        form.SelectedWidget = 2;
        MDXDrawClick(form);
      } else if (form.SelectedWidget == 10 && form.EditingExtraText && r.ExtraTextKey) {
        r.ExtraTextKey(form, key);
      }
      break;
    case ScreenStates::kMainMenu:
    case ScreenStates::kHighScores:
    case ScreenStates::kHelp:
    case ScreenStates::kCarChoice:
      if (repeat) break;
      if (key == kCharEscape)
        form.SelectedWidget = OwnMenuButton(form.ScreenState, form.SelectedWidget);
      if (!(form.ScreenState == ScreenStates::kMainMenu && key == kCharEscape))
        ButtonClick(form, true);
      break;
    default:
      break;
  }
}

void FormPadPress(TMForm& form, PadButton button) {
  form.PadInUse = true;
  if (form.ScreenState == ScreenStates::kRace && form.WindowKind == WindowKinds::kNameEntry) {
    if (form.Routines.NamePickerPress) form.Routines.NamePickerPress(form, button);
    return;
  }
  if (button == PadButton::A) FormKeyPress(form, kCharEnter);
  if (button == PadButton::B) FormKeyPress(form, kCharEscape);
}

void MDXDrawMouseMove(TMForm& form, int x, int y) {
  form.MouseX = x;
  form.MouseY = y;
  ShellRoutines& r = form.Routines;
  if (form.WindowKind != WindowKinds::kNone) {
    if (r.HoverWindow) r.HoverWindow(form);
  } else {
    if (r.HoverScreen) r.HoverScreen(form);
  }
}

void MDXDrawClick(TMForm& form) {
  ButtonClick(form, false);
}

void ButtonClick(TMForm& form, bool fromKeyboard) {
  ShellRoutines& r = form.Routines;
  auto call = [&form](const ShellRoutines::Action& action) {
    if (action) action(form);
  };
  if ((form.SelectedWidget == 11 || form.SelectedWidget == 12) && r.PlaySound) {
    r.PlaySound(form, "B_Act");
  }
  if (form.WindowKind == WindowKinds::kQuitQuestion ||
      form.WindowKind == WindowKinds::kClearQuestion) {
    call(r.MessageWindowClick);
    return;
  }
  if (form.ScreenState == ScreenStates::kRace) {
    if (form.WindowKind == WindowKinds::kFinishQuestion ||
        form.WindowKind == WindowKinds::kNameEntry ||
        form.WindowKind == WindowKinds::kSendQuestion) {
      call(r.MessageWindowClick);
    }
    return;
  }
  switch (form.ScreenState) {
    case ScreenStates::kMainMenu:
      if (r.MainMenuClick) r.MainMenuClick(form, fromKeyboard);
      break;
    case ScreenStates::kOptions:
      call(r.OptionsClick);
      break;
    case ScreenStates::kHighScores:
      call(r.HighScoresClick);
      break;
    case ScreenStates::kHelp:
      call(r.HelpClick);
      break;
    case ScreenStates::kCarChoice:
      call(r.CarChoiceClick);
      break;
    default:
      break;
  }
}

}  // namespace vontra
