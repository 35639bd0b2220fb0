#pragma once
#include "platform/http_client.h"

namespace vontra {

// One libcurl handle for the whole run, so cookies set by the server are sent back (kept in
// memory only). No proxy; a server that never answers costs at most five seconds.
class CurlHttpClient : public IHttpClient {
 public:
  CurlHttpClient();
  ~CurlHttpClient() override;
  CurlHttpClient(const CurlHttpClient&) = delete;
  CurlHttpClient& operator=(const CurlHttpClient&) = delete;
  bool Get(const std::string& url, const std::vector<std::string>& headers) override;

 private:
  void* curl_ = nullptr;
};

}  // namespace vontra
