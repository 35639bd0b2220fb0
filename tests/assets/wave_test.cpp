#include <gtest/gtest.h>

#include "archive_test_util.h"
#include "assets/asset_error.h"
#include "assets/wave_collection.h"
#include "assets/wave_writer.h"

namespace vontra {
namespace {

using Bytes = std::vector<uint8_t>;

void Chunk(Bytes& out, const char* id, const Bytes& body) {
  out.insert(out.end(), id, id + 4);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(body.size() >> (8 * i)));
  out.insert(out.end(), body.begin(), body.end());
}

const Bytes kFormat{1,    0,    1, 0, 0x40, 0x1F, 0,  0,
                    0x80, 0x3E, 0, 0, 2,    0,    16, 0};  // 8000 Hz mono 16

TEST(RiffWave, UnknownChunksAreSkippedWithoutPadBytes) {
  Bytes riff{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  Chunk(riff, "LIST", {1, 2, 3});  // odd length: the next header follows directly
  Chunk(riff, "fmt ", kFormat);
  Chunk(riff, "junk", {9});
  Chunk(riff, "data", {10, 20, 30, 40, 50});
  riff.insert(riff.end(), {'c', 'u', 'e'});  // a header cut short ends the reading
  const TWave w = DecodeRiffWave(riff);
  EXPECT_EQ(w.Format, kFormat);
  EXPECT_EQ(w.Data, (Bytes{10, 20, 30, 40, 50}));
  EXPECT_EQ(w.SamplesPerSec(), 8000);
  EXPECT_EQ(w.BitsPerSample(), 16);
}

TEST(RiffWave, LengthIsTruncatedToWholeMilliseconds) {
  struct Case {
    int channels, rate, bits, frames;
    int64_t ms;
  };
  for (const Case c : {Case{1, 8000, 16, 8000, 1000}, Case{2, 44100, 16, 44099, 999},
                       Case{1, 11025, 8, 11, 0}, Case{2, 22050, 8, 2205 * 3, 300}}) {
    const Bytes data(static_cast<size_t>(c.frames * c.channels * c.bits / 8), 0);
    const TWave w = DecodeRiffWave(MakeRiffWave(c.channels, c.rate, c.bits, data));
    EXPECT_EQ(w.LengthMs(), c.ms) << c.rate << " " << c.frames;
    EXPECT_EQ(w.Channels(), c.channels);
  }
  EXPECT_EQ(TWave{}.LengthMs(), 0);  // no format: no length rather than a division by zero
}

TEST(WaveList, SoundItemPropertiesAcceptTheirTags) {
  TWaveCollection list;
  list.LoadFromMemory(test::SoundArchiveWithItem([](ComponentWriter& w) {
    w.PropertyName("name");
    w.WString(u"Shot");
    w.PropertyName("LOOPED");
    w.Ident("True");
    w.PropertyName("MaxPlayingCount");
    w.Int16(-7);
    w.PropertyName("wave.wave");
    const std::vector<int16_t> s{1, 2};
    w.Binary(MakeRiffWave16(1, 8000, s));
  }));
  const auto& item = list.Find("SHOT");
  EXPECT_TRUE(item.Looped());
  EXPECT_EQ(item.MaxPlayingCount(), 0);
  EXPECT_EQ(item.Wave.Data.size(), 4u);
  EXPECT_EQ(item.Frequency, 0);
  EXPECT_EQ(item.Pan, 0);
  EXPECT_EQ(item.Volume, 0);
}

}  // namespace
}  // namespace vontra
