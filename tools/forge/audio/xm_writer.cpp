#include "xm_writer.h"

#include <cmath>
#include <stdexcept>

namespace vontra::forge {

namespace {

class Bytes {
 public:
  void U8(uint32_t v) { out.push_back(uint8_t(v)); }
  void U16(uint32_t v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(uint32_t v) {
    U16(v);
    U16(v >> 16);
  }
  void Text(const std::string& s, size_t width) {
    for (size_t i = 0; i < width; ++i) U8(i < s.size() ? uint8_t(s[i]) : 0);
  }
  void Zeros(size_t n) { out.insert(out.end(), n, 0); }
  std::vector<uint8_t> out;
};

std::vector<uint8_t> PackPattern(const XmPattern& p, int channels) {
  Bytes b;
  for (const XmCell& c : p.cells) {
    // Every cell is written with the packing byte, listing only the fields it holds.
    uint8_t mask = 0x80;
    if (c.note) mask |= 1;
    if (c.instrument) mask |= 2;
    if (c.volume) mask |= 4;
    if (c.effect) mask |= 8;
    if (c.param) mask |= 16;
    b.U8(mask);
    if (c.note) b.U8(c.note);
    if (c.instrument) b.U8(c.instrument);
    if (c.volume) b.U8(c.volume);
    if (c.effect) b.U8(c.effect);
    if (c.param) b.U8(c.param);
  }
  if (int(p.cells.size()) != p.rows * channels) throw std::runtime_error("pattern size");
  return b.out;
}

}  // namespace

void TuneSampleRate(XmSample& sample, double hz) {
  // With the linear frequency table C-4 plays at 8363 Hz; each semitone is 128 finetune steps.
  const double steps = std::round(12.0 * std::log2(hz / 8363.0) * 128.0);
  int relative = int(std::floor(steps / 128.0 + 0.5));
  int fine = int(steps) - relative * 128;
  sample.relativeNote = int8_t(relative);
  sample.finetune = int8_t(fine);
}

std::vector<uint8_t> WriteXm(const XmModule& m) {
  Bytes b;
  b.Text("Extended Module: ", 17);
  b.Text(m.name, 20);
  b.U8(0x1A);
  b.Text("Vontra forge", 20);
  b.U16(0x0104);
  b.U32(20 + 256);  // header size, counted from this field
  b.U16(uint32_t(m.order.size()));
  b.U16(uint32_t(m.restart));
  b.U16(uint32_t(m.channels));
  b.U16(uint32_t(m.patterns.size()));
  b.U16(uint32_t(m.instruments.size()));
  b.U16(1);  // linear frequency table
  b.U16(uint32_t(m.speed));
  b.U16(uint32_t(m.bpm));
  for (size_t i = 0; i < 256; ++i) b.U8(i < m.order.size() ? m.order[i] : 0);

  for (const XmPattern& p : m.patterns) {
    const auto packed = PackPattern(p, m.channels);
    b.U32(9);
    b.U8(0);
    b.U16(uint32_t(p.rows));
    b.U16(uint32_t(packed.size()));
    b.out.insert(b.out.end(), packed.begin(), packed.end());
  }

  for (const XmInstrument& ins : m.instruments) {
    const size_t start = b.out.size();
    b.U32(263);
    b.Text(ins.name, 22);
    b.U8(0);
    b.U16(1);     // one sample
    b.U32(40);    // sample header size
    b.Zeros(96);  // every note uses sample 0
    for (size_t i = 0; i < 12; ++i) {
      const bool used = i < ins.volumeEnvelope.size();
      b.U16(used ? ins.volumeEnvelope[i].tick : 0);
      b.U16(used ? ins.volumeEnvelope[i].value : 0);
    }
    b.Zeros(48);  // panning envelope
    b.U8(uint32_t(ins.volumeEnvelope.size()));
    b.U8(0);
    b.U8(uint32_t(ins.sustainPoint < 0 ? 0 : ins.sustainPoint));
    b.U8(0);
    b.U8(0);
    b.Zeros(3);  // panning sustain and loop
    uint8_t volumeType = ins.volumeEnvelope.empty() ? 0 : 1;
    if (!ins.volumeEnvelope.empty() && ins.sustainPoint >= 0) volumeType |= 2;
    b.U8(volumeType);
    b.U8(0);
    b.U8(ins.vibratoType);
    b.U8(ins.vibratoSweep);
    b.U8(ins.vibratoDepth);
    b.U8(ins.vibratoRate);
    b.U16(ins.fadeout);
    b.Zeros(263 - (b.out.size() - start));

    const XmSample& s = ins.sample;
    b.U32(uint32_t(s.data.size() * 2));
    b.U32(s.loopStart * 2);
    b.U32(s.loopLength * 2);
    b.U8(s.volume);
    b.U8(uint8_t(s.finetune));
    b.U8((s.loopLength > 0 ? 1 : 0) | 0x10);  // forward loop, 16-bit
    b.U8(s.panning);
    b.U8(uint8_t(s.relativeNote));
    b.U8(0);
    b.Text(s.name, 22);
    int16_t previous = 0;
    for (int16_t v : s.data) {
      b.U16(uint16_t(int16_t(v - previous)));
      previous = v;
    }
  }
  return b.out;
}

}  // namespace vontra::forge
