// Whole values read into bands: every accepted form, the first-digit rule,
// each kind of refusal, and every four-band value read back from its line.

#include "resistance.h"
#include "wholevalue.h"

#include <gtest/gtest.h>

#include <string>

using namespace zevodave;

namespace {

struct Row {
    const char* behaviour;
    std::string text;
    std::string expected; // the main window's line for the bands, or the refusal
};

// The bands read, shown as the main window's result line shows them.
std::string LineOf(const ValueReading& reading) {
    if (!reading.bands)
        return "refused: " + reading.refusal;
    const auto [first, second, multiplier, tolerance] = *reading.bands;
    return ResistanceText(first, second, multiplier, tolerance);
}

TEST(ReadWholeValue, ReadsEveryForm) {
    const Row rows[] = {
        {"plain number", "4700", "4.7 Kilohm"},
        {"full stop and unit letter", "4.7k", "4.7 Kilohm"},
        {"comma as decimal sign", "4,7k", "4.7 Kilohm"},
        {"leading zero", "0.47", ".47 ohm"},
        {"no leading zero", ".47", ".47 ohm"},
        {"letter code k", "4k7", "4.7 Kilohm"},
        {"letter code K", "4K7", "4.7 Kilohm"},
        {"letter code R", "4R7", "4.7 ohm"},
        {"letter code R first", "R47", ".47 ohm"},
        {"letter M alone", "1M", "1.0 Megohm"},
        {"letter code M", "2M2", "2.2 Megohm"},
        {"letter G", "1G", "1.0 Gigohm"},
        {"unit word in any case, spaced", "4.7 kilohm", "4.7 Kilohm"},
        {"Meg", "2.2 Meg", "2.2 Megohm"},
        {"Megohm in capitals", "2.2MEGOHM", "2.2 Megohm"},
        {"Gigohm", "1 Gigohm", "1.0 Gigohm"},
        {"ohm", "47 OHM", "47 ohm"},
        {"omega", "10 \u03A9", "10 ohm"},
        {"kilohm symbol", "4.7k\u03A9", "4.7 Kilohm"},
        {"megohm symbol", "2.2 M\u03A9", "2.2 Megohm"},
        {"gigohm symbol", "1G\u03A9", "1.0 Gigohm"},
        {"the ohm sign U+2126", "4.7 k\u2126", "4.7 Kilohm"},
        {"m is milli", "10m", ".01 ohm"},
        {"M is mega", "10M", "10 Megohm"},
        {"milliohm symbol", "470 m\u03A9", ".47 ohm"},
        {"blanks around", " \t4k7 \t", "4.7 Kilohm"},
        {"result line below one ohm", ".47 ohm", ".47 ohm"},
        {"result line with the point last", "47. Gigohm", "47. Gigohm"},
        {"result line with tolerance", "4.7 Kilohm +/- 5%", "4.7 Kilohm +/- 5%"},
        {"result line of Black, Brown, Black", "01 ohm", "1.0 ohm"},
        {"percent", "4k7 5%", "4.7 Kilohm +/- 5%"},
        {"percent spaced", "4k7 5 %", "4.7 Kilohm +/- 5%"},
        {"plus-minus", "4k7 +/-5%", "4.7 Kilohm +/- 5%"},
        {"plus-minus sign", "4k7 \u00B15%", "4.7 Kilohm +/- 5%"},
        {"plus-hyphen", "4k7 +-5%", "4.7 Kilohm +/- 5%"},
        {"tolerance after a unit letter", "470R1%", "470 ohm +/- 1%"},
        {"2%", "1k 2%", "1.0 Kilohm +/- 2%"},
        {"10%", "1k 10%", "1.0 Kilohm +/- 10%"},
        {"20%", "1k 20%", "1.0 Kilohm +/- 20%"},
        {"one figure goes in band 1", "4.7", "4.7 ohm"},
        {"one figure below a tenth takes a Black band 1", "0.05", ".05 ohm"},
        {"the smallest step", "0.01", ".01 ohm"},
        {"one tenth", "0.1", ".10 ohm"},
        {"zero is Black, Black, Black", "0", "00 ohm"},
        {"zero in a unit", "0.0k", "00 ohm"},
        {"trailing zeros are no figures", "1.000k", "1.0 Kilohm"},
        {"the largest", "99G", "99. Gigohm"},
        {"one figure at the top", "90G", "90. Gigohm"},
        {"a million leading zeros", std::string(1'000'000, '0') + "1", "1.0 ohm"},
    };
    for (const Row& row : rows) {
        const ValueReading reading = ReadWholeValue(row.text);
        EXPECT_EQ(LineOf(reading), row.expected) << row.behaviour;
        EXPECT_EQ(reading.refusal, "") << row.behaviour;
    }
}

TEST(ReadWholeValue, RefusesWithAReason) {
    const std::string noValue = "No value found: type a number with an optional unit and "
                                "tolerance, such as 4k7, 4.7 Kilohm or 4700 5%.";
    const std::string comma = "A comma followed by three digits could be a decimal sign or a "
                              "thousands separator: write 1000 or 1k.";
    const std::string tolerance = "Four bands show a tolerance of 1, 2, 5, 10 or 20%.";
    const Row rows[] = {
        {"three figures", "4.75k",
         "4.75 Kilohm needs three significant figures: a five-band resistor. Nearest four-band "
         "E24 values: 4.7 and 5.1 Kilohm."},
        {"four figures", "4753",
         "4.753 Kilohm needs 4 significant figures. Nearest four-band E24 values: 4.7 and 5.1 "
         "Kilohm."},
        {"three figures below one ohm", "0.475",
         "0.475 ohm needs three significant figures: a five-band resistor. Nearest four-band E24 "
         "values: 0.47 and 0.51 ohm."},
        {"too fine a step", "0.015",
         "0.015 ohm is finer than the smallest step four bands can show, 0.01 ohm."},
        {"three figures too fine", "0.0475",
         "0.0475 ohm is finer than the smallest step four bands can show, 0.01 ohm."},
        {"one milliohm", "1m",
         "0.001 ohm is finer than the smallest step four bands can show, 0.01 ohm."},
        {"out of range", "100G",
         "100 Gigohm is more than four bands can show: the largest value is 99 Gigohm."},
        {"comma before three digits", "1,000", comma},
        {"comma before three digits and a unit", "4,700k", comma},
        {"another tolerance", "4k7 3%", tolerance},
        {"a tolerance written with a zero", "4k7 05%", tolerance},
        {"a tolerance alone", "5%", noValue},
        {"empty", "", noValue},
        {"words", "four k seven", noValue},
        {"negative", "-4k7", noValue},
        {"a blank inside the letter code", "4 k7", noValue},
        {"two decimal signs", "4.7.1", noValue},
        {"unit alone", "k", noValue},
        {"two units", "4k7k", noValue},
        {"letter code after a decimal sign", "4.7k7", noValue},
    };
    for (const Row& row : rows) {
        const ValueReading reading = ReadWholeValue(row.text);
        EXPECT_FALSE(reading.bands) << row.behaviour;
        EXPECT_EQ(reading.refusal, row.expected) << row.behaviour;
    }
    // Any length gets its answer: a million nines, quoted in full.
    const ValueReading nines = ReadWholeValue(std::string(1'000'000, '9'));
    EXPECT_FALSE(nines.bands);
    EXPECT_TRUE(nines.refusal.ends_with(" Gigohm is more than four bands can show: the largest "
                                        "value is 99 Gigohm."));
}

// Every four-band value, with and without a tolerance: its result line read
// back is the same value and tolerance, and the same bands unless band 1 is
// Black (then a first digit other than zero is chosen where one exists).
TEST(ReadWholeValue, ReadsBackEveryResultLine) {
    for (int first = 0; first < static_cast<int>(kDigitCount); ++first)
        for (int second = 0; second < static_cast<int>(kDigitCount); ++second)
            for (int multiplier = 0; multiplier < static_cast<int>(kColourRows.size());
                 ++multiplier)
                for (int tolerance = kNoPosition;
                     tolerance < static_cast<int>(kToleranceRows.size()); ++tolerance) {
                    const BandPositions bands{first, second, multiplier, tolerance};
                    const std::string line = ResistanceText(first, second, multiplier, tolerance);
                    const ValueReading reading = ReadWholeValue(line);
                    ASSERT_TRUE(reading.bands) << line << ": " << reading.refusal;
                    EXPECT_EQ(reading.value, Normalized(*BandValue(bands))) << line;
                    EXPECT_EQ((*reading.bands)[kToleranceBand], tolerance) << line;
                    if (first != 0) {
                        EXPECT_EQ(*reading.bands, bands) << line;
                    }
                }
}

} // namespace
