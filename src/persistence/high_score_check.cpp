#include "persistence/high_score_check.h"

#include <algorithm>

namespace vontra {
namespace {

void Combine(std::string& acc, const std::string& text) {
  const size_t n = std::min(acc.size(), text.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned a = static_cast<uint8_t>(acc[i]);
    const unsigned t = static_cast<uint8_t>(text[i]);
    acc[i] = static_cast<char>((a + t) % 224 + 32);
  }
}

}  // namespace

std::string MakeHighScoreCheck(const FrontEndState& state) {
  size_t longest = 0;
  for (int row = 1; row <= 10; ++row)
    longest = std::max(longest, state.HighScores[row].Name.size());
  std::string acc(longest, ' ');
  for (int row = 1; row <= 10; ++row) {
    Combine(acc, state.HighScores[row].Name);
    Combine(acc, std::to_string(state.HighScores[row].Score));
  }
  return acc;
}

bool HighScoreCheckMatches(const FrontEndState& state) {
  return MakeHighScoreCheck(state) == state.HighScoreCheck;
}

}  // namespace vontra
