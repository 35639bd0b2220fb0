#include "online/web_service.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "online/payload_decoder.h"
#include "platform/cp1251.h"
#include "platform/headless/headless_recorders.h"

namespace vontra {
namespace {

const std::vector<std::string> kExpectedHeaders = {
    "Accept: text/html, */*",
    "Content-Type: text/html",
    "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
};

TEST(SendResult, OneGetWithTheFixedHeadersCarryingTheExactPayload) {
  HeadlessHttp http;
  const std::string_view name = "Ёжик"_w1251;
  SendResult(http, "http://scores.test:8080", name, 98765, "hi");
  ASSERT_EQ(http.Requests().size(), 1u);
  const auto& request = http.Requests()[0];
  EXPECT_EQ(request.Headers, kExpectedHeaders);
  const auto payload = test::DecodeRequest(request.Url, "http://scores.test:8080");
  ASSERT_TRUE(payload.has_value()) << request.Url;
  EXPECT_EQ(*payload,
            std::string("type=0|name=\xA8\xE6\xE8\xEA|score=98765|key=V|p=|add=hi|z=000"));
}

// Fails every request the way a broken network or a broken client might.
class ThrowingHttp : public IHttpClient {
 public:
  bool Get(const std::string&, const std::vector<std::string>&) override {
    ++calls;
    throw std::runtime_error("network down");
  }
  int calls = 0;
};

TEST(SendResult, FailuresStaySilent) {
  HeadlessHttp refusing;
  refusing.SetSucceed(false);
  EXPECT_NO_THROW(SendResult(refusing, "http://h", "x", 1, ""));
  EXPECT_EQ(refusing.Requests().size(), 1u);
  ThrowingHttp throwing;
  EXPECT_NO_THROW(SendResult(throwing, "http://h", "x", 1, ""));
  EXPECT_EQ(throwing.calls, 1);
}

TEST(WebServiceAddresses, PagesOnTheSameHost) {
  EXPECT_EQ(WorldTableUrl("http://h.test"), "http://h.test/cgi/version.pl?prg=Vontra&show&type=0");
  EXPECT_EQ(HomePageUrl("http://h.test"), "http://h.test");
}

}  // namespace
}  // namespace vontra
