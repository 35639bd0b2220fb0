#include "persistence/save_pair.h"

#include <string>

#include "app/mform.h"
#include "frontend/high_score_table.h"
#include "persistence/high_score_check.h"
#include "persistence/save_files.h"
#include "platform/files.h"

namespace vontra {
namespace {

std::string Staged(const char* path) {
  return std::string(path) + ".new";
}
std::string Temporary(const char* path) {
  return std::string(path) + ".tmp";
}

// A file appears under its ".new" name only once it is whole and durable.
bool Stage(IFiles& files, const char* path, const std::vector<uint8_t>& data) {
  return files.Write(Temporary(path), data) && files.Sync(Temporary(path)) &&
         files.Rename(Temporary(path), Staged(path));
}

}  // namespace

void CompleteSavePair(IFiles& files) {
  const std::string tableNew = Staged(kHighScoresPath);
  const std::string optionsNew = Staged(kOptionsPath);
  // The table is staged first and committed first, so a staged options file without a staged
  // table means the table is already in place.
  const bool tableStaged = files.Exists(tableNew);
  const bool optionsStaged = files.Exists(optionsNew);
  if (tableStaged && optionsStaged) {
    if (files.Rename(tableNew, kHighScoresPath)) files.Rename(optionsNew, kOptionsPath);
  } else if (tableStaged) {
    files.Remove(tableNew);
  } else if (optionsStaged) {
    files.Rename(optionsNew, kOptionsPath);
  }
  files.Remove(Temporary(kOptionsPath));
  files.Remove(Temporary(kHighScoresPath));
}

bool SaveTableAndOptions(const FrontEndState& state, uint8_t fullScreen, IFiles& files) {
  CompleteSavePair(files);
  if (!Stage(files, kHighScoresPath, EncodeHighScores(state))) {
    files.Remove(Staged(kHighScoresPath));
    return false;
  }
  if (!Stage(files, kOptionsPath, EncodeOptions(OptionsOf(state, fullScreen)))) {
    files.Remove(Staged(kHighScoresPath));
    return false;
  }
  // From here on a crash leaves a pair that the next start commits.
  return files.Rename(Staged(kHighScoresPath), kHighScoresPath) &&
         files.Rename(Staged(kOptionsPath), kOptionsPath);
}

void LoadTableAndOptions(FrontEndState& state, uint8_t& fullScreen, IFiles& files) {
  CompleteSavePair(files);
  LoadHighScores(state, files);
  LoadOptions(state, fullScreen, files);
  if (!HighScoreCheckMatches(state)) ResetHighScores(state);
}

void LoadTableAndOptions(TMForm& form) {
  LoadTableAndOptions(form, form.FullScreen, *form.platform.files);
}

bool SaveTableAndOptions(TMForm& form) {
  return SaveTableAndOptions(form, form.FullScreen, *form.platform.files);
}

}  // namespace vontra
