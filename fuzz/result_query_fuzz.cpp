// libFuzzer target for the score service's query decoding: any input is a request target and an
// encoded result. Whatever the decoder accepts must encode back to exactly the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/result_payload.h"
#include "query.h"
#include "result_query.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto target = vontra::scores::ParseTarget(input);
  for (const auto& [key, value] : target.params) vontra::scores::PercentDecode(value);

  const auto decoded = vontra::scores::DecodeResult(input);
  if (decoded.result) {
    const auto& r = *decoded.result;
    const auto again = vontra::EncodeBase32(
        vontra::EncodeBits(vontra::BuildResultPayload(r.name, r.score, r.extra)));
    if (again != input) std::abort();
  } else if (decoded.error.empty() || decoded.error.find('\n') != std::string::npos) {
    std::abort();  // every refusal has a one-line reason
  }
  return 0;
}
