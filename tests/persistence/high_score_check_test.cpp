#include "persistence/high_score_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "frontend/high_score_table.h"

namespace vontra {
namespace {

void FillTable(FrontEndState& state, const std::string& name, int32_t score) {
  for (int row = 1; row <= 10; ++row) state.HighScores[row] = THighScore{name, score, 0, 0};
}

TEST(HighScoreCheck, NamesAbWithZeroScoresGiveBytes234And116) {
  FrontEndState state;
  FillTable(state, "AB", 0);
  const std::string check = MakeHighScoreCheck(state);
  ASSERT_EQ(check.size(), 2u);
  EXPECT_EQ(static_cast<uint8_t>(check[0]), 234);
  EXPECT_EQ(static_cast<uint8_t>(check[1]), 116);
}

TEST(HighScoreCheck, EmptyNamesGiveEmptyTextThatMatchesAnEmptyStoredLine) {
  FrontEndState state;
  FillTable(state, "", 4000);
  EXPECT_EQ(MakeHighScoreCheck(state), "");
  EXPECT_TRUE(HighScoreCheckMatches(state));
  state.HighScoreCheck = " ";
  EXPECT_FALSE(HighScoreCheckMatches(state));
}

TEST(HighScoreCheck, ScoreDigitsPastTheLongestNameAreDropped) {
  FrontEndState state;
  FillTable(state, "A", 5000);
  const std::string base = MakeHighScoreCheck(state);
  ASSERT_EQ(base.size(), 1u);

  state.HighScores[4].Score = 5999;  // same first digit: beyond the accumulator
  EXPECT_EQ(MakeHighScoreCheck(state), base);
  state.HighScores[4].Score = 6000;  // first digit changes the check
  EXPECT_NE(MakeHighScoreCheck(state), base);
}

TEST(HighScoreCheck, DefaultTableIsNoticedWhenANameOrScoreIsEdited) {
  FrontEndState state;
  ResetHighScores(state);
  state.HighScoreCheck = MakeHighScoreCheck(state);
  ASSERT_TRUE(HighScoreCheckMatches(state));
  for (uint8_t byte : state.HighScoreCheck) {
    EXPECT_GE(byte, 32);  // never a line break
  }

  // The state owns the screens' sprites and is not copied: copy the table and its check.
  FrontEndState edited;
  const auto copyTable = [&] {
    std::copy(std::begin(state.HighScores), std::end(state.HighScores), edited.HighScores);
    edited.HighScoreCheck = state.HighScoreCheck;
  };
  copyTable();
  ASSERT_TRUE(HighScoreCheckMatches(edited));
  edited.HighScores[7].Score = 9000;
  EXPECT_FALSE(HighScoreCheckMatches(edited));
  copyTable();
  edited.HighScores[2].Name = "Bob";
  EXPECT_FALSE(HighScoreCheckMatches(edited));
}

}  // namespace
}  // namespace vontra
