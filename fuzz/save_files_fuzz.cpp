// Feeds arbitrary bytes to the save-file readers as the start-up reads them: the table, the
// options and the check text that ties them together. The input is the table file, a NUL
// byte, then the options file (neither file holds a NUL). Whatever a reader accepts must
// come back unchanged through its writer, or a save would change what the player had.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/front_end_state.h"
#include "frontend/high_score_table.h"
#include "persistence/high_score_check.h"
#include "persistence/save_files.h"

namespace {

bool SameRows(const vontra::FrontEndState& a, const vontra::FrontEndState& b) {
  for (int row = 1; row <= vontra::kTableRows; ++row) {
    const auto& x = a.HighScores[row];
    const auto& y = b.HighScores[row];
    if (x.Name != y.Name || x.Score != y.Score || x.Level != y.Level || x.Extra != y.Extra) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vontra;
  const uint8_t* end = data + size;
  const uint8_t* nul = std::find(data, end, uint8_t{0});
  const std::vector<uint8_t> table(data, nul);
  const std::vector<uint8_t> options(nul == end ? end : nul + 1, end);

  FrontEndState state;
  ResetHighScores(state);
  if (DecodeHighScores(table, state)) {
    FrontEndState again;
    if (!DecodeHighScores(EncodeHighScores(state), again) || !SameRows(state, again)) abort();
  }
  if (auto read = DecodeOptions(options)) {
    auto again = DecodeOptions(EncodeOptions(*read));
    if (!again || again->FullScreen != read->FullScreen || again->MusicOn != read->MusicOn ||
        again->SoundOn != read->SoundOn || again->ExtraText != read->ExtraText ||
        again->HighScoreCheck != read->HighScoreCheck) {
      abort();
    }
    state.HighScoreCheck = read->HighScoreCheck;
  }
  // The check text made from a table must match that same table.
  (void)HighScoreCheckMatches(state);
  state.HighScoreCheck = MakeHighScoreCheck(state);
  if (!HighScoreCheckMatches(state)) abort();
  return 0;
}
