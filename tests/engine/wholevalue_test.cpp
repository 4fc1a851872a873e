// Whole values read into bands: every accepted form, the first-digit rule,
// each kind of refusal, and every four-band value read back from its line.

#include "resistance.h"
#include "wholevalue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zevodave;

namespace {

struct Row {
    const char* behaviour;
    std::vector<std::string> texts;
    std::string expected; // the main window's line for the bands chosen, or the refusal
};

TEST(ReadWholeValue, ReadsEveryForm) {
    const Row rows[] = {
        {"numbers, unit letters and words, the letter code, blanks around",
         {"4700", "4.7k", "4,7k", "4k7", "4K7", "4.7 kilohm", "4.7 K\u03A9", " \t4k7\t"},
         "4.7 Kilohm"},
        {"below one ohm, the letter code R, milliohm",
         {"0.47", ".47", "R47", "470m", "470 m\u03A9"},
         ".47 ohm"},
        {"one figure goes in band 1", {"4R7", "4r7", "4.7"}, "4.7 ohm"},
        {"one figure below a tenth takes a Black band 1", {"0.05", "50m"}, ".05 ohm"},
        {"the smallest step; m is milli", {"0.01", "10m"}, ".01 ohm"},
        {"zero is Black, Black, Black", {"0", "0.0k"}, "00 ohm"},
        {"trailing zeros are no figures", {"1.000"}, "1.0 ohm"},
        {"mega", {"2M2", "2.2 Meg", "2.2MEGOHM", "2.2 M\u03A9"}, "2.2 Megohm"},
        {"M is mega", {"10M"}, "10 Megohm"},
        {"giga", {"1G", "1g", "1 gigohm", "1G\u03A9"}, "1.0 Gigohm"},
        {"ohm words", {"47 OHM", "47 \u03A9", "47R"}, "47 ohm"},
        {"the largest", {"99G"}, "99. Gigohm"},
        {"a million leading zeros", {std::string(1'000'000, '0') + "1"}, "1.0 ohm"},
        {"tolerances in every form",
         {"4k7 5%", "4k7 5 %", "4k7 +/-5%", "4k7 \u00B15%", "4k7 +-5%"},
         "4.7 Kilohm +/- 5%"},
        {"a tolerance straight after a unit letter", {"470R1%"}, "470 ohm +/- 1%"},
    };
    for (const Row& row : rows) {
        for (const std::string& text : row.texts) {
            const ValueReading reading = ReadWholeValue(text);
            ASSERT_TRUE(reading.bands) << row.behaviour << ": " << text << ": " << reading.refusal;
            const auto [first, second, multiplier, tolerance] = *reading.bands;
            EXPECT_EQ(ResistanceText(first, second, multiplier, tolerance), row.expected)
                << row.behaviour << ": " << text;
        }
    }
}

TEST(ReadWholeValue, RefusesWithAReason) {
    const Row rows[] = {
        {"four figures",
         {"4753"},
         "4.753 Kilohm needs 4 significant figures. Nearest four-band E24 values: 4.7 and 5.1 "
         "Kilohm."},
        {"too fine a step",
         {"0.015", "15m"},
         "0.015 ohm is finer than the smallest step four bands can show, 0.01 ohm."},
        {"three figures below a tenth",
         {"0.0475"},
         "0.0475 ohm is finer than the smallest step four bands can show, 0.01 ohm."},
        {"out of range",
         {"100G", "100000000000"},
         "100 Gigohm is more than four bands can show: the largest value is 99 Gigohm."},
        {"comma before three digits",
         {"1,000", "4,700k"},
         "A comma followed by three digits could be a decimal sign or a thousands separator: "
         "write 1000 or 1k."},
        {"another tolerance",
         {"4k7 3%", "4k7 05%"},
         "Four bands show a tolerance of 1, 2, 5, 10 or 20%."},
        {"no number",
         {"", "5%", "four k seven", "-4k7", "4 k7", "4.7.1", "k", "4k7k", "4.7k7"},
         "No value found: type a number with an optional unit and tolerance, such as 4k7, 4.7 "
         "Kilohm or 4700 5%."},
    };
    for (const Row& row : rows) {
        for (const std::string& text : row.texts) {
            const ValueReading reading = ReadWholeValue(text);
            EXPECT_FALSE(reading.bands) << row.behaviour << ": " << text;
            EXPECT_EQ(reading.refusal, row.expected) << row.behaviour << ": " << text;
        }
    }
    // Any length gets its answer: a million nines, quoted in full.
    EXPECT_TRUE(ReadWholeValue(std::string(1'000'000, '9')).refusal.ends_with("99 Gigohm."));
}

// Every four-band value, with and without a tolerance: its result line read
// back is the same value and tolerance, and the same bands unless band 1 is
// Black (then a first digit other than zero is chosen where one exists).
TEST(ReadWholeValue, ReadsBackEveryResultLine) {
    const int digits = static_cast<int>(kDigitCount);
    const int multipliers = static_cast<int>(kColourRows.size());
    const int tolerances = static_cast<int>(kToleranceRows.size());
    for (int n = 0; n < digits * digits * multipliers * (tolerances + 1); ++n) {
        const BandPositions bands{n % digits, n / digits % digits,
                                  n / digits / digits % multipliers,
                                  n / digits / digits / multipliers - 1};
        const std::string line = ResistanceText(bands[0], bands[1], bands[2], bands[3]);
        const ValueReading reading = ReadWholeValue(line);
        ASSERT_TRUE(reading.bands) << line << ": " << reading.refusal;
        EXPECT_EQ(reading.value, Normalized(*BandValue(bands))) << line;
        EXPECT_EQ((*reading.bands)[kToleranceBand], bands[kToleranceBand]) << line;
        EXPECT_TRUE(bands[0] == 0 || *reading.bands == bands) << line;
    }
}

} // namespace
