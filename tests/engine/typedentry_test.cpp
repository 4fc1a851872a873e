#include "typedentry.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace zevodave;

namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

struct NumberCase {
    const char* name;
    std::string text;
    double number;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }


class LeadingNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().number) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(
        NumberCase{"EmptyIsZero", "", 0}, NumberCase{"LoneSignIsZero", "-", 0},
        NumberCase{"LonePointIsZero", ".", 0}, NumberCase{"LetterFirstIsZero", "abc", 0},
        NumberCase{"FieldTextOfMultiplierIsZero", "*10^3", 0},
        NumberCase{"Fraction", "7.4", 7.4}, NumberCase{"PointFirst", "-.5", -0.5},
        NumberCase{"PlusSign", "+3", 3}, NumberCase{"TrailingPoint", "5.", 5},
        NumberCase{"WordAfterNumber", "4 volts", 4},
        NumberCase{"BlanksInsideAreDropped", "1 2", 12},
        NumberCase{"TabsAndLineFeedsAreDropped", "\t1\n0 ", 10},
        NumberCase{"CarriageReturnEndsTheNumber", "1\r0", 1},
        NumberCase{"NoBreakSpaceEndsTheNumber", "1\u00a02", 1},
        NumberCase{"CommaEndsTheNumber", "1,5", 1},
        NumberCase{"SecondPointEndsTheNumber", "1.2.3", 1.2},
        NumberCase{"PercentSignEndsTheNumber", "10 %", 10},
        NumberCase{"Exponent", "1.5E2", 150}, NumberCase{"DExponent", "2d1", 20},
        NumberCase{"NegativeExponent", "5e-1", 0.5},
        NumberCase{"LetterEWithoutDigitsIsNoExponent", "3e", 3},
        NumberCase{"SignedLetterEWithoutDigitsIsNoExponent", "3e+x", 3},
        NumberCase{"Hexadecimal", "&HFF", 255},
        NumberCase{"ColourCodeText", "&h00004080&", 0x4080},
        NumberCase{"Octal", "&O17", 15}, NumberCase{"OctalStopsAtEight", "&o178", 15},
        NumberCase{"AmpersandAloneIsZero", "&", 0},
        NumberCase{"TooLargeIsInfinite", "1e400", kInfinity},
        NumberCase{"TooLargeNegativeIsMinusInfinite", "-1e400", -kInfinity},
        NumberCase{"FourHundredNinesAreInfinite", std::string(400, '9'), kInfinity},
        NumberCase{"EndlessHexadecimalIsInfinite", "&H" + std::string(300, 'F'), kInfinity},
        NumberCase{"HugeExponentIsInfinite", "1e99999999999999999999999", kInfinity},
        NumberCase{"TooSmallIsZero", "1e-400", 0},
        NumberCase{"LongMantissaWithItsExponent", "1" + std::string(500, '0') + "e-500", 1},
        NumberCase{"ManyLeadingZerosAfterThePoint", "0." + std::string(400, '0') + "1e401", 1}),
    [](const auto& info) { return info.param.name; });

TEST(LeadingNumber, FullStopIsThePointWhateverTheLocale) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr)
        german = std::setlocale(LC_ALL, "de_DE");
    const double read = LeadingNumber("7.4");
    const double comma = LeadingNumber("7,4");
    std::setlocale(LC_ALL, "C");
    if (german == nullptr)
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(read, 7.4);
    EXPECT_EQ(comma, 7);
}

struct TypedCase {
    const char* name;
    int band;
    std::string text;
    TypedOutcome outcome;
};
void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }


class TypedPositionTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedPositionTest, JudgesTheText) {
    const TypedCase& c = GetParam();
    const TypedOutcome got = TypedPosition(c.band, c.text);
    EXPECT_EQ(int(got.kind()), int(c.outcome.kind())) << c.text;
    if (c.outcome.isPosition()) {
        EXPECT_EQ(got.position(), c.outcome.position()) << c.text;
    }
}

const auto Keep = TypedOutcome::Keep();
const auto Reject = TypedOutcome::Reject();
TypedOutcome At(int position) { return TypedOutcome::At(position); }

INSTANTIATE_TEST_SUITE_P(
    Accepted, TypedPositionTest,
    testing::Values(
        TypedCase{"DigitSeven", 0, "7", At(7)}, TypedCase{"DigitFractionRoundsDown", 0, "7.4", At(7)},
        TypedCase{"HalfGoesToEvenBelow", 0, "2.5", At(2)},
        TypedCase{"HalfGoesToEvenAbove", 1, "3.5", At(4)},
        TypedCase{"NegativeHalfIsZero", 0, "-0.5", At(0)},
        TypedCase{"PositiveHalfIsZero", 1, "0.5", At(0)},
        TypedCase{"NineIsWhite", 1, "9", At(9)}, TypedCase{"EmptyDigitIsBlack", 0, "", At(0)},
        TypedCase{"WordIsBlack", 0, "abc", At(0)}, TypedCase{"Volts", 0, "4 volts", At(4)},
        TypedCase{"CommaStopsTheDigit", 1, "1,5", At(1)},
        TypedCase{"MultiplierOrange", 2, "3", At(3)},
        TypedCase{"MultiplierTenIsGold", 2, "10", At(10)},
        TypedCase{"MultiplierElevenIsSilver", 2, "11", At(11)},
        TypedCase{"MultiplierLeadingZeros", 2, "0003", At(3)},
        TypedCase{"EmptyMultiplierIsBlack", 2, "", At(0)},
        TypedCase{"FourAccentedLettersAreShort", 2, "\u00c4\u00d6\u00dc3", At(0)},
        TypedCase{"GoldFieldText", 2, "*10^-1", At(10)},
        TypedCase{"SilverFieldText", 2, "*10^-2", At(11)},
        TypedCase{"FifthAndSixthCountCharactersNotBytes", 2, "\u00e4\u00e4\u00e4\u00e4-2", At(11)},
        TypedCase{"UnchangedOrangeFieldKeeps", 2, "*10^3", Keep},
        TypedCase{"FiveZerosKeep", 2, "00000", Keep},
        TypedCase{"PowerWithoutStarKeeps", 2, "10^-1", Keep},
        TypedCase{"LongNegativeKeeps", 2, "-1e999", Keep},
        TypedCase{"ToleranceFive", 3, "5", At(2)},
        TypedCase{"UnchangedToleranceField", 3, "10 %", At(3)},
        TypedCase{"ToleranceOnePointZero", 3, "1.0", At(0)},
        TypedCase{"ToleranceLeadingZero", 3, "01", At(0)},
        TypedCase{"ToleranceBlankInside", 3, "1 0", At(3)},
        TypedCase{"ToleranceTwenty", 3, "20", At(4)}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Rejected, TypedPositionTest,
    testing::Values(
        TypedCase{"DigitTen", 0, "10", Reject}, TypedCase{"DigitTwelveWithBlank", 0, "1 2", Reject},
        TypedCase{"DigitRoundingToTen", 1, "9.5", Reject},
        TypedCase{"DigitJustBelowTen", 1, "9.99", Reject},
        TypedCase{"DigitBelowMinusHalf", 0, "-0.6", Reject},
        TypedCase{"DigitTooLargeForADouble", 0, "1e400", Reject},
        TypedCase{"DigitFourHundredNines", 1, std::string(400, '9'), Reject},
        TypedCase{"DigitHugeNegative", 0, "-1e400", Reject},
        TypedCase{"DigitEndlessHexadecimal", 0, "&H" + std::string(300, 'F'), Reject},
        TypedCase{"MultiplierTwelve", 2, "12", Reject},
        TypedCase{"MultiplierThousand", 2, "1000", Reject},
        TypedCase{"MultiplierRoundingToTwelve", 2, "11.5", Reject},
        TypedCase{"MultiplierNegative", 2, "-1", Reject},
        TypedCase{"LongMultiplierNumberTwelve", 2, "12345", Reject},
        TypedCase{"EmptyTolerance", 3, "", Reject}, TypedCase{"ToleranceZero", 3, "0", Reject},
        TypedCase{"ToleranceOneAndAHalf", 3, "1.5", Reject},
        TypedCase{"ToleranceThree", 3, "3", Reject}, TypedCase{"ToleranceFifteen", 3, "15", Reject},
        TypedCase{"ToleranceTwentyFive", 3, "25", Reject},
        TypedCase{"BandAfterTheLast", 4, "1", Reject},
        TypedCase{"NegativeBand", -1, "1", Reject}),
    [](const auto& info) { return info.param.name; });

} // namespace
