// The result request as it leaves the machine: a real libcurl client against a one-shot server
// on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "online/loopback_server.h"
#include "online/payload_decoder.h"
#include "online/web_service.h"
#include "platform/posix/curl_http_client.h"

namespace vontra {
namespace {

using test::OneShotServer;

TEST(LoopbackSubmission, RequestLineAndHeadersArriveAsBuilt) {
  OneShotServer server(OneShotServer::Reply::Ok);
  CurlHttpClient client;
  SendResult(client, server.Host(), "Max", 500, "_______");
  const std::string request = server.Request();
  const std::string line = "GET /cgi/version.pl?hs&prg=Vontra&inf=";
  ASSERT_EQ(request.rfind(line, 0), 0u) << request;
  const size_t end = request.find(" HTTP/1.1\r\n");
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(test::DecodePayload(request.substr(line.size(), end - line.size())),
            "type=0|name=Max|score=500|key=V|p=|add=_______|z=0");
  for (const char* header : {"\r\nAccept: text/html, */*\r\n", "\r\nContent-Type: text/html\r\n",
                             "\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"}) {
    EXPECT_NE(request.find(header), std::string::npos) << header;
  }
}

TEST(LoopbackSubmission, SilentServerCostsAFewSecondsAtMost) {
  OneShotServer server(OneShotServer::Reply::Silent);
  CurlHttpClient client;
  const auto start = std::chrono::steady_clock::now();
  SendResult(client, server.Host(), "Max", 500, "_______");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 7.0);
}

}  // namespace
}  // namespace vontra
