#pragma once
// Web pages and link files handed to the desktop's default handler, and the result sent to the
// web service.
#include <string>
#include <string_view>

namespace vontra {

class IFiles;
class IShell;
class TMForm;

// The web service's home page and its world high-score table.
std::string WebHomePage();
std::string WorldTablePage();

// An address goes to the shell as it is. A link file (".url") is read and the address it holds
// is opened instead: desktops do not all know the format, and only http and https addresses
// are passed on. A missing or malformed link file is skipped silently; whether the desktop
// opened anything is not examined.
void OpenLink(IFiles& files, IShell& shell, std::string_view target);
// "play.url", when it exists.
void OpenPlayLink(IFiles& files, IShell& shell);

// The same, on the main window's components.
void OpenLink(TMForm& form, const std::string& target);
void OpenPlayLink(TMForm& form);

// Sends the result of the game just played (name, points and the options' text); blocks for
// at most the client's time-out and never fails outward.
void SubmitResult(TMForm& form);

}  // namespace vontra
