#include "client_address.h"

#include <algorithm>
#include <stdexcept>
// Boost 1.74 asio uses std::exchange without including <utility>.
#include <utility>
// clang-format off
#include <boost/asio/ip/address.hpp>
// clang-format on

namespace vontra::scores {
namespace {

namespace ip = boost::asio::ip;

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = text.find(separator);
    parts.push_back(Trim(text.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// One hop as proxies write it: "192.0.2.1", "192.0.2.1:4711", "2001:db8::1", "[2001:db8::1]:4711",
// any of them in double quotes.
std::optional<std::string> HopAddress(std::string_view hop) {
  if (hop.size() >= 2 && hop.front() == '"' && hop.back() == '"')
    hop = hop.substr(1, hop.size() - 2);
  if (!hop.empty() && hop.front() == '[') {
    const size_t close = hop.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view rest = hop.substr(close + 1);
    if (!rest.empty() && rest.front() != ':') return std::nullopt;
    hop = hop.substr(1, close - 1);
  } else if (std::count(hop.begin(), hop.end(), ':') == 1) {
    hop = hop.substr(0, hop.find(':'));
  }
  return CanonicalAddress(hop);
}

// The "for" parameter of one element of a Forwarded header ("for=x;proto=https;by=y").
std::string_view ForwardedFor(std::string_view element) {
  for (const std::string_view pair : Split(element, ';')) {
    const size_t eq = pair.find('=');
    if (eq == std::string_view::npos) continue;
    std::string_view key = Trim(pair.substr(0, eq));
    if (key.size() == 3 && (key[0] | 0x20) == 'f' && (key[1] | 0x20) == 'o' &&
        (key[2] | 0x20) == 'r')
      return Trim(pair.substr(eq + 1));
  }
  return {};
}

}  // namespace

std::optional<std::string> CanonicalAddress(std::string_view text) {
  // The parser accepts zone suffixes ("fe80::1%eth0"); a client address never carries one.
  if (text.empty() || text.size() > 45 || text.find('%') != std::string_view::npos)
    return std::nullopt;
  boost::system::error_code ec;
  const ip::address address = ip::make_address(std::string(text), ec);
  if (ec) return std::nullopt;
  if (address.is_v6() && address.to_v6().is_v4_mapped())
    return ip::make_address_v4(ip::v4_mapped, address.to_v6()).to_string();
  return address.to_string();
}

std::string SenderKey(std::string_view address) {
  boost::system::error_code ec;
  const ip::address parsed = ip::make_address(std::string(address), ec);
  if (ec || !parsed.is_v6()) return std::string(address);
  if (parsed.to_v6().is_v4_mapped())
    return ip::make_address_v4(ip::v4_mapped, parsed.to_v6()).to_string();
  ip::address_v6::bytes_type bytes = parsed.to_v6().to_bytes();
  std::fill(bytes.begin() + 8, bytes.end(), 0);
  return ip::address_v6(bytes).to_string() + "/64";
}

TrustedProxies::TrustedProxies(const std::vector<std::string>& addresses, ProxyHeader header)
    : header_(header) {
  for (const std::string& text : addresses) {
    const auto canonical = CanonicalAddress(text);
    if (!canonical) throw std::invalid_argument("not an IP address: " + text);
    addresses_.push_back(*canonical);
  }
}

bool TrustedProxies::Trusts(const std::string& canonical) const {
  return std::find(addresses_.begin(), addresses_.end(), canonical) != addresses_.end();
}

std::string TrustedProxies::Client(const std::string& peer,
                                   const std::vector<std::string_view>& values) const {
  std::vector<std::string_view> hops;
  for (const std::string_view value : values) {
    for (const std::string_view element : Split(value, ',')) {
      hops.push_back(header_ == ProxyHeader::kForwarded ? ForwardedFor(element) : element);
    }
  }
  std::string client = peer;
  while (Trusts(client) && !hops.empty()) {
    const auto previous = HopAddress(hops.back());
    if (!previous) break;
    client = *previous;
    hops.pop_back();
  }
  return client;
}

}  // namespace vontra::scores
