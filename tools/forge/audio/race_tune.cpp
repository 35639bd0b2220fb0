#include <vector>

#include "instruments.h"
#include "score.h"
#include "tunes.h"

namespace vontra::forge {

namespace {

enum RaceInstrument {
  kKick = 1,
  kSnare,
  kHat,
  kOpenHat,
  kBass,
  kPad,
  kPluck,
  kLead,
  kEcho,
  kCrash,
  kClap
};
enum RaceChannel { cKick, cSnare, cHat, cBass, cPad1, cPad2, cArp, cLead, cEcho, cCymbal };

struct Chord {
  int bass;
  int pad[2];
  int arp[4];
};

const Chord kEm{40, {67, 71}, {64, 67, 71, 76}};
const Chord kC{36, {64, 67}, {60, 64, 67, 72}};
const Chord kD{38, {66, 69}, {62, 66, 69, 74}};
const Chord kB{35, {63, 66}, {59, 63, 66, 71}};
const Chord kAm{33, {64, 72}, {57, 60, 64, 69}};

using Phrase = std::vector<MelodyNote>;

const Phrase kRiffA = {{0, 76, 3},  {3, 76, 3},  {6, 79, 2},  {8, 83, 4},  {12, 81, 2}, {14, 79, 2},
                       {16, 78, 4}, {20, 76, 2}, {22, 74, 2}, {24, 76, 8}, {32, 76, 3}, {35, 76, 3},
                       {38, 79, 2}, {40, 84, 4}, {44, 83, 2}, {46, 81, 2}, {48, 83, 4}, {52, 81, 2},
                       {54, 78, 2}, {56, 74, 4}, {60, 78, 4}};
const Phrase kRiffB = {{0, 79, 6},  {6, 78, 2},  {8, 76, 4},  {12, 71, 4}, {16, 76, 2}, {18, 78, 2},
                       {20, 79, 2}, {22, 81, 2}, {24, 83, 8}, {32, 84, 6}, {38, 83, 2}, {40, 81, 4},
                       {44, 79, 4}, {48, 81, 6}, {54, 78, 2}, {56, 75, 8}};
const Phrase kHookC = {{0, 81, 4},  {4, 84, 4},  {8, 83, 2},  {10, 81, 2}, {12, 76, 4}, {16, 79, 4},
                       {20, 76, 4}, {24, 72, 4}, {28, 76, 4}, {32, 83, 6}, {38, 81, 2}, {40, 79, 4},
                       {44, 76, 4}, {48, 78, 8}, {56, 81, 4}, {60, 86, 4}};
const Phrase kHookD = {{0, 88, 6},  {6, 86, 2},  {8, 84, 4},  {12, 79, 4},
                       {16, 78, 6}, {22, 79, 2}, {24, 81, 4}, {28, 86, 4},
                       {32, 87, 8}, {40, 83, 4}, {44, 78, 4}, {48, 83, 12}};

enum class Drums { None, Hats, Full, Build };

struct Section {
  std::vector<const Chord*> chords;
  const Phrase* lead;
  Drums drums;
  bool drivingBass;  // eighth-note octaves, else long notes
  bool arp;
  bool crash;
  bool fill;  // drum fill in the last bar
};

void Bar(Score& s, int p, int bar, const Chord& c, const Section& sec) {
  const int r = bar * kRowsPerBar;
  const bool last = bar == 3;
  s.Note(p, r, cPad1, c.pad[0], kPad, sec.drums == Drums::None ? 40 : 30);
  s.Note(p, r, cPad2, c.pad[1], kPad, sec.drums == Drums::None ? 40 : 30);
  if (sec.drivingBass) {
    const int octave[16] = {0, 0, 12, 0, 0, 0, 12, 0, 0, 0, 12, 0, 0, 12, 0, 12};
    for (int k = 0; k < 16; k += (k == 12 || k == 13 || k == 14) ? 1 : 2) {
      s.Note(p, r + k, cBass, c.bass + octave[k], kBass, octave[k] ? 40 : 50, 1);
    }
  } else {
    s.Note(p, r, cBass, c.bass, kBass, 52, 14);
  }
  if (sec.arp) {
    const int order[16] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 3, 2, 1, 2};
    for (int k = 0; k < 16; ++k) {
      s.Note(p, r + k, cArp, c.arp[order[k]] + 12, kPluck, k % 4 == 0 ? 30 : 20);
    }
  }
  switch (sec.drums) {
    case Drums::None:
      break;
    case Drums::Hats:
      s.Drums(p, r, cHat, "x.o.x.o.x.o.x.o.", kHat);
      break;
    case Drums::Full:
      s.Drums(p, r, cKick, last && sec.fill ? "X...X...X.X.X..." : "X...X...X...X.x.", kKick);
      s.Drums(p, r, cSnare, last && sec.fill ? "....X.......XxXX" : "....X..g....X...", kSnare);
      s.Drums(p, r, cHat, "xoXoxoXoxoXoxoXo", kHat);
      if (!(last && sec.fill)) s.Drums(p, r, cCymbal, "..o...o...o...o.", kOpenHat);
      break;
    case Drums::Build:
      s.Drums(p, r, cKick, "X...X...X...X...", kKick);
      s.Drums(p, r, cHat, "x.x.x.x.x.x.x.x.", kHat);
      if (bar >= 2) {
        // The snare roll thickens and swells into the next section.
        const char* roll = bar == 2 ? "o.o.o.o.x.x.x.x." : "xxxxxxxxXXXXXXXX";
        s.Drums(p, r, cSnare, roll, kSnare);
      } else {
        s.Drums(p, r, cSnare, "....o.......o...", kClap);
      }
      break;
  }
}

int BuildSection(Score& s, const Section& sec) {
  const int p = s.NewPattern();
  for (int bar = 0; bar < 4; ++bar) Bar(s, p, bar, *sec.chords[size_t(bar)], sec);
  if (sec.crash) s.Note(p, 0, cCymbal, 60, kCrash, 48);
  if (sec.lead) {
    s.Melody(p, 0, cLead, *sec.lead, kLead, 60);
    s.Melody(p, 0, cEcho, Delayed(*sec.lead, 3), kEcho, 20);
  }
  return p;
}

}  // namespace

XmModule RaceTune() {
  XmModule m;
  m.name = "Vontra - Full Throttle";
  m.channels = 10;
  m.speed = 6;
  m.bpm = 150;
  m.instruments = {Kick(),          Snare(0.8),        ClosedHat(),     OpenHat(),
                   Bass(1.0, 5000), Pad(6, 1500, 0.6), Pluck(0.22, 80), Lead(true, 150),
                   Lead(true, 96),  Crash(),           Clap()};
  m.instruments[kEcho - 1].name = "LeadEcho";
  Score s(m);
  const std::vector<const Chord*> a1 = {&kEm, &kEm, &kC, &kD};
  const std::vector<const Chord*> a2 = {&kEm, &kEm, &kC, &kB};
  const std::vector<const Chord*> b1 = {&kAm, &kC, &kEm, &kD};
  const std::vector<const Chord*> b2 = {&kC, &kD, &kB, &kB};
  const int intro = BuildSection(s, {a1, nullptr, Drums::Full, true, false, false, false});
  const int groove = BuildSection(s, {a2, nullptr, Drums::Full, true, true, false, true});
  const int verse1 = BuildSection(s, {a1, &kRiffA, Drums::Full, true, true, true, false});
  const int verse2 = BuildSection(s, {a2, &kRiffB, Drums::Full, true, true, false, true});
  const int chorus1 = BuildSection(s, {b1, &kHookC, Drums::Full, true, true, true, false});
  const int chorus2 = BuildSection(s, {b2, &kHookD, Drums::Full, true, true, false, true});
  const int breakdown = BuildSection(s, {a1, nullptr, Drums::Hats, false, true, true, false});
  const int build = BuildSection(s, {a2, nullptr, Drums::Build, true, true, false, false});
  const int outro = BuildSection(s, {a1, &kRiffA, Drums::Full, true, true, true, true});
  m.order = {uint8_t(intro),   uint8_t(groove),  uint8_t(verse1),    uint8_t(verse2),
             uint8_t(chorus1), uint8_t(chorus2), uint8_t(breakdown), uint8_t(build),
             uint8_t(verse1),  uint8_t(verse2),  uint8_t(chorus1),   uint8_t(chorus2),
             uint8_t(outro)};
  return m;
}

}  // namespace vontra::forge
