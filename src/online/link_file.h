#pragma once
// Internet-shortcut link files (".url"): an "[InternetShortcut]" section with a "URL=" line.
#include <optional>
#include <string>
#include <string_view>

namespace vontra {

// The address a link file holds, or nothing when the file has no such section and line or the
// address is not a plain http or https one (other schemes could start local programs).
std::optional<std::string> ParseLinkFile(std::string_view contents);

// True for an address that starts with "http://" or "https://" (any letter case), has
// something after the scheme and holds no spaces or control characters.
bool IsWebAddress(std::string_view address);

// True for a target that names a link file rather than an address.
bool IsLinkFileName(std::string_view target);

}  // namespace vontra
