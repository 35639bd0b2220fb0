#include "persistence/save_files.h"

#include "frontend/high_score_table.h"
#include "persistence/high_score_check.h"
#include "persistence/text_lines.h"
#include "platform/files.h"

namespace vontra {
namespace {

constexpr size_t kLinesPerRow = 4;
constexpr size_t kOptionLines = 5;

// A text line longer than its field (a hand edit, another editor's trailing bytes) is cut to
// the field, so that one line never costs the whole file, and with it the table.
std::string Field(const std::string& line, size_t length) {
  return line.substr(0, length);
}

}  // namespace

std::vector<uint8_t> EncodeHighScores(const FrontEndState& state) {
  std::vector<std::string> lines;
  for (int row = 1; row <= kTableRows; ++row) {
    const THighScore& r = state.HighScores[row];
    lines.push_back(r.Name);
    lines.push_back(std::to_string(r.Score));
    lines.push_back(std::to_string(r.Level));
    lines.push_back(std::to_string(r.Extra));
  }
  return JoinLines(lines);
}

bool DecodeHighScores(const std::vector<uint8_t>& bytes, FrontEndState& state) {
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.size() < kLinesPerRow * kTableRows) return false;
  THighScore rows[kTableRows];
  for (size_t i = 0; i < kTableRows; ++i) {
    const std::string* line = &lines[i * kLinesPerRow];
    auto score = ParseInt32(line[1]);
    auto level = ParseInt32(line[2]);
    auto extra = ParseInt32(line[3]);
    if (!score || !level || !extra) return false;
    rows[i] = THighScore{Field(line[0], kMaxNameLength), *score, *level, *extra};
  }
  for (int row = 1; row <= kTableRows; ++row) state.HighScores[row] = rows[row - 1];
  return true;
}

std::vector<uint8_t> EncodeOptions(const TGameOptions& options) {
  return JoinLines({options.FullScreen ? "1" : "0", options.MusicOn ? "1" : "0",
                    options.SoundOn ? "1" : "0", options.ExtraText, options.HighScoreCheck});
}

std::optional<TGameOptions> DecodeOptions(const std::vector<uint8_t>& bytes) {
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.size() < kOptionLines) return std::nullopt;
  auto full = ParseInt32(lines[0]);
  auto music = ParseInt32(lines[1]);
  auto sound = ParseInt32(lines[2]);
  if (!full || !music || !sound) return std::nullopt;
  // The check text is as long as the longest name at most.
  return TGameOptions{static_cast<uint8_t>(*full != 0), *music != 0, *sound != 0,
                      Field(lines[3], kMaxExtraTextLength), Field(lines[4], kMaxNameLength)};
}

bool FileReadable(IFiles& files, const std::string& path) {
  return !path.empty() && files.ReadAll(path).has_value();
}

void LoadHighScores(FrontEndState& state, IFiles& files) {
  auto bytes = files.ReadAll(kHighScoresPath);
  if (!bytes || !DecodeHighScores(*bytes, state)) ResetHighScores(state);
}

void SaveHighScores(const FrontEndState& state, IFiles& files) {
  files.WriteAtomic(kHighScoresPath, EncodeHighScores(state));
}

void LoadOptions(FrontEndState& state, uint8_t& fullScreen, IFiles& files) {
  TGameOptions options;
  if (auto bytes = files.ReadAll(kOptionsPath)) {
    if (auto read = DecodeOptions(*bytes)) options = *read;
  }
  fullScreen = options.FullScreen;
  state.MusicOn = options.MusicOn;
  state.SoundOn = options.SoundOn;
  state.ExtraText = options.ExtraText;
  state.HighScoreCheck = options.HighScoreCheck;
}

TGameOptions OptionsOf(const FrontEndState& state, uint8_t fullScreen) {
  return {fullScreen, state.MusicOn, state.SoundOn, state.ExtraText, MakeHighScoreCheck(state)};
}

void SaveOptions(const FrontEndState& state, uint8_t fullScreen, IFiles& files) {
  files.WriteAtomic(kOptionsPath, EncodeOptions(OptionsOf(state, fullScreen)));
}

}  // namespace vontra
