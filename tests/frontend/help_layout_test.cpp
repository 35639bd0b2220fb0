#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "frontend/font_styles.h"
#include "frontend/help_texts.h"
#include "frontend/message_window.h"
#include "frontend/text_canvas.h"
#include "frontend/text_fit.h"
#include "platform/cp1251.h"
#include "platform/sdl/font_faces.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

// Every character one pixel per em pixel wide: widths are easy to count.
int CountedWidth(const std::string& text, int pixels) {
  return static_cast<int>(text.size()) * pixels;
}

struct BreakCase {
  std::string paragraph;
  int maxWidth;  // at 1 pixel per character
  std::vector<std::string> lines;
};

TEST(TextFit, BreaksAtBlanksByMeasuredWidth) {
  const BreakCase cases[] = {
      {"aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
      {"aaa bbb ccc", 6, {"aaa", "bbb", "ccc"}},
      {"aaa bbb ccc", 11, {"aaa bbb ccc"}},
      // The indent stays on the first line and counts in its width.
      {"   aaa bbb", 7, {"   aaa", "bbb"}},
      // A word wider than a line stands alone; runs of blanks between words become one.
      {"a verylongword b", 5, {"a", "verylongword", "b"}},
      {"aa   bb", 5, {"aa bb"}},
      {"", 5, {}},
  };
  const TextWidthAt width = [](const std::string& t, int) { return static_cast<int>(t.size()); };
  for (const BreakCase& c : cases) {
    EXPECT_EQ(BreakIntoLines(width, c.paragraph, 1, c.maxWidth), c.lines) << c.paragraph;
  }
}

TEST(TextFit, ShrinksOnlyAsFarAsNeeded) {
  EXPECT_EQ(FitPixelSize(CountedWidth, "abcd", 20, 80), 20);  // fits as it is
  EXPECT_EQ(FitPixelSize(CountedWidth, "abcd", 20, 79), 19);  // one pixel too wide
  EXPECT_EQ(FitPixelSize(CountedWidth, "abcd", 20, 50), 12);
  EXPECT_EQ(FitPixelSize(CountedWidth, "abcd", 20, 1), kSmallestFitPixels);
}

// The words of a page's body, in order, whatever the line breaks.
std::string Words(const std::vector<std::string>& lines) {
  std::istringstream in([&] {
    std::string all;
    for (const std::string& l : lines) all += l + ' ';
    return all;
  }());
  std::string word, words;
  while (in >> word) words += word + ' ';
  return words;
}

// Measured with the faces the rasteriser finds: run by ctest once with the machine's fonts,
// once with the package's fonts alone and once with DejaVu alone (FONTCONFIG_FILE). When
// VONTRA_FONT_SET names a folder, the game's faces must come from it.
class FittedText : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessGame::Options options;
    options.RealFonts = true;
    game_ = std::make_unique<HeadlessGame>(options);
    game_->Create();
    if (const char* set = std::getenv("VONTRA_FONT_SET")) {
      for (const char* family : {"Arial", "DS Crystal"}) {
        EXPECT_EQ(FindFontFace(family, false).File.rfind(set, 0), 0u)
            << family << " comes from " << FindFontFace(family, false).File;
      }
    }
  }
  TMForm& Form() { return game_->Form(); }
  int Width(int style, int pixels, const std::string& text) {
    SelectFontStyle(Form(), style);
    SetFontPixelSize(Form(), pixels);
    return TextWidth(Form(), text);
  }

  std::unique_ptr<HeadlessGame> game_;
};

TEST_F(FittedText, HelpLinesStayInsideThePanelAndBesideTheIcons) {
  TMForm& form = Form();
  // The panel picture at (31, 115), its frame and the line over its button deck (y 296 in the
  // picture); the bonus icons' second column.
  const auto& panel = form.MDXImageList->Find("HB");
  const int panelRight = 31 + panel.Width() - 12;
  constexpr int kIconColumn2 = 310;
  constexpr int kDeckLine = 115 + 296;
  const StyledTextWidth width = [this](int style, int pixels, const std::string& text) {
    return Width(style, pixels, text);
  };
  for (int page = 1; page <= kHelpPages; ++page) {
    std::vector<std::string> body;
    for (const HelpLine& line : HelpPageLines(page, "http://vontra.games", width)) {
      SCOPED_TRACE(testing::Message()
                   << "page " << page << " y " << line.Y << ": " << Cp1251ToUtf8(line.Text));
      const int right = line.X + Width(line.Style, line.Pixels, line.Text);
      EXPECT_LE(right, panelRight);
      if (page == 2 && line.X < kIconColumn2) {
        EXPECT_LT(right, kIconColumn2);
      }
      EXPECT_LE(line.Y + TextHeight(form, line.Text), kDeckLine);
      if (line.Style == 17) {
        // Body text keeps its size; only the breaks move.
        EXPECT_EQ(line.Pixels, PointsToPixels(12));
        body.push_back(line.Text);
      } else {
        EXPECT_GE(line.Pixels * 4, PointsToPixels(kFontStyles[line.Style].SizePt) * 3);
      }
    }
    if (page == 1) {
      EXPECT_EQ(Cp1251ToUtf8(Words(body)).rfind("\"Vontra\" это захватывающая", 0), 0u);
      EXPECT_NE(Cp1251ToUtf8(Words(body)).find("руль и докажи! "), std::string::npos);
      // The second paragraph starts on a line of its own, indented.
      EXPECT_TRUE(std::any_of(body.begin(), body.end(), [](const std::string& l) {
        return Cp1251ToUtf8(l).rfind("   Думаешь", 0) == 0;
      }));
    }
  }
}

TEST_F(FittedText, MessagesStayInsideTheirWindowOrTheRoad) {
  TMForm& form = Form();
  form.Level = 99;
  form.Score = 1234567;
  form.PlayerName = "WWWWWWWWWWWW";
  // Frameless race messages between the white edge lines of the carriageway (inside x 175
  // and 612, the kerbs outside them); the others inside the frame picture at x 192, 416 wide.
  constexpr int kCentre = 399;
  for (int kind = 1; kind <= 10; ++kind) {
    form.WindowKind = static_cast<WindowKinds>(kind);
    const bool framed = WindowHasFrame(form.WindowKind);
    const int left = framed ? 192 + 8 : 175;
    const int right = framed ? 192 + 416 - 8 : 612;
    for (const WindowLine& line : MessageWindowLines(form)) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << ": " << Cp1251ToUtf8(line.Text));
      SelectWindowLineFont(form, line.Style, line.Text);
      const int w = TextWidth(form, line.Text);
      EXPECT_GE(kCentre - (w + 1) / 2, left);
      EXPECT_LE(kCentre - (w + 1) / 2 + w, right);
      // Still a headline, not small print.
      EXPECT_GE(form.Canvas->PixelSize() * 3, PointsToPixels(kFontStyles[line.Style].SizePt) * 2);
    }
  }
}

}  // namespace
}  // namespace vontra
