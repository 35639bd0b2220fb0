#pragma once
// The two save files, "Data\Save\hs" (the table) and "Data\Save\options" (switches, text
// field and the table's check text). Read once at start-up, written once at shutdown.
// A file that is missing or malformed (too few lines, a non-numeric value) reads as missing,
// so the defaults are used; a text line longer than its field is cut to it. A failed write is
// given up quietly, and the old file stays whole because writes go through a renamed temporary
// file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/front_end_state.h"

namespace vontra {

class IFiles;

inline constexpr const char* kHighScoresPath = "Data\\Save\\hs";
inline constexpr const char* kOptionsPath = "Data\\Save\\options";
inline constexpr const char* kDefaultExtraText = "_______";
inline constexpr size_t kMaxExtraTextLength = 10;

struct TGameOptions {
  uint8_t FullScreen = 0;
  bool MusicOn = true;
  bool SoundOn = true;
  std::string ExtraText = kDefaultExtraText;
  std::string HighScoreCheck;
};

std::vector<uint8_t> EncodeHighScores(const FrontEndState& state);
// Fills rows 1..10 only when the whole file is well-formed; false leaves them untouched.
bool DecodeHighScores(const std::vector<uint8_t>& bytes, FrontEndState& state);

std::vector<uint8_t> EncodeOptions(const TGameOptions& options);
std::optional<TGameOptions> DecodeOptions(const std::vector<uint8_t>& bytes);

bool FileReadable(IFiles& files, const std::string& path);

void LoadHighScores(FrontEndState& state, IFiles& files);
void SaveHighScores(const FrontEndState& state, IFiles& files);
// The options live in two state bases: the display switch in the shell's, the rest here.
void LoadOptions(FrontEndState& state, uint8_t& fullScreen, IFiles& files);
void SaveOptions(const FrontEndState& state, uint8_t fullScreen, IFiles& files);
// The options record of the state, with the check text of its table.
TGameOptions OptionsOf(const FrontEndState& state, uint8_t fullScreen);

}  // namespace vontra
