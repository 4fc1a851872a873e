// The working from bands to value, as far as the chosen bands take it, and
// the bands named for a screen reader.

#include "working.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace zevodave;

namespace {

constexpr int kNone = kNoPosition;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : " / ") + line;
    return text;
}

TEST(Working, GrowsWithTheBandsAndIsExact) {
    const std::pair<BandPositions, std::string> rows[] = {
        {{4, 7, 2, 2},
         "Yellow 4, Violet 7 give 47 / Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm / "
         "Gold: +/- 5%, so from 4.465 to 4.935 Kilohm"},
        {{1, 0, 11, 0},
         "Brown 1, Black 0 give 10 / Silver multiplies by 0.01: 10 x 0.01 = 0.10 ohm / Brown: "
         "+/- 1%, so from 0.099 to 0.101 ohm"},
        {{0, 5, 11, 4},
         "Black 0, Green 5 give 5 / Silver multiplies by 0.01: 5 x 0.01 = 0.05 ohm / None: +/- "
         "20%, so from 0.04 to 0.06 ohm"},
        {{9, 9, 9, 3},
         "White 9, White 9 give 99 / White multiplies by 1000000000: 99 x 1000000000 = "
         "99000000000 ohm = 99 Gigohm / Silver: +/- 10%, so from 89.1 to 108.9 Gigohm"},
        {{1, 0, 3, 1},
         "Brown 1, Black 0 give 10 / Orange multiplies by 1000: 10 x 1000 = 10000 ohm = 10 "
         "Kilohm / Red: +/- 2%, so from 9.8 to 10.2 Kilohm"},
        {{4, 7, 10, kNone},
         "Yellow 4, Violet 7 give 47 / Gold multiplies by 0.1: 47 x 0.1 = 4.7 ohm"},
        {{4, 7, kNone, 2}, "Yellow 4, Violet 7 give 47"},
        {{4, kNone, 2, 2}, "Yellow 4"},
        {{kNone, 7, 2, 2}, ""},
    };
    for (const auto& [bands, working] : rows)
        EXPECT_EQ(Joined(WorkingLines(bands)), working);
}

TEST(Working, DescriptionNamesTheBands) {
    const std::pair<BandPositions, std::string> rows[] = {
        {{4, 7, 2, 2}, "Bands: Yellow, Violet, Red, Gold"},
        {{1, 0, 3, 4}, "Bands: Brown, Black, Orange, None"},
        {{2, kNone, kNone, kNone}, "Bands: Red, not chosen, not chosen, not chosen"},
    };
    for (const auto& [bands, description] : rows)
        EXPECT_EQ(BandsDescription(bands), description);
}

} // namespace
