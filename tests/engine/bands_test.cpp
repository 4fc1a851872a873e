// The band tables and the result line, against the colour code as students
// learn it: the lists, the colours a user sees, and every resistor's line.

#include "bands.h"
#include "resistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

using namespace zevodave;

namespace {

// "Entry RRGGBB" for each entry of a band's list, as a user sees it painted.
std::string Painted(int band) {
    std::string seen;
    const auto texts = EntryTexts(band);
    for (int position = 0; position < int(texts.size()); ++position) {
        const std::uint32_t bgr = ColourValue(SwatchColor(band, position));
        char rgb[16];
        std::snprintf(rgb, sizeof rgb, "%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16);
        seen += std::string(texts[position]) + ' ' + rgb +
                (position + 1 < int(texts.size()) ? ", " : "");
    }
    return seen;
}

TEST(Bands, ListsHoldTheirColoursInOrderPaintedAsOnAResistor) {
    const std::string digits = "Black 000000, Brown 804000, Red FF0000, Orange FF8000, "
                               "Yellow FFFF00, Green 00FF00, Blue 0000FF, Violet FF00FF, "
                               "Grey C0C0C0, White FFFFFF";
    EXPECT_EQ(Painted(0), digits);
    EXPECT_EQ(Painted(1), digits);
    EXPECT_EQ(Painted(2), digits + ", Gold FFFFC0, Silver E0E0E0");
    EXPECT_EQ(Painted(3), "Brown 804000, Red FF0000, Gold FFFFC0, Silver E0E0E0, None FFFFFF");
    EXPECT_TRUE(EntryTexts(4).empty());
}

TEST(Bands, NothingChosenAndWhatNoColourCanHoldAreBlack) {
    for (std::string_view none :
         {BandColor(-1), BandColor(12), ToleranceColor(-1), ToleranceColor(5), SwatchColor(4, 0)})
        EXPECT_EQ(none, "");
    EXPECT_EQ(ColourValue("&H1FFFFFFFF&"), 0u);
    EXPECT_EQ(ColourValue(kWhiteText), 0xFFFFFFu);
    EXPECT_EQ(ColourValue(kBlackText), 0u);
}

TEST(Bands, WhiteTextOnlyOnBlackAndBlueOfTheDigitAndMultiplierLists) {
    for (int band = 0; band < kBandCount; ++band) {
        const auto texts = EntryTexts(band);
        for (int position = -1; position < int(texts.size()); ++position) {
            const bool dark = band != kToleranceBand && position >= 0 &&
                              (texts[position] == "Black" || texts[position] == "Blue");
            EXPECT_EQ(TextColor(band, position), dark ? kWhiteText : kBlackText)
                << band << ' ' << position;
        }
    }
}

// Each band's field text for positions -1 to 12; "=" where the field keeps
// what it shows. Nothing chosen must not read as Gold's "*10^-1".
TEST(Bands, FieldTextsInEachBandsOwnForm) {
    const char* expected[] = {
        "-1|0|1|2|3|4|5|6|7|8|9|10|11|12",
        "-1|0|1|2|3|4|5|6|7|8|9|10|11|12",
        "|*10^0|*10^1|*10^2|*10^3|*10^4|*10^5|*10^6|*10^7|*10^8|*10^9|*10^-1|*10^-2|",
        "=|1 %|2 %|5 %|10 %|20 %|=|=|=|=|=|=|=|=",
        "=|=|=|=|=|=|=|=|=|=|=|=|=|=",
    };
    for (int band = 0; band <= kBandCount; ++band) {
        std::string texts;
        for (int position = -1; position <= 12; ++position)
            texts += FieldText(band, position).value_or("=") + (position < 12 ? "|" : "");
        EXPECT_EQ(texts, expected[band]);
    }
}

TEST(ResistanceText, LineGrowsBandByBand) {
    EXPECT_EQ(ResistanceText(-1, -1, -1, -1), "");
    EXPECT_EQ(ResistanceText(-1, 7, 2, 2), "");
    EXPECT_EQ(ResistanceText(4, -1, 2, 2), "4");
    EXPECT_EQ(ResistanceText(4, 7, -1, 2), "47");
    EXPECT_EQ(ResistanceText(4, 7, 2, -1), "4.7 Kilohm");
    EXPECT_EQ(ResistanceText(4, 7, 12, 0), "47 +/- 1%"); // no such multiplier
    EXPECT_EQ(ResistanceText(4, 7, 2, 5), "4.7 Kilohm"); // no such tolerance
}

// Where each multiplier puts the point, the zero and the unit, exactly as the
// user reads it, and each tolerance's suffix.
TEST(ResistanceText, EveryMultiplierAndToleranceInItsExactForm) {
    const char* lines[] = {"47 ohm",     "470 ohm",    "4.7 Kilohm", "47 Kilohm",
                           "470 Kilohm", "4.7 Megohm", "47 Megohm",  "470 Megohm",
                           "4.7 Gigohm", "47. Gigohm", "4.7 ohm",    ".47 ohm"};
    for (int multiplier = 0; multiplier < 12; ++multiplier)
        EXPECT_EQ(ResistanceText(4, 7, multiplier, -1), lines[multiplier]);
    const char* suffixes[] = {" +/- 1%", " +/- 2%", " +/- 5%", " +/- 10%", " +/- 20%"};
    for (int tolerance = 0; tolerance < 5; ++tolerance)
        EXPECT_EQ(ResistanceText(4, 7, 2, tolerance),
                  std::string("4.7 Kilohm") + suffixes[tolerance]);
    EXPECT_EQ(ResistanceText(0, 1, 0, -1), "01 ohm");
    EXPECT_EQ(ResistanceText(1, 0, 11, 4), ".10 ohm +/- 20%");
    EXPECT_EQ(ResistanceText(0, 1, 11, 4), ".01 ohm +/- 20%");
    EXPECT_EQ(ResistanceText(9, 9, 9, 4), "99. Gigohm +/- 20%");
    EXPECT_EQ(ResistanceText(1, 0, 10, -1), "1.0 ohm");
}

// Reads a line back as ohms, independently of how it is built, so a wrong
// pattern shows as a wrong value.
double ReadBack(const std::string& line) {
    static const std::map<std::string, double> units{
        {"ohm", 1}, {"Kilohm", 1e3}, {"Megohm", 1e6}, {"Gigohm", 1e9}};
    const std::string value = line.substr(0, line.find(" +/- "));
    const auto space = value.find(' ');
    const auto unit = units.find(value.substr(space + 1));
    if (space == std::string::npos || unit == units.end())
        return -1;
    return std::stod(value.substr(0, space)) * unit->second;
}

TEST(ResistanceText, EveryResistorReadsBackAsItsValue) {
    for (int first = 0; first < 10; ++first)
        for (int second = 0; second < 10; ++second)
            for (int multiplier = 0; multiplier < 12; ++multiplier) {
                const double ohms = (10.0 * first + second) *
                                    std::pow(10.0, multiplier < 10 ? multiplier : 9 - multiplier);
                const std::string line = ResistanceText(first, second, multiplier, 2);
                ASSERT_NEAR(ReadBack(line), ohms, ohms * 1e-12) << line;
            }
}

} // namespace
