#include <gtest/gtest.h>

#include "assets/picture_collection.h"
#include "frontend/font_styles.h"
#include "frontend/help_texts.h"
#include "frontend/text_canvas.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

// Every line of every help page, measured with the real faces, stays inside the page's panel
// (drawn at x 31) with a margin for its frame.
TEST(HelpLayout, EveryLineFitsInsideThePanel) {
  HeadlessGame::Options options;
  options.RealFonts = true;
  HeadlessGame game(options);
  game.Create();
  TMForm& form = game.Form();
  const int panelRight = 31 + form.MDXImageList->Find("HB").Width();
  constexpr int kFrameMargin = 6;
  for (int page = 1; page <= kHelpPages; ++page) {
    for (const HelpLine& line : HelpPageLines(page, "http://vontra.games")) {
      SCOPED_TRACE(testing::Message() << "page " << page << " y " << line.Y);
      SelectFontStyle(form, line.Style);
      EXPECT_LE(line.X + TextWidth(form, line.Text), panelRight - kFrameMargin);
    }
  }
}

}  // namespace
}  // namespace vontra
