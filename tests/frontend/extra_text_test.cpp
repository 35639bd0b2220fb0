#include <gtest/gtest.h>

#include "frontend/options_screen.h"

namespace vontra {
namespace {

// A stand-in for the font: every character 20 pixels wide, so the Latin limit of 185 pixels
// falls between nine characters (180) and ten (200).
int TwentyPixelsEach(const std::string& text) {
  return 20 * static_cast<int>(text.size());
}

TEST(ExtraText, TypingRules) {
  struct Case {
    const char* what;
    std::string start;
    std::vector<uint8_t> keys;
    std::string expected;
  };
  const Case cases[] = {
      {"Backspace empties the default", "_______", {8, 8, 8, 8, 8, 8, 8, 8}, ""},
      {"letters as typed", "", {'a', 'Z', ' ', 0xC0, 0xFF}, "aZ \xC0\xFF"},
      {"digits, punctuation and controls dropped", "ab", {'1', '.', '_', 13, 27, 9, 0xB8}, "ab"},
      {"eleventh character refused",
       "\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0",
       {0xC1, ' '},
       "\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0"},
      {"Latin up to 185 pixels", "abcdefgh", {'i', 'j'}, "abcdefghij"},
  };
  for (const Case& c : cases) {
    std::string text = c.start;
    for (uint8_t key : c.keys) EditExtraText(text, key, TwentyPixelsEach);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

TEST(ExtraText, WideTextRefusesLatinButTakesCyrillicAndSpace) {
  // Wide letters: a text of 4 already measures 200 pixels.
  auto wide = [](const std::string& t) { return 50 * static_cast<int>(t.size()); };
  std::string text = "WWWW";
  EditExtraText(text, 'i', wide);
  EXPECT_EQ(text, "WWWW");
  EditExtraText(text, ' ', wide);
  EditExtraText(text, 0xDF, wide);
  EXPECT_EQ(text, "WWWW \xDF");
  text = "WWW";  // 150 pixels: still room for one more Latin letter
  EditExtraText(text, 'W', wide);
  EXPECT_EQ(text, "WWWW");
}

}  // namespace
}  // namespace vontra
