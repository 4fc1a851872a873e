#include "bands.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave::fuzz;
    const std::string_view text = AsText(data, size);
    const std::uint32_t value = SameInEveryLocale([&] { return zevodave::ColourValue(text); });
    if (const auto code = ColourCode(text))
        Require(value == *code, "a colour code text reads as its hexadecimal digits");
    return 0;
}
