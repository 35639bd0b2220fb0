#include <gtest/gtest.h>

#include "frontend/font_styles.h"
#include "frontend/text_canvas.h"
#include "platform/headless/fixed_metrics_rasterizer.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

// A grey that no font style draws in.
constexpr uint16_t kGrey = Rgb565(100, 100, 100);

// The bounding box of every pixel that differs from the background.
TRect LitBox(const Surface& s, uint16_t background = 0) {
  TRect box{s.Width(), s.Height(), 0, 0};
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (s.At(x, y) == background) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  }
  return box;
}

struct AnchorCase {
  int style;
  std::string text;
  bool centreY, centreX;
  int left, top;  // where the text's box must start when anchored at (400, 300)
};

class TextAnchoring : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(TextAnchoring, CentresWithHalvesRoundedToEven) {
  const AnchorCase& c = GetParam();
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  form.MDXDraw.DrawSurface().Fill(kGrey);
  SelectFontStyle(form, c.style);
  DrawTextAnchored(form, c.text, 400, 300, c.centreY, c.centreX);
  // The stand-in rasteriser's boxes start at the text's left edge and a fifth of the line
  // height below its top.
  const int pixels = PointsToPixels(kFontStyles[c.style].SizePt);
  const int glyphTop = FixedMetricsRasterizer::LineHeight(pixels) / 5;
  const TRect box = LitBox(form.MDXDraw.DrawSurface(), kGrey);
  EXPECT_EQ(box.Left, c.left);
  EXPECT_EQ(box.Top, c.top + glyphTop);
}

// Widths and heights of the stand-in faces: style 1 (16 pt = 21 px) advances 11 and is 26
// high; style 15 (20 pt = 27 px) advances 14 and is 33 high; style 10 (26 pt = 35 px)
// advances 18 and is 43 high; style 3 is style 15 in bold (advance 15).
INSTANTIATE_TEST_SUITE_P(
    Numbers, TextAnchoring,
    ::testing::Values(AnchorCase{1, "abc", false, false, 400, 300},
                      AnchorCase{1, "abc", false, true, 400 - 16, 300},  // 16.5 -> 16
                      AnchorCase{1, "a", false, true, 400 - 6, 300},     // 5.5 -> 6
                      AnchorCase{1, "abcd", true, true, 400 - 22, 300 - 13},
                      AnchorCase{15, "ab", true, false, 400, 300 - 16},        // 16.5 -> 16
                      AnchorCase{10, "ab", true, false, 400, 300 - 22},        // 21.5 -> 22
                      AnchorCase{3, "abc", true, true, 400 - 22, 300 - 16}));  // 22.5 -> 22

TEST(TextDraw, DrawTextCentresOnXOnlyAndMeasuresInTheSelectedStyle) {
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  SelectFontStyle(form, 7);  // 30 pt = 40 px: advance 20, line 50
  EXPECT_EQ(TextWidth(form, "abcde"), 100);
  EXPECT_EQ(TextHeight(form, "abcde"), 50);
  SelectFontStyle(form, 12);  // 24 pt = 32 px: advance 16, line 40
  EXPECT_EQ(TextWidth(form, "abcde"), 80);
  EXPECT_EQ(TextHeight(form, "abcde"), 40);
  SelectFontStyle(form, 0);  // not a style: the selection stays
  SelectFontStyle(form, 19);
  EXPECT_EQ(TextWidth(form, "abcde"), 80);

  form.MDXDraw.DrawSurface().Fill(kGrey);  // the style draws black
  DrawText(form, "abc", 100, 50, true);    // 48 / 2 = 24
  EXPECT_EQ(LitBox(form.MDXDraw.DrawSurface(), kGrey).Left, 76);
  EXPECT_EQ(LitBox(form.MDXDraw.DrawSurface(), kGrey).Top, 50 + 40 / 5);
}

TEST(TextDraw, GlyphsTakeTheStyleColourAndLeaveTheBackground) {
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  Surface& s = form.MDXDraw.DrawSurface();
  const uint16_t background = Rgb565(0, 0, 255);
  for (int style : {1, 2, 6, 7, 13}) {
    SCOPED_TRACE(style);
    s.Fill(background);
    SelectFontStyle(form, style);
    DrawText(form, "X X", 10, 10, false);
    const FontStyle& f = kFontStyles[style];
    const int advance = TextWidth(form, "X");
    const int middle = 10 + TextHeight(form, "X") / 2;
    EXPECT_EQ(s.At(11, middle), Rgb565(f.R, f.G, f.B));
    // The space between the letters keeps the background: no box behind the text.
    EXPECT_EQ(s.At(10 + advance + advance / 2, middle), background);
    EXPECT_EQ(s.At(9, middle), background);
  }
}

// A rasteriser whose every pixel is half covered.
class HalfCoverage : public FixedMetricsRasterizer {
 public:
  GlyphMask Render(const std::string& face, int size, bool bold, const std::string& text) override {
    GlyphMask m = FixedMetricsRasterizer::Render(face, size, bold, text);
    for (uint8_t& a : m.Alpha) a = 128;
    return m;
  }
};

TEST(TextDraw, PartialCoverageBlendsWithTheFrame) {
  HalfCoverage fonts;
  TextCanvas canvas(fonts);
  Surface s(40, 40);
  s.Fill(Rgb565(255, 255, 255));
  canvas.SelectStyle(7);  // black
  canvas.Draw(s, "a", 0, 0);
  const uint16_t p = s.At(5, 5);
  EXPECT_NEAR((p >> 11) & 0x1F, 16, 1);
  EXPECT_NEAR((p >> 5) & 0x3F, 32, 1);
  EXPECT_NEAR(p & 0x1F, 16, 1);
}

TEST(TextDraw, ClipsAtEveryEdge) {
  FixedMetricsRasterizer fonts;
  TextCanvas canvas(fonts);
  // Style 12: 24 pt = 32 px: advance 16, line 40, boxes from row 8 to 32, black on white.
  canvas.SelectStyle(12);
  Surface s(100, 60);
  for (auto [x, y] : {std::pair{-20, -10}, std::pair{90, 50}, std::pair{-500, 0}, std::pair{0, 70},
                      std::pair{95, -30}}) {
    s.Fill(Rgb565(255, 255, 255));
    canvas.Draw(s, "abcdef", x, y);
    for (int py = 0; py < s.Height(); ++py) {
      for (int px = 0; px < s.Width(); ++px) {
        // Black exactly where a box of the text falls on the surface.
        const int gx = px - x;
        const int gy = py - y;
        const bool inBox = gx >= 0 && gx < 96 && gx % 16 < 15 && gy >= 8 && gy < 32;
        ASSERT_EQ(s.At(px, py) == 0, inBox) << x << "," << y << " at " << px << "," << py;
      }
    }
  }
}

TEST(TextDraw, NothingIsDrawnWhileTheDisplayCannotDraw) {
  HeadlessGame game;
  game.Create();
  TMForm& form = game.Form();
  form.MDXDraw.DrawSurface().Fill(0);
  game.Platform().display->SetLost(true);
  DrawText(form, "abc", 10, 10, false);
  game.Platform().display->SetLost(false);
  EXPECT_TRUE(LitBox(form.MDXDraw.DrawSurface()).IsEmpty());
}

TEST(TextCache, SameTextRendersOnceAndTheCacheStaysBounded) {
  FixedMetricsRasterizer fonts;
  TextCanvas canvas(fonts);
  Surface s(800, 600);
  canvas.SelectStyle(2);
  for (int i = 0; i < 100; ++i) {
    canvas.Draw(s, "Score 100", 10, 10);
    canvas.Width("Score 100");
  }
  EXPECT_EQ(fonts.RenderCalls(), 1);
  EXPECT_EQ(fonts.MetricCalls(), 1);
  canvas.SelectStyle(6);  // another style is another picture
  canvas.Draw(s, "Score 100", 10, 10);
  EXPECT_EQ(fonts.RenderCalls(), 2);
  for (int i = 0; i < 5000; ++i) canvas.Draw(s, std::to_string(i), 10, 10);
  EXPECT_LE(canvas.CachedStrings(), TextCanvas::kCacheLimit);
  EXPECT_EQ(fonts.RenderCalls(), 5002);
}

TEST(FontStyles, FacesAndSizesReachTheRasteriser) {
  FixedMetricsRasterizer fonts;
  TextCanvas canvas(fonts);
  Surface s(800, 600);
  struct Case {
    int style;
    const char* face;
    int pixels;
  };
  for (Case c : {Case{13, "DS Crystal", 40}, Case{8, "Arial Black", 40},
                 Case{11, "Times New Roman", 40}, Case{1, "Arial", 21}, Case{17, "Arial", 16}}) {
    canvas.SelectStyle(c.style);
    canvas.Draw(s, "z", 0, 0);
    EXPECT_EQ(fonts.LastFace(), c.face);
    EXPECT_EQ(canvas.Height("z"), FixedMetricsRasterizer::LineHeight(c.pixels));
  }
  // A line shrunk to fit is measured and drawn at its own size, until the next style.
  canvas.SelectStyle(13);
  canvas.SetPixelSize(30);
  EXPECT_EQ(canvas.Width("zz"), 2 * FixedMetricsRasterizer::Advance(30, false));
  EXPECT_EQ(canvas.Height("zz"), FixedMetricsRasterizer::LineHeight(30));
  canvas.SelectStyle(13);
  EXPECT_EQ(canvas.Width("zz"), 2 * FixedMetricsRasterizer::Advance(40, false));
}

TEST(TextDraw, RealFacesDrawCyrillicInEveryStyle) {
  HeadlessGame::Options options;
  options.RealFonts = true;
  HeadlessGame game(options);
  game.Create();
  TMForm& form = game.Form();
  const std::string level = "\xD3\xF0\xEE\xE2\xE5\xED\xFC 1";  // "Уровень 1" in Windows-1251
  for (int style = 1; style <= kFontStyleCount; ++style) {
    SCOPED_TRACE(style);
    SelectFontStyle(form, style);
    Surface& s = form.MDXDraw.DrawSurface();
    s.Fill(kGrey);
    DrawTextAnchored(form, level, 400, 300, true, true);
    const TRect box = LitBox(s, kGrey);
    ASSERT_FALSE(box.IsEmpty());
    // Centred on the anchor within a few pixels of side bearing.
    EXPECT_NEAR((box.Left + box.Right) / 2.0, 400, 4);
    EXPECT_LE(box.Width(), TextWidth(form, level) + 2);
    EXPECT_GT(box.Width(), TextWidth(form, level) / 2);
  }
  // Windows metrics: Arial 16 pt is 24 pixels high.
  SelectFontStyle(form, 1);
  EXPECT_NEAR(TextHeight(form, level), 24, 1);
}

}  // namespace
}  // namespace vontra
