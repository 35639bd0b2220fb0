#pragma once
#include <string>
#include <vector>

namespace vontra {

class IHttpClient {
 public:
  virtual ~IHttpClient() = default;
  // One GET; the answer is read and discarded. False on any failure or time-out.
  virtual bool Get(const std::string& url, const std::vector<std::string>& headers) = 0;
};

}  // namespace vontra
