#include "bands.h"
#include "fuzzcheck.h"
#include "typedentry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave;
    constexpr std::size_t kWholeDigits = 2; // "0" to "11": short enough for every band
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto whole = size <= kWholeDigits ? fuzz::Digits(text, fuzz::kDecimal) : std::nullopt;
    for (int band = 0; band < kBandCount; ++band) {
        const auto outcome = fuzz::SameInEveryLocale([&] { return TypedPosition(band, text); });
        const auto entries = EntryTexts(band).size();
        if (outcome.isPosition())
            fuzz::Require(outcome.position() >= 0 && std::size_t(outcome.position()) < entries,
                          "a position is one of the band's list");
        if (whole && *whole < entries && band != kToleranceBand)
            fuzz::Require(outcome == TypedOutcome::At(int(*whole)),
                          "a whole number of the list chooses that position");
    }
    return 0;
}
