// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Parts of four, five and six bands: the colour code against the published
// table, the E48, E96 and E192 series against theirs, values read at five
// bands, and every five-band value read back from its working.

#include "standardvalues.h"
#include "wholevalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>

using namespace zevodave;

namespace {

using namespace colour;

// Every row of IEC 60062:2016 in order, with its IEC 60757 letter code:
// figure, multiplier (the power of ten), tolerance (hundredths of a per
// cent), temperature coefficient (ppm/K); -1 where a colour has none.
TEST(ColourCode, MatchesThePublishedTable) {
    std::string seen;
    for (const ColourCode& c : kColourCode) {
        seen += std::string(c.letters);
        for (const int number : {c.digit, c.exponent, c.tolerance, c.coefficient})
            seen += " " + std::to_string(number);
        seen += ", ";
    }
    EXPECT_EQ(seen, "BK 0 0 -1 250, BN 1 1 100 100, RD 2 2 200 50, OG 3 3 5 15, YE 4 4 2 25, "
                    "GN 5 5 50 20, BU 6 6 25 10, VT 7 7 10 5, GY 8 8 1 1, WH 9 9 -1 -1, "
                    "GD -1 -1 500 -1, SR -1 -2 1000 -1, PK -1 -3 -1 -1, ");
}

// One decade of each three-figure series against the published E96 table,
// E48 being every second E96 value; E192 is the rounded geometric series but
// for 9.20. Membership of every three-figure value, and the first value
// five bands show, where Next goes from zero, and Previous from it in E6,
// which would need a first band of Black.
TEST(StandardValues, ThreeFigureSeriesMatchThePublishedTables) {
    std::istringstream e96(
        "100 102 105 107 110 113 115 118 121 124 127 130 133 137 140 143 147 150 154 158 162 165 "
        "169 174 178 182 187 191 196 200 205 210 215 221 226 232 237 243 249 255 261 267 274 280 "
        "287 294 301 309 316 324 332 340 348 357 365 374 383 392 402 412 422 432 442 453 464 475 "
        "487 499 511 523 536 549 562 576 590 604 619 634 649 665 681 698 715 732 750 768 787 806 "
        "825 845 866 887 909 931 953 976");
    std::vector<std::vector<bool>> published(3, std::vector<bool>(1000));
    for (int i = 0, figures = 0; e96 >> figures; ++i)
        published[0][figures] = i % 2 == 0, published[1][figures] = true;
    for (int i = 0; i < 192; ++i)
        published[2][i == 185 ? 920 : std::lround(100 * std::pow(10.0, i / 192.0))] = true;
    for (int series = 3; series < 6; ++series)
        for (int figures = 100; figures < 1000; ++figures)
            EXPECT_EQ(InSeries(series, {std::to_string(figures), 1}),
                      published[series - 3][figures])
                << kSeries[series].name << " " << figures;
    EXPECT_EQ(StandardStep(4, {}, Direction::Up, kFiveBands), (Decimal{"100", -3}));
    EXPECT_FALSE(StandardStep(0, {"100", -3}, Direction::Down, kFiveBands));
}

// What five bands choose for a value typed, with "-" for a band left as it
// was.
TEST(ReadWholeValue, ReadsThreeFiguresAndTheFinerTolerancesOnFiveBands) {
    const std::pair<const char*, std::string> rows[] = {
        {"4k99 1%", "4 9 9 1 1"}, {"49R9 0.25%", "4 9 9 10 6"}, {"0.047", "0 4 7 12 -"},
        {"4k7 20%", "4 7 0 1 -"}, {"1.00k 0.01%", "1 0 0 1 8"}, {"999G", "9 9 9 9 -"}};
    for (const auto& [text, expected] : rows) {
        std::string seen;
        for (const int colour : ReadWholeValue(text, kFiveBands).part.value_or(PartBands{}))
            seen += (seen.empty() ? "" : " ") +
                    (colour == kNoPosition ? std::string("-") : std::to_string(colour));
        EXPECT_EQ(seen, expected) << text;
    }
}

// Every five-band value of every multiplier, its tolerance varied: the
// value as the working writes it reads back as the same bands.
TEST(Part, EveryFiveBandValueReadsBack) {
    const std::vector<int> tolerances = RoleColours(kFiveBands, Role::Tolerance);
    for (int n = 100; n < 1000; ++n)
        for (int multiplier = 0; multiplier < kColourCount; ++multiplier) {
            const PartBands bands{n / 100, n / 10 % 10, n % 10, multiplier,
                                  tolerances[n % tolerances.size()]};
            const Decimal value = *PartValue(bands);
            const int unit = UnitOf(value);
            const std::string text = NumberText(value, unit) + " " + std::string(UnitWord(unit));
            const std::optional<PartBands> read = ReadWholeValue(text, kFiveBands).part;
            EXPECT_TRUE(read && std::equal(bands.begin(), bands.end() - 1, read->begin())) << text;
        }
}

// From four bands to five the value and tolerance stay; None and bands not
// chosen stay unchosen; from six bands to five the others stay.
TEST(Part, ChangesBandCountKeepingItsValue) {
    const PartBands four{Yellow, Violet, Red, Gold}, none{Yellow, Violet, Silver, kNoBand};
    EXPECT_EQ(WithBandCount(four, kFiveBands), (PartBands{Yellow, Violet, Black, Brown, Gold}));
    EXPECT_EQ(WithBandCount(none, kSixBands),
              (PartBands{Yellow, Violet, Black, Pink, kNoPosition, kNoPosition}));
    EXPECT_EQ(WithBandCount({Red, Red, Red, Red, Grey, Blue}, kFiveBands).back(), Grey);
}

} // namespace
