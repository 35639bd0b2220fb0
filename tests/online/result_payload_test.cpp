#include "online/result_payload.h"

#include <gtest/gtest.h>

#include <random>

#include "online/payload_decoder.h"
#include "platform/cp1251.h"

namespace vontra {
namespace {

TEST(EncodeBits, WritesEachByteMostSignificantBitFirst) {
  EXPECT_EQ(EncodeBits("a"), "01100001");
  EXPECT_EQ(EncodeBits(std::string("\x00\xff\x80", 3)), "000000001111111110000000");
  EXPECT_EQ(EncodeBits(""), "");
}

TEST(EncodeBase32, GroupsOfFiveBitsBecomeAlphabetCharacters) {
  struct Case {
    const char* bits;
    const char* encoded;
  };
  const Case cases[] = {
      {"00000", "A"},
      {"11111", "9"},
      {"0100001001", "JK"},  // 8 and 9: no I between
      {"0110101110", "PQ"},  // 13 and 14: no O between
      {"1011010111", "Y1"},  // 22 and 23: Y then the digit 1, no Z between
      // Short groups are padded at the front: "1" is 00001, "111111" is 00001 11111.
      {"1", "B"},
      {"111111", "B9"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeBase32(c.bits), c.encoded) << c.bits;
}

TEST(ResultEncoding, KnownTextsAndLengths) {
  EXPECT_EQ(EncodeBase32(EncodeBits("abcde")), "NFTGG3DF");
  const std::string fifty(50, 'q');
  EXPECT_EQ(EncodeBase32(EncodeBits(fifty)).size(), 80u);
}

TEST(ResultEncoding, NeverUsesAmbiguousCharactersAndDecodesBack) {
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  every += std::string(4, '\xff');  // 260 bytes: whole groups of 5
  std::mt19937 rng(7);
  std::vector<std::string> texts = {every};
  for (int n = 0; n < 50; ++n) {
    std::string t(5 * (1 + rng() % 20), '\0');
    for (char& c : t) c = static_cast<char>(rng() % 256);
    texts.push_back(t);
  }
  for (const std::string& text : texts) {
    const std::string encoded = EncodeBase32(EncodeBits(text));
    EXPECT_EQ(encoded.find_first_of("IOZ0"), std::string::npos) << encoded;
    EXPECT_EQ(encoded.size(), text.size() / 5 * 8);
    EXPECT_EQ(test::DecodePayload(encoded), text);
  }
}

TEST(ResultPayload, FieldsInOrderWithTheKeyLetter) {
  // 50 bytes already: no padding, and 80 characters once encoded.
  const std::string payload = BuildResultPayload("Ann", 1200, "_______");
  EXPECT_EQ(payload, "type=0|name=Ann|score=1200|key=V|p=|add=_______|z=");
  EXPECT_EQ(EncodeBase32(EncodeBits(payload)).size(), 80u);
  EXPECT_EQ(BuildResultPayload("", -5, ""), "type=0|name=|score=-5|key=V|p=|add=|z=00");
}

TEST(ResultPayload, PaddingFieldTakesEveryLengthFromZeroToFour) {
  // With an empty name the fixed fields and "0" come to 37 bytes; each name letter adds one.
  struct Case {
    const char* name;
    size_t zeros;
  };
  const Case cases[] = {{"", 3}, {"A", 2}, {"AB", 1}, {"ABC", 0}, {"ABCD", 4}};
  for (const Case& c : cases) {
    const std::string payload = BuildResultPayload(c.name, 0, "");
    EXPECT_EQ(payload.size() % 5, 0u) << c.name;
    const std::string tail = "|z=" + std::string(c.zeros, '0');
    ASSERT_GE(payload.size(), tail.size());
    EXPECT_EQ(payload.substr(payload.size() - tail.size()), tail) << c.name;
    EXPECT_EQ(payload.size(), 37 + std::string(c.name).size() + c.zeros) << c.name;
  }
}

TEST(ResultPayload, CyrillicNameGoesAsWindows1251Bytes) {
  const std::string_view name = "Петя"_w1251;
  const std::string payload = BuildResultPayload(name, 7, "_______");
  EXPECT_NE(payload.find(std::string("|name=\xCF\xE5\xF2\xFF|score=7|")), std::string::npos);
  EXPECT_EQ(test::DecodePayload(EncodeBase32(EncodeBits(payload))), payload);
}

}  // namespace
}  // namespace vontra
