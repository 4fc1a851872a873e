#include "bands.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave::fuzz;
    constexpr std::string_view kPrefix = "&H";
    constexpr std::size_t kColourDigits = 8; // four bytes, two hexadecimal digits each
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::uint32_t value = SameInEveryLocale([&] { return zevodave::ColourValue(text); });
    if (!text.starts_with(kPrefix) || size > kPrefix.size() + kColourDigits)
        return 0;
    if (const auto code = Digits(text.substr(kPrefix.size()), kHexadecimal))
        Require(value == *code, "a colour code text reads as its hexadecimal digits");
    return 0;
}
