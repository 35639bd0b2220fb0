#include "platform/posix/curl_http_client.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace vontra {
namespace {

// A one-thread HTTP server on a free local port: answers each connection with the next
// canned reply (or with nothing, holding the connection open) and keeps the requests.
class CannedServer {
 public:
  explicit CannedServer(std::vector<std::string> replies) : replies_(std::move(replies)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    listen(listener_, 4);
    thread_ = std::thread([this] { Serve(); });
  }
  ~CannedServer() {
    shutdown(listener_, SHUT_RDWR);
    close(listener_);
    thread_.join();
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  const std::vector<std::string>& Requests() const { return requests_; }

 private:
  void Serve() {
    for (const std::string& reply : replies_) {
      const int client = accept(listener_, nullptr, nullptr);
      if (client < 0) return;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<size_t>(n));
      }
      requests_.push_back(request);
      if (reply.empty()) {
        // Say nothing until the client gives up.
        while (recv(client, buffer, sizeof buffer, 0) > 0) {
        }
      } else {
        send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
      }
      close(client);
    }
  }
  std::vector<std::string> replies_;
  std::vector<std::string> requests_;
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

const std::vector<std::string> kHeaders = {"Accept: text/html, */*", "Content-Type: text/html",
                                           "User-Agent: Mozilla/3.0 (compatible; Vontra)"};

TEST(CurlHttpClient, SendsHeadersKeepsCookiesAndFailsOnErrorStatus) {
  std::vector<std::string> requests;
  {
    CannedServer server({
        "HTTP/1.1 200 OK\r\nSet-Cookie: session=abc; Path=/\r\nContent-Length: 5\r\n"
        "Connection: close\r\n\r\nhello",
        "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
        "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
    });
    CurlHttpClient client;
    EXPECT_TRUE(client.Get(server.Url("/cgi/version.pl?hs&prg=Vontra&inf=a%20b"), kHeaders));
    EXPECT_TRUE(client.Get(server.Url("/second"), kHeaders));
    EXPECT_FALSE(client.Get(server.Url("/missing"), kHeaders));
    requests = server.Requests();
  }
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].rfind("GET /cgi/version.pl?hs&prg=Vontra&inf=a%20b HTTP/1.1\r\n", 0), 0u);
  for (const std::string& h : kHeaders) {
    EXPECT_NE(requests[0].find(h + "\r\n"), std::string::npos) << h;
  }
  EXPECT_EQ(requests[0].find("Cookie:"), std::string::npos);
  EXPECT_NE(requests[1].find("Cookie: session=abc\r\n"), std::string::npos);
}

TEST(CurlHttpClient, RefusedConnectionFails) {
  int port = 0;
  {
    CannedServer closed({});  // takes a free port and gives it back
    port = std::stoi(closed.Url("").substr(17));
  }
  CurlHttpClient client;
  EXPECT_FALSE(client.Get("http://127.0.0.1:" + std::to_string(port) + "/", kHeaders));
}

TEST(CurlHttpClient, ServerThatNeverAnswersCostsAtMostTheTimeOut) {
  CannedServer server({""});
  CurlHttpClient client;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(client.Get(server.Url("/"), kHeaders));
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 4.5);
  EXPECT_LT(seconds, 7.0);
}

}  // namespace
}  // namespace vontra
