#include "platform/posix/curl_http_client.h"

#include <curl/curl.h>

namespace vontra {
namespace {

size_t Discard(char*, size_t size, size_t count, void*) {
  return size * count;
}

}  // namespace

CurlHttpClient::CurlHttpClient() {
  curl_global_init(CURL_GLOBAL_DEFAULT);
  CURL* curl = curl_easy_init();
  curl_ = curl;
  if (curl == nullptr) return;
  curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");  // cookie engine on, nothing read from disk
  curl_easy_setopt(curl, CURLOPT_PROXY, "");       // ignore proxy variables too
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 3000L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
}

CurlHttpClient::~CurlHttpClient() {
  if (curl_ != nullptr) curl_easy_cleanup(static_cast<CURL*>(curl_));
  curl_global_cleanup();
}

bool CurlHttpClient::Get(const std::string& url, const std::vector<std::string>& headers) {
  CURL* curl = static_cast<CURL*>(curl_);
  if (curl == nullptr) return false;
  curl_slist* list = nullptr;
  for (const std::string& h : headers) list = curl_slist_append(list, h.c_str());
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, list);
  const CURLcode result = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(list);
  // An error status is a failed submission, as much as a broken connection.
  return result == CURLE_OK && status >= 200 && status < 400;
}

}  // namespace vontra
