#pragma once
// The result sent to the web service: one Windows-1251 text, written as bits and then as
// characters of a 32-letter alphabet that survives a URL query unescaped.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vontra {

// The value of the payload's "key=" field. The web service takes results only with this letter;
// "V" for Vontra. Change it together with the service.
inline constexpr char kPayloadKeyLetter = 'V';

// Capital letters without I, O and Z, then the digits 1 to 9: value 0 is 'A'.
inline constexpr std::string_view kBase32Alphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789";

// "type=0|name=…|score=…|key=V|p=|add=…|z=" with "0" appended until the length is a multiple
// of 5. The name and the extra text are Windows-1251 bytes and go in unchanged.
std::string BuildResultPayload(std::string_view playerName, int32_t score,
                               std::string_view extraText);

// Eight "0"/"1" characters per byte, most significant bit first.
std::string EncodeBits(std::string_view text);

// Five bits per character, first bit most significant; a bit text whose length is not a
// multiple of 5 is first padded with leading "0"s.
std::string EncodeBase32(std::string_view bits);

// The reverse of EncodeBase32: five "0"/"1" characters per character, or nothing when a
// character is outside the alphabet.
std::optional<std::string> DecodeBase32(std::string_view text);

// The reverse of EncodeBits: one byte per eight bits, or nothing when the bit count is not a
// whole number of bytes.
std::optional<std::string> DecodeBits(std::string_view bits);

}  // namespace vontra
