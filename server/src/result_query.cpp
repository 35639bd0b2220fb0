#include "result_query.h"

#include <array>
#include <charconv>
#include <vector>

#include "online/result_payload.h"

namespace vontra::scores {
namespace {

constexpr size_t kMaxTextBytes = 10;

ResultDecoding Refuse(std::string why) {
  return {std::nullopt, std::move(why)};
}

std::vector<std::string_view> SplitFields(std::string_view payload) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t bar = payload.find('|', start);
    fields.push_back(payload.substr(start, bar - start));
    if (bar == std::string_view::npos) return fields;
    start = bar + 1;
  }
}

// Control bytes and the one Windows-1251 byte without a character never come from the keyboard.
bool IsTypedText(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || byte == 0x98) return false;
  }
  return text.size() <= kMaxTextBytes;
}

std::optional<std::string_view> After(std::string_view field, std::string_view label) {
  if (field.substr(0, label.size()) != label) return std::nullopt;
  return field.substr(label.size());
}

std::optional<int32_t> ParseScore(std::string_view digits) {
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace

ResultDecoding DecodeResult(std::string_view encoded) {
  if (encoded.empty()) return Refuse("empty result");
  if (encoded.size() > kMaxEncodedResult) return Refuse("result too long");
  // Eight characters carry five bytes; anything else is a broken group.
  if (encoded.size() % 8 != 0) return Refuse("broken group");
  const auto bits = DecodeBase32(encoded);
  if (!bits) return Refuse("character outside the alphabet");
  const auto payload = DecodeBits(*bits);
  if (!payload) return Refuse("broken group");

  const auto fields = SplitFields(*payload);
  if (fields.size() != 7) return Refuse("wrong number of fields");
  if (fields[0] != "type=0") return Refuse("bad type");
  const auto name = After(fields[1], "name=");
  if (!name || !IsTypedText(*name)) return Refuse("bad name");
  const auto scoreText = After(fields[2], "score=");
  const auto score = scoreText ? ParseScore(*scoreText) : std::nullopt;
  if (!score) return Refuse("bad score");
  if (fields[3] != std::string("key=") + kPayloadKeyLetter) return Refuse("bad key");
  if (fields[4] != "p=") return Refuse("bad p");
  const auto extra = After(fields[5], "add=");
  if (!extra || !IsTypedText(*extra)) return Refuse("bad add");
  const auto zeros = After(fields[6], "z=");
  if (!zeros || zeros->size() > 4 || zeros->find_first_not_of('0') != std::string_view::npos) {
    return Refuse("bad z");
  }
  return {SubmittedResult{std::string(*name), *score, std::string(*extra)}, {}};
}

}  // namespace vontra::scores
