// The band tables and the result line.

#include "bands.h"
#include "resistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

using namespace zevodave;

namespace {

TEST(Bands, ListsHoldTheirColoursInOrder) {
    EXPECT_EQ(EntryTexts(0).size(), 10u);
    EXPECT_EQ(EntryTexts(1).back(), "White");
    EXPECT_EQ(EntryTexts(2).size(), 12u);
    EXPECT_EQ(EntryTexts(2)[10], "Gold");
    EXPECT_EQ(EntryTexts(3).front(), "Brown");
    EXPECT_EQ(EntryTexts(3).back(), "None");
    EXPECT_TRUE(EntryTexts(4).empty());
}

TEST(Bands, ColourCodeTextsReadAsBlueGreenRed) {
    EXPECT_EQ(ColourValue(BandColor(1)), 0x004080u); // brown: red 80, green 40
    EXPECT_EQ(ColourValue(BandColor(3)), 0x0080FFu); // orange: red FF, green 80
    EXPECT_EQ(ColourValue(ToleranceColor(4)), 0xFFFFFFu);
    EXPECT_EQ(ColourValue(kWhiteText), 0xFFFFFFu);
    EXPECT_EQ(ColourValue(kBlackText), 0u);
    // Nothing chosen, and anything a colour value cannot hold, is black.
    for (std::string_view none : {BandColor(-1), BandColor(12), ToleranceColor(5)})
        EXPECT_EQ(none, "");
    EXPECT_EQ(ColourValue(""), 0u);
    EXPECT_EQ(ColourValue("&H1FFFFFFFF&"), 0u);
}

TEST(Bands, WhiteTextOnlyOnBlackAndBlueOfTheDigitAndMultiplierLists) {
    for (int band = 0; band < kBandCount; ++band) {
        const auto texts = EntryTexts(band);
        for (int position = 0; position < int(texts.size()); ++position) {
            const bool dark =
                band != kToleranceBand && (texts[position] == "Black" || texts[position] == "Blue");
            EXPECT_EQ(TextColor(band, position) == kWhiteText, dark) << band << texts[position];
        }
    }
    EXPECT_EQ(TextColor(kFirstDigitBand, kNoPosition), kBlackText);
}

TEST(Bands, FieldTextsInEachBandsOwnForm) {
    using Text = std::optional<std::string>;
    EXPECT_EQ(FieldText(0, 7), Text("7"));
    EXPECT_EQ(FieldText(1, -1), Text("-1"));
    EXPECT_EQ(FieldText(2, 0), Text("*10^0"));
    EXPECT_EQ(FieldText(2, 3), Text("*10^3"));
    EXPECT_EQ(FieldText(2, 10), Text("*10^-1"));
    EXPECT_EQ(FieldText(2, 11), Text("*10^-2"));
    // Nothing chosen must not read as Gold's "*10^-1".
    EXPECT_EQ(FieldText(2, -1), Text(""));
    EXPECT_EQ(FieldText(3, 2), Text("5 %"));
    EXPECT_EQ(FieldText(3, 5), std::nullopt);
    EXPECT_EQ(FieldText(4, 0), std::nullopt);
}

TEST(ResistanceText, LineGrowsBandByBand) {
    EXPECT_EQ(ResistanceText(-1, -1, -1, -1), "");
    EXPECT_EQ(ResistanceText(-1, 7, 2, 2), "");
    EXPECT_EQ(ResistanceText(4, -1, 2, 2), "4");
    EXPECT_EQ(ResistanceText(4, 7, -1, 2), "47");
    EXPECT_EQ(ResistanceText(4, 7, 2, -1), "4.7 Kilohm");
    EXPECT_EQ(ResistanceText(4, 7, 2, 2), "4.7 Kilohm +/- 5%");
    EXPECT_EQ(ResistanceText(4, 7, 12, 0), "47 +/- 1%"); // no such multiplier
}

// Reads a line back as ohms and tolerance, independently of how it is
// built, so a wrong pattern shows as a wrong value.
std::pair<double, std::string> ReadBack(const std::string& line) {
    static const std::map<std::string, double> units{
        {"ohm", 1}, {"Kilohm", 1e3}, {"Megohm", 1e6}, {"Gigohm", 1e9}};
    const auto suffix = line.find(" +/- ");
    const std::string value = line.substr(0, suffix);
    const auto space = value.find(' ');
    const auto unit = units.find(value.substr(space + 1));
    if (space == std::string::npos || unit == units.end())
        return {-1, line};
    return {std::stod(value.substr(0, space)) * unit->second,
            suffix == std::string::npos ? "" : line.substr(suffix + 5)};
}

TEST(ResistanceText, EveryResistorReadsBackAsItsValueAndTolerance) {
    const char* percent[] = {"", "1%", "2%", "5%", "10%", "20%"};
    for (int first = 0; first < 10; ++first)
        for (int second = 0; second < 10; ++second)
            for (int multiplier = 0; multiplier < 12; ++multiplier)
                for (int tolerance = -1; tolerance < 5; ++tolerance) {
                    const double ohms =
                        (10.0 * first + second) *
                        std::pow(10.0, multiplier < 10 ? multiplier : 9 - multiplier);
                    const std::string line = ResistanceText(first, second, multiplier, tolerance);
                    const auto [read, suffix] = ReadBack(line);
                    ASSERT_NEAR(read, ohms, ohms * 1e-12) << line;
                    ASSERT_EQ(suffix, percent[tolerance + 1]) << line;
                    // The digits stand as chosen: 1.0 ohm, not 1 ohm; .01, not .1.
                    const auto d1 = line.find(char('0' + first));
                    ASSERT_TRUE(d1 != std::string::npos &&
                                line.find(char('0' + second), d1 + 1) != std::string::npos)
                        << line;
                }
}

} // namespace
