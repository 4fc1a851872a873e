// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// libFuzzer over every reading of typed text: the number at its start, what
// it chooses in each band, and a whole value. No text may
// crash them or read differently under a decimal-comma locale, and each
// answer keeps its own promise.

#include "bands.h"
#include "typedentry.h"
#include "wholevalue.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <optional>

namespace {

void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

template <class Read> auto SameInEveryLocale(Read read) {
    static const std::locale comma("de_DE.UTF-8");
    std::locale::global(comma);
    const auto other = read();
    std::locale::global(std::locale::classic());
    const auto plain = read();
    Require(plain == other, "the answer does not depend on the locale");
    return plain;
}

// The whole text as a decimal number, or nothing.
std::optional<std::uint32_t> Digits(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() ? std::optional(value)
                                                                 : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto whole = Digits(text);

    const double number = SameInEveryLocale([&] { return LeadingNumber(text); });
    Require(!std::isnan(number), "a text never reads as NaN");
    Require(!whole || number == *whole, "a whole number reads back as itself");

    for (int band = 0; band < kBandCount; ++band) {
        const auto outcome = SameInEveryLocale([&] { return TypedPosition(band, text); });
        const auto entries = EntryTexts(band).size();
        Require(!outcome.isPosition() || std::size_t(outcome.position()) < entries,
                "a position is one of the band's list");
        Require(!whole || *whole >= entries || band == kToleranceBand || size > 2 ||
                    outcome == TypedOutcome::At(int(*whole)),
                "a whole number of the list chooses that position");
    }

    const auto [bands, refusal] = SameInEveryLocale([&] {
        const ValueReading reading = ReadWholeValue(text);
        return std::pair(reading.bands, reading.refusal);
    });
    Require(bands.has_value() == refusal.empty(), "a whole value is applied or refused, with why");
    for (int band = 0; bands && band < kBandCount; ++band)
        Require((*bands)[band] >= kNoPosition && (*bands)[band] < int(EntryTexts(band).size()),
                "a whole value chooses positions of the lists");
    return 0;
}
