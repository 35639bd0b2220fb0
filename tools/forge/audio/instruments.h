#pragma once
// Sampled instruments for the tunes, synthesised from scratch.
#include "xm_writer.h"

namespace vontra::forge {

// Tonal instruments are tuned so that XM note C-4 sounds at 261.63 Hz (middle C).
// Envelope times are in ticks of the song that uses them.
XmInstrument Kick();
XmInstrument Snare(double brightness);
XmInstrument ClosedHat();
XmInstrument OpenHat();
XmInstrument Crash();
XmInstrument Clap();
// A warm pad of three slightly detuned, softened saws.
XmInstrument Pad(int attackTicks, int fadeout, double brightness);
// A round bass: a bright pluck falling into a mellow sustained tone.
XmInstrument Bass(double bite, int fadeout);
// A lead: two detuned pulse waves (hollow) or saws (bright), with delayed vibrato.
XmInstrument Lead(bool bright, uint8_t panning);
// An electric-piano pluck that dies away, for arpeggios.
XmInstrument Pluck(double decaySeconds, uint8_t panning);

// XM note number of a MIDI note (60 = middle C = C-4).
inline uint8_t XmNote(int midi) {
  return uint8_t(midi - 11);
}

}  // namespace vontra::forge
