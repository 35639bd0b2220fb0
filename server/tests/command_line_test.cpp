#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vontra::scores {
namespace {

CommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "vontra-scores");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), CommandLine{});
}

TEST(CommandLine, OutOfRangeValuesAreRefused) {
  const std::vector<std::vector<const char*>> cases = {
      {"--listen", "127.0.0.1:70000"},
      {"--listen", "127.0.0.1:-1"},
      {"--listen", "127.0.0.1:"},
      {"--listen", "127.0.0.1"},
      {"--listen", "::1:8080"},
      {"--listen", ":8080"},
      {"--rate-limit", "-5"},
      {"--rate-limit", "100001"},
      {"--rate-limit", "ten"},
      {"--max-connections", "-1"},
      {"--max-connections", "0"},
      {"--max-connections", "18446744073709551615"},
      {"--max-connections-per-address", "0"},
      {"--request-timeout", "0"},
      {"--idle-timeout", "3601"},
      {"--threads", "0"},
      {"--threads", "1000"},
      {"--trusted-proxy", "proxy.example"},
      {"--proxy-header", "X-Real-IP"},
      {"--rate-limit"},
      {"--no-such-option", "1"},
      {"stray"},
  };
  for (const auto& args : cases) {
    EXPECT_THROW(Parse(args), CommandLineError)
        << args[0] << " " << (args.size() > 1 ? args[1] : "");
  }
}

TEST(CommandLine, ValuesInRangeAreTaken) {
  const CommandLine line = Parse({"--listen",
                                  "[::1]:8080",
                                  "--rate-limit",
                                  "0",
                                  "--max-connections",
                                  "64",
                                  "--max-connections-per-address",
                                  "4",
                                  "--request-timeout",
                                  "3",
                                  "--idle-timeout",
                                  "5",
                                  "--threads",
                                  "4",
                                  "--trusted-proxy",
                                  "10.0.0.1",
                                  "--trusted-proxy",
                                  "::1",
                                  "--proxy-header",
                                  "forwarded",
                                  "--database",
                                  "x.db"});
  EXPECT_EQ(line.listen.host, "::1");
  EXPECT_EQ(line.listen.port, 8080);
  EXPECT_EQ(line.service.resultsPerMinute, 0);
  EXPECT_EQ(line.limits.maxConnections, 64u);
  EXPECT_EQ(line.limits.maxConnectionsPerSender, 4u);
  EXPECT_EQ(line.limits.requestTimeout.count(), 3);
  EXPECT_EQ(line.limits.idleTimeout.count(), 5);
  EXPECT_EQ(line.limits.threads, 4);
  EXPECT_EQ(line.trustedProxies, (std::vector<std::string>{"10.0.0.1", "::1"}));
  EXPECT_EQ(line.proxyHeader, ProxyHeader::kForwarded);
  EXPECT_EQ(line.database, "x.db");
  EXPECT_FALSE(line.help);
  EXPECT_TRUE(Parse({"--help"}).help);
}

TEST(CommandLine, ListenAddresses) {
  const struct {
    const char* text;
    const char* host;
    unsigned short port;
  } cases[] = {
      {"127.0.0.1:8080", "127.0.0.1", 8080},
      {"[::1]:0", "::1", 0},
      {"localhost:65535", "localhost", 65535},
      {"[::]:80", "::", 80},
  };
  for (const auto& c : cases) {
    const ListenAt at = ParseListenAt(c.text);
    EXPECT_EQ(at.host, c.host);
    EXPECT_EQ(at.port, c.port);
  }
}

}  // namespace
}  // namespace vontra::scores
