// Practice: answers judged with the hint for each slip, and the questions a
// fixed seed draws.

#include "practice.h"
#include "standardvalues.h"

#include <gtest/gtest.h>

#include <set>
#include <variant>

using namespace zevodave;

namespace {

constexpr BandPositions k4k7{4, 7, 2, 2}; // Yellow, Violet, Red, Gold
constexpr BandPositions k22k{2, 2, 3, 0}; // Red, Red, Orange, Brown
constexpr BandPositions k1k{1, 0, 2, 0};  // Brown, Black, Red, Brown
constexpr BandPositions k4R7{4, 7, 10, 2};
constexpr BandPositions k0R1{1, 0, 11, 2};

TEST(Practice, JudgesAnswersAndNamesTheSlip) {
    using Chosen = BandPositions;
    const std::string working = "Yellow 4, Violet 7 give 47; Red multiplies by 100, so 4.7 Kilohm.";
    const std::string offByOne = " Hint: a factor of ten out: the multiplier is one colour off.";
    const std::string right = "Right: Yellow 4, Violet 7, Red x 100 = 4.7 Kilohm +/- 5%.";
    // The feedback each answer ends with; "Right:" and "Not quite:" tell the
    // outcome, any other text asks again.
    const std::tuple<BandPositions, std::variant<std::string, Chosen>, std::string> rows[] = {
        {k4k7, "4k7", right},
        {k4k7, "4,7k +/- 5%", right},
        {k4k7, k4k7, right},
        {k4k7, "47k", "Not quite: you typed 47 Kilohm. " + working + offByOne},
        {k4k7, "470", offByOne},
        {k4k7, Chosen{4, 7, 3, 2}, "you chose Yellow, Violet, Orange, Gold. " + working + offByOne},
        {k4k7, "472 ohm", "Hint: the third band is the multiplier, not a third digit."},
        {k22k, "1k3", "Hint: read from the wrong end: the tolerance band, set apart, comes last."},
        {k22k, "32k", "Hint: Orange and Red look alike: band 1 is Red."},
        {k1k, "2k", "Hint: Red and Brown look alike: band 1 is Brown."},
        {k4R7, "470k", "Hint: Yellow and Gold look alike: band 3 is Gold."},
        {k0R1, "1G", "Hint: Grey and Silver look alike: band 3 is Silver."},
        {k1k, "1k 2%", "Hint: Red and Brown look alike: band 4 is Brown."},
        {k4k7, "4k7 10%",
         "you typed 4.7 Kilohm +/- 10%. " + working +
             " Hint: the tolerance band, set apart, is Gold: +/- 5%."},
        {k1k, Chosen{0, 1, 3, 0},
         "Hint: no resistor starts with Black: 1.0 Kilohm is Brown, Black, Red."},
        {k4k7, "4.3k", working}, // Violet read as Orange: colours too far apart to name
        {k4k7, "4k7 3%", "Four bands show a tolerance of 1, 2, 5, 10 or 20%."},
        {k4k7, Chosen{4, 7, kNoPosition, 2}, "Choose a colour in each of the four lists."},
    };
    for (const auto& [question, answer, feedbackEnd] : rows) {
        const Verdict verdict = answer.index() == 0
                                    ? JudgeReading(question, std::get<std::string>(answer))
                                    : JudgeChoice(question, std::get<Chosen>(answer));
        const Outcome outcome = verdict.feedback.starts_with("Right: ")       ? Outcome::Right
                                : verdict.feedback.starts_with("Not quite: ") ? Outcome::Wrong
                                                                              : Outcome::Unanswered;
        EXPECT_EQ(verdict.outcome, outcome) << verdict.feedback;
        EXPECT_TRUE(verdict.feedback.ends_with(feedbackEnd)) << verdict.feedback;
    }
}

// Enough questions that every value in range comes up: then E12 and
// E24-only values both do.
TEST(Practice, DrawsEveryE24ValueInRangeNeverTheSameTwice) {
    const RandomSource random = SeededSource(1);
    BandPositions previous{kNoPosition, kNoPosition, kNoPosition, kNoPosition};
    std::set<double> values;
    std::set<int> tolerances;
    for (int i = 0; i < 3000; ++i) {
        const BandPositions question = DrawQuestion(random, previous);
        const Decimal value = *BandValue(question);
        ASSERT_TRUE(InSeries(2, value) && question[0] != 0) << QuestionText(question);
        ASSERT_NE(BandValue(question), BandValue(previous)) << QuestionText(question);
        values.insert(std::stod(value.digits + "e" + std::to_string(value.exponent)));
        tolerances.insert(question[kToleranceBand]);
        previous = question;
    }
    EXPECT_EQ(*values.begin(), 1.0);
    EXPECT_EQ(*values.rbegin(), 1e7);
    EXPECT_EQ(values.size(), 7 * kE24Figures.size() + 1);
    EXPECT_EQ(tolerances, std::set<int>({0, 1, 2, 3, 4}));
}

} // namespace
