// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Practice: answers judged, with the hint for each slip. The questions a
// fixed seed draws are the Practice window's test.

#include "practice.h"

#include <gtest/gtest.h>

#include <variant>

using namespace zevodave;

// The end of the feedback for each answer; "Right:" and "Not quite:" tell the
// outcome, any other text asks again. Each hint's words are shown in full once.
TEST(Practice, JudgesAnswersAndNamesTheSlip) {
    // Yellow, Violet, Red, Gold; Red, Red, Orange, Brown; the first with an
    // Orange multiplier, the second with a Black first band.
    const BandPositions k4k7{4, 7, 2, 2}, k22k{2, 2, 3, 0}, orange{4, 7, 3, 2}, black{0, 2, 3, 0};
    const std::string working = "Yellow 4, Violet 7 give 47; Red multiplies by 100, so 4.7 Kilohm.";
    const std::string offByOne = " Hint: a factor of ten out: the multiplier is one colour off.";
    // clang-format off
    std::tuple<BandPositions, std::variant<std::string, BandPositions>, std::string> rows[] = {
        {k4k7, "4k7", "Right: Yellow 4, Violet 7, Red x 100 = 4.7 Kilohm +/- 5%."},
        {k4k7, "4,7k +/- 5%", "Kilohm +/- 5%."}, {k4k7, k4k7, "Kilohm +/- 5%."},
        {k4k7, "47k 5%", "Not quite: you typed 47 Kilohm +/- 5%. " + working + offByOne},
        {k4k7, orange, "you chose Yellow, Violet, Orange, Gold. " + working + offByOne},
        {k4k7, "472 ohm", "Hint: the third band is the multiplier, not a third digit."},
        {k22k, "1k3", "Hint: read from the wrong end: the tolerance band, set apart, comes last."},
        // 4.5k: Green for Violet, colours alike to no other, gets no hint.
        {k22k, "32k", "Hint: Orange and Red look alike: band 1 is Red."}, {k4k7, "4.5k", working},
        {k22k, "22k 2%", "Red and Brown look alike: band 4 is Brown."}, {k4k7, "470", offByOne},
        {{4, 7, 10, 2}, "470k", "Yellow and Gold look alike: band 3 is Gold."},
        {{1, 0, 11, 2}, "1G", "Grey and Silver look alike: band 3 is Silver."},
        {k4k7, "4k7 10%", "Hint: the tolerance band, set apart, is Gold: +/- 5%."},
        {k22k, black, "Hint: no resistor starts with Black: 22 Kilohm is Red, Red, Orange."},
        {k4k7, "4k7 3%", "Four bands show a tolerance of 1, 2, 5, 10 or 20%."},
        {k4k7, BandPositions{4, 7, kNoPosition, 2}, "Choose a colour in each of the four lists."},
        // Black is like no other colour; a Gold multiplier is no third digit.
        {{1, 0, 2, 2}, "1.1k", "Black 0 give 10; Red multiplies by 100, so 1.0 Kilohm."},
        {{4, 7, 10, 2}, "4710", "Gold multiplies by 0.1, so 4.7 ohm."}};
    // clang-format on
    for (const auto& [question, answer, end] : rows) {
        const auto* typed = std::get_if<std::string>(&answer);
        const auto [outcome, feedback] =
            typed ? JudgeReading(question, *typed) : JudgeChoice(question, std::get<1>(answer));
        EXPECT_TRUE(feedback.ends_with(end) &&
                    (outcome == Outcome::Right) == feedback.starts_with("Right: ") &&
                    (outcome == Outcome::Wrong) == feedback.starts_with("Not quite: "))
            << feedback;
    }
}
