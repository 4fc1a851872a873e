// Reading typed numbers, and what a typed text chooses in each band.

#include "typedentry.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

using namespace zevodave;

namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const std::pair<std::string, double> cases[] = {
        {"", 0},
        {"-", 0},
        {".", 0},
        {"abc", 0},
        {"*10^3", 0},
        {"&", 0},
        {"7.4", 7.4},
        {"-.5", -0.5},
        {"+3", 3},
        {"5.", 5},
        {"4 volts", 4},
        // Spaces, tabs and line feeds go wherever they stand; nothing else does.
        {"1 2", 12},
        {"\t1\n0 ", 10},
        {"1\r0", 1},
        {"1\u00a02", 1},
        {"1,5", 1},
        {"1.2.3", 1.2},
        {"10 %", 10},
        {"1.5E2", 150},
        {"2d1", 20},
        {"5e-1", 0.5},
        {"3e", 3},
        {"3e+x", 3},
        {"&HFF", 255},
        {"&h00004080&", 0x4080},
        {"&O17", 15},
        {"&o178", 15},
        // Beyond a double's range: infinite or zero, never a wrong number.
        {"1e400", kInfinity},
        {"-1e400", -kInfinity},
        {std::string(400, '9'), kInfinity},
        {"&H" + std::string(300, 'F'), kInfinity},
        {"1e99999999999999999999", kInfinity},
        {"1e-400", 0},
        {"1" + std::string(500, '0') + "e-500", 1},
        {"0." + std::string(400, '0') + "1e401", 1}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(LeadingNumber(text), number) << text;
}

TEST(LeadingNumber, FullStopIsThePointWhateverTheLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    const double point = LeadingNumber("7.4");
    const double comma = LeadingNumber("7,4");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(point, 7.4);
    EXPECT_EQ(comma, 7);
}

struct Typed {
    int band;
    std::string text;
    TypedOutcome outcome;
};
void PrintTo(const Typed& c, std::ostream* os) {
    *os << c.band << " \"" << c.text << '"';
}

class TypedPositionTest : public testing::TestWithParam<Typed> {};

TEST_P(TypedPositionTest, JudgesTheText) {
    EXPECT_EQ(TypedPosition(GetParam().band, GetParam().text), GetParam().outcome);
}

const auto Keep = TypedOutcome::Keep();
const auto Reject = TypedOutcome::Reject();
TypedOutcome At(int position) {
    return TypedOutcome::At(position);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, TypedPositionTest,
    testing::Values(
        // Digits round half to even; text without a number is 0.
        Typed{0, "7.4", At(7)}, Typed{0, "2.5", At(2)}, Typed{1, "3.5", At(4)},
        Typed{0, "-0.5", At(0)}, Typed{1, "9", At(9)}, Typed{0, "", At(0)}, Typed{0, "abc", At(0)},
        Typed{1, "1,5", At(1)},
        // The multiplier is the number of zeros; 10 and 11 are Gold and Silver.
        Typed{2, "0003", At(3)}, Typed{2, "10", At(10)}, Typed{2, "11", At(11)},
        Typed{2, "", At(0)},
        // Long texts are the field's own form; characters, not bytes, count.
        Typed{2, "*10^-1", At(10)}, Typed{2, "*10^-2", At(11)},
        Typed{2, "\u00e4\u00e4\u00e4\u00e4-2", At(11)}, Typed{2, "\u00c4\u00d6\u00dc3", At(0)},
        Typed{2, "*10^3", Keep}, Typed{2, "00000", Keep}, Typed{2, "10^-1", Keep},
        Typed{2, "*10^-0", Keep}, Typed{2, "*10^-3", Keep},
        Typed{2, "-1e999", Keep},
        // Tolerances by exact value.
        Typed{3, "5", At(2)}, Typed{3, "10 %", At(3)}, Typed{3, "1.0", At(0)},
        Typed{3, "1 0", At(3)}, Typed{3, "20", At(4)}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, TypedPositionTest,
    testing::Values(Typed{0, "10", Reject}, Typed{0, "1 2", Reject}, Typed{1, "9.5", Reject},
                    Typed{1, "9.99", Reject}, Typed{0, "-0.6", Reject}, Typed{0, "1e400", Reject},
                    Typed{1, std::string(400, '9'), Reject}, Typed{0, "-1e400", Reject},
                    Typed{0, "&H" + std::string(300, 'F'), Reject}, Typed{2, "12", Reject},
                    Typed{2, "1000", Reject}, Typed{2, "11.5", Reject}, Typed{2, "-1", Reject},
                    Typed{2, "12345", Reject}, Typed{3, "", Reject}, Typed{3, "0", Reject},
                    Typed{3, "1.5", Reject}, Typed{3, "3", Reject}, Typed{3, "25", Reject},
                    Typed{4, "1", Reject}, Typed{-1, "1", Reject}));

} // namespace
