#pragma once
// The network side: Boost.Beast on asio, asynchronous, so that a slow client costs a socket and
// a timer, never a thread. Each request has one deadline for all of its bytes.
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "client_address.h"
#include "scores_service.h"

namespace vontra::scores {

struct ServerLimits {
  size_t maxConnections = 1024;         // lowered to what the open-file limit allows
  size_t maxConnectionsPerSender = 64;  // one address (IPv6: one /64); proxies we trust are exempt
  size_t maxHeaderBytes = 4096;         // request line and headers together
  std::chrono::seconds requestTimeout{10};  // each request, first byte to last
  std::chrono::seconds idleTimeout{30};  // waiting for the next request on a kept-alive connection
  int threads = 2;
};

class HttpServer {
 public:
  // Listens at once on host:port (a name or an address; port 0 picks a free one); throws when it
  // cannot. Requests from `proxies` are counted for the client their header names.
  HttpServer(ScoresService& service, const std::string& host, unsigned short port,
             ServerLimits limits, TrustedProxies proxies = {});
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  unsigned short Port() const;
  // "127.0.0.1:8080", "[::1]:8080": where the service listens.
  std::string ListenAddress() const;
  // Serves until SIGTERM or SIGINT, then stops taking connections, commits the results taken and
  // returns once their senders are answered.
  void Run();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vontra::scores
