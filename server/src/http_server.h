#pragma once
// The network side: Boost.Beast on asio, asynchronous, so that a slow client costs a socket and
// a timer, never a thread. Each request has one deadline for all of its bytes.
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "scores_service.h"

namespace vontra::scores {

struct ServerLimits {
  size_t maxConnections = 1024;
  size_t maxHeaderBytes = 4096;             // request line and headers together
  std::chrono::seconds requestTimeout{10};  // the whole request, first byte to last
  std::chrono::seconds idleTimeout{30};     // between requests on a kept-alive connection
  int threads = 2;
};

class HttpServer {
 public:
  // Listens at once on host:port (port 0 picks a free one); throws when it cannot.
  HttpServer(ScoresService& service, const std::string& host, unsigned short port,
             ServerLimits limits);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  unsigned short Port() const;
  // Serves until SIGTERM or SIGINT, then stops taking connections, commits the results taken and
  // returns once their senders are answered.
  void Run();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vontra::scores
