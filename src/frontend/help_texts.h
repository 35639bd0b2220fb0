#pragma once
// The words of the help pages and the credits, in Windows-1251, and their layout inside the
// help panel.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vontra {

inline constexpr int kHelpPages = 5;

// One line as drawn: style, top-left corner, and the em height in pixels it is drawn at (the
// style's own size unless the line had to shrink to fit).
struct HelpLine {
  int Style;
  int X;
  int Y;
  std::string Text;
  int Pixels;
};

// Width in pixels of a text in a style at an em height.
using StyledTextWidth = std::function<int(int style, int pixels, const std::string& text)>;

// The panel's writing area: right of every line, below the last body line (above the
// button deck), and the left edge of the second column of bonus icons.
inline constexpr int kHelpTextRight = 507;
inline constexpr int kHelpTextBottom = 408;
inline constexpr int kHelpIconColumn2 = 310;
inline constexpr int kHelpBodyStep = 18;

// Every text line of page 1..5 in drawing order, title first; `homePage` is the address shown
// on the credits page. Body paragraphs are broken into lines by their measured width; a single
// line too wide for its place is drawn smaller.
std::vector<HelpLine> HelpPageLines(int page, std::string_view homePage,
                                    const StyledTextWidth& width);

}  // namespace vontra
