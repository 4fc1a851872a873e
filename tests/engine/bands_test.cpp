#include "bands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace zevodave;

namespace {

struct ListCase {
    const char* name;
    int band;
    std::size_t count;
    std::string_view first;
    std::string_view last;
};
void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }


class EntryTextsTest : public testing::TestWithParam<ListCase> {};

TEST_P(EntryTextsTest, ListHoldsItsColoursInOrder) {
    const ListCase& c = GetParam();
    const auto texts = EntryTexts(c.band);
    ASSERT_EQ(texts.size(), c.count);
    if (c.count == 0)
        return;
    EXPECT_EQ(texts.front(), c.first);
    EXPECT_EQ(texts.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, EntryTextsTest,
    testing::Values(ListCase{"FirstDigitHasTenColoursWithoutGoldOrSilver", 0, 10, "Black", "White"},
                    ListCase{"SecondDigitHasTenColoursWithoutGoldOrSilver", 1, 10, "Black", "White"},
                    ListCase{"MultiplierEndsWithGoldAndSilver", 2, 12, "Black", "Silver"},
                    ListCase{"ToleranceStartsWithBrownNotBlack", 3, 5, "Brown", "None"},
                    ListCase{"UnknownBandHasNoList", 4, 0, "", ""}),
    [](const auto& info) { return info.param.name; });

TEST(EntryTexts, MultiplierListGoesOnWhereTheDigitListsEnd) {
    const auto digits = EntryTexts(kFirstDigitBand);
    const auto multipliers = EntryTexts(kMultiplierBand);
    ASSERT_GT(multipliers.size(), digits.size());
    for (std::size_t i = 0; i < digits.size(); ++i)
        EXPECT_EQ(digits[i], multipliers[i]) << "position " << i;
    EXPECT_EQ(multipliers[10], "Gold");
}

struct ColourCase {
    const char* name;
    std::string_view code;
    std::uint32_t value;
};
void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }


class ColourValueTest : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourValueTest, ReadsAsBlueGreenRed) {
    EXPECT_EQ(ColourValue(GetParam().code), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ColourValueTest,
    testing::Values(ColourCase{"BrownIsRed80Green40", "&H00004080&", 0x004080},
                    ColourCase{"OrangeIsRedFFGreen80", "&H000080FF&", 0x0080FF},
                    ColourCase{"ShortWhite", "&HFFFFFF", 0xFFFFFF},
                    ColourCase{"ShortBlack", "&H000000", 0},
                    ColourCase{"EmptyTextIsBlack", "", 0},
                    ColourCase{"LowerCaseMarker", "&h0000ff00&", 0x00FF00},
                    ColourCase{"MoreThanThirtyTwoBitsIsBlack", "&H1FFFFFFFF&", 0},
                    ColourCase{"EndlessRunIsBlack", std::string_view("&HFFFFFFFFFFFFFFFFFFFFFFFF"), 0}),
    [](const auto& info) { return info.param.name; });

TEST(BandColours, PositionsOutsideTheListsHaveNoColour) {
    for (int position : {-1, 12, 100})
        EXPECT_EQ(BandColor(position), "") << position;
    for (int position : {-1, 5})
        EXPECT_EQ(ToleranceColor(position), "") << position;
    EXPECT_EQ(ColourValue(BandColor(-1)), 0u);
}

TEST(BandColours, WhiteAndNoneShareTheirColour) {
    EXPECT_EQ(BandColor(9), "&H00FFFFFF&");
    EXPECT_EQ(ToleranceColor(4), "&H00FFFFFF&");
}

TEST(BandColours, ToleranceColoursMatchTheSameColoursInTheOtherLists) {
    const auto digits = EntryTexts(kMultiplierBand);
    const auto tolerances = EntryTexts(kToleranceBand);
    for (std::size_t t = 0; t < tolerances.size(); ++t) {
        for (std::size_t d = 0; d < digits.size(); ++d) {
            if (digits[d] == tolerances[t]) {
                EXPECT_EQ(ToleranceColor(int(t)), BandColor(int(d))) << tolerances[t];
            }
        }
    }
}

TEST(BandColours, WhiteTextOnlyOnBlackAndBlueOfTheDigitAndMultiplierLists) {
    for (int band = 0; band < kBandCount; ++band) {
        const auto texts = EntryTexts(band);
        for (int position = 0; position < int(texts.size()); ++position) {
            const bool dark = band != kToleranceBand &&
                              (texts[position] == "Black" || texts[position] == "Blue");
            EXPECT_EQ(TextColor(band, position) == kWhiteText, dark)
                << "band " << band << " " << texts[position];
        }
    }
    // A list with nothing chosen is painted black, with black text.
    EXPECT_EQ(TextColor(kFirstDigitBand, kNoPosition), kBlackText);
}

struct FieldCase {
    const char* name;
    int band;
    int position;
    std::optional<std::string> text;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }


class FieldTextTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldTextTest, ShowsThePositionInTheBandsOwnForm) {
    EXPECT_EQ(FieldText(GetParam().band, GetParam().position), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldTextTest,
    testing::Values(FieldCase{"DigitIsItsPosition", 0, 7, "7"},
                    FieldCase{"SecondDigitBlackIsZero", 1, 0, "0"},
                    FieldCase{"DigitWithNothingChosenShowsMinusOne", 1, -1, "-1"},
                    FieldCase{"OrangeMultiplierIsTenToTheThird", 2, 3, "*10^3"},
                    FieldCase{"BlackMultiplierIsTenToTheZeroth", 2, 0, "*10^0"},
                    FieldCase{"GoldMultiplierIsTenthPower", 2, 10, "*10^-1"},
                    FieldCase{"SilverMultiplierIsHundredthPower", 2, 11, "*10^-2"},
                    FieldCase{"MultiplierWithNothingChosenIsEmptyNotGold", 2, -1, ""},
                    FieldCase{"GoldToleranceIsFivePercent", 3, 2, "5 %"},
                    FieldCase{"NoneToleranceIsTwentyPercent", 3, 4, "20 %"},
                    FieldCase{"ToleranceOutsideListKeepsTheField", 3, 5, std::nullopt},
                    FieldCase{"ToleranceWithNothingChosenKeepsTheField", 3, -1, std::nullopt},
                    FieldCase{"UnknownBandKeepsTheField", 4, 0, std::nullopt}),
    [](const auto& info) { return info.param.name; });

} // namespace
