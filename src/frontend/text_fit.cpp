#include "frontend/text_fit.h"

#include <algorithm>

namespace vontra {

int FitPixelSize(const TextWidthAt& width, const std::string& text, int pixels, int maxWidth) {
  while (pixels > kSmallestFitPixels && width(text, pixels) > maxWidth) --pixels;
  return pixels;
}

std::vector<std::string> BreakIntoLines(const TextWidthAt& width, const std::string& paragraph,
                                        int pixels, int maxWidth) {
  std::vector<std::string> lines;
  const size_t indent = paragraph.find_first_not_of(' ');
  if (indent == std::string::npos) return lines;
  std::string line = paragraph.substr(0, indent);
  bool lineHasWord = false;
  size_t pos = indent;
  while (pos < paragraph.size()) {
    const size_t end = std::min(paragraph.find(' ', pos), paragraph.size());
    const std::string word = paragraph.substr(pos, end - pos);
    pos = paragraph.find_first_not_of(' ', end);
    if (pos == std::string::npos) pos = paragraph.size();
    if (word.empty()) continue;
    const std::string longer = lineHasWord ? line + ' ' + word : line + word;
    if (lineHasWord && width(longer, pixels) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    lineHasWord = true;
  }
  lines.push_back(line);
  return lines;
}

}  // namespace vontra
