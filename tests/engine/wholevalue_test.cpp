// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Whole values read into bands: every accepted form, the first-digit rule,
// each kind of refusal, and every four-band value read back from its line.

#include "resistance.h"
#include "wholevalue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace zevodave;

namespace {

// What the user sees after Enter: the main window's line for the bands
// chosen, or which refusal; the wording's test words each refusal.
std::string Seen(const std::string& text) {
    const ValueReading reading = ReadWholeValue(text);
    const auto [first, second, multiplier, tolerance] = reading.bands.value_or(BandPositions{});
    const char* refusals[] = {"",          "no number", "unit",    "comma",
                              "tolerance", "too large", "figures", "fine"};
    return reading.bands ? ResistanceText(first, second, multiplier, tolerance)
                         : refusals[static_cast<int>(reading.refusal)];
}

TEST(ReadWholeValue, ShowsTheBandsOrWhyNot) {
    // clang-format off
    const std::tuple<const char*, std::vector<std::string>, std::string> rows[] = {
        {"numbers, unit letters and words, the letter code, blanks around",
         {"4700", "4.7k", "4,7k", "4k7", "4K7", "4.7 kilohm", "4.7 K\u03A9", " \t4k7\t", "4.7kOhm", "4,7 kOhm", "4.7 k ohms", "4.7 Kilohms", "4.7k\u03A9"}, "4.7 Kilohm"},
        // A first digit other than zero where the value allows (4.7 is
        // Yellow, Violet, Gold), Black below a tenth.
        {"below one ohm: R, milliohm", {"0.47", ".47", "R47", "470m", "470 m\u03A9"}, ".47 ohm"},
        {"R and a point", {"4R7", "4r7", "4.7"}, "4.7 ohm"},
        {"below a tenth, Black first", {"0.05", "50m"}, ".05 ohm"},
        {"the smallest step", {"0.01", "10m"}, ".01 ohm"}, {"zero", {"0", "0.0k"}, "00 ohm"},
        {"zeros around are no figures", {"1.000", std::string(1'000'000, '0') + "1"}, "1.0 ohm"},
        {"Meg and megohm", {"2M2", "2.2 Meg", "2.2meg", "2.2MEGOHM", "2.2 M\u03A9", "2.2 MOhm", "2.2Mohm"}, "2.2 Megohm"},
        {"giga", {"1G", "1g", "1 gigohm", "1G\u03A9"}, "1.0 Gigohm"},
        {"ohm", {"47 OHM", "47 \u03A9", "47R", "47 ohms"}, "47 ohm"}, {"the largest value", {"99G"}, "99. Gigohm"},
        {"tolerances", {"4k7 5%", "4k7 5 %", "4k7 +/-5%", "4k7 \u00B15%", "4k7 +-5%"}, "4.7 Kilohm +/- 5%"},
        {"a tolerance with no blank", {"470R1%"}, "470 ohm +/- 1%"},
        // Refusals.
        {"figures the bands cannot show", {"4753", "99.5G", "4.75k", "0.475"}, "figures"},
        {"finer than 0.01 ohm", {"0.015", "15m", "0.0475"}, "fine"},
        {"a tolerance no band shows", {"4k7 3%", "4k7 05%", "47.5%", "4k7 2.5%"}, "tolerance"},
        {"a number with a unit not understood", {"4.7 kiloohm", "47 \u00B5", "4 kohmz"}, "unit"},
        {"no number", {"", "5%", "four k seven", "-4k7", "4.7.1", "k", "4k7k", "4 k7", "4.7k7", "47k 10"}, "no number"}};
    // clang-format on
    for (const auto& [name, texts, seen] : rows)
        for (const std::string& text : texts)
            EXPECT_EQ(Seen(text), seen) << name << ": " << text;
    // Any length gets its answer: a million nines.
    EXPECT_EQ(Seen(std::string(1'000'000, '9')), "too large");
}

// Every four-band value, with and without a tolerance: its result line read
// back is the same value and tolerance, and the same bands unless band 1 is
// Black (then a first digit other than zero is chosen where one exists).
TEST(ReadWholeValue, ReadsBackEveryResultLine) {
    const int d = kDigitCount, m = kColourRows.size(), t = kToleranceRows.size() + 1;
    for (int n = 0; n < d * d * m * t; ++n) {
        const BandPositions bands{n % d, n / d % d, n / d / d % m, n / d / d / m - 1};
        const std::string line = ResistanceText(bands[0], bands[1], bands[2], bands[3]);
        const ValueReading reading = ReadWholeValue(line);
        ASSERT_TRUE(reading.bands) << line;
        EXPECT_EQ(reading.value, Normalized(*BandValue(bands))) << line;
        EXPECT_TRUE(bands[0] == 0 ? (*reading.bands)[3] == bands[3] : *reading.bands == bands)
            << line;
    }
}

} // namespace
