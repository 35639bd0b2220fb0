#include "frontend/widget_slots.h"

#include <algorithm>

#include "app/mform.h"
#include "audio/sound_effects.h"
#include "frontend/menu_button.h"

namespace vontra {

namespace {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 12;

// Slot ranges come from game state that may name slots of an earlier screen; clamp to the table.
int Lo(int first) {
  return std::max(first, kFirstSlot);
}
int Hi(int last) {
  return std::min(last, kLastSlot);
}

bool Contains(const TMenuButton& b, int x, int y) {
  return b.X <= x && x <= b.X + b.Width && b.Y <= y && y <= b.Y + b.Height;
}

int FirstHit(const TMForm& form, int first, int last) {
  for (int i = Lo(first); i <= Hi(last); ++i) {
    const TMenuButton* b = form.WidgetSlots[i].get();
    if (b != nullptr && Contains(*b, form.MouseX, form.MouseY)) return i;
  }
  return 0;
}

void Highlight(TMForm& form, int first, int last, bool honourSilentFlag) {
  for (int i = Lo(first); i <= Hi(last); ++i) {
    TMenuButton* b = form.WidgetSlots[i].get();
    if (i == form.SelectedWidget || b == nullptr) continue;
    b->Deactivate();
    b->IsActive = false;
  }
  const int s = form.SelectedWidget;
  if (s < kFirstSlot || s > kLastSlot) return;
  TMenuButton* b = form.WidgetSlots[s].get();
  if (b == nullptr || b->IsActive) return;
  if (honourSilentFlag && form.SilentFirstHighlight) {
    form.SilentFirstHighlight = false;
  } else {
    PlaySound(form, "B_Act");
  }
  b->Activate();
  b->IsActive = true;
}

void FreeSlots(TMForm& form, int first, int last) {
  for (int i = Lo(first); i <= Hi(last); ++i) {
    form.WidgetSlots[i].reset();
  }
  form.ButtonCount = 0;
}

}  // namespace

void HoverScreen(TMForm& form) {
  const int hit = FirstHit(form, kFirstSlot, form.ButtonCount);
  if (hit != 0) form.SelectedWidget = hit;
}

void HoverWindow(TMForm& form) {
  form.SelectedWidget = FirstHit(form, form.FirstSelectable, form.LastSelectable);
}

void SelectNext(TMForm& form, bool wrap) {
  form.NavHitEnd = false;
  int& s = form.SelectedWidget;
  if (s < form.FirstSelectable || s > form.LastSelectable) s = form.FirstSelectable;
  if (wrap) {
    s = s == form.LastSelectable ? form.FirstSelectable : s + 1;
  } else if (s < form.LastSelectable) {
    ++s;
  } else {
    form.NavHitEnd = true;
  }
  form.NavLatch = false;
}

void SelectPrevious(TMForm& form, bool wrap) {
  form.NavHitEnd = false;
  int& s = form.SelectedWidget;
  if (s < form.FirstSelectable || s > form.LastSelectable) s = form.FirstSelectable;
  if (wrap) {
    s = s == form.FirstSelectable ? form.LastSelectable : s - 1;
  } else if (s > form.FirstSelectable) {
    --s;
  } else {
    form.NavHitEnd = true;
  }
  form.NavLatch = false;
}

void NavigateVertical(TMForm& form, bool wrap) {
  const InputStateSet& keys = form.InputStates;
  if (keys.Up && form.NavLatch) SelectPrevious(form, wrap);
  if (keys.Down && form.NavLatch) SelectNext(form, wrap);
  if (!keys.Up && !keys.Down) form.NavLatch = true;
}

void NavigateHorizontal(TMForm& form, bool wrap) {
  const InputStateSet& keys = form.InputStates;
  if (keys.Right && form.NavLatch) SelectNext(form, wrap);
  if (keys.Left && form.NavLatch) SelectPrevious(form, wrap);
  if (!keys.Left && !keys.Right) form.NavLatch = true;
}

void HighlightButtons(TMForm& form) {
  Highlight(form, kFirstSlot, form.ButtonCount, true);
}

void HighlightWindowButtons(TMForm& form) {
  Highlight(form, form.FirstSelectable, form.LastSelectable, false);
}

void FreeButtons(TMForm& form) {
  FreeSlots(form, kFirstSlot, form.ButtonCount);
}

void FreeWindowButtons(TMForm& form) {
  FreeSlots(form, form.FirstSelectable, form.LastSelectable);
}

}  // namespace vontra
