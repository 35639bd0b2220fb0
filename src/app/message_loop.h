#pragma once

namespace vontra {

class TMForm;
struct PlatformEvent;

// Hands one window event to its handler.
void DispatchEvent(TMForm& form, const PlatformEvent& event);
// One turn of the message loop: every waiting event, then one timer tick when the timer is
// enabled and the application active. False once the loop has been asked to end.
bool ProcessMessages(TMForm& form);
void RunMessageLoop(TMForm& form);

}  // namespace vontra
