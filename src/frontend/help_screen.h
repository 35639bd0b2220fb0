#pragma once
// Help: five pages beside the main menu, turned with "Previous" and "Next"; page 5 is the
// credits page.
namespace vontra {

class TMForm;

void OpenHelp(TMForm& form);
void CloseHelp(TMForm& form);
void DrawHelpPage(TMForm& form);

}  // namespace vontra
