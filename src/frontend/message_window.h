#pragma once
// Message windows: a modal frame over the current screen with one to three centred lines and,
// for questions, Yes and No. Kinds 1..8 belong to the race, 9 is the quit question and 10
// the clear-table question. At most one is open; opening another closes it first.
#include <cstdint>
#include <string>
#include <vector>

namespace vontra {

class TMForm;

enum WindowKinds : uint8_t {
  kNoWindow = 0,
  kLevelBanner = 1,
  kPauseWindow = 2,
  kTimeOverWindow = 3,
  kFinishQuestion = 4,
  kNameEntryWindow = 5,
  kSendQuestion = 6,
  kSendingWindow = 7,
  kGameOverWindow = 8,
  kQuitQuestion = 9,
  kClearQuestion = 10,
};

struct WindowLine {
  int Style;
  int Y;
  std::string Text;  // Windows-1251, centred on x 399
};

// The lines the open window shows this frame (none while no window is open).
std::vector<WindowLine> MessageWindowLines(const TMForm& form);
void DrawMessageWindowLines(TMForm& form);

// Whether the kind has the frame picture, and whether it asks Yes or No.
bool WindowHasFrame(int kind);
bool WindowIsQuestion(int kind);

void CloseMessageWindow(TMForm& form);

}  // namespace vontra
