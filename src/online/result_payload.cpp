#include "online/result_payload.h"

namespace vontra {

std::string BuildResultPayload(std::string_view playerName, int32_t score,
                               std::string_view extraText) {
  std::string payload = "type=0|name=";
  payload += playerName;
  payload += "|score=";
  payload += std::to_string(score);
  payload += "|key=";
  payload += kPayloadKeyLetter;
  payload += "|p=|add=";
  payload += extraText;
  payload += "|z=";
  // Whole groups of 5 bytes are whole groups of 8 characters once encoded.
  while (payload.size() % 5 != 0) payload += '0';
  return payload;
}

std::string EncodeBits(std::string_view text) {
  std::string bits;
  bits.reserve(text.size() * 8);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    for (int bit = 7; bit >= 0; --bit) bits += ((byte >> bit) & 1) != 0 ? '1' : '0';
  }
  return bits;
}

std::string EncodeBase32(std::string_view bits) {
  std::string padded((5 - bits.size() % 5) % 5, '0');
  padded += bits;
  std::string out;
  out.reserve(padded.size() / 5);
  for (size_t i = 0; i < padded.size(); i += 5) {
    int value = 0;
    for (size_t k = 0; k < 5; ++k) value = value * 2 + (padded[i + k] == '1' ? 1 : 0);
    out += kBase32Alphabet[static_cast<size_t>(value)];
  }
  return out;
}

std::optional<std::string> DecodeBase32(std::string_view text) {
  std::string bits;
  bits.reserve(text.size() * 5);
  for (const char c : text) {
    const size_t value = kBase32Alphabet.find(c);
    if (value == std::string_view::npos) return std::nullopt;
    for (int bit = 4; bit >= 0; --bit) bits += ((value >> bit) & 1) != 0 ? '1' : '0';
  }
  return bits;
}

std::optional<std::string> DecodeBits(std::string_view bits) {
  if (bits.size() % 8 != 0) return std::nullopt;
  std::string bytes;
  bytes.reserve(bits.size() / 8);
  for (size_t i = 0; i < bits.size(); i += 8) {
    unsigned value = 0;
    for (size_t k = 0; k < 8; ++k) value = value * 2 + (bits[i + k] == '1' ? 1 : 0);
    bytes += static_cast<char>(value);
  }
  return bytes;
}

}  // namespace vontra
