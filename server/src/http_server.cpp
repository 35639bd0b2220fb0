#include "http_server.h"

#include <atomic>
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

namespace vontra::scores {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using SteadyClock = std::chrono::steady_clock;

// Control bytes and long tails of a target are cut from the log, so that a line stays one line.
std::string Printable(std::string_view target) {
  std::string out;
  for (const char c : target.substr(0, 200)) {
    out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
  }
  if (target.size() > 200) out += "...";
  return out;
}

class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(tcp::socket socket, ScoresService& service, const ServerLimits& limits,
          std::atomic<size_t>& open)
      : stream_(std::move(socket)), service_(service), limits_(limits), open_(open) {
    beast::error_code ec;
    const auto endpoint = stream_.socket().remote_endpoint(ec);
    address_ = ec ? "?" : endpoint.address().to_string();
  }
  ~Session() { --open_; }

  void Read(std::chrono::seconds timeout) {
    parser_.emplace();
    parser_->header_limit(static_cast<uint32_t>(limits_.maxHeaderBytes));
    parser_->body_limit(0);
    // One deadline for the whole request: trickling bytes does not extend it.
    stream_.expires_after(timeout);
    http::async_read(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code ec, size_t) { self->OnRead(ec); });
  }

 private:
  void OnRead(beast::error_code ec) {
    if (ec == http::error::end_of_stream || ec == beast::error::timeout || ec == asio::error::eof ||
        ec == asio::error::connection_reset) {
      return Close();
    }
    started_ = SteadyClock::now();
    if (ec) {
      // Over-long lines and headers, broken syntax: one answer, then the connection goes.
      keepAlive_ = false;
      method_ = "-";
      target_ = ec.message();
      return Send({400, "text/plain; charset=utf-8",
                   std::make_shared<const std::string>("bad request: " + ec.message() + "\n")});
    }
    const auto& request = parser_->get();
    keepAlive_ = request.keep_alive();
    head_ = request.method() == http::verb::head;
    method_ = std::string(request.method_string());
    target_ = std::string(request.target());
    service_.Handle(method_, target_, address_, [self = shared_from_this()](Reply reply) {
      // The answer may come from the writer thread: hand it back to this connection's strand.
      asio::post(self->stream_.get_executor(),
                 [self, reply = std::move(reply)]() mutable { self->Send(std::move(reply)); });
    });
  }

  void Send(Reply reply) {
    auto response = std::make_shared<http::response<http::string_body>>(
        static_cast<http::status>(reply.status), 11);
    response->set(http::field::server, "vontra-scores");
    response->set(http::field::content_type, reply.contentType);
    response->keep_alive(keepAlive_);
    response->body() = head_ ? std::string() : *reply.body;
    response->prepare_payload();
    if (head_) response->content_length(reply.body->size());
    const auto ms =
        std::chrono::duration<double, std::milli>(SteadyClock::now() - started_).count();
    std::fprintf(stderr, "%s \"%s %s\" %d %zu %.1fms\n", address_.c_str(), method_.c_str(),
                 Printable(target_).c_str(), reply.status, reply.body->size(), ms);
    stream_.expires_after(limits_.requestTimeout);
    http::async_write(stream_, *response,
                      [self = shared_from_this(), response](beast::error_code ec, size_t) {
                        if (ec || !self->keepAlive_) return self->Close();
                        self->Read(self->limits_.idleTimeout);
                      });
  }

  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
  }

  beast::tcp_stream stream_;
  beast::flat_buffer buffer_{8192};
  std::optional<http::request_parser<http::empty_body>> parser_;
  ScoresService& service_;
  const ServerLimits& limits_;
  std::atomic<size_t>& open_;
  std::string address_;
  std::string method_;
  std::string target_;
  bool keepAlive_ = false;
  bool head_ = false;
  SteadyClock::time_point started_ = SteadyClock::now();
};

}  // namespace

struct HttpServer::Impl {
  Impl(ScoresService& service, const std::string& host, unsigned short port, ServerLimits limits)
      : service(service),
        limits(limits),
        context(limits.threads),
        acceptor(asio::make_strand(context), tcp::endpoint(asio::ip::make_address(host), port)),
        signals(context, SIGTERM, SIGINT) {}

  void Accept() {
    acceptor.async_accept(asio::make_strand(context),
                          [this](beast::error_code ec, tcp::socket socket) {
                            if (ec == asio::error::operation_aborted) return;
                            if (!ec) {
                              // Past the cap a connection is closed at once rather than queued.
                              if (open.load() >= limits.maxConnections) {
                                beast::error_code ignored;
                                socket.close(ignored);
                              } else {
                                ++open;
                                std::make_shared<Session>(std::move(socket), service, limits, open)
                                    ->Read(limits.requestTimeout);
                              }
                            }
                            Accept();
                          });
  }

  ScoresService& service;
  ServerLimits limits;
  asio::io_context context;
  tcp::acceptor acceptor;
  asio::signal_set signals;
  std::atomic<size_t> open{0};
};

HttpServer::HttpServer(ScoresService& service, const std::string& host, unsigned short port,
                       ServerLimits limits)
    : impl_(std::make_unique<Impl>(service, host, port, limits)) {}

HttpServer::~HttpServer() = default;

unsigned short HttpServer::Port() const {
  return impl_->acceptor.local_endpoint().port();
}

void HttpServer::Run() {
  Impl& impl = *impl_;
  impl.signals.async_wait([&impl](beast::error_code, int) {
    beast::error_code ignored;
    impl.acceptor.close(ignored);
    // Results already taken are committed and their answers posted before the loop stops.
    impl.service.Stop();
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
