// vontra-save-view FOLDER: what the game's next start makes of the save files under FOLDER
// (the folder that holds Data/Save). It takes the same steps as the start: an interrupted save
// is completed or dropped, the table and the options are read and the table's check text is
// compared; it prints whether each file was there, whether the check matched (a start would
// otherwise replace the table by the default one), and the ten rows as "row NAME_HEX SCORE".
#include <cstdio>
#include <string>

#include "app/front_end_state.h"
#include "persistence/high_score_check.h"
#include "persistence/save_files.h"
#include "persistence/save_pair.h"
#include "platform/posix/posix_files.h"

int main(int argc, char** argv) {
  using namespace vontra;
  if (argc != 2) {
    std::fprintf(stderr, "usage: vontra-save-view FOLDER\n");
    return 2;
  }
  PosixFiles files(argv[1]);
  CompleteSavePair(files);
  const bool tablePresent = files.Exists(kHighScoresPath);
  const bool optionsPresent = files.Exists(kOptionsPath);
  FrontEndState state;
  uint8_t fullScreen = 0;
  LoadHighScores(state, files);
  LoadOptions(state, fullScreen, files);
  std::printf("hs %s\noptions %s\ncheck %s\n", tablePresent ? "present" : "missing",
              optionsPresent ? "present" : "missing",
              HighScoreCheckMatches(state) ? "matches" : "fails");
  for (int row = 1; row <= 10; ++row) {
    std::string hex;
    for (unsigned char c : state.HighScores[row].Name) {
      char pair[3];
      std::snprintf(pair, sizeof pair, "%02x", c);
      hex += pair;
    }
    std::printf("row %s %d\n", hex.empty() ? "-" : hex.c_str(), state.HighScores[row].Score);
  }
  return 0;
}
