#pragma once
// The parameters of a request's query: "a=1&b&c=x" gives a → "1", b → "", c → "x".
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vontra::scores {

struct Target {
  std::string path;
  std::map<std::string, std::string, std::less<>> params;  // values as sent, not %-decoded
};

Target ParseTarget(std::string_view target);

// %XX and "+" decoded; nothing when an escape is broken.
std::optional<std::string> PercentDecode(std::string_view text);

}  // namespace vontra::scores
