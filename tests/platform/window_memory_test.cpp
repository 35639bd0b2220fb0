#include "platform/window_memory.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_files.h"

namespace vontra {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}

TEST(WindowMemory, KeepsPlaceSizeAndMaximisedInAFileOfItsOwn) {
  HeadlessFiles files;
  EXPECT_FALSE(LoadWindowMemory(files).has_value());  // first run
  RememberedWindow w;
  w.Place = {-40, 27, 1600, 1201, false};
  w.Maximized = true;
  ASSERT_TRUE(SaveWindowMemory(files, w));
  EXPECT_EQ(*files.ReadAll(kWindowMemoryPath), Bytes("-40\r\n27\r\n1600\r\n1201\r\n1\r\n"));
  const auto back = LoadWindowMemory(files);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Place.X, -40);
  EXPECT_EQ(back->Place.Y, 27);
  EXPECT_EQ(back->Place.Width, 1600);
  EXPECT_EQ(back->Place.Height, 1201);
  EXPECT_TRUE(back->Maximized);
  // The options file is not touched.
  EXPECT_FALSE(files.Exists("Data\\Save\\options"));
}

TEST(WindowMemory, AFileThatIsNotOneOfOursIsIgnored) {
  struct Case {
    const char* label;
    std::string text;
    bool read;
  };
  const Case cases[] = {
      {"edited on Linux", "10\n20\n800\n601\n0\n", true},
      {"four lines", "10\r\n20\r\n800\r\n601\r\n", false},
      {"six lines", "10\r\n20\r\n800\r\n601\r\n0\r\n0\r\n", false},
      {"no final line break", "10\r\n20\r\n800\r\n601\r\n0", false},
      {"not a number", "10\r\n20\r\nwide\r\n601\r\n0\r\n", false},
      {"trailing text", "10\r\n20\r\n800px\r\n601\r\n0\r\n", false},
      {"empty line", "10\r\n\r\n800\r\n601\r\n0\r\n", false},
      {"zero width", "10\r\n20\r\n0\r\n601\r\n0\r\n", false},
      {"huge height", "10\r\n20\r\n800\r\n99999999\r\n0\r\n", false},
      {"far away", "-999999\r\n20\r\n800\r\n601\r\n0\r\n", false},
      {"overflowing number", "10\r\n20\r\n800\r\n601\r\n99999999999999999999\r\n", false},
      {"maximised 2", "10\r\n20\r\n800\r\n601\r\n2\r\n", false},
      {"long junk", std::string(4096, '1') + "\r\n", false},
      {"empty", "", false},
  };
  for (const Case& c : cases) {
    HeadlessFiles files;
    ASSERT_TRUE(files.WriteAtomic(kWindowMemoryPath, Bytes(c.text)));
    EXPECT_EQ(LoadWindowMemory(files).has_value(), c.read) << c.label;
  }
}

}  // namespace
}  // namespace vontra
