#include "platform/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

namespace vontra {
namespace {

// glibc's converter, the reference the table is checked against; nullopt when it refuses.
std::optional<std::string> Iconv(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input = in;
  std::string out(in.size() * 4 + 8, '\0');
  char* inPtr = input.data();
  size_t inLeft = input.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::string EncodeUtf8(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (cp >> 18));
    s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

TEST(Cp1251, EveryByteMatchesIconvBothWays) {
  int unassigned = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const auto reference = Iconv("UTF-8", "CP1251", byte);
    if (!reference) {
      ++unassigned;
      EXPECT_EQ(Cp1251ToUtf8(byte), "") << "byte " << b;
      continue;
    }
    EXPECT_EQ(Cp1251ToUtf8(byte), *reference) << "byte " << b;
    EXPECT_EQ(Utf8ToCp1251(*reference), byte) << "byte " << b;
  }
  EXPECT_EQ(unassigned, 1);  // 0x98
}

TEST(Cp1251, CodePointsWithoutCodeAreDroppedLikeIconvRefusesThem) {
  // The whole Basic Multilingual Plane below the surrogates, and a few beyond it.
  int mapped = 0;
  for (char32_t cp = 0; cp < 0xD800; ++cp) {
    const std::string utf8 = EncodeUtf8(cp);
    const auto reference = Iconv("CP1251", "UTF-8", utf8);
    const std::string ours = Utf8ToCp1251(utf8);
    ASSERT_EQ(ours, reference.value_or("")) << "U+" << std::hex << static_cast<int>(cp);
    mapped += !ours.empty();
  }
  EXPECT_EQ(mapped, 255);
  EXPECT_EQ(Utf8ToCp1251("a" + EncodeUtf8(0x1F600) + "b"), "ab");
}

TEST(Cp1251, MalformedUtf8IsDroppedAndTheRestKept) {
  struct Case {
    const char* name;
    std::string input;
  };
  const Case cases[] = {
      {"stray continuation", "A\x80Z"}, {"overlong slash", "A\xC0\xAFZ"},
      {"surrogate", "A\xED\xA0\x80Z"},  {"truncated before ascii", "A\xD0Z"},
      {"invalid lead", "A\xFFZ"},       {"beyond unicode", "A\xF4\x90\x80\x80Z"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCp1251(c.input), "AZ") << c.name;
  }
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "");  // truncated at the very end
}

TEST(Cp1251, SourceLiteralsConvertWhileCompiling) {
  constexpr std::string_view level = "Уровень 1 — Рекорды ЁЁ"_w1251;
  static_assert(level.size() == 22);
  EXPECT_EQ(std::string(level), Utf8ToCp1251("Уровень 1 — Рекорды ЁЁ"));
  EXPECT_EQ(std::string("Ёж №"_w1251), std::string("\xA8\xE6\x20\xB9"));
  EXPECT_EQ(Cp1251ToUtf8(level), "Уровень 1 — Рекорды ЁЁ");
  EXPECT_TRUE(""_w1251.empty());
  EXPECT_EQ(u8"Ёж"_w1251, "Ёж"_w1251);
}

}  // namespace
}  // namespace vontra
