#pragma once
// Who a request comes from: the peer's address, or, behind a proxy we trust, the client the proxy
// names. Addresses are kept as text in one canonical form.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vontra::scores {

// The canonical text of an address ("::ffff:127.0.0.1" is "127.0.0.1"); nothing when the text is
// no IPv4 or IPv6 address.
std::optional<std::string> CanonicalAddress(std::string_view text);

// The key one sender is counted under: an IPv4 address, or the /64 network of an IPv6 address,
// since one subscriber usually holds a whole /64. Text that is no address is its own key.
std::string SenderKey(std::string_view address);

enum class ProxyHeader { kXForwardedFor, kForwarded };

class TrustedProxies {
 public:
  TrustedProxies() = default;
  // Throws std::invalid_argument for an entry that is no address.
  TrustedProxies(const std::vector<std::string>& addresses, ProxyHeader header);

  bool Trusts(const std::string& canonical) const;
  ProxyHeader Header() const { return header_; }
  // The client of a request from `peer` (canonical), given every value of the proxy header in
  // order. The header is read from the right: each trusted hop names the one before it, and the
  // first hop we do not trust is the client. A malformed entry stops the walk at the proxy that
  // sent it, so a broken header can only cost its own proxy's allowance.
  std::string Client(const std::string& peer, const std::vector<std::string_view>& values) const;

 private:
  std::vector<std::string> addresses_;
  ProxyHeader header_ = ProxyHeader::kXForwardedFor;
};

}  // namespace vontra::scores
