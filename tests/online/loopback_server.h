#pragma once
// A one-shot HTTP server on loopback for the result request: it accepts one connection, keeps
// what arrives up to the blank line, then answers properly, answers with garbage, or holds
// the connection open without a word until the client gives up.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace vontra::test {

class OneShotServer {
 public:
  enum class Reply { Ok, Garbage, Silent };

  explicit OneShotServer(Reply reply) : reply_(reply) {
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
  // What arrived; waits for the exchange to end.
  std::string Request() {
    if (thread_.joinable()) thread_.join();
    return request_;
  }

  // An address on loopback where nothing listens, so a connection is refused at once.
  static std::string RefusingHost() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    close(s);
    return "http://127.0.0.1:" + std::to_string(ntohs(addr.sin_port));
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
    std::string reply;
    switch (reply_) {
      case Reply::Ok:
        reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
        break;
      case Reply::Garbage:
        reply = std::string("\x01\xff\xfe not a reply at all\r\n\r\n\x7f", 27);
        break;
      case Reply::Silent:
        recv(client, buffer, sizeof buffer, 0);  // returns when the client gives up
        break;
    }
    if (!reply.empty()) send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
    close(client);
  }

  Reply reply_;
  int listener_ = -1;
  int port_ = 0;
  std::string request_;
  std::thread thread_;
};

}  // namespace vontra::test
