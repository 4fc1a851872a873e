#include "bands.h"
#include "resistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

using namespace zevodave;

namespace {

struct LineCase {
    const char* name;
    double first, second, multiplier, tolerance;
    std::string line;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }


class ResistanceTextTest : public testing::TestWithParam<LineCase> {};

TEST_P(ResistanceTextTest, BuildsTheLine) {
    const LineCase& c = GetParam();
    EXPECT_EQ(ResistanceText(c.first, c.second, c.multiplier, c.tolerance), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ResistanceTextTest,
    testing::Values(
        LineCase{"NothingChosenIsEmpty", -1, -1, -1, -1, ""},
        LineCase{"LaterBandsWithoutTheFirstAreEmpty", -1, 7, 2, 2, ""},
        LineCase{"FirstDigitAlone", 4, -1, -1, -1, "4"},
        LineCase{"FirstDigitAloneEvenWithTheRestChosen", 4, -1, 2, 2, "4"},
        LineCase{"TwoDigitsWithoutMultiplierHideTheTolerance", 4, 7, -1, 2, "47"},
        LineCase{"ValueWithoutTolerance", 4, 7, 2, -1, "4.7 Kilohm"},
        LineCase{"YellowVioletRedGold", 4, 7, 2, 2, "4.7 Kilohm +/- 5%"},
        LineCase{"LeadingZeroIsWritten", 0, 1, 0, -1, "01 ohm"},
        LineCase{"LeadingZeroBeforeThePoint", 0, 1, 2, -1, "0.1 Kilohm"},
        LineCase{"SilverWritesNoZeroBeforeThePoint", 1, 0, 11, 4, ".10 ohm +/- 20%"},
        LineCase{"SmallestValue", 0, 1, 11, 4, ".01 ohm +/- 20%"},
        LineCase{"LargestValueKeepsItsPoint", 9, 9, 9, 4, "99. Gigohm +/- 20%"},
        LineCase{"DigitAfterThePointIsWrittenWhenZero", 1, 0, 10, -1, "1.0 ohm"},
        LineCase{"UnknownMultiplierLeavesTheDigitsButAddsTheTolerance", 4, 7, 12, 0,
                 "47 +/- 1%"},
        LineCase{"UnknownToleranceAddsNothing", 4, 7, 3, 5, "47 Kilohm"}),
    [](const auto& info) { return info.param.name; });

// Reads a result line back as ohms and a tolerance, independently of how
// the line is put together, so a wrong pattern shows as a wrong value.
struct ReadLine {
    double ohms = 0;
    std::string tolerance;
};

ReadLine ReadBack(const std::string& line) {
    static const std::map<std::string, double> units{
        {"ohm", 1}, {"Kilohm", 1e3}, {"Megohm", 1e6}, {"Gigohm", 1e9}};
    ReadLine read;
    std::string value = line;
    const auto suffix = value.find(" +/- ");
    if (suffix != std::string::npos) {
        read.tolerance = value.substr(suffix + 5);
        value.resize(suffix);
    }
    const auto space = value.find(' ');
    EXPECT_NE(space, std::string::npos) << line;
    const std::string number = value.substr(0, space);
    const auto unit = units.find(value.substr(space + 1));
    EXPECT_NE(unit, units.end()) << line;
    if (unit != units.end())
        read.ohms = std::stod(number) * unit->second;
    return read;
}

TEST(ResistanceText, EveryResistorReadsBackAsItsValueAndTolerance) {
    const double toleranceFactor[] = {1, 2, 5, 10, 20};
    for (int first = 0; first < 10; ++first) {
        for (int second = 0; second < 10; ++second) {
            for (int multiplier = 0; multiplier < 12; ++multiplier) {
                const double factor = multiplier < 10 ? std::pow(10.0, multiplier)
                                                      : std::pow(10.0, 9 - multiplier);
                const double ohms = (10.0 * first + second) * factor;
                for (int tolerance = -1; tolerance < 5; ++tolerance) {
                    const std::string line = ResistanceText(first, second, multiplier, tolerance);
                    const ReadLine read = ReadBack(line);
                    EXPECT_NEAR(read.ohms, ohms, ohms * 1e-12) << line;
                    const std::string expected =
                        tolerance < 0 ? ""
                                      : std::to_string(int(toleranceFactor[tolerance])) + "%";
                    EXPECT_EQ(read.tolerance, expected) << line;
                    // Both digits appear as chosen, in order.
                    const auto d1 = line.find(char('0' + first));
                    ASSERT_NE(d1, std::string::npos) << line;
                    EXPECT_NE(line.find(char('0' + second), d1 + 1), std::string::npos) << line;
                    if (HasFailure())
                        return;
                }
            }
        }
    }
}

} // namespace
