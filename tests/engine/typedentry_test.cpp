// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Reading typed numbers, and what a typed text chooses in each band.

#include "typedentry.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace zevodave;

namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"", 0}, {"-", 0}, {".", 0}, {"abc", 0}, {"*10^3", 0}, {"&", 0}, {"7.4", 7.4},
        {"-.5", -0.5}, {"+3", 3}, {"5.", 5}, {"4 volts", 4}, {"1,5", 1}, {"1.2.3", 1.2},
        // Spaces, tabs and line feeds go wherever they stand; nothing else does.
        {"1 2", 12}, {"\t1\n0 ", 10}, {"1\r0", 1}, {"1\u00a02", 1}, {"10 %", 10},
        {"1.5E2", 150}, {"2d1", 20}, {"2D1", 20}, {"5e-1", 0.5}, {"3e", 3}, {"3e+x", 3},
        {"&HFF", 255}, {"&h9fa", 0x9fa}, {"&h00004080&", 0x4080}, {"&O17", 15}, {"&o178", 15},
        // Beyond a double's range: infinite or zero, never a wrong number.
        {"1e400", kInfinity}, {"-1e400", -kInfinity}, {std::string(400, '9'), kInfinity},
        {"&H" + std::string(300, 'F'), kInfinity}, {"1e99999999999999999999", kInfinity},
        {"1e-400", 0}, {std::string(400, '0') + "1e-400", 0}, {"1" + std::string(500, '0') + "e-500", 1},
        {"0." + std::string(400, '0') + "1e401", 1}};
    // clang-format on
    for (const auto& [text, number] : cases)
        EXPECT_EQ(LeadingNumber(text), number) << text;
}

// What each text chooses in a band: a position, "k" to keep the list as it
// is, or "x" to reject it.
std::string Outcomes(int band, const std::vector<std::string>& texts) {
    std::string seen;
    for (const std::string& text : texts) {
        const TypedOutcome outcome = TypedPosition(band, text);
        seen += outcome.isPosition() ? std::to_string(outcome.position()) + ' '
                : outcome.isReject() ? "x "
                                     : "k ";
    }
    return seen;
}

TEST(TypedPosition, ChoosesKeepsOrRejects) {
    // clang-format off
    const std::tuple<int, std::vector<std::string>, std::string> rows[] = {
        // Digits round half to even; text without a number is 0, and so is
        // a number too small for a double.
        {0, {"7.4", "6.6", "2.5", "3.5", "-0.5", "9", "", "abc", "1,5", "0." + std::string(400, '0') + "1e50"}, "7 7 2 4 0 9 0 0 1 0 "},
        // The multiplier is the number of zeros; 10 and 11 are Gold and Silver;
        // longer texts are the field's own form, counted in characters, not bytes.
        {2, {"0003", "10", "11", "", "*10^-1", "*10^-2", "\u00e4\u00e4\u00e4\u00e4-2",
             "\u00c4\u00d6\u00dc3", "*10^3", "00000", "10^-1", "-1e999", "*10^-0", "*10^-3"},
         "3 10 11 0 10 11 11 0 k k k k k k "},
        // Tolerances by exact value.
        {3, {"5", "10 %", "1.0", "1 0", "20", "2"}, "2 3 0 3 4 1 "},
        // Rejected.
        {0, {"10", "1 2", "-0.6", "1e400", "-1e400", "&H" + std::string(300, 'F')}, "x x x x x x "},
        {2, {"12", "1000", "11.5", "-1", "12345", "12.00"}, "x x x x x x "},
        {3, {"", "0", "1.5", "3", "25"}, "x x x x x "}, {4, {"1"}, "x "}, {-1, {"1"}, "x "}};
    // clang-format on
    for (const auto& [band, texts, outcomes] : rows)
        EXPECT_EQ(Outcomes(band, texts), outcomes) << "band " << band;
}

} // namespace
