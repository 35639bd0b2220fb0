#pragma once
// The game's web service: the result request and the two pages opened in the browser.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vontra {

class IHttpClient;

// Scheme and host (and port, if any) of the service, chosen when the game is configured.
std::string_view ServiceHost();

std::string ResultRequestUrl(std::string_view host, std::string_view payload);
std::string WorldTableUrl(std::string_view host);
// The service's home page is the host itself.
std::string HomePageUrl(std::string_view host);

// The headers every request carries.
const std::vector<std::string>& ResultRequestHeaders();

// Builds, encodes and sends one result. The answer is discarded and every failure is silent:
// a result that does not arrive costs the player nothing but the wait, which the client bounds.
void SendResult(IHttpClient& http, std::string_view host, std::string_view playerName,
                int32_t score, std::string_view extraText);

}  // namespace vontra
