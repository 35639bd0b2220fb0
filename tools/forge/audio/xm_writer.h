#pragma once
// A writer for FastTracker 2 extended modules (XM 1.04): header, packed patterns, and
// instruments with 16-bit delta-coded samples.
#include <cstdint>
#include <string>
#include <vector>

namespace vontra::forge {

constexpr uint8_t kNoteOff = 97;

struct XmCell {
  uint8_t note = 0;        // 1..96 (1 = C-0), kNoteOff, 0 = none
  uint8_t instrument = 0;  // 1-based, 0 = none
  uint8_t volume = 0;      // volume column: 0x10..0x50 set volume 0..64, 0 = none
  uint8_t effect = 0;
  uint8_t param = 0;
};

struct XmPattern {
  int rows = 64;
  std::vector<XmCell> cells;  // rows * channels, row-major
};

struct XmSample {
  std::string name;
  std::vector<int16_t> data;
  uint32_t loopStart = 0;   // in samples
  uint32_t loopLength = 0;  // in samples; 0 = no loop
  uint8_t volume = 64;
  int8_t finetune = 0;
  uint8_t panning = 128;
  int8_t relativeNote = 0;
};

struct XmEnvelopePoint {
  uint16_t tick;
  uint16_t value;  // 0..64
};

struct XmInstrument {
  std::string name;
  XmSample sample;
  std::vector<XmEnvelopePoint> volumeEnvelope;  // empty = off
  int sustainPoint = -1;
  uint16_t fadeout = 0;
  uint8_t vibratoType = 0, vibratoSweep = 0, vibratoDepth = 0, vibratoRate = 0;
};

struct XmModule {
  std::string name;
  int channels = 8;
  int speed = 6;  // ticks per row
  int bpm = 125;
  int restart = 0;
  std::vector<uint8_t> order;
  std::vector<XmPattern> patterns;
  std::vector<XmInstrument> instruments;
};

std::vector<uint8_t> WriteXm(const XmModule& module);

// Relative note and finetune that make note C-4 play a sample at `hz` samples per second.
void TuneSampleRate(XmSample& sample, double hz);

}  // namespace vontra::forge
