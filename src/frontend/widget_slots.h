#pragma once
// The twelve button slots: mouse hover, keyboard steps, highlighting and freeing.
namespace vontra {

class TMForm;
struct InputStateSet;

// The first button of slots 1..ButtonCount under the mouse becomes the selection; off the
// buttons the selection stays.
void HoverScreen(TMForm& form);
// Within FirstSelectable..LastSelectable; off the buttons nothing is selected.
void HoverWindow(TMForm& form);

void SelectNext(TMForm& form, bool wrap);
void SelectPrevious(TMForm& form, bool wrap);
// One step per press of Up/Down (Left/Right); the next step needs a release.
void NavigateVertical(TMForm& form, bool wrap);
void NavigateHorizontal(TMForm& form, bool wrap);

// Lights the selected button and darkens the others; "B_Act" sounds when the lit button changes.
void HighlightButtons(TMForm& form);
void HighlightWindowButtons(TMForm& form);

void FreeButtons(TMForm& form);
void FreeWindowButtons(TMForm& form);

}  // namespace vontra
