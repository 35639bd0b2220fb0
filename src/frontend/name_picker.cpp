#include "frontend/name_picker.h"

#include <string>

#include "app/input_dispatch.h"
#include "app/mform.h"
#include "app/virtual_keys.h"
#include "frontend/front_end.h"
#include "frontend/high_score_table.h"
#include "platform/cp1251.h"

namespace vontra {
namespace {

constexpr std::string_view kCharacters =
    "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"_w1251;
// Where the Cyrillic letters, the Latin letters and the digits begin.
constexpr int kGroupStarts[] = {0, 33, 59};
constexpr int kGroups = 3;

// A held Left or Right steps once, waits, then runs on.
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 90;

enum Direction : int32_t { kNone = 0, kLeft, kRight, kUp, kDown };

// The row sits under the groove of the window frame, where the questions have their buttons;
// the selected character is drawn larger and in blue, its neighbours in the name's style.
constexpr int kCentreX = 399;
constexpr int kRowCentreY = 401;
constexpr int kPitch = 36;
constexpr int kNeighbours = 4;
constexpr int kLetterStyle = 12;
constexpr int kSelectedStyle = 8;
// The buttons' meaning, under the window.
constexpr int kHintStyle = 16;
constexpr int kHintY = 440;

int Count() {
  return static_cast<int>(kCharacters.size());
}

int Wrap(int index) {
  return ((index % Count()) + Count()) % Count();
}

int GroupOf(int index) {
  int group = 0;
  for (int g = 0; g < kGroups; ++g) {
    if (index >= kGroupStarts[g]) group = g;
  }
  return group;
}

Direction HeldDirection(const InputStateSet& s) {
  if (s.Left) return kLeft;
  if (s.Right) return kRight;
  if (s.Up) return kUp;
  if (s.Down) return kDown;
  return kNone;
}

void Move(FrontEndState& state, Direction direction) {
  const int group = GroupOf(state.PickerIndex);
  switch (direction) {
    case kLeft:
      state.PickerIndex = Wrap(state.PickerIndex - 1);
      break;
    case kRight:
      state.PickerIndex = Wrap(state.PickerIndex + 1);
      break;
    case kUp:
      state.PickerIndex = kGroupStarts[(group + kGroups - 1) % kGroups];
      break;
    case kDown:
      state.PickerIndex = kGroupStarts[(group + 1) % kGroups];
      break;
    case kNone:
      break;
  }
}

}  // namespace

std::string_view NamePickerCharacters() {
  return kCharacters;
}

uint8_t NamePickerCharacter(const FrontEndState& state) {
  return static_cast<uint8_t>(kCharacters[static_cast<size_t>(Wrap(state.PickerIndex))]);
}

void OpenNamePicker(FrontEndState& state) {
  state.PickerIndex = 0;
  state.PickerDirection = kNone;
  state.PickerRepeatMs = 0;
  state.PickerArmed = false;
}

void StepNamePicker(TMForm& form) {
  const Direction direction = HeldDirection(form.InputStates);
  if (direction == kNone) {
    form.PickerArmed = true;
    form.PickerDirection = kNone;
    return;
  }
  // The stick may still be pushed from the race: it moves nothing until it has been let go.
  if (!form.PadInUse || !form.PickerArmed) return;
  if (direction != form.PickerDirection) {
    form.PickerDirection = direction;
    form.PickerRepeatMs = kFirstRepeatMs;
    Move(form, direction);
    return;
  }
  // Up and Down jump to another alphabet once per press.
  if (direction == kUp || direction == kDown) return;
  form.PickerRepeatMs -= form.FrameTimeMs;
  if (form.PickerRepeatMs <= 0) {
    form.PickerRepeatMs = kRepeatMs;
    Move(form, direction);
  }
}

void DrawNamePicker(TMForm& form) {
  if (!form.PadInUse) return;
  for (int k = -kNeighbours; k <= kNeighbours; ++k) {
    const std::string letter(1, kCharacters[static_cast<size_t>(Wrap(form.PickerIndex + k))]);
    SelectFontStyle(form, k == 0 ? kSelectedStyle : kLetterStyle);
    DrawTextAnchored(form, letter, kCentreX + k * kPitch, kRowCentreY, true, true);
  }
  SelectFontStyle(form, kHintStyle);
  DrawText(form, std::string("A — буква   B — стереть   Start — готово"_w1251), kCentreX, kHintY,
           true);
}

void NamePickerPress(TMForm& form, PadButton button) {
  switch (button) {
    case PadButton::A:
      NameEntryKey(static_cast<FrontEndState&>(form), NamePickerCharacter(form));
      break;
    case PadButton::B:
      NameEntryKey(static_cast<FrontEndState&>(form), kCharBackspace);
      break;
    case PadButton::Start:
      MDXDrawClick(form);
      break;
    case PadButton::Other:
      break;
  }
}

}  // namespace vontra
