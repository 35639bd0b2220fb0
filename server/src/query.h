#pragma once
// The parameters of a request's query: "a=1&b&c=x" gives a → "1", b → "", c → "x".
#include <cstddef>
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

// The longest name the game lets a player type, in Windows-1251 characters.
inline constexpr size_t kMaxPlayerNameChars = 10;

// A player name to look up, from its %-encoded UTF-8 parameter: nothing unless it could be a name
// the game sent (valid UTF-8, every character one of Windows-1251 and none a control character,
// at most kMaxPlayerNameChars of them). The name comes back as UTF-8, as the tables store it.
std::optional<std::string> DecodeLookupName(std::string_view param);

}  // namespace vontra::scores
