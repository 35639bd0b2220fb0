#include "frontend/high_score_table.h"

#include <utility>

#include "app/mform.h"

namespace vontra {
namespace {

// "Пуфа" in Windows-1251.
constexpr const char* kDefaultName = "\xCF\xF3\xF4\xE0";

}  // namespace

void ResetHighScores(FrontEndState& state) {
  for (int row = 1; row <= kTableRows; ++row) {
    state.HighScores[row] = THighScore{kDefaultName, 5500 - 500 * row, 0, 0};
  }
}

bool QualifiesForTable(const FrontEndState& state, int32_t score) {
  for (int row = 1; row <= kTableRows; ++row) {
    if (state.HighScores[row].Score < score) return true;
  }
  return false;
}

bool QualifiesForTable(const TMForm& form) {
  return QualifiesForTable(form, form.Score);
}

void InsertResult(FrontEndState& state, const std::string& name, int32_t score) {
  state.HighScores[kTableRows + 1] = THighScore{name, score, 0, 0};
  SortHighScores(state);
}

void InsertResult(TMForm& form) {
  InsertResult(form, form.PlayerName, form.Score);
}

void SortHighScores(FrontEndState& state) {
  auto& rows = state.HighScores;
  for (int pass = 1; pass <= kTableRows; ++pass) {
    for (int a = 1; a <= kTableRows + 1 - pass; ++a) {
      if (rows[a].Score < rows[a + 1].Score) std::swap(rows[a], rows[a + 1]);
    }
  }
}

void NameEntryKey(FrontEndState& state, uint8_t ch) {
  std::string& name = state.PlayerName;
  if (ch == 8) {
    if (!name.empty()) name.pop_back();
  } else if (ch >= 32 && name.size() < kMaxNameLength) {
    name.push_back(static_cast<char>(ch));
  }
}

}  // namespace vontra
