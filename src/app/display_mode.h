#pragma once

namespace vontra {

class TMForm;

// Display switching between a window and full screen, and the display's notifications.
void ApplyDisplayMode(TMForm& form);
void EnterWindowedMode(TMForm& form);
void EnterFullScreenMode(TMForm& form);
void MDXDrawInitialize(TMForm& form);
void MDXDrawFinalize(TMForm& form);

// The pointer's nesting counter, forced visible or hidden however often it was changed.
void ShowMouseCursor(TMForm& form);
void HideMouseCursor(TMForm& form);

}  // namespace vontra
