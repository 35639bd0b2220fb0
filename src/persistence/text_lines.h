#pragma once
// Line-oriented text in the save files' form: Windows-1251 bytes, every line ended by CR LF.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vontra {

// Splits on LF and drops one CR before it, so a file edited on Linux reads too. A final line
// without its line break still counts.
std::vector<std::string> SplitLines(const std::vector<uint8_t>& bytes);

// Every line followed by CR LF, the last one included.
std::vector<uint8_t> JoinLines(const std::vector<std::string>& lines);

// A whole-line decimal integer with an optional leading '-', within 32 bits; nothing else.
std::optional<int32_t> ParseInt32(const std::string& line);

}  // namespace vontra
