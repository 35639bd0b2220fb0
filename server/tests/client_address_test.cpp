#include "client_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vontra::scores {
namespace {

TEST(CanonicalAddress, OneTextPerAddress) {
  const struct {
    const char* text;
    const char* canonical;  // nullptr: refused
  } cases[] = {
      {"127.0.0.1", "127.0.0.1"},
      {"::ffff:127.0.0.1", "127.0.0.1"},
      {"::FFFF:7f00:1", "127.0.0.1"},
      {"::1", "::1"},
      {"2001:DB8:0:0::1", "2001:db8::1"},
      {"fe80::1%eth0", nullptr},
      {"", nullptr},
      {"unknown", nullptr},
      {"1.2.3.4.5", nullptr},
      {"127.0.0.1 ", nullptr},
  };
  for (const auto& c : cases) {
    const auto got = CanonicalAddress(c.text);
    if (c.canonical == nullptr) {
      EXPECT_FALSE(got) << c.text;
    } else {
      EXPECT_EQ(got.value_or("(refused)"), c.canonical) << c.text;
    }
  }
}

TEST(SenderKey, IPv6IsCountedByItsSlash64) {
  EXPECT_EQ(SenderKey("2001:db8:1:2:aaaa::1"), SenderKey("2001:db8:1:2:bbbb::2"));
  EXPECT_EQ(SenderKey("2001:db8:1:2:aaaa::1"), "2001:db8:1:2::/64");
  EXPECT_NE(SenderKey("2001:db8:1:2::1"), SenderKey("2001:db8:1:3::1"));
  EXPECT_EQ(SenderKey("::ffff:10.0.0.1"), "10.0.0.1");
  EXPECT_EQ(SenderKey("10.0.0.1"), "10.0.0.1");
  EXPECT_NE(SenderKey("10.0.0.1"), SenderKey("10.0.0.2"));
}

TEST(TrustedProxies, OnlyATrustedPeerNamesTheClient) {
  const TrustedProxies xff({"10.0.0.1", "::ffff:10.0.0.2"}, ProxyHeader::kXForwardedFor);
  const TrustedProxies forwarded({"10.0.0.1"}, ProxyHeader::kForwarded);
  const struct {
    const TrustedProxies& proxies;
    const char* peer;
    std::vector<std::string_view> values;
    const char* client;
  } cases[] = {
      {xff, "10.0.0.1", {"203.0.113.7"}, "203.0.113.7"},
      {xff, "10.0.0.9", {"203.0.113.7"}, "10.0.0.9"},  // not our proxy: header ignored
      {xff, "10.0.0.1", {}, "10.0.0.1"},
      // What the client wrote itself stays to the left of what our proxy appended.
      {xff, "10.0.0.1", {"1.1.1.1, 203.0.113.7"}, "203.0.113.7"},
      {xff, "10.0.0.1", {"1.1.1.1", "203.0.113.7"}, "203.0.113.7"},
      // A chain of our own proxies is walked through.
      {xff, "10.0.0.1", {"1.1.1.1, 203.0.113.7, 10.0.0.2"}, "203.0.113.7"},
      {xff, "10.0.0.1", {"203.0.113.7:4711"}, "203.0.113.7"},
      {xff, "10.0.0.1", {"[2001:db8::7]:4711"}, "2001:db8::7"},
      {xff, "10.0.0.1", {"::ffff:203.0.113.7"}, "203.0.113.7"},
      {xff, "10.0.0.1", {"garbage"}, "10.0.0.1"},
      {xff, "10.0.0.1", {"203.0.113.7, unknown"}, "10.0.0.1"},
      {forwarded, "10.0.0.1", {"for=203.0.113.7;proto=https"}, "203.0.113.7"},
      {forwarded, "10.0.0.1", {"for=1.1.1.1, For=\"[2001:db8::7]:80\""}, "2001:db8::7"},
      {forwarded, "10.0.0.1", {"for=_hidden"}, "10.0.0.1"},
      {forwarded, "10.0.0.1", {"proto=https"}, "10.0.0.1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.proxies.Client(c.peer, c.values), c.client)
        << c.peer << " " << (c.values.empty() ? "" : c.values.back());
  }
  EXPECT_THROW(TrustedProxies({"proxy.example"}, ProxyHeader::kXForwardedFor),
               std::invalid_argument);
}

}  // namespace
}  // namespace vontra::scores
