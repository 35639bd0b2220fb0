#include "command_line.h"

#include <boost/program_options.hpp>
#include <charconv>
#include <cstdint>
#include <sstream>

namespace vontra::scores {
namespace {

namespace po = boost::program_options;

// Numbers are read wide and checked here: a negative count must never wrap or mean "no limit".
struct Ranged {
  const char* name;
  int64_t min;
  int64_t max;
  int64_t value;
};

po::options_description Options() {
  po::options_description options("Options");
  // clang-format off
  options.add_options()
      ("listen", po::value<std::string>()->value_name("HOST:PORT"),
       "address to listen on (default 127.0.0.1:8080; [::1]:8080 and localhost:8080 work)")
      ("database", po::value<std::string>()->value_name("URL"),
       "an SQLite file (default scores.db, created on start) or postgresql://user@host:port/dbname")
      ("rate-limit", po::value<int64_t>()->value_name("N"),
       "results per minute one sender may send, 0 to 100000 (default 10; 0: no limit); an IPv6 /64 "
       "is one sender")
      ("max-connections", po::value<int64_t>()->value_name("N"),
       "open connections at most, 1 to 1000000 (default 1024; lowered to fit ulimit -n)")
      ("max-connections-per-address", po::value<int64_t>()->value_name("N"),
       "open connections one sender may hold, 1 to 1000000 (default 64; trusted proxies have no "
       "cap of their own)")
      ("request-timeout", po::value<int64_t>()->value_name("S"),
       "seconds a client has to send each whole request, 1 to 3600 (default 10)")
      ("idle-timeout", po::value<int64_t>()->value_name("S"),
       "seconds a kept-alive connection may wait for its next request, 1 to 3600 (default 30)")
      ("threads", po::value<int64_t>()->value_name("N"), "network threads, 1 to 64 (default 2)")
      ("trusted-proxy", po::value<std::vector<std::string>>()->value_name("ADDR"),
       "a reverse proxy's address (repeatable): its requests count for the client its header names")
      ("proxy-header", po::value<std::string>()->value_name("NAME"),
       "the header the trusted proxies set: X-Forwarded-For (default) or Forwarded")
      ("assets", po::value<std::string>()->value_name("DIR"),
       "folder holding screenshot-race.png for the home page")
      ("help,h", "this text");
  // clang-format on
  return options;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  }
  return true;
}

}  // namespace

ListenAt ParseListenAt(std::string_view text) {
  const auto bad = [&text](const char* why) {
    return CommandLineError("--listen " + std::string(text) + ": " + why);
  };
  const size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) throw bad("needs HOST:PORT");
  std::string_view host = text.substr(0, colon);
  const std::string_view port = text.substr(colon + 1);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string_view::npos) {
    throw bad("an IPv6 address goes in brackets, as [::1]:8080");
  }
  if (host.empty()) throw bad("no host");
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (port.empty() || ec != std::errc() || end != port.data() + port.size() || value > 65535)
    throw bad("the port is 0 to 65535");
  return {std::string(host), static_cast<unsigned short>(value)};
}

CommandLine ParseCommandLine(int argc, const char* const* argv, CommandLine line) {
  po::variables_map vm;
  try {
    // No positional arguments: a stray word is refused, not ignored.
    const po::positional_options_description none;
    po::store(po::command_line_parser(argc, argv).options(Options()).positional(none).run(), vm);
    po::notify(vm);
  } catch (const po::error& e) {
    throw CommandLineError(e.what());
  }
  if (vm.count("help")) {
    line.help = true;
    return line;
  }
  const auto ranged = [&vm](const char* name, int64_t min, int64_t max, int64_t fallback) {
    if (!vm.count(name)) return fallback;
    const auto value = vm[name].as<int64_t>();
    if (value < min || value > max) {
      throw CommandLineError("--" + std::string(name) + " " + std::to_string(value) + ": must be " +
                             std::to_string(min) + " to " + std::to_string(max));
    }
    return value;
  };
  if (vm.count("listen")) line.listen = ParseListenAt(vm["listen"].as<std::string>());
  if (vm.count("database")) line.database = vm["database"].as<std::string>();
  if (vm.count("assets")) line.service.assetsDir = vm["assets"].as<std::string>();
  line.service.resultsPerMinute =
      static_cast<int>(ranged("rate-limit", 0, 100000, line.service.resultsPerMinute));
  ServerLimits& limits = line.limits;
  limits.maxConnections = static_cast<size_t>(
      ranged("max-connections", 1, 1000000, static_cast<int64_t>(limits.maxConnections)));
  limits.maxConnectionsPerSender =
      static_cast<size_t>(ranged("max-connections-per-address", 1, 1000000,
                                 static_cast<int64_t>(limits.maxConnectionsPerSender)));
  limits.requestTimeout =
      std::chrono::seconds(ranged("request-timeout", 1, 3600, limits.requestTimeout.count()));
  limits.idleTimeout =
      std::chrono::seconds(ranged("idle-timeout", 1, 3600, limits.idleTimeout.count()));
  limits.threads = static_cast<int>(ranged("threads", 1, 64, limits.threads));
  if (vm.count("trusted-proxy")) {
    line.trustedProxies = vm["trusted-proxy"].as<std::vector<std::string>>();
    for (const std::string& proxy : line.trustedProxies) {
      if (!CanonicalAddress(proxy))
        throw CommandLineError("--trusted-proxy " + proxy + ": not an IP address");
    }
  }
  if (vm.count("proxy-header")) {
    const auto name = vm["proxy-header"].as<std::string>();
    if (SameLetters(name, "X-Forwarded-For")) {
      line.proxyHeader = ProxyHeader::kXForwardedFor;
    } else if (SameLetters(name, "Forwarded")) {
      line.proxyHeader = ProxyHeader::kForwarded;
    } else {
      throw CommandLineError("--proxy-header " + name + ": X-Forwarded-For or Forwarded");
    }
  }
  return line;
}

std::string Usage() {
  std::ostringstream text;
  text << "Usage: vontra-scores [--listen HOST:PORT] [--database URL] [options]\n"
          "The Vontra world table: takes the results the game sends and serves the table pages.\n\n"
       << Options()
       << "\nOne line per request goes to stderr. SIGTERM stops the service after answering the "
          "results\nalready taken.\n";
  return text.str();
}

}  // namespace vontra::scores
