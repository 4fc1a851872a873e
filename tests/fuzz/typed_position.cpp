#include "bands.h"
#include "fuzzcheck.h"
#include "typedentry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave;
    using namespace zevodave::fuzz;
    constexpr std::size_t kShortMultiplierText = 4;
    const std::string_view text = AsText(data, size);
    const auto whole = WholeDecimal(text);
    for (int band = 0; band < kBandCount; ++band) {
        const TypedOutcome outcome = SameInEveryLocale([&] { return TypedPosition(band, text); });
        const int entries = static_cast<int>(EntryTexts(band).size());
        if (outcome.isPosition())
            Require(outcome.position() >= 0 && outcome.position() < entries,
                    "a position is one of the band's list");
        if (outcome.isKeep())
            Require(band == kMultiplierBand, "only the multiplier keeps its position");
        const bool namesPosition = band != kToleranceBand && whole && *whole < entries &&
                                   (band != kMultiplierBand || text.size() <= kShortMultiplierText);
        if (namesPosition)
            Require(outcome == TypedOutcome::At(static_cast<int>(*whole)),
                    "a whole number of the list chooses that position");
    }
    Require(TypedPosition(kNoPosition, text).isReject() &&
                TypedPosition(kBandCount, text).isReject(),
            "a band that does not exist rejects everything");
    return 0;
}
