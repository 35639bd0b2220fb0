// libFuzzer target for the score service's query decoding: any input is a request target, an
// encoded result and a looked-up name. Whatever the decoder accepts must encode back to exactly
// the same text, and an accepted name must be one the game could have sent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "online/result_payload.h"
#include "platform/cp1251.h"
#include "query.h"
#include "result_query.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto target = vontra::scores::ParseTarget(input);
  for (const auto& [key, value] : target.params) vontra::scores::PercentDecode(value);

  if (const auto name = vontra::scores::DecodeLookupName(input)) {
    const std::string bytes = vontra::Utf8ToCp1251(*name);
    if (bytes.size() > vontra::scores::kMaxPlayerNameChars || vontra::Cp1251ToUtf8(bytes) != *name)
      std::abort();
    for (const char c : bytes) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    }
  }

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
