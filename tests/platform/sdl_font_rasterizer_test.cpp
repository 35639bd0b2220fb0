#include "platform/sdl/sdl_font_rasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/cp1251.h"

namespace vontra {
namespace {

struct FaceCase {
  const char* family;
  bool bold;
  const char* expectedFamily;
};

// The faces the game's styles name, with the weights they are used in.
const FaceCase kFaces[] = {
    {"Arial", false, "Liberation Sans"},
    {"Arial", true, "Liberation Sans"},
    {"Times New Roman", true, "Liberation Serif"},
    {"Arial Black", false, "Roboto"},
    {"DS Crystal", false, "Jura"},
};

TEST(FontFaces, EachGameFaceHasItsStandInWithEveryCyrillicLetter) {
  SdlFontRasterizer fonts;
  for (const FaceCase& c : kFaces) {
    const FontFace& face = fonts.Face(c.family, c.bold);
    EXPECT_EQ(face.Family, c.expectedFamily) << c.family;
    TTF_Font* font = fonts.Font(c.family, 40, c.bold);
    ASSERT_NE(font, nullptr) << c.family;
    int missing = 0;
    for (Uint32 cp = 0x0410; cp <= 0x044F; ++cp) missing += TTF_GlyphIsProvided32(font, cp) == 0;
    missing += TTF_GlyphIsProvided32(font, 0x0401) == 0;  // Ё
    missing += TTF_GlyphIsProvided32(font, 0x0451) == 0;  // ё
    missing += TTF_GlyphIsProvided32(font, 0x2014) == 0;  // the dash of the game's texts
    EXPECT_EQ(missing, 0) << c.family;
  }
  EXPECT_TRUE(fonts.Face("Arial Black", false).Heavy);
  EXPECT_TRUE(fonts.Face("Arial", true).Heavy);
  EXPECT_FALSE(fonts.Face("Arial", false).Heavy);
  // An unknown family still draws, in the fallback face.
  EXPECT_EQ(fonts.Face("No Such Family 123", false).Family, "DejaVu Sans");
}

TEST(SdlFontRasterizer, CellHeightsFollowWindowsAndMasksMatchWidths) {
  SdlFontRasterizer fonts;
  // Arial at 16 and 10 points (21 and 13 pixels at 96 dpi) has 24 and 15 pixel cells.
  EXPECT_EQ(fonts.TextHeight("Arial", 21, false, "Ag"), 24);
  EXPECT_EQ(fonts.TextHeight("Arial", 13, false, "Ag"), 15);
  EXPECT_EQ(fonts.TextHeight("Arial", 21, false, ""), 24);  // any text, one height

  const std::string text(u8"Уровень 1"_w1251);
  const GlyphMask mask = fonts.Render("Arial", 21, false, text);
  EXPECT_EQ(mask.Width, fonts.TextWidth("Arial", 21, false, text));
  EXPECT_EQ(mask.Height, 24);
  ASSERT_EQ(mask.Alpha.size(), static_cast<size_t>(mask.Width) * mask.Height);
  EXPECT_EQ(*std::max_element(mask.Alpha.begin(), mask.Alpha.end()), 255);
  // The glyphs sit inside the cell: the top row above the capitals stays clear.
  EXPECT_TRUE(std::all_of(mask.Alpha.begin(), mask.Alpha.begin() + mask.Width,
                          [](uint8_t a) { return a == 0; }));

  // Bold is wider than plain; a longer text is wider; nothing is zero wide.
  EXPECT_GT(fonts.TextWidth("Arial", 21, true, text), mask.Width);
  EXPECT_GT(fonts.TextWidth("Arial", 21, false, text + "0"), mask.Width);
  EXPECT_EQ(fonts.TextWidth("Arial", 21, false, ""), 0);
  EXPECT_EQ(fonts.Render("Arial", 21, false, "").Width, 0);
}

TEST(SdlFontRasterizer, EveryCyrillicLetterDrawsInkNotABox) {
  SdlFontRasterizer fonts;
  // An empty box has ink only on its outline; a letter's ink differs from letter to letter.
  for (const FaceCase& c : kFaces) {
    std::vector<std::vector<uint8_t>> seen;
    for (int byte = 0xC0; byte <= 0xFF; ++byte) {
      const GlyphMask m =
          fonts.Render(c.family, 30, c.bold, std::string(1, static_cast<char>(byte)));
      ASSERT_GT(m.Width, 0) << c.family << " " << byte;
      EXPECT_TRUE(std::find(seen.begin(), seen.end(), m.Alpha) == seen.end())
          << c.family << " draws byte " << byte << " like another letter";
      seen.push_back(m.Alpha);
    }
  }
}

}  // namespace
}  // namespace vontra
