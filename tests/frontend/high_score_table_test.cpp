#include "frontend/high_score_table.h"

#include <gtest/gtest.h>

namespace vontra {
namespace {

const std::string kPufa = "\xCF\xF3\xF4\xE0";

TEST(HighScoreTable, DefaultTableAndWhichScoresQualify) {
  FrontEndState state;
  state.HighScores[11] = THighScore{"scratch", 77, 0, 0};
  ResetHighScores(state);
  EXPECT_EQ(state.HighScores[1].Score, 5000);
  EXPECT_EQ(state.HighScores[10].Score, 500);
  EXPECT_EQ(state.HighScores[10].Name, kPufa);
  EXPECT_EQ(state.HighScores[11].Name, "scratch");  // row 11 untouched

  const std::pair<int32_t, bool> cases[] = {
      {500, false}, {501, true}, {0, false}, {-1, false}, {5001, true}};
  for (auto [score, qualifies] : cases) {
    EXPECT_EQ(QualifiesForTable(state, score), qualifies) << score;
  }
}

TEST(HighScoreTable, NewResultReplacesTheWorstRow) {
  FrontEndState state;
  ResetHighScores(state);
  InsertResult(state, "Ann", 501);
  EXPECT_EQ(state.HighScores[10].Name, "Ann");
  EXPECT_EQ(state.HighScores[10].Score, 501);
  EXPECT_EQ(state.HighScores[11].Score, 500);  // fell off the table
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(state.HighScores[row].Score, 5500 - 500 * row);

  InsertResult(state, "Top", 99999);
  EXPECT_EQ(state.HighScores[1].Name, "Top");
  EXPECT_EQ(state.HighScores[2].Score, 5000);
  EXPECT_EQ(state.HighScores[10].Score, 1000);
}

TEST(HighScoreTable, TiedResultGoesBelowEveryRowWithTheSameScore) {
  FrontEndState state;
  ResetHighScores(state);
  state.HighScores[4] = THighScore{"Old", 3000, 0, 0};  // rows 4 and 5 both hold 3000 now
  InsertResult(state, "", 3000);
  EXPECT_EQ(state.HighScores[4].Name, "Old");
  EXPECT_EQ(state.HighScores[5].Name, kPufa);
  EXPECT_EQ(state.HighScores[6].Name, "");  // empty names are stored as they are
  EXPECT_EQ(state.HighScores[6].Score, 3000);
  EXPECT_EQ(state.HighScores[7].Score, 2500);
}

TEST(HighScoreTable, NameEntryKeys) {
  struct Case {
    std::string start;
    std::vector<uint8_t> keys;
    std::string expected;
  };
  const Case cases[] = {
      {"", {'a', 'B', '1', '.', ' '}, "aB1. "},
      {"", {0xC0, 0xFF, 0xB8}, "\xC0\xFF\xB8"},  // Cyrillic as typed
      {"", {8, 8}, ""},                          // Backspace on an empty name
      {"abc", {8}, "ab"},
      {"0123456789", {'x'}, "0123456789"},  // an eleventh character is refused
      {"012345678", {'x', 'y'}, "012345678x"},
      {"ab", {13, 27, 9, 1, 31}, "ab"},  // other control codes do nothing
  };
  for (const Case& c : cases) {
    FrontEndState state;
    state.PlayerName = c.start;
    for (uint8_t key : c.keys) NameEntryKey(state, key);
    EXPECT_EQ(state.PlayerName, c.expected) << c.start;
  }
}

}  // namespace
}  // namespace vontra
