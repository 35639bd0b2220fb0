#pragma once
// The strict reading of a result the game sends: its encoded "inf=" value back to the fields,
// with every deviation from what the game writes refused.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vontra::scores {

struct SubmittedResult {
  std::string name;   // Windows-1251 bytes, 0 to 10 of them
  int32_t score = 0;  // 0 to 2^31-1
  std::string extra;  // the options text, Windows-1251, 0 to 10 bytes
};

struct ResultDecoding {
  std::optional<SubmittedResult> result;
  std::string error;  // one line, set when result is empty
};

// The longest payload the game can write is 70 bytes, which encode to 112 characters.
inline constexpr size_t kMaxEncodedResult = 112;

ResultDecoding DecodeResult(std::string_view encoded);

}  // namespace vontra::scores
