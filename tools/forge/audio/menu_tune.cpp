#include <vector>

#include "instruments.h"
#include "score.h"
#include "tunes.h"

namespace vontra::forge {

namespace {

enum MenuInstrument {
  kKick = 1,
  kSnare,
  kHat,
  kOpenHat,
  kBass,
  kPad,
  kPluck,
  kLead,
  kEcho,
  kCrash
};
enum MenuChannel { cKick, cSnare, cHat, cBass, cPad1, cPad2, cPad3, cArp, cLead, cEcho };

struct Chord {
  int bass;
  std::vector<int> pad;  // three voices
  std::vector<int> arp;  // eight eighth notes
};

const Chord kAm9{45, {60, 64, 67}, {69, 72, 76, 79, 83, 79, 76, 72}};
const Chord kFmaj7{41, {57, 60, 64}, {65, 69, 72, 76, 81, 76, 72, 69}};
const Chord kCmaj7{48, {55, 59, 64}, {60, 64, 67, 71, 76, 71, 67, 64}};
const Chord kG6{43, {55, 59, 62}, {67, 71, 74, 76, 79, 76, 74, 71}};
const Chord kDm9{38, {53, 57, 64}, {62, 65, 69, 72, 76, 72, 69, 65}};
const Chord kEsus{40, {57, 59, 62}, {64, 69, 71, 74, 76, 74, 71, 69}};
const Chord kE7{40, {56, 59, 62}, {64, 68, 71, 74, 76, 74, 71, 68}};
const Chord kG{43, {55, 59, 62}, {67, 71, 74, 79, 83, 79, 74, 71}};
const Chord kEm7{40, {59, 62, 67}, {64, 67, 71, 74, 76, 74, 71, 67}};
const Chord kAm{45, {57, 60, 64}, {69, 72, 76, 81, 76, 72, 69, 64}};
const Chord kDm7{38, {53, 57, 60}, {62, 65, 69, 72, 74, 72, 69, 65}};

using Phrase = std::vector<MelodyNote>;

// Bars are 16 rows; rows below are from the start of the 4-bar phrase.
const Phrase kTheme1 = {{0, 76, 6},  {6, 74, 2},   {8, 72, 4},  {12, 71, 4},  // Am9
                        {16, 72, 6}, {22, 69, 10},                            // Fmaj7
                        {32, 67, 4}, {36, 71, 4},  {40, 76, 6}, {46, 74, 2},  // Cmaj7
                        {48, 74, 12}};                                        // G6
const Phrase kTheme2 = {{0, 76, 4},  {4, 81, 8},  {12, 79, 4},                // Am9
                        {16, 76, 6}, {22, 77, 2}, {24, 76, 4}, {28, 72, 4},   // Fmaj7
                        {32, 74, 6}, {38, 76, 2}, {40, 77, 4}, {44, 81, 4},   // Dm9
                        {48, 80, 8}, {56, 71, 4}, {60, 76, 4}};               // E7
const Phrase kBridge1 = {{0, 81, 6},  {6, 79, 2},  {8, 77, 4},  {12, 76, 4},  // Fmaj7
                         {16, 74, 6}, {22, 76, 2}, {24, 79, 8},               // G
                         {32, 71, 4}, {36, 74, 4}, {40, 76, 4}, {44, 74, 4},  // Em7
                         {48, 72, 4}, {52, 76, 4}, {56, 81, 8}};              // Am
const Phrase kBridge2 = {{0, 77, 6},  {6, 76, 2},  {8, 74, 4},  {12, 69, 4},  // Dm7
                         {16, 71, 6}, {22, 74, 2}, {24, 79, 8},               // G
                         {32, 76, 4}, {36, 79, 4}, {40, 83, 6}, {46, 81, 2},  // Cmaj7
                         {48, 80, 12}};                                       // E7
const Phrase kTheme1Late = {{0, 76, 6},   {6, 74, 2},  {8, 72, 4},  {12, 71, 4}, {16, 72, 6},
                            {22, 69, 10}, {32, 67, 4}, {36, 71, 4}, {40, 76, 6}, {46, 79, 2},
                            {48, 78, 4},  {52, 74, 4}, {56, 71, 8}};
const Phrase kTheme2End = {{0, 76, 4},  {4, 81, 8},  {12, 79, 4}, {16, 76, 6},
                           {22, 77, 2}, {24, 76, 4}, {28, 72, 4}, {32, 74, 6},
                           {38, 72, 2}, {40, 71, 8}, {48, 68, 8}, {56, 64, 8}};

struct Section {
  std::vector<Chord> chords;  // one per bar; E7sus bars resolve to E7 half-way
  const Phrase* lead;         // null: no lead
  int drums;                  // 0 none, 1 hats only, 2 full
  bool bass;
  bool crash;
};

void Bar(Score& s, int p, int bar, const Chord& c, const Section& sec, bool lastBar) {
  const int r = bar * kRowsPerBar;
  // Pads: a held chord; the suspended chord resolves in the middle of its bar.
  for (int v = 0; v < 3; ++v) {
    s.Note(p, r, cPad1 + v, c.pad[size_t(v)], kPad, 30);
    if (&c == &kEsus) s.Note(p, r + 8, cPad1 + v, kE7.pad[size_t(v)], kPad, 30);
  }
  // Arpeggio of eighth notes, a little louder on the beat.
  const Chord& arp = &c == &kEsus ? kE7 : c;
  for (int k = 0; k < 8; ++k) {
    s.Note(p, r + 2 * k, cArp, arp.arp[size_t(k)], kPluck, k % 2 ? 22 : 30);
  }
  if (sec.bass) {
    s.Note(p, r + 0, cBass, c.bass, kBass, 50, 6);
    s.Note(p, r + 7, cBass, c.bass, kBass, 40, 3);
    s.Note(p, r + 10, cBass, c.bass + 12, kBass, 36, 2);
    s.Note(p, r + 12, cBass, c.bass + 7, kBass, 42, 3);
  }
  if (sec.drums >= 1) {
    s.Drums(p, r, cHat, lastBar ? "x.o.x.o.x.o.x..." : "x.o.x.o.x.o.x.og", kHat);
    if (lastBar) s.Drums(p, r + 14, cHat, "o", kOpenHat);
  }
  if (sec.drums >= 2) {
    s.Drums(p, r, cKick, bar % 2 ? "X......x.x......" : "X......x..x.....", kKick);
    s.Drums(p, r, cSnare, lastBar ? "....x.......x.gx" : "....x.......x...", kSnare);
  }
}

int BuildSection(Score& s, const Section& sec) {
  const int p = s.NewPattern();
  for (int bar = 0; bar < 4; ++bar) Bar(s, p, bar, sec.chords[size_t(bar)], sec, bar == 3);
  if (sec.crash) s.Note(p, 0, cHat, 60, kCrash, 40);
  if (sec.lead) {
    s.Melody(p, 0, cLead, *sec.lead, kLead, 58);
    // A dotted-eighth echo on its own channel, panned to the other side.
    s.Melody(p, 0, cEcho, Delayed(*sec.lead, 3), kEcho, 20);
  }
  return p;
}

}  // namespace

XmModule MenuTune() {
  XmModule m;
  m.name = "Vontra - Night Menu";
  m.channels = 10;
  m.speed = 6;
  m.bpm = 84;
  m.instruments = {Kick(),         Snare(0.2),       ClosedHat(),
                   OpenHat(),      Bass(0.5, 1200),  Pad(28, 700, 0.35),
                   Pluck(0.6, 96), Lead(false, 150), Lead(false, 100),
                   Crash()};
  m.instruments[kEcho - 1].name = "LeadEcho";
  Score s(m);
  const std::vector<Chord> a1 = {kAm9, kFmaj7, kCmaj7, kG6};
  const std::vector<Chord> a2 = {kAm9, kFmaj7, kDm9, kEsus};
  const std::vector<Chord> b1 = {kFmaj7, kG, kEm7, kAm};
  const std::vector<Chord> b2 = {kDm7, kG, kCmaj7, kE7};
  const Section sections[] = {
      {a1, nullptr, 0, false, false},    {a2, nullptr, 1, true, false},
      {a1, &kTheme1, 2, true, true},     {a2, &kTheme2, 2, true, false},
      {b1, &kBridge1, 2, true, true},    {b2, &kBridge2, 2, true, false},
      {a1, &kTheme1Late, 2, true, true}, {a2, &kTheme2End, 1, true, false},
  };
  for (const Section& sec : sections) m.order.push_back(uint8_t(BuildSection(s, sec)));
  return m;
}

}  // namespace vontra::forge
