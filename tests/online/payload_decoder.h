#pragma once
// Turns an encoded result back into its payload bytes, independently of the encoder: each
// character is a 5-bit value in the alphabet, the bits are regrouped into bytes.
#include <optional>
#include <string>
#include <string_view>

namespace vontra::test {

inline constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789";

// Nothing when a character is outside the alphabet or the bits do not make whole bytes.
inline std::optional<std::string> DecodePayload(std::string_view encoded) {
  std::string bits;
  for (const char c : encoded) {
    const size_t value = kAlphabet.find(c);
    if (value == std::string_view::npos) return std::nullopt;
    for (int b = 4; b >= 0; --b) bits += ((value >> b) & 1) != 0 ? '1' : '0';
  }
  if (bits.size() % 8 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < bits.size(); i += 8) {
    bytes += static_cast<char>(std::stoi(bits.substr(i, 8), nullptr, 2));
  }
  return bytes;
}

// The payload carried by a result request's address, or nothing when it is not one.
inline std::optional<std::string> DecodeRequest(std::string_view url, std::string_view host) {
  const std::string prefix = std::string(host) + "/cgi/version.pl?hs&prg=Vontra&inf=";
  if (url.substr(0, prefix.size()) != prefix) return std::nullopt;
  return DecodePayload(url.substr(prefix.size()));
}

}  // namespace vontra::test
