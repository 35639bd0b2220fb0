#include "online/link_file.h"

#include <gtest/gtest.h>

#include "online/web_links.h"
#include "platform/headless/headless_files.h"
#include "platform/headless/headless_recorders.h"

namespace vontra {
namespace {

TEST(ParseLinkFile, AddressOfTheInternetShortcutSection) {
  struct Case {
    const char* contents;
    const char* address;  // null: nothing is opened
  };
  const Case cases[] = {
      {"[InternetShortcut]\r\nURL=http://a.test/x\r\n", "http://a.test/x"},
      {"[InternetShortcut]\nURL=https://a.test/y?q=1&r=2\n", "https://a.test/y?q=1&r=2"},
      {"[internetshortcut]\nurl = HTTP://A.test\n", "HTTP://A.test"},
      {"[InternetShortcut]\nURL=http://no-final-newline.test", "http://no-final-newline.test"},
      // Other sections and keys around it are skipped.
      {"[Other]\nURL=http://wrong.test\n[InternetShortcut]\nIconIndex=0\nURL=http://right.test\n",
       "http://right.test"},
      {"[InternetShortcut]\nURL=http://first.test\nURL=http://second.test\n", "http://first.test"},
      // No section, no URL line, a URL outside the section.
      {"URL=http://a.test\n", nullptr},
      {"[InternetShortcut]\nIconFile=x.ico\n", nullptr},
      {"[Other]\nURL=http://a.test\n", nullptr},
      {"", nullptr},
      {"\x89PNG\r\n\x1a\n garbage", nullptr},
      // Only web addresses: anything else could start a local program.
      {"[InternetShortcut]\nURL=file:///usr/bin/xterm\n", nullptr},
      {"[InternetShortcut]\nURL=javascript:alert(1)\n", nullptr},
      {"[InternetShortcut]\nURL=ftp://a.test/\n", nullptr},
      {"[InternetShortcut]\nURL=http://\n", nullptr},
      {"[InternetShortcut]\nURL=http://a.test/with space\n", nullptr},
      {"[InternetShortcut]\nURL=\n", nullptr},
  };
  for (const Case& c : cases) {
    const auto address = ParseLinkFile(c.contents);
    if (c.address == nullptr) {
      EXPECT_FALSE(address.has_value()) << c.contents;
    } else {
      EXPECT_EQ(address, c.address) << c.contents;
    }
  }
}

class OpenLinkTest : public ::testing::Test {
 protected:
  void Write(const std::string& path, const std::string& text) {
    ASSERT_TRUE(files.WriteAtomic(path, std::vector<uint8_t>(text.begin(), text.end())));
  }
  HeadlessFiles files;
  HeadlessShell shell;
};

TEST_F(OpenLinkTest, AddressesDirectLinkFilesByTheirContents) {
  Write("moregames.url", "[InternetShortcut]\r\nURL=https://more.test/games\r\n");
  Write("bad.url", "[InternetShortcut]\r\nURL=file:///etc/passwd\r\n");
  OpenLink(files, shell, "http://direct.test/page");
  OpenLink(files, shell, "moregames.url");
  OpenLink(files, shell, "bad.url");
  OpenLink(files, shell, "missing.url");
  EXPECT_EQ(shell.Opened(),
            (std::vector<std::string>{"http://direct.test/page", "https://more.test/games"}));
}

TEST_F(OpenLinkTest, PlayLinkOnlyWhenPresent) {
  OpenPlayLink(files, shell);
  EXPECT_TRUE(shell.Opened().empty());
  Write("play.url", "[InternetShortcut]\nURL=http://play.test/\n");
  OpenPlayLink(files, shell);
  EXPECT_EQ(shell.Opened(), std::vector<std::string>{"http://play.test/"});
}

}  // namespace
}  // namespace vontra
