// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Whole values read into bands: every accepted form, the first-digit rule,
// each kind of refusal, and every four-band value read back from its line.

#include "resistance.h"
#include "wholevalue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace zevodave;

namespace {

// What the user sees after Enter: the main window's line for the bands
// chosen, then the Resistor window's message (a refusal alone when none is).
std::string Seen(const std::string& text) {
    const ValueReading reading = ReadWholeValue(text);
    const auto [first, second, multiplier, tolerance] = reading.bands.value_or(BandPositions{});
    return (reading.bands ? ResistanceText(first, second, multiplier, tolerance) : "") +
           reading.refusal;
}

TEST(ReadWholeValue, ShowsTheBandsOrWhyNot) {
    const std::string kFiner = " is finer than the smallest step four bands can show, 0.01 ohm.";
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        // Numbers, unit letters and words, the letter code, blanks around.
        {{"4700", "4.7k", "4,7k", "4k7", "4K7", "4.7 kilohm", "4.7 K\u03A9", " \t4k7\t"},
         "4.7 Kilohm"},
        // Below one ohm: the letter code R, milliohm; a first digit other than
        // zero where the value allows (4.7 is Yellow, Violet, Gold), Black
        // below a tenth.
        {{"0.47", ".47", "R47", "470m", "470 m\u03A9"}, ".47 ohm"},
        {{"4R7", "4r7", "4.7"}, "4.7 ohm"}, {{"0.05", "50m"}, ".05 ohm"},
        {{"0.01", "10m"}, ".01 ohm"}, {{"0", "0.0k"}, "00 ohm"}, {{"10M"}, "10 Megohm"},
        // Zeros around are no figures, however many.
        {{"1.000", std::string(1'000'000, '0') + "1"}, "1.0 ohm"},
        {{"2M2", "2.2 Meg", "2.2meg", "2.2MEGOHM", "2.2 M\u03A9"}, "2.2 Megohm"},
        {{"1G", "1g", "1 gigohm", "1G\u03A9"}, "1.0 Gigohm"},
        {{"47 OHM", "47 \u03A9", "47R"}, "47 ohm"}, {{"99G"}, "99. Gigohm"},
        {{"4k7 5%", "4k7 5 %", "4k7 +/-5%", "4k7 \u00B15%", "4k7 +-5%"}, "4.7 Kilohm +/- 5%"},
        {{"470R1%"}, "470 ohm +/- 1%"},
        // Each kind of refusal.
        {{"4753"}, "4.753 Kilohm needs 4 significant figures. Nearest four-band E24 values: "
                   "4.7 and 5.1 Kilohm."},
        {{"0.015", "15m"}, "0.015 ohm" + kFiner}, {{"0.0475"}, "0.0475 ohm" + kFiner},
        {{"99.5G"}, "99.5 Gigohm needs three significant figures: a five-band resistor. Nearest "
                    "four-band E24 value: 91 Gigohm."},
        {{"100G", "100000000000"},
         "100 Gigohm is more than four bands can show: the largest value is 99 Gigohm."},
        {{"1,000", "4,700k"}, "A comma followed by three digits could be a decimal sign or a "
                              "thousands separator: write 1000 or 1k."},
        {{"4k7 3%", "4k7 05%"}, "Four bands show a tolerance of 1, 2, 5, 10 or 20%."},
        {{"", "5%", "four k seven", "-4k7", "4 k7", "4.7.1", "k", "4k7k", "4.7k7"}, "No value "
         "found: type a number with an optional unit and tolerance, such as 4k7, 4.7 Kilohm or "
         "4700 5%."}};
    // clang-format on
    for (const auto& [texts, seen] : rows)
        for (const std::string& text : texts)
            EXPECT_EQ(Seen(text), seen) << text;
    // Any length gets its answer: a million nines, quoted in full.
    EXPECT_TRUE(Seen(std::string(1'000'000, '9')).ends_with("99 Gigohm."));
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
        ASSERT_TRUE(reading.bands) << line << ": " << reading.refusal;
        EXPECT_EQ(reading.value, Normalized(*BandValue(bands))) << line;
        EXPECT_TRUE(bands[0] == 0 ? (*reading.bands)[3] == bands[3] : *reading.bands == bands)
            << line;
    }
}

} // namespace
