// The result request as it leaves the machine: a real libcurl client against a one-shot server
// on loopback.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "online/payload_decoder.h"
#include "online/web_service.h"
#include "platform/posix/curl_http_client.h"

namespace vontra {
namespace {

// Accepts one connection, keeps what arrives up to the blank line, then answers or, when
// told to, holds the connection open without a word until the test ends.
class OneShotServer {
 public:
  explicit OneShotServer(bool answer) : answer_(answer) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(listener_, 1);
    socklen_t len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~OneShotServer() {
    shutdown(listener_, SHUT_RDWR);
    if (thread_.joinable()) thread_.join();
    close(listener_);
  }
  std::string Host() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::string Request() {
    thread_.join();
    return request_;
  }

 private:
  void Serve() {
    const int client = accept(listener_, nullptr, nullptr);
    if (client < 0) return;
    char buffer[4096];
    while (request_.find("\r\n\r\n") == std::string::npos) {
      const ssize_t n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request_.append(buffer, static_cast<size_t>(n));
    }
    if (answer_) {
      const std::string reply =
          "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
      send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
    } else {
      recv(client, buffer, sizeof buffer, 0);  // returns when the client gives up
    }
    close(client);
  }
  bool answer_;
  int listener_ = -1;
  int port_ = 0;
  std::string request_;
  std::thread thread_;
};

TEST(LoopbackSubmission, RequestLineAndHeadersArriveAsBuilt) {
  OneShotServer server(true);
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
  OneShotServer server(false);
  CurlHttpClient client;
  const auto start = std::chrono::steady_clock::now();
  SendResult(client, server.Host(), "Max", 500, "_______");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 7.0);
}

}  // namespace
}  // namespace vontra
