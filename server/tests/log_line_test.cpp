#include "log_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vontra::scores {
namespace {

TEST(EscapeForLog, AQuotedFieldStaysOneFieldOnOneLine) {
  const struct {
    std::string text;
    const char* logged;
  } cases[] = {
      {"/cgi/version.pl?prg=Vontra&show", "/cgi/version.pl?prg=Vontra&show"},
      {"/a\" 200 0 0.0ms", "/a\\\" 200 0 0.0ms"},  // cannot forge the status field
      {"/a\\x41", "/a\\\\x41"},                    // a logged escape is never ambiguous
      {std::string("/\x00\n\r\x1b[2J", 8), "/\\x00\\x0a\\x0d\\x1b[2J"},
      {"/\x7f\x85\x9b\xc2\x9b\xff", "/\\x7f\\x85\\x9b\\xc2\\x9b\\xff"},  // DEL, C1 raw and in UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeForLog(c.text), c.logged);
  EXPECT_EQ(EscapeForLog(std::string(300, 'a')), std::string(200, 'a') + "...");
}

}  // namespace
}  // namespace vontra::scores
