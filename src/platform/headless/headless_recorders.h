#pragma once
#include <string>
#include <vector>

#include "platform/http_client.h"
#include "platform/shell.h"

namespace vontra {

// Records every request; answers with the result the test chose.
class HeadlessHttp : public IHttpClient {
 public:
  struct Request {
    std::string Url;
    std::vector<std::string> Headers;
  };
  bool Get(const std::string& url, const std::vector<std::string>& headers) override {
    requests_.push_back({url, headers});
    return succeed_;
  }
  void SetSucceed(bool succeed) { succeed_ = succeed; }
  const std::vector<Request>& Requests() const { return requests_; }

 private:
  std::vector<Request> requests_;
  bool succeed_ = true;
};

// Records every "open" it was asked for.
class HeadlessShell : public IShell {
 public:
  void Open(const std::string& target) override { opened_.push_back(target); }
  const std::vector<std::string>& Opened() const { return opened_; }

 private:
  std::vector<std::string> opened_;
};

}  // namespace vontra
