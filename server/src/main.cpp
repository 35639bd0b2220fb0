// vontra-scores: the game's world table as a network service.
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "command_line.h"
#include "http_server.h"
#include "scores_service.h"

namespace {

int64_t Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  namespace scores = vontra::scores;
  scores::CommandLine defaults;
  defaults.service.assetsDir = VONTRA_SCORES_ASSETS;
  scores::CommandLine line;
  try {
    line = scores::ParseCommandLine(argc, argv, defaults);
  } catch (const scores::CommandLineError& e) {
    std::fprintf(stderr, "vontra-scores: %s\n%s", e.what(), scores::Usage().c_str());
    return 2;
  }
  if (line.help) {
    std::fputs(scores::Usage().c_str(), stdout);
    return 0;
  }
  try {
    auto writes = scores::OpenScoreStore(line.database);
    auto reads = scores::OpenScoreStore(line.database);
    scores::ScoresService service(*writes, *reads, line.service, Now);
    scores::HttpServer server(service, line.listen.host, line.listen.port, line.limits,
                              scores::TrustedProxies(line.trustedProxies, line.proxyHeader));
    std::fprintf(stderr, "vontra-scores: listening on %s\n", server.ListenAddress().c_str());
    server.Run();
    std::fprintf(stderr, "vontra-scores: stopped\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vontra-scores: %s\n", e.what());
    return 1;
  }
  return 0;
}
