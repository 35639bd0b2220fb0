#pragma once
// Helpers for writing tunes into XM patterns: notes by MIDI number, lengths in rows.
#include <vector>

#include "instruments.h"
#include "xm_writer.h"

namespace vontra::forge {

constexpr int kRowsPerBar = 16;

struct MelodyNote {
  int row;     // from the start of the phrase
  int midi;    // 0 = rest
  int length;  // rows; the note is released after it
};

// The phrase delayed by `rows`, cut at the end of a 64-row pattern (an echo line).
std::vector<MelodyNote> Delayed(const std::vector<MelodyNote>& notes, int rows);

class Score {
 public:
  explicit Score(XmModule& module) : m_(module) {}

  // Appends an empty 64-row pattern and returns its number.
  int NewPattern(int rows = 64);
  XmCell& Cell(int pattern, int row, int channel);
  // A note with volume 0..64; a length > 0 puts a key-off after it (unless the row is past
  // the pattern's end or already holds a note).
  void Note(int pattern, int row, int channel, int midi, int instrument, int volume,
            int length = 0);
  void Effect(int pattern, int row, int channel, uint8_t effect, uint8_t param);
  // A phrase of notes, starting at `row`, transposed by `shift` semitones.
  void Melody(int pattern, int row, int channel, const std::vector<MelodyNote>& notes,
              int instrument, int volume, int shift = 0);
  // A drum line: one character per row, '.' silent, other characters from `volumes` map.
  void Drums(int pattern, int row, int channel, const char* steps, int instrument);

 private:
  XmModule& m_;
};

}  // namespace vontra::forge
