// vontra-scores: the game's world table as a network service.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "http_server.h"
#include "scores_service.h"

namespace {

constexpr const char* kUsage =
    "Usage: vontra-scores [--listen HOST:PORT] [--database URL] [options]\n"
    "The Vontra world table: takes the results the game sends and serves the table pages.\n"
    "\n"
    "  --listen HOST:PORT      address to listen on (default 127.0.0.1:8080)\n"
    "  --database URL          an SQLite file (default scores.db, created on start) or\n"
    "                          postgresql://user@host:port/dbname\n"
    "  --rate-limit N          results per minute one address may send (default 10; 0: no limit)\n"
    "  --max-connections N     open connections at most (default 1024)\n"
    "  --request-timeout S     seconds a client has to send a whole request (default 10)\n"
    "  --threads N             network threads (default 2)\n"
    "  --assets DIR            folder holding screenshot-race.png for the home page\n"
    "  --help                  this text\n"
    "One line per request goes to stderr. SIGTERM stops the service after answering the results\n"
    "already taken.\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "vontra-scores: %s\n%s", message.c_str(), kUsage);
  return 2;
}

int64_t Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  std::string listen = "127.0.0.1:8080";
  std::string database = "scores.db";
  vontra::scores::ServiceOptions options;
  options.assetsDir = VONTRA_SCORES_ASSETS;
  vontra::scores::ServerLimits limits;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= argc) return Fail("unknown option or missing value: " + arg);
    const std::string value = argv[++i];
    try {
      if (arg == "--listen") {
        listen = value;
      } else if (arg == "--database") {
        database = value;
      } else if (arg == "--rate-limit") {
        options.resultsPerMinute = std::stoi(value);
      } else if (arg == "--max-connections") {
        limits.maxConnections = std::stoul(value);
      } else if (arg == "--request-timeout") {
        limits.requestTimeout = std::chrono::seconds(std::max(1, std::stoi(value)));
      } else if (arg == "--threads") {
        limits.threads = std::max(1, std::stoi(value));
      } else if (arg == "--assets") {
        options.assetsDir = value;
      } else {
        return Fail("unknown option: " + arg);
      }
    } catch (const std::exception&) {
      return Fail("bad value for " + arg + ": " + value);
    }
  }
  const size_t colon = listen.rfind(':');
  if (colon == std::string::npos) return Fail("--listen needs HOST:PORT");
  try {
    const auto port = static_cast<unsigned short>(std::stoul(listen.substr(colon + 1)));
    auto writes = vontra::scores::OpenScoreStore(database);
    auto reads = vontra::scores::OpenScoreStore(database);
    vontra::scores::ScoresService service(*writes, *reads, options, Now);
    vontra::scores::HttpServer server(service, listen.substr(0, colon), port, limits);
    std::fprintf(stderr, "vontra-scores: listening on %s:%u\n", listen.substr(0, colon).c_str(),
                 static_cast<unsigned>(server.Port()));
    server.Run();
    std::fprintf(stderr, "vontra-scores: stopped\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vontra-scores: %s\n", e.what());
    return 1;
  }
  return 0;
}
