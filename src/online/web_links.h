#pragma once
// Web pages and link files handed to the desktop's default handler.
#include <string>

namespace vontra {

class TMForm;

// The web service's home page and its world high-score table.
std::string WebHomePage();
std::string WorldTablePage();

// Hands a web address or a file name to the desktop; whether it opened is not examined.
void OpenLink(TMForm& form, const std::string& target);
// Opens "play.url" when the file is there.
void OpenPlayLink(TMForm& form);

}  // namespace vontra
