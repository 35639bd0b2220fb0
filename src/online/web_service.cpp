#include "online/web_service.h"

#include "online/result_payload.h"
#include "platform/http_client.h"

namespace vontra {

std::string ResultRequestUrl(std::string_view host, std::string_view payload) {
  std::string url(host);
  url += "/cgi/version.pl?hs&prg=Vontra&inf=";
  url += EncodeBase32(EncodeBits(payload));
  return url;
}

std::string WorldTableUrl(std::string_view host) {
  return std::string(host) + "/cgi/version.pl?prg=Vontra&show&type=0";
}

std::string HomePageUrl(std::string_view host) {
  return std::string(host);
}

const std::vector<std::string>& ResultRequestHeaders() {
  static const std::vector<std::string> kHeaders = {
      "Accept: text/html, */*",
      "Content-Type: text/html",
      "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
  };
  return kHeaders;
}

void SendResult(IHttpClient& http, std::string_view host, std::string_view playerName,
                int32_t score, std::string_view extraText) {
  try {
    const std::string url =
        ResultRequestUrl(host, BuildResultPayload(playerName, score, extraText));
    http.Get(url, ResultRequestHeaders());  // the outcome changes nothing for the player
  } catch (...) {
    // Nothing a submission does may reach the game.
  }
}

}  // namespace vontra
