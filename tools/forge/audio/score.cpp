#include "score.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vontra::forge {

int Score::NewPattern(int rows) {
  XmPattern p;
  p.rows = rows;
  p.cells.resize(size_t(rows * m_.channels));
  m_.patterns.push_back(std::move(p));
  return int(m_.patterns.size()) - 1;
}

XmCell& Score::Cell(int pattern, int row, int channel) {
  XmPattern& p = m_.patterns.at(size_t(pattern));
  if (row < 0 || row >= p.rows || channel < 0 || channel >= m_.channels) {
    throw std::out_of_range("cell outside the pattern");
  }
  return p.cells[size_t(row * m_.channels + channel)];
}

void Score::Note(int pattern, int row, int channel, int midi, int instrument, int volume,
                 int length) {
  XmCell& c = Cell(pattern, row, channel);
  c.note = XmNote(midi);
  c.instrument = uint8_t(instrument);
  c.volume = uint8_t(0x10 + std::min(volume, 64));
  const int off = row + length;
  if (length > 0 && off < m_.patterns[size_t(pattern)].rows) {
    XmCell& o = Cell(pattern, off, channel);
    if (o.note == 0) o.note = kNoteOff;
  }
}

void Score::Effect(int pattern, int row, int channel, uint8_t effect, uint8_t param) {
  XmCell& c = Cell(pattern, row, channel);
  c.effect = effect;
  c.param = param;
}

std::vector<MelodyNote> Delayed(const std::vector<MelodyNote>& notes, int rows) {
  std::vector<MelodyNote> out;
  for (const MelodyNote& n : notes) {
    if (n.row + rows < 64)
      out.push_back({n.row + rows, n.midi, std::min(n.length, 64 - n.row - rows)});
  }
  return out;
}

void Score::Melody(int pattern, int row, int channel, const std::vector<MelodyNote>& notes,
                   int instrument, int volume, int shift) {
  for (const MelodyNote& n : notes) {
    if (n.midi == 0) continue;
    Note(pattern, row + n.row, channel, n.midi + shift, instrument, volume, n.length);
  }
}

void Score::Drums(int pattern, int row, int channel, const char* steps, int instrument) {
  // Loudness by letter: 'X' accent, 'x' normal, 'o' soft, 'g' ghost.
  for (size_t i = 0; i < std::strlen(steps); ++i) {
    int volume = 0;
    switch (steps[i]) {
      case 'X':
        volume = 64;
        break;
      case 'x':
        volume = 50;
        break;
      case 'o':
        volume = 36;
        break;
      case 'g':
        volume = 20;
        break;
      default:
        continue;
    }
    Note(pattern, row + int(i), channel, 60, instrument, volume);
  }
}

}  // namespace vontra::forge
