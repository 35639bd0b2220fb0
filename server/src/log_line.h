#pragma once
// Text from the network put into the request log: one line per request, whatever was sent.
#include <cstddef>
#include <string>
#include <string_view>

namespace vontra::scores {

// Printable ASCII stays; '"', '\' and every other byte become \" \\ \xHH, so a quoted field can
// neither end early nor carry control bytes to the terminal. Past maxBytes the rest is "...".
std::string EscapeForLog(std::string_view text, size_t maxBytes = 200);

}  // namespace vontra::scores
