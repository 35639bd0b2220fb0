#include "persistence/save_files.h"

#include <gtest/gtest.h>

#include "frontend/high_score_table.h"
#include "persistence/high_score_check.h"
#include "persistence/memory_files.h"
#include "persistence/save_pair.h"

namespace vontra {
namespace {

std::string DefaultTableText() {
  FrontEndState state;
  ResetHighScores(state);
  auto bytes = EncodeHighScores(state);
  return std::string(bytes.begin(), bytes.end());
}

void ExpectDefaultTable(const FrontEndState& state) {
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(state.HighScores[row].Name, "\xCF\xF3\xF4\xE0") << row;
    EXPECT_EQ(state.HighScores[row].Score, 5500 - 500 * row) << row;
    EXPECT_EQ(state.HighScores[row].Level, 0);
    EXPECT_EQ(state.HighScores[row].Extra, 0);
  }
}

TEST(HighScoreFile, WrittenAsFortyCrLfLinesAndReadBackWhole) {
  FrontEndState state;
  ResetHighScores(state);
  state.HighScores[1] = THighScore{"\xC2\xE0\xF1\xFF Z", 123456, -7, 2147483647};
  state.HighScores[2] = THighScore{"", -40, 0, 0};
  MemoryFiles files;
  SaveHighScores(state, files);

  const std::string text = files.Text(kHighScoresPath);
  const std::string head = "\xC2\xE0\xF1\xFF Z\r\n123456\r\n-7\r\n2147483647\r\n\r\n-40\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  size_t crlf = 0;
  for (size_t i = 0; i + 1 < text.size(); ++i) crlf += text[i] == '\r' && text[i + 1] == '\n';
  EXPECT_EQ(crlf, 40u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

  FrontEndState loaded;
  LoadHighScores(loaded, files);
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(loaded.HighScores[row].Name, state.HighScores[row].Name);
    EXPECT_EQ(loaded.HighScores[row].Score, state.HighScores[row].Score);
    EXPECT_EQ(loaded.HighScores[row].Level, state.HighScores[row].Level);
    EXPECT_EQ(loaded.HighScores[row].Extra, state.HighScores[row].Extra);
  }
}

TEST(HighScoreFile, MissingOrMalformedFileGivesTheDefaultTable) {
  const std::string good = DefaultTableText();
  auto replaceLine = [&](int index, const std::string& with) {
    std::string text = good;
    size_t start = 0;
    for (int i = 0; i < index; ++i) start = text.find("\r\n", start) + 2;
    text.replace(start, text.find("\r\n", start) - start, with);
    return text;
  };
  struct Case {
    const char* what;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"missing", std::nullopt},
      {"empty", ""},
      {"39 lines", good.substr(0, good.size() - 3)},
      {"score not a number", replaceLine(5, "12x")},
      {"score with plus sign", replaceLine(5, "+12")},
      {"score past 32 bits", replaceLine(1, "2147483648")},
      {"further value empty", replaceLine(39, "")},
  };
  for (const Case& c : cases) {
    MemoryFiles files;
    if (c.text) files.Put(kHighScoresPath, *c.text);
    FrontEndState state;
    state.HighScores[3] = THighScore{"Someone", 1, 2, 3};
    LoadHighScores(state, files);
    SCOPED_TRACE(c.what);
    ExpectDefaultTable(state);
  }
}

TEST(HighScoreFile, LinuxLineEndsAndAMissingFinalBreakStillRead) {
  std::string text;
  for (int row = 1; row <= 10; ++row)
    text += "N" + std::to_string(row) + "\n" + std::to_string(100 - row) + "\n0\n0\n";
  text.pop_back();
  MemoryFiles files;
  files.Put(kHighScoresPath, text);
  FrontEndState state;
  LoadHighScores(state, files);
  EXPECT_EQ(state.HighScores[10].Name, "N10");
  EXPECT_EQ(state.HighScores[10].Score, 90);
}

TEST(OptionsFile, MissingOrMalformedFileGivesTheDefaults) {
  const std::optional<std::string> texts[] = {
      std::nullopt,
      "1\r\n0\r\n0\r\nabc\r\n",        // check line missing
      "1\r\nyes\r\n0\r\nabc\r\n\r\n",  // switch not a number
  };
  for (const auto& text : texts) {
    MemoryFiles files;
    if (text) files.Put(kOptionsPath, *text);
    FrontEndState state;
    state.MusicOn = false;
    state.HighScoreCheck = "stale";
    uint8_t fullScreen = 1;
    LoadOptions(state, fullScreen, files);
    SCOPED_TRACE(text.value_or("missing"));
    EXPECT_EQ(fullScreen, 0);
    EXPECT_TRUE(state.MusicOn);
    EXPECT_TRUE(state.SoundOn);
    EXPECT_EQ(state.ExtraText, "_______");
    EXPECT_EQ(state.HighScoreCheck, "");
  }
}

TEST(OptionsFile, AnyNonZeroSwitchReadsAsOnAndIsWrittenBackAsOne) {
  MemoryFiles files;
  files.Put(kOptionsPath, "2\r\n0\r\n-3\r\n\xDF\xE0 x\r\nCHK\r\n");
  FrontEndState state;
  uint8_t fullScreen = 0;
  LoadOptions(state, fullScreen, files);
  EXPECT_EQ(fullScreen, 1);
  EXPECT_FALSE(state.MusicOn);
  EXPECT_TRUE(state.SoundOn);
  EXPECT_EQ(state.ExtraText, "\xDF\xE0 x");
  EXPECT_EQ(state.HighScoreCheck, "CHK");

  ResetHighScores(state);
  SaveOptions(state, fullScreen, files);
  EXPECT_EQ(files.Text(kOptionsPath),
            "1\r\n0\r\n1\r\n\xDF\xE0 x\r\n" + MakeHighScoreCheck(state) + "\r\n");
}

// The start-up order: table, options, then the check decides whether the table stands.
bool StartUpKeepsTable(MemoryFiles& files, FrontEndState& state) {
  uint8_t fullScreen = 0;
  LoadHighScores(state, files);
  LoadOptions(state, fullScreen, files);
  return HighScoreCheckMatches(state);
}

TEST(SaveFiles, SavedTableSurvivesARestartAndAnEditedOneFailsTheCheck) {
  FrontEndState first;
  ResetHighScores(first);
  first.PlayerName = "Ann";
  InsertResult(first, first.PlayerName, 4200);
  MemoryFiles files;
  SaveOptions(first, 0, files);
  SaveHighScores(first, files);

  FrontEndState second;
  ASSERT_TRUE(StartUpKeepsTable(files, second));
  EXPECT_EQ(second.HighScores[3].Name, "Ann");
  EXPECT_EQ(second.HighScores[3].Score, 4200);

  std::string edited = files.Text(kHighScoresPath);
  edited.replace(edited.find("4200"), 4, "9200");
  files.Put(kHighScoresPath, edited);
  FrontEndState third;
  EXPECT_FALSE(StartUpKeepsTable(files, third));

  files.files.erase(kOptionsPath);  // table kept, options gone: stored check is empty
  FrontEndState fourth;
  EXPECT_FALSE(StartUpKeepsTable(files, fourth));
}

// A line edited past its field is cut to the field and costs neither the file nor the table:
// the game's own table comes back whenever the cut restores what the game wrote, and an edit
// that the cut does not undo still fails the check.
TEST(SaveFiles, OverLongLinesAreCutToTheirFieldAndTheTableSurvives) {
  // "Иванов-Пет": a name of the full ten characters.
  const std::string fullName = "\xC8\xE2\xE0\xED\xEE\xE2-\xCF\xE5\xF2";
  struct Case {
    const char* what;
    const char* path;
    std::string from, to;  // the first line equal to `from` is replaced
    bool tableKept;
    std::string extraText;
  };
  const Case cases[] = {
      {"text field of 11 bytes", kOptionsPath, "0123456789", "0123456789X", true, "0123456789"},
      {"text field of 300 bytes", kOptionsPath, "0123456789", "0123456789" + std::string(290, 'z'),
       true, "0123456789"},
      {"name with bytes added", kHighScoresPath, fullName, fullName + "  \xC0", true, "0123456789"},
      {"check text with bytes added", kOptionsPath, "", "", true, "0123456789"},
      {"short name made long", kHighScoresPath, "Ann", "Ann-and-more", false, "0123456789"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrontEndState game;
    ResetHighScores(game);
    game.ExtraText = "0123456789";
    InsertResult(game, fullName, 4200);
    InsertResult(game, "Ann", 3100);
    MemoryFiles files;
    ASSERT_TRUE(SaveTableAndOptions(game, 0, files));
    const std::string check = MakeHighScoreCheck(game);
    ASSERT_EQ(check.size(), fullName.size());

    // The hand edit.
    const std::string from = c.from.empty() ? check : c.from;
    const std::string to = c.to.empty() ? check + "xyz" : c.to;
    std::string text = files.Text(c.path);
    const size_t at = text.find("\r\n" + from + "\r\n");
    ASSERT_NE(at, std::string::npos);
    text.replace(at + 2, from.size(), to);
    files.Put(c.path, text);

    FrontEndState next;
    uint8_t fullScreen = 0;
    LoadTableAndOptions(next, fullScreen, files);
    EXPECT_EQ(next.ExtraText, c.extraText);
    EXPECT_EQ(next.HighScoreCheck, check);
    if (c.tableKept) {
      EXPECT_EQ(next.HighScores[3].Name, fullName);
      EXPECT_EQ(next.HighScores[3].Score, 4200);
      EXPECT_EQ(next.HighScores[6].Name, "Ann");
    } else {
      ExpectDefaultTable(next);
    }
  }
}

}  // namespace
}  // namespace vontra
