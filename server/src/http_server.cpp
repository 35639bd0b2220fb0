#include "http_server.h"

#include <sys/resource.h>

#include <algorithm>
// Boost 1.74 asio uses std::exchange without including <utility>.
#include <utility>
// clang-format off
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
// clang-format on
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

#include "connection_table.h"
#include "log_line.h"

namespace vontra::scores {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using SteadyClock = std::chrono::steady_clock;

// What every connection shares; it outlives them all.
struct Shared {
  ScoresService& service;
  const ServerLimits& limits;
  const TrustedProxies& proxies;
  ConnectionTable& table;
};

class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(tcp::socket socket, Shared& shared, std::string peer)
      : stream_(std::move(socket)),
        shared_(shared),
        peer_(std::move(peer)),
        sender_(SenderKey(peer_)) {}
  ~Session() {
    if (id_) shared_.table.Release(sender_, *id_);
  }

  const std::string& Sender() const { return sender_; }
  bool FromProxy() const { return shared_.proxies.Trusts(peer_); }

  // Taken into the table: the first request's deadline runs from now.
  void Start(ConnectionTable::Id id) {
    id_ = id;
    stream_.expires_after(shared_.limits.requestTimeout);
    ReadHeader();
  }

  // Makes room for a connection of a less busy sender; runs on any thread.
  ConnectionTable::CloseAction Evictor() {
    return [weak = weak_from_this()] {
      if (auto self = weak.lock()) {
        asio::post(self->stream_.get_executor(), [self] { self->stream_.close(); });
      }
    };
  }

 private:
  // Between requests a kept-alive connection may wait idleTimeout for the first byte of the next
  // one; from that byte on the request has requestTimeout, like the first.
  void WaitForNext() {
    if (buffer_.size() > 0) {
      stream_.expires_after(shared_.limits.requestTimeout);
      return ReadHeader();
    }
    stream_.expires_after(shared_.limits.idleTimeout);
    stream_.async_read_some(buffer_.prepare(1024),
                            [self = shared_from_this()](beast::error_code ec, size_t bytes) {
                              if (ec) return self->Close();
                              self->buffer_.commit(bytes);
                              self->stream_.expires_after(self->shared_.limits.requestTimeout);
                              self->ReadHeader();
                            });
  }

  void ReadHeader() {
    parser_.emplace();
    parser_->header_limit(static_cast<uint32_t>(shared_.limits.maxHeaderBytes));
    http::async_read_header(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code ec, size_t) { self->OnHeader(ec); });
  }

  void OnHeader(beast::error_code ec) {
    if (ec == asio::error::operation_aborted) return;  // evicted
    if (ec == http::error::end_of_stream || ec == beast::error::timeout || ec == asio::error::eof ||
        ec == asio::error::connection_reset) {
      return Close();
    }
    started_ = SteadyClock::now();
    client_ = peer_;
    if (ec) {
      // Over-long lines and headers, broken syntax: one answer, then the connection goes.
      return Refuse("-", ec.message(), "bad request: " + ec.message());
    }
    const auto& request = parser_->get();
    method_ = std::string(request.method_string());
    target_ = std::string(request.target());
    // Requests here have no body. Any framing of one is refused and the connection closed, so
    // that no byte after the header can be read as a request of its own.
    if (request.count(http::field::transfer_encoding) > 0 ||
        parser_->content_length().value_or(0) > 0 || !parser_->is_done()) {
      return Refuse(method_, target_, "bad request: no body allowed");
    }
    if (FromProxy()) {
      const std::string_view field =
          shared_.proxies.Header() == ProxyHeader::kForwarded ? "Forwarded" : "X-Forwarded-For";
      std::vector<std::string_view> values;
      for (auto [it, end] = request.equal_range(beast::string_view(field.data(), field.size()));
           it != end; ++it)
        values.emplace_back(it->value().data(), it->value().size());
      client_ = shared_.proxies.Client(peer_, values);
    }
    keepAlive_ = request.keep_alive();
    head_ = request.method() == http::verb::head;
    shared_.service.Handle(method_, target_, client_, [self = shared_from_this()](Reply reply) {
      // The answer may come from the writer thread: hand it back to this connection's strand.
      asio::post(self->stream_.get_executor(),
                 [self, reply = std::move(reply)]() mutable { self->Send(std::move(reply)); });
    });
  }

  void Refuse(std::string method, std::string target, const std::string& why) {
    keepAlive_ = false;
    head_ = false;
    method_ = std::move(method);
    target_ = std::move(target);
    Send({400, "text/plain; charset=utf-8", std::make_shared<const std::string>(why + "\n")});
  }

  void Send(Reply reply) {
    auto response = std::make_shared<http::response<http::string_body>>(
        static_cast<http::status>(reply.status), 11);
    response->set(http::field::server, "vontra-scores");
    response->set(http::field::content_type, reply.contentType);
    if (reply.status == 405) response->set(http::field::allow, "GET");
    response->keep_alive(keepAlive_);
    response->body() = head_ ? std::string() : *reply.body;
    response->prepare_payload();
    if (head_) response->content_length(reply.body->size());
    const auto ms =
        std::chrono::duration<double, std::milli>(SteadyClock::now() - started_).count();
    std::fprintf(stderr, "%s \"%s %s\" %d %zu %.1fms\n", client_.c_str(),
                 EscapeForLog(method_, 20).c_str(), EscapeForLog(target_).c_str(), reply.status,
                 reply.body->size(), ms);
    stream_.expires_after(shared_.limits.requestTimeout);
    http::async_write(stream_, *response,
                      [self = shared_from_this(), response](beast::error_code ec, size_t) {
                        if (ec || !self->keepAlive_) return self->Close();
                        self->WaitForNext();
                      });
  }

  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
  }

  beast::tcp_stream stream_;
  beast::flat_buffer buffer_{8192};
  std::optional<http::request_parser<http::empty_body>> parser_;
  Shared& shared_;
  const std::string peer_;
  const std::string sender_;
  std::optional<ConnectionTable::Id> id_;
  std::string client_;
  std::string method_;
  std::string target_;
  bool keepAlive_ = false;
  bool head_ = false;
  SteadyClock::time_point started_ = SteadyClock::now();
};

// Each connection holds a descriptor; the store, the log and the loop need some of their own.
ServerLimits FitToDescriptorLimit(ServerLimits limits) {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return limits;
  const auto files = static_cast<size_t>(limit.rlim_cur);
  const size_t reserve = std::max<size_t>(32, files / 8);
  const size_t room = files > reserve + 1 ? files - reserve : 1;
  if (limits.maxConnections > room) {
    std::fprintf(stderr,
                 "vontra-scores: --max-connections lowered from %zu to %zu: %zu open files "
                 "allowed (ulimit -n)\n",
                 limits.maxConnections, room, files);
    limits.maxConnections = room;
  }
  return limits;
}

tcp::endpoint Resolve(const std::string& host, unsigned short port) {
  asio::io_context context;
  tcp::resolver resolver(context);
  const auto results = resolver.resolve(host, std::to_string(port),
                                        tcp::resolver::passive | tcp::resolver::numeric_service);
  if (results.empty()) throw std::runtime_error("no address for " + host);
  return results.begin()->endpoint();
}

std::string Canonical(const tcp::endpoint& endpoint) {
  return CanonicalAddress(endpoint.address().to_string()).value_or("?");
}

}  // namespace

// Declared in the order they must outlive each other: the table and the shared settings outlive
// the context, whose destruction may still destroy sessions.
struct HttpServer::Impl {
  Impl(ScoresService& service, const std::string& host, unsigned short port, ServerLimits wanted,
       TrustedProxies trusted)
      : limits(FitToDescriptorLimit(wanted)),
        proxies(std::move(trusted)),
        table(limits.maxConnections, limits.maxConnectionsPerSender),
        shared{service, limits, proxies, table},
        context(limits.threads),
        acceptor(asio::make_strand(context), Resolve(host, port)),
        backoffTimer(acceptor.get_executor()),
        signals(context, SIGTERM, SIGINT) {}

  void Accept() {
    acceptor.async_accept(asio::make_strand(context),
                          [this](beast::error_code ec, tcp::socket socket) {
                            if (ec == asio::error::operation_aborted) return;
                            if (ec) return BackOff(ec);
                            backoff = std::chrono::milliseconds(0);
                            Admit(std::move(socket));
                            Accept();
                          });
  }

  // Accept fails when the process is out of descriptors or memory; trying again at once would
  // only spin, so wait, longer each time, up to a second.
  void BackOff(const beast::error_code& ec) {
    if (backoff.count() == 0) {
      std::fprintf(stderr, "vontra-scores: accept failed: %s; waiting\n", ec.message().c_str());
    }
    backoff =
        std::clamp(backoff * 2, std::chrono::milliseconds(10), std::chrono::milliseconds(1000));
    backoffTimer.expires_after(backoff);
    backoffTimer.async_wait([this](beast::error_code waited) {
      if (!waited) Accept();
    });
  }

  void Admit(tcp::socket socket) {
    beast::error_code ec;
    const auto endpoint = socket.remote_endpoint(ec);
    if (ec) return;  // already gone
    auto session = std::make_shared<Session>(std::move(socket), shared, Canonical(endpoint));
    auto admission = table.Admit(session->Sender(), session->FromProxy(), session->Evictor());
    // Refused: the session and its socket go when this returns.
    if (!admission.id) return;
    if (admission.evict) admission.evict();
    session->Start(*admission.id);
  }

  void Stop() {
    asio::post(acceptor.get_executor(), [this] {
      beast::error_code ignored;
      acceptor.close(ignored);
      backoffTimer.cancel();
    });
  }

  const ServerLimits limits;
  const TrustedProxies proxies;
  ConnectionTable table;
  Shared shared;
  asio::io_context context;
  tcp::acceptor acceptor;
  asio::steady_timer backoffTimer;
  std::chrono::milliseconds backoff{0};
  asio::signal_set signals;
};

HttpServer::HttpServer(ScoresService& service, const std::string& host, unsigned short port,
                       ServerLimits limits, TrustedProxies proxies)
    : impl_(std::make_unique<Impl>(service, host, port, limits, std::move(proxies))) {}

HttpServer::~HttpServer() = default;

unsigned short HttpServer::Port() const {
  return impl_->acceptor.local_endpoint().port();
}

std::string HttpServer::ListenAddress() const {
  const auto endpoint = impl_->acceptor.local_endpoint();
  const std::string address = endpoint.address().to_string();
  return (endpoint.address().is_v6() ? "[" + address + "]" : address) + ":" +
         std::to_string(endpoint.port());
}

void HttpServer::Run() {
  Impl& impl = *impl_;
  impl.signals.async_wait([&impl](beast::error_code, int) {
    impl.Stop();
    // Results already taken are committed and their answers posted before the loop stops.
    impl.shared.service.Stop();
    auto timer = std::make_shared<asio::steady_timer>(impl.context, std::chrono::milliseconds(200));
    timer->async_wait([&impl, timer](beast::error_code) { impl.context.stop(); });
  });
  impl.Accept();
  std::vector<std::thread> threads;
  for (int i = 1; i < impl.limits.threads; ++i)
    threads.emplace_back([&impl] { impl.context.run(); });
  impl.context.run();
  for (auto& t : threads) t.join();
}

}  // namespace vontra::scores
