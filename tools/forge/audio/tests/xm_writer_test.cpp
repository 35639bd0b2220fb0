// The XM writer as an independent reader (libxmp) sees it, and the synthesised instruments
// in tune when that reader plays them.
#include "xm_writer.h"

#include <gtest/gtest.h>
#include <xmp.h>

#include <cmath>

#include "instruments.h"

namespace vontra::forge {
namespace {

class LoadedModule {
 public:
  explicit LoadedModule(const std::vector<uint8_t>& bytes) : context_(xmp_create_context()) {
    loaded_ = xmp_load_module_from_memory(context_, bytes.data(), long(bytes.size())) == 0;
    if (loaded_) xmp_get_module_info(context_, &info_);
  }
  ~LoadedModule() {
    if (loaded_) xmp_release_module(context_);
    xmp_free_context(context_);
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool Loaded() const { return loaded_; }
  const xmp_module& Module() const { return *info_.mod; }
  const xmp_event& Event(int pattern, int channel, int row) const {
    const int track = Module().xxp[pattern]->index[channel];
    return Module().xxt[track]->event[row];
  }
  // Mono render of `seconds` from the start.
  std::vector<float> Render(double seconds) {
    std::vector<float> out;
    if (xmp_start_player(context_, 44100, XMP_FORMAT_MONO) != 0) return out;
    std::vector<int16_t> buffer(4410);
    while (out.size() < size_t(seconds * 44100)) {
      if (xmp_play_buffer(context_, buffer.data(), int(buffer.size() * 2), 1) != 0) break;
      for (int16_t v : buffer) out.push_back(float(v));
    }
    xmp_end_player(context_);
    return out;
  }

 private:
  xmp_context context_;
  xmp_module_info info_{};
  bool loaded_ = false;
};

XmModule OneNoteModule(XmInstrument instrument, int midi, int rows = 64) {
  XmModule m;
  m.name = "probe";
  m.channels = 2;
  m.instruments = {std::move(instrument)};
  XmPattern p;
  p.rows = rows;
  p.cells.resize(size_t(rows * m.channels));
  p.cells[1] = {XmNote(midi), 1, 0x50, 0, 0};  // channel 1, row 0
  m.patterns = {p};
  m.order = {0};
  return m;
}

TEST(XmWriter, IndependentReaderSeesTheHeaderPatternsAndInstruments) {
  XmModule m = OneNoteModule(Kick(), 60, 32);
  m.name = "Header check";
  m.speed = 5;
  m.bpm = 133;
  m.restart = 0;
  XmPattern second;
  second.rows = 16;
  second.cells.resize(32);
  second.cells[size_t(7 * 2 + 0)] = {kNoteOff, 0, 0, 0x0F, 0x04};  // key-off and a speed change
  second.cells[size_t(9 * 2 + 1)] = {XmNote(72), 1, 0x30, 0, 0};
  m.patterns.push_back(second);
  m.order = {0, 1, 1, 0};
  LoadedModule loaded(WriteXm(m));
  ASSERT_TRUE(loaded.Loaded());
  const xmp_module& mod = loaded.Module();
  EXPECT_STREQ(mod.name, "Header check");
  EXPECT_EQ(mod.chn, 2);
  ASSERT_GE(mod.pat, 2);  // libxmp may add a blank pattern of its own
  EXPECT_EQ(mod.xxp[0]->rows, 32);
  EXPECT_EQ(mod.len, 4);
  EXPECT_EQ(mod.spd, 5);
  EXPECT_EQ(mod.bpm, 133);
  EXPECT_EQ(mod.ins, 1);
  EXPECT_EQ(std::vector<unsigned char>(mod.xxo, mod.xxo + 4),
            (std::vector<unsigned char>{0, 1, 1, 0}));
  EXPECT_EQ(mod.xxp[1]->rows, 16);
  // libxmp numbers notes one octave above the file's (its 1 is a C an octave lower).
  EXPECT_EQ(loaded.Event(0, 1, 0).note, XmNote(60) + 12);
  EXPECT_EQ(loaded.Event(0, 1, 0).ins, 1);
  EXPECT_EQ(loaded.Event(0, 0, 0).note, 0);
  EXPECT_EQ(loaded.Event(1, 1, 9).note, XmNote(72) + 12);
  EXPECT_EQ(loaded.Event(1, 1, 9).vol, 0x30 - 0x10 + 1);  // libxmp stores volume + 1
  EXPECT_EQ(loaded.Event(1, 0, 7).note, XMP_KEY_OFF);
  EXPECT_EQ(loaded.Event(1, 0, 7).fxt, 0x0F);
  EXPECT_EQ(loaded.Event(1, 0, 7).fxp, 0x04);
  const xmp_sample& sample = mod.xxs[0];
  EXPECT_EQ(sample.len, int(m.instruments[0].sample.data.size()));
  EXPECT_TRUE(sample.flg & XMP_SAMPLE_16BIT);
}

// Pitch by autocorrelation over lags for 40..2000 Hz.
double MeasurePitch(const std::vector<float>& s, size_t from, size_t count) {
  const int minLag = 44100 / 2000, maxLag = 44100 / 40;
  int best = minLag;
  double bestScore = -1e300;
  std::vector<double> scores(size_t(maxLag + 2), 0);
  for (int lag = minLag; lag <= maxLag + 1; ++lag) {
    double sum = 0;
    for (size_t i = from; i < from + count; ++i) sum += double(s[i]) * s[i + size_t(lag)];
    scores[size_t(lag)] = sum;
  }
  // The first strong peak, so an octave below is not taken for the pitch.
  double top = 0;
  for (int lag = minLag; lag <= maxLag; ++lag) top = std::max(top, scores[size_t(lag)]);
  for (int lag = minLag + 1; lag <= maxLag; ++lag) {
    if (scores[size_t(lag)] > 0.9 * top && scores[size_t(lag)] >= scores[size_t(lag - 1)] &&
        scores[size_t(lag)] >= scores[size_t(lag + 1)]) {
      best = lag;
      bestScore = scores[size_t(lag)];
      break;
    }
  }
  (void)bestScore;
  // Parabolic interpolation around the peak for a fractional lag.
  const double a = scores[size_t(best - 1)], b = scores[size_t(best)], c = scores[size_t(best + 1)];
  const double shift = (a - c) / (2 * (a - 2 * b + c));
  return 44100.0 / (best + shift);
}

struct TuningCase {
  const char* label;
  XmInstrument instrument;
  int midi;
};

TEST(ForgedInstruments, PlayInTuneAcrossTheirRange) {
  const TuningCase cases[] = {
      {"pad A3", Pad(4, 500, 0.4), 57},       {"pad E5", Pad(4, 500, 0.4), 76},
      {"bass A1", Bass(1.0, 3000), 33},       {"bass E2", Bass(0.5, 3000), 40},
      {"soft lead A4", Lead(false, 128), 69}, {"bright lead C6", Lead(true, 128), 84},
      {"pluck A4", Pluck(0.5, 128), 69},      {"pluck E3", Pluck(0.5, 128), 52},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    LoadedModule loaded(WriteXm(OneNoteModule(c.instrument, c.midi)));
    ASSERT_TRUE(loaded.Loaded());
    const auto sound = loaded.Render(1.0);
    ASSERT_GE(sound.size(), size_t(44100));
    const double expected = 440.0 * std::pow(2.0, (c.midi - 69) / 12.0);
    const double measured = MeasurePitch(sound, 8000, 8000);
    const double cents = 1200.0 * std::log2(measured / expected);
    EXPECT_LT(std::fabs(cents), 10.0) << "measured " << measured << " Hz, expected " << expected;
  }
}

TEST(XmTuning, SampleRateMapsToRelativeNoteAndFinetune) {
  struct Case {
    double hz;
    int relative;
    int finetune;
  };
  const Case cases[] = {{8363, 0, 0}, {16726, 12, 0}, {4181.5, -12, 0}, {44100, 29, -28}};
  for (const auto& c : cases) {
    XmSample s;
    TuneSampleRate(s, c.hz);
    EXPECT_EQ(s.relativeNote, c.relative) << c.hz;
    EXPECT_EQ(s.finetune, c.finetune) << c.hz;
  }
}

}  // namespace
}  // namespace vontra::forge
