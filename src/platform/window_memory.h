#pragma once
#include <optional>

#include "platform/files.h"
#include "platform/window.h"

namespace vontra {

// The window's normal place and size and whether it was maximised, kept between runs in a
// file of its own beside the saves: X, Y, width, height and 1 or 0 for maximised, one a line,
// each line ended by CR LF as in the other save files.
inline constexpr const char* kWindowMemoryPath = "Data\\Save\\window";

struct RememberedWindow {
  WindowPlacement Place;  // the normal place and size
  bool Maximized = false;
};

// The remembered window, or nothing when there is none or the file is not one of ours.
std::optional<RememberedWindow> LoadWindowMemory(IFiles& files);
// False when the file could not be written; the window then opens at its default next time.
bool SaveWindowMemory(IFiles& files, const RememberedWindow& window);

}  // namespace vontra
