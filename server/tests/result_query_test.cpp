#include "result_query.h"

#include <gtest/gtest.h>

#include <string>

#include "online/result_payload.h"

namespace vontra::scores {
namespace {

std::string Encode(std::string payload) {
  while (payload.size() % 5 != 0) payload += '0';
  return EncodeBase32(EncodeBits(payload));
}

TEST(PayloadDecoding, TheKnownExampleDecodesBack) {
  const auto bits = DecodeBase32("NFTGG3DF");
  ASSERT_TRUE(bits);
  EXPECT_EQ(DecodeBits(*bits), "abcde");
  EXPECT_FALSE(DecodeBase32("NFTGG3D0"));  // zero is not in the alphabet
  EXPECT_FALSE(DecodeBits("0110000"));     // seven bits
}

TEST(DecodeResult, AcceptsWhatTheGameSends) {
  struct Case {
    std::string name;
    int32_t score;
    std::string extra;
  };
  const Case cases[] = {
      {"Player", 12345, "_______"},
      {"", 0, ""},
      {"\xC2\xEE\xE4\xE8\xF2\xE5\xEB\xFC", 2147483647, "_______"},  // "Водитель"
      {"1234567890", 7, "0123456789"},
      {"<script>", 1, "a\"b'c&"},
  };
  for (const Case& c : cases) {
    const auto decoded =
        DecodeResult(EncodeBase32(EncodeBits(BuildResultPayload(c.name, c.score, c.extra))));
    ASSERT_TRUE(decoded.result) << c.name << ": " << decoded.error;
    EXPECT_EQ(decoded.result->name, c.name);
    EXPECT_EQ(decoded.result->score, c.score);
    EXPECT_EQ(decoded.result->extra, c.extra);
  }
}

TEST(DecodeResult, RefusesEveryFieldWrongInTurn) {
  struct Case {
    std::string encoded;
    std::string error;
  };
  const Case cases[] = {
      {"", "empty result"},
      {"NFTGG3DF", "wrong number of fields"},  // "abcde"
      {std::string(10000, 'A'), "result too long"},
      {Encode("type=0|name=A|score=1|key=V|p=|add=_|z=").substr(0, 15), "broken group"},
      {"NFTGG3D0", "character outside the alphabet"},
      {"NFTGG3Di", "character outside the alphabet"},
      {"NFTGG3D'", "character outside the alphabet"},
      {std::string("NFTGG3D\0", 8), "character outside the alphabet"},
      {Encode("type=1|name=A|score=1|key=V|p=|add=_|z="), "bad type"},
      {Encode("name=A|type=0|score=1|key=V|p=|add=_|z="), "bad type"},
      {Encode("type=0|nam=A|score=1|key=V|p=|add=_|z="), "bad name"},
      {Encode("type=0|name=ABCDEFGHIJK|score=1|key=V|p=|add=_|z="), "bad name"},
      {Encode(std::string("type=0|name=A\0B|score=1|key=V|p=|add=_|z=", 41)), "bad name"},
      {Encode("type=0|name=A\x98|score=1|key=V|p=|add=_|z="), "bad name"},
      {Encode("type=0|name=A|score=|key=V|p=|add=_|z="), "bad score"},
      {Encode("type=0|name=A|score=-1|key=V|p=|add=_|z="), "bad score"},
      {Encode("type=0|name=A|score=01|key=V|p=|add=_|z="), "bad score"},
      {Encode("type=0|name=A|score=2147483648|key=V|p=|add=_|z="), "bad score"},
      {Encode("type=0|name=A|score=1x|key=V|p=|add=_|z="), "bad score"},
      {Encode("type=0|name=A|score=1|key=Q|p=|add=_|z="), "bad key"},
      {Encode("type=0|name=A|score=1|key=V|p=1|add=_|z="), "bad p"},
      {Encode("type=0|name=A|score=1|key=V|p=|add=12345678901|z="), "bad add"},
      {Encode("type=0|name=A|score=1|key=V|p=|ad=_|z="), "bad add"},
      {Encode("type=0|name=A|score=1|key=V|p=|add=_|z=1"), "bad z"},
      {Encode("type=0|name=A|score=1|key=V|p=|add=_|z=00000"), "bad z"},
      {Encode("type=0|name=A|score=1|key=V|p=|add=_|y="), "bad z"},
      {Encode("type=0|name=A|score=1|key=V|p=|add=_|z=|x=0"), "wrong number of fields"},
      {Encode("type=0|name=A|B|score=1|key=V|p=|add=_|z="), "wrong number of fields"},
  };
  for (const Case& c : cases) {
    const auto decoded = DecodeResult(c.encoded);
    EXPECT_FALSE(decoded.result) << c.encoded.substr(0, 40);
    EXPECT_EQ(decoded.error, c.error) << c.encoded.substr(0, 40);
  }
}

}  // namespace
}  // namespace vontra::scores
