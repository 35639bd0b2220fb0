// The component stream: every value tag, the accepted alternatives of each property type and
// every failure message.
#include <gtest/gtest.h>

#include <functional>

#include "archive_test_util.h"
#include "assets/archive_writer.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "assets/wave_writer.h"

namespace vontra {
namespace {

using Bytes = std::vector<uint8_t>;
using Writes = std::function<void(ComponentWriter&)>;

std::string LoadError(const Bytes& archive, bool sound = false) {
  try {
    if (sound) {
      TWaveCollection list;
      list.LoadFromMemory(archive);
    } else {
      TPictureCollection list;
      list.LoadFromMemory(archive);
    }
  } catch (const AssetError& e) {
    return e.what();
  }
  return "(loaded)";
}

Bytes Dib24(int w, int h) {
  Bytes dib{40,
            0,
            0,
            0,
            static_cast<uint8_t>(w),
            0,
            0,
            0,
            static_cast<uint8_t>(h),
            0,
            0,
            0,
            1,
            0,
            24,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0};
  const size_t row = ((static_cast<size_t>(w) * 24 + 31) / 32) * 4;
  dib.resize(dib.size() + row * static_cast<size_t>(h), 0x40);
  return test::DibPictureData(dib);
}

TEST(ArchiveTags, ChildComponentsWithEveryValueTagAreSkipped) {
  ComponentWriter w;
  w.BeginRoot("TDXImageList", "Images");
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  w.Tag(ValueTag::List);
  w.PropertyName("Name");
  w.String("Kept");
  w.EndList();
  w.EndList();
  w.EndList();  // root properties end; a child component follows
  w.U8(0xF2);   // prefix: child position follows
  w.Int16(3);
  w.ShortString("TTimer");
  w.ShortString("Child");
  w.PropertyName("ListValue");
  w.Tag(ValueTag::List);
  w.Int8(1);
  w.Tag(ValueTag::Nil);
  w.EndList();
  w.PropertyName("I8");
  w.Int8(-5);
  w.PropertyName("I16");
  w.Int16(-500);
  w.PropertyName("I32");
  w.Int32(1 << 20);
  w.PropertyName("Ext");
  w.Tag(ValueTag::Extended);
  w.Raw(Bytes(10, 0x3F));
  w.PropertyName("Str");
  w.String("abc");
  w.PropertyName("Id");
  w.Ident("alNone");
  w.PropertyName("F");
  w.Boolean(false);
  w.PropertyName("T");
  w.Boolean(true);
  w.PropertyName("Bin");
  w.Binary(Bytes{1, 2, 3});
  w.PropertyName("Set");
  w.Tag(ValueTag::Set);
  w.ShortString("fsBold");
  w.ShortString("fsItalic");
  w.ShortString("");
  w.PropertyName("LStr");
  w.LString(std::string(300, 'x'));
  w.PropertyName("Nil");
  w.Tag(ValueTag::Nil);
  w.PropertyName("Coll");
  w.Tag(ValueTag::Collection);
  w.Int32(7);  // order number
  w.Tag(ValueTag::List);
  w.PropertyName("Inner");
  w.Int8(1);
  w.EndList();
  w.Tag(ValueTag::List);  // an item without order number
  w.EndList();
  w.EndList();
  w.PropertyName("Single");
  w.Tag(ValueTag::Single);
  w.Raw(Bytes(4, 0x41));
  w.PropertyName("Currency");
  w.Tag(ValueTag::Currency);
  w.Raw(Bytes(8, 0));
  w.PropertyName("Date");
  w.Tag(ValueTag::Date);
  w.Raw(Bytes(8, 0));
  w.PropertyName("WStr");
  w.WString(u"\u0416x");
  w.PropertyName("I64");
  w.Int64(1ll << 40);
  w.PropertyName("U8");
  w.Utf8String("\xD0\x96");
  w.EndList();                   // child properties
  w.ShortString("TGrandChild");  // a grandchild without prefix
  w.ShortString("");
  w.EndList();
  w.EndList();
  w.EndList();  // child's children
  w.EndList();  // root's children
  TPictureCollection list;
  list.LoadFromMemory(w.Finish("Images"));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Items(0).Name(), "Kept");

  // A tag outside the table cannot be skipped.
  ComponentWriter bad;
  bad.BeginRoot("TDXImageList", "Images");
  bad.EndList();
  bad.ShortString("TTimer");
  bad.ShortString("Child");
  bad.PropertyName("Odd");
  bad.U8(21);
  bad.EndList();
  bad.EndList();
  bad.EndList();
  EXPECT_EQ(LoadError(bad.Finish("Images")), "Invalid property value");
}

struct AcceptCase {
  const char* name;
  Writes item;
  std::function<void(const TPictureCollectionItem&)> check;
};

TEST(ArchiveTags, PropertiesAcceptEachOfTheirTagsInAnyCase) {
  const std::vector<AcceptCase> cases{
      {"int8", [](ComponentWriter& w) { w.PropertyName("PatternWidth"), w.Int8(-3); },
       [](const auto& i) { EXPECT_EQ(i.PatternWidth, -3); }},
      {"int16", [](ComponentWriter& w) { w.PropertyName("patternheight"), w.Int16(-300); },
       [](const auto& i) { EXPECT_EQ(i.PatternHeight, -300); }},
      {"int32", [](ComponentWriter& w) { w.PropertyName("SKIPWIDTH"), w.Int32(100000); },
       [](const auto& i) { EXPECT_EQ(i.SkipWidth, 100000); }},
      {"skipHeight", [](ComponentWriter& w) { w.PropertyName("SkipHeight"), w.Int8(4); },
       [](const auto& i) { EXPECT_EQ(i.SkipHeight, 4); }},
      {"false", [](ComponentWriter& w) { w.PropertyName("Transparent"), w.Boolean(false); },
       [](const auto& i) { EXPECT_FALSE(i.Transparent); }},
      {"true", [](ComponentWriter& w) { w.PropertyName("SystemMemory"), w.Boolean(true); },
       [](const auto& i) { EXPECT_TRUE(i.SystemMemory); }},
      {"identFalse", [](ComponentWriter& w) { w.PropertyName("transparent"), w.Ident("false"); },
       [](const auto& i) { EXPECT_FALSE(i.Transparent); }},
      {"identTrue", [](ComponentWriter& w) { w.PropertyName("SystemMemory"), w.Ident("TRUE"); },
       [](const auto& i) { EXPECT_TRUE(i.SystemMemory); }},
      {"string", [](ComponentWriter& w) { w.PropertyName("NAME"), w.String("Road"); },
       [](const auto& i) { EXPECT_EQ(i.Name(), "Road"); }},
      {"longString", [](ComponentWriter& w) { w.PropertyName("Name"), w.LString("Long"); },
       [](const auto& i) { EXPECT_EQ(i.Name(), "Long"); }},
      {"wideString",
       [](ComponentWriter& w) { w.PropertyName("Name"), w.WString(u"\u0414a\u0451"); },
       [](const auto& i) {
         EXPECT_EQ(i.Name(),
                   "\xC4"
                   "a\xB8");
       }},
      {"utf8String",
       [](ComponentWriter& w) {
         w.PropertyName("Name"), w.Utf8String(
                                     "\xD0\x94"
                                     "a\xD1\x91");
       },
       [](const auto& i) {
         EXPECT_EQ(i.Name(),
                   "\xC4"
                   "a\xB8");
       }},
      {"colourInt",
       [](ComponentWriter& w) { w.PropertyName("TransparentColor"), w.Int32(0x123456); },
       [](const auto& i) { EXPECT_EQ(i.TransparentColor, 0x123456u); }},
      {"colourIdent",
       [](ComponentWriter& w) { w.PropertyName("TransparentColor"), w.Ident("clFuchsia"); },
       [](const auto& i) { EXPECT_EQ(i.TransparentColor, 0x00FF00FFu); }},
      {"colourSystem",
       [](ComponentWriter& w) { w.PropertyName("TransparentColor"), w.Ident("CLBTNFACE"); },
       [](const auto& i) { EXPECT_EQ(i.TransparentColor, 0xFF00000Fu); }},
      {"colourNone",
       [](ComponentWriter& w) { w.PropertyName("TransparentColor"), w.Ident("clNone"); },
       [](const auto& i) { EXPECT_EQ(i.TransparentColor, 0x1FFFFFFFu); }},
      {"colourSkyBlue",
       [](ComponentWriter& w) { w.PropertyName("TransparentColor"), w.Ident("clSkyBlue"); },
       [](const auto& i) { EXPECT_EQ(i.TransparentColor, 0x00F0CAA6u); }},
      {"pictureData",
       [](ComponentWriter& w) { w.PropertyName("picture.data"), w.Binary(Dib24(2, 3)); },
       [](const auto& i) { EXPECT_EQ(i.Picture.Width * 10 + i.Picture.Height, 23); }},
  };
  for (const AcceptCase& c : cases) {
    SCOPED_TRACE(c.name);
    TPictureCollection list;
    list.LoadFromMemory(test::ImageArchiveWithItem(c.item));
    ASSERT_EQ(list.Count(), 1);
    c.check(list.Items(0));
  }
}

TEST(ArchiveTags, CollectionItemsMayCarryOrderNumbersAndRootAPrefix) {
  ComponentWriter root;
  root.BeginRoot("", "");
  Bytes stream = root.Bytes();
  // Insert a prefix byte with flag 2 and its integer right after "TPF0".
  stream.insert(stream.begin() + 4, {0xF2, 4, 0x10, 0, 0, 0});
  ComponentWriter body;
  body.Raw(stream);
  body.PropertyName("List");
  body.Tag(ValueTag::Collection);
  body.Int8(0);
  body.Tag(ValueTag::List);
  body.PropertyName("Name");
  body.String("A");
  body.EndList();
  body.Int16(1);
  body.Tag(ValueTag::List);
  body.PropertyName("Name");
  body.String("B");
  body.EndList();
  body.Int32(2);
  body.Tag(ValueTag::List);
  body.PropertyName("Name");
  body.String("C");
  body.EndList();
  body.EndList();
  body.EndList();
  body.EndList();
  TPictureCollection list;
  list.LoadFromMemory(body.Finish("x"));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(2).Name(), "C");
}

struct ErrorCase {
  const char* name;
  Bytes archive;
  const char* message;
  bool sound = false;
};

Bytes ImageItem(const Writes& item) {
  return test::ImageArchiveWithItem(item);
}

Bytes InfoDib(int bpp, uint32_t compression, std::initializer_list<uint8_t> tail = {}) {
  Bytes dib{40,
            0,
            0,
            0,
            1,
            0,
            0,
            0,
            1,
            0,
            0,
            0,
            1,
            0,
            static_cast<uint8_t>(bpp),
            0,
            static_cast<uint8_t>(compression),
            0,
            0,
            0};
  dib.resize(40, 0);
  dib.insert(dib.end(), tail);
  dib.resize(dib.size() + 64, 0);
  return dib;
}

Bytes PictureDib(const Bytes& dib) {
  return ImageItem([&](ComponentWriter& w) {
    w.PropertyName("Picture.Data");
    w.Binary(test::DibPictureData(dib));
  });
}

Bytes SoundWave(const Bytes& riff) {
  return test::SoundArchiveWithItem([&](ComponentWriter& w) {
    w.PropertyName("Wave.WAVE");
    w.Binary(riff);
  });
}

TEST(ArchiveErrors, EachFailureHasItsMessage) {
  Bytes good = WriteImageArchive({{"A", test::GradientPicture(1, 1)}});
  Bytes badFirst = good;
  badFirst[0] = 0xFE;
  Bytes badVersion = good;
  badVersion[1] = 11;
  Bytes badSignature = good;
  const size_t tpf0 = 3 + std::string("IMAGELIST").size() + 1 + 6;
  ASSERT_EQ(badSignature[tpf0 + 3], '0');
  badSignature[tpf0 + 3] = '1';  // "TPF1"
  const std::vector<ErrorCase> cases{
      {"empty", {}, "Invalid stream format"},
      {"notFF", badFirst, "Invalid stream format"},
      {"not10", badVersion, "Invalid stream format"},
      {"signature", badSignature, "Invalid stream format"},
      {"itemProperty", ImageItem([](ComponentWriter& w) { w.PropertyName("Colour"), w.Int8(1); }),
       "Property Colour does not exist"},
      {"soundHasNoPicture",
       test::SoundArchiveWithItem([](ComponentWriter& w) { w.PropertyName("Picture.Data"); }),
       "Property Picture.Data does not exist", true},
      {"soundHasNoColorTable", good, "Property List.ColorTable does not exist", true},
      {"intAsString",
       ImageItem([](ComponentWriter& w) { w.PropertyName("PatternWidth"), w.String("1"); }),
       "Invalid property value"},
      {"int64", ImageItem([](ComponentWriter& w) { w.PropertyName("PatternWidth"), w.Int64(1); }),
       "Invalid property value"},
      {"stringAsInt", ImageItem([](ComponentWriter& w) { w.PropertyName("Name"), w.Int8(1); }),
       "Invalid property value"},
      {"boolIdent",
       ImageItem([](ComponentWriter& w) { w.PropertyName("Transparent"), w.Ident("Yes"); }),
       "Invalid property value"},
      {"boolInt", ImageItem([](ComponentWriter& w) { w.PropertyName("Transparent"), w.Int8(1); }),
       "Invalid property value"},
      {"colourIdent",
       ImageItem([](ComponentWriter& w) { w.PropertyName("TransparentColor"), w.Ident("clPink"); }),
       "Invalid property value"},
      {"binaryAsString",
       ImageItem([](ComponentWriter& w) { w.PropertyName("Picture.Data"), w.String("x"); }),
       "Invalid property value"},
      {"headerSize", PictureDib({108, 0, 0, 0, 1, 0, 0, 0}), "DIB is invalid"},
      {"compression", PictureDib(InfoDib(8, 4)), "DIB is invalid"},
      {"rleDepth", PictureDib(InfoDib(24, 1)), "DIB is invalid"},
      {"bitmapFileSignature", ImageItem([](ComponentWriter& w) {
         w.PropertyName("Picture.Data");
         Bytes data{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 16, 0, 0, 0, 'B', 'A'};
         data.resize(data.size() + 14, 0);
         w.Binary(data);
       }),
       "DIB is invalid"},
      {"bitCount2", PictureDib(InfoDib(2, 0)), "Bitcount in invalid (2)"},
      {"bitCount48", PictureDib(InfoDib(48, 0)), "Bitcount in invalid (48)"},
      {"fields664", PictureDib(InfoDib(16, 3, {0, 0xFC, 0, 0, 0xF0, 0x03, 0, 0, 0x0F, 0, 0, 0})),
       "PixelFormat in invalid"},
      {"fields32of565",
       PictureDib(InfoDib(32, 3, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0})),
       "PixelFormat in invalid"},
      {"notRiff", SoundWave({'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}),
       "Wave is invalid", true},
      {"notWave", SoundWave({'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}),
       "Wave is invalid", true},
      {"shortRiff", SoundWave({'R', 'I', 'F', 'F'}), "Wave is invalid", true},
      {"chunkPastEnd", SoundWave({'R', 'I', 'F', 'F', 4,   0, 0, 0, 'W', 'A', 'V',
                                  'E', 'd', 'a', 't', 'a', 9, 0, 0, 0,   1}),
       "Wave is invalid", true},
      {"pixelsMissing", PictureDib({40, 0, 0, 0, 100, 0, 0, 0, 100, 0, 0, 0, 1, 0, 24, 0}),
       "Stream read error"},
      {"colourTableShort",
       [] {
         ComponentWriter w;
         w.BeginRoot("TDXImageList", "Images");
         w.PropertyName("List.ColorTable");
         w.Binary(Bytes(1000, 0));
         w.EndList();
         w.EndList();
         return w.Finish("x");
       }(),
       "Stream read error"},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(LoadError(c.archive, c.sound), c.message) << c.name;
  }
}

TEST(ArchiveErrors, EveryTruncationFailsCleanly) {
  std::vector<PictureEntry> pictures{{"A", test::GradientPicture(3, 2), 1, 2},
                                     {"B", test::GradientPicture(2, 2)}};
  const Bytes images = WriteImageArchive(pictures);
  for (size_t n = 0; n < images.size(); ++n) {
    const Bytes cut(images.begin(), images.begin() + static_cast<std::ptrdiff_t>(n));
    const std::string message = LoadError(cut);
    EXPECT_TRUE(message == "Stream read error" || message == "Invalid stream format")
        << n << ": " << message;
  }
  const std::vector<int16_t> samples{1, 2, 3};
  const Bytes sounds = WriteSoundArchive({{"S", false, 0, MakeRiffWave16(1, 8000, samples)}});
  for (size_t n = 0; n < sounds.size(); ++n) {
    const Bytes cut(sounds.begin(), sounds.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_NE(LoadError(cut, true), "(loaded)") << n;
  }
}

TEST(ArchiveErrors, AFailedLoadKeepsTheItemsReadBeforeTheFailure) {
  TPictureCollection list;
  list.LoadFromMemory(WriteImageArchive({{"Old", test::GradientPicture(1, 1)}}));
  ComponentWriter w;
  w.BeginRoot("TDXImageList", "Images");
  w.PropertyName("List");
  w.Tag(ValueTag::Collection);
  for (const char* name : {"First", "Second"}) {
    w.Tag(ValueTag::List);
    w.PropertyName("Name");
    w.String(name);
    w.EndList();
  }
  w.Tag(ValueTag::List);
  w.PropertyName("Name");
  w.String("Third");
  w.PropertyName("Bogus");
  w.Int8(0);
  EXPECT_THROW(list.LoadFromMemory(w.Finish("x")), AssetError);
  EXPECT_THROW(list.Find("Old"), AssetError);
  EXPECT_EQ(list.Find("First").Name(), "First");
  EXPECT_EQ(list.Find("second").Name(), "Second");
}

}  // namespace
}  // namespace vontra
