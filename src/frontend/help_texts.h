#pragma once
// The words of the help pages and the credits, in Windows-1251.
#include <string>
#include <string_view>
#include <vector>

namespace vontra {

struct HelpLine {
  int Style;
  int X;
  int Y;
  std::string Text;
};

inline constexpr int kHelpPages = 5;

// Every text line of page 1..5 in drawing order, title first; `homePage` is the address shown
// on the credits page.
std::vector<HelpLine> HelpPageLines(int page, std::string_view homePage);

}  // namespace vontra
