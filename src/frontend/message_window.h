#pragma once
// Message windows: a modal frame over the current screen with one to three centred lines and,
// for questions, Yes and No. Kinds 1..8 belong to the race, 9 is the quit question and 10
// the clear-table question. At most one is open; opening another closes it first.
#include <cstdint>
#include <string>
#include <vector>

#include "app/named_states.h"

namespace vontra {

class TMForm;

struct WindowLine {
  int Style;
  int Y;
  std::string Text;  // Windows-1251, centred on x 399
};

// The lines the open window shows this frame (none while no window is open).
std::vector<WindowLine> MessageWindowLines(const TMForm& form);
void DrawMessageWindowLines(TMForm& form);

// The widest a line of a window of this kind may be, centred on x 399: inside the frame
// picture, or for the frameless race messages inside the carriageway, off the verges.
int MessageLineMaxWidth(WindowKinds kind);
// Selects a line's style for the open window, at a smaller size when the line would not fit.
void SelectWindowLineFont(TMForm& form, int style, const std::string& text);

// Whether the kind has the frame picture, and whether it asks Yes or No.
bool WindowHasFrame(WindowKinds kind);
bool WindowIsQuestion(WindowKinds kind);

void CloseMessageWindow(TMForm& form);

}  // namespace vontra
