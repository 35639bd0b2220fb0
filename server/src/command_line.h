#pragma once
// The service's command line: every option range-checked before anything starts.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "client_address.h"
#include "http_server.h"
#include "scores_service.h"

namespace vontra::scores {

struct ListenAt {
  std::string host;  // a name or an address, IPv6 without its brackets
  unsigned short port = 0;
};

struct CommandLine {
  bool help = false;
  ListenAt listen{"127.0.0.1", 8080};
  std::string database = "scores.db";
  ServiceOptions service;
  ServerLimits limits;
  std::vector<std::string> trustedProxies;
  ProxyHeader proxyHeader = ProxyHeader::kXForwardedFor;
};

// A refusal of the command line; what() is one line naming the option.
struct CommandLineError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "127.0.0.1:8080", "[::1]:8080", "localhost:8080"; the port 0 to 65535.
ListenAt ParseListenAt(std::string_view text);

// Starts from the defaults in `line` and overrides them; throws CommandLineError.
CommandLine ParseCommandLine(int argc, const char* const* argv, CommandLine line);

std::string Usage();

}  // namespace vontra::scores
