#pragma once
// The table and the options file are one pair: the options carry the table's check text, so a
// new table beside an old check text (or the reverse) would fail the check and cost the player
// the table. Both files are therefore staged complete under ".new" names and renamed into place
// in a fixed order; CompleteSavePair finishes or undoes a pair that a crash interrupted.
#include <cstdint>

#include "app/front_end_state.h"

namespace vontra {

class IFiles;
class TMForm;

// Writes the table and the options (with the table's check text); false when a step failed,
// in which case the files on disk are still a whole pair (old or new).
bool SaveTableAndOptions(const FrontEndState& state, uint8_t fullScreen, IFiles& files);
bool SaveTableAndOptions(TMForm& form);

// Brings the save folder back to one whole pair after an interrupted save: a pair staged in
// full is committed, a half-staged one is dropped, and leftover temporaries are removed.
void CompleteSavePair(IFiles& files);

// The start-up read: completes the pair, reads the table and the options, and replaces a table
// that fails its check by the default one.
void LoadTableAndOptions(FrontEndState& state, uint8_t& fullScreen, IFiles& files);
void LoadTableAndOptions(TMForm& form);

}  // namespace vontra
