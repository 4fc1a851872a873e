#include "fuzzcheck.h"
#include "typedentry.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double number = SameInEveryLocale([&] { return zevodave::LeadingNumber(text); });
    Require(!std::isnan(number), "a text never reads as NaN");
    if (const auto whole = Digits(text, kDecimal))
        Require(number == *whole, "a decimal text of a whole number reads back as that number");
    return 0;
}
