#pragma once
// Fitting text into a width measured with the faces actually installed: the faces that stand
// in for the game's Windows fonts are not all as narrow as the originals.
#include <functional>
#include <string>
#include <vector>

namespace vontra {

// Width in pixels of a text at an em height in pixels.
using TextWidthAt = std::function<int(const std::string& text, int pixels)>;

// Never shrink text below this em height: smaller is unreadable.
inline constexpr int kSmallestFitPixels = 9;

// The largest em height from `pixels` down at which `text` is at most `maxWidth` wide
// (kSmallestFitPixels when even that is too wide).
int FitPixelSize(const TextWidthAt& width, const std::string& text, int pixels, int maxWidth);

// Breaks a paragraph at blanks into lines at most `maxWidth` wide at `pixels`. Blanks that
// open the paragraph (an indent) stay on its first line; a word too wide for any line gets a
// line of its own.
std::vector<std::string> BreakIntoLines(const TextWidthAt& width, const std::string& paragraph,
                                        int pixels, int maxWidth);

}  // namespace vontra
