// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// libFuzzer over every reading of typed text: the number at its start, what
// it chooses in each band, and a whole value. No text may crash them or read
// differently under a decimal-comma locale, and each answer is one the
// window can show.

#include "bands.h"
#include "smdcode.h"
#include "typedentry.h"
#include "wholevalue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zevodave;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double number = SameInEveryLocale([&] { return LeadingNumber(text); });
    Require(!std::isnan(number), "a text never reads as NaN");
    for (int band = 0; band < kBandCount; ++band) {
        const auto outcome = SameInEveryLocale([&] { return TypedPosition(band, text); });
        Require(!outcome.isPosition() || outcome.position() < int(EntryTexts(band).size()),
                "a position is one of the band's list");
    }
    const auto [bands, refusal] = SameInEveryLocale([&] {
        const ValueReading reading = ReadWholeValue(text);
        return std::pair(reading.bands, reading.refusal);
    });
    Require(bands.has_value() == (refusal == Refusal::None),
            "a whole value is applied or refused, with why");
    for (int band = 0; bands && band < kBandCount; ++band)
        Require((*bands)[band] >= kNoPosition && (*bands)[band] < int(EntryTexts(band).size()),
                "a whole value chooses positions of the lists");
    for (const int count : {kFiveBands, kSixBands}) {
        const ValueReading reading = ReadWholeValue(text, count);
        Require(reading.part.has_value() == (reading.refusal == Refusal::None),
                "a whole value is shown on five or six bands or refused, with why");
        for (int band = 0; reading.part && band < count; ++band) {
            const int colour = (*reading.part)[band];
            Require(colour == kNoPosition || Fits(count, band, colour),
                    "a whole value chooses colours each band offers");
        }
    }
    const MarkingResult marking = ReadMarking(text);
    Require(marking.readings.empty() == (marking.refusal != MarkingRefusal::None),
            "a marking is read or refused, with why");
    for (const MarkingReading& reading : marking.readings)
        Require(MarkingsFor(reading.value).threeDigits || MarkingsFor(reading.value).fourDigits,
                "a value read from a marking has a marking");
    return 0;
}
