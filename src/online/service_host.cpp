#include <string>

#include "online/web_service.h"

namespace vontra {

// Alone in its file, so a build for tests can point the game at another host by compiling
// only this file again.
std::string_view ServiceHost() {
  // The configured host may leave out its scheme; the service speaks plain http.
  static const std::string kHost = [] {
    const std::string host = VONTRA_SERVICE_HOST;
    const bool hasScheme = host.rfind("http://", 0) == 0 || host.rfind("https://", 0) == 0;
    return hasScheme ? host : "http://" + host;
  }();
  return kHost;
}

}  // namespace vontra
