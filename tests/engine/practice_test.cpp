// Practice: answers judged with the hint for each slip, and the questions a
// fixed seed draws.

#include "practice.h"
#include "standardvalues.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <variant>

using namespace zevodave;

namespace {

constexpr BandPositions k4k7{4, 7, 2, 2};   // Yellow, Violet, Red, Gold
constexpr BandPositions k22k{2, 2, 3, 0};   // Red, Red, Orange, Brown
constexpr BandPositions k1k{1, 0, 2, 0};    // Brown, Black, Red, Brown
constexpr BandPositions k4R7{4, 7, 10, 2};  // Yellow, Violet, Gold, Gold
constexpr BandPositions k0R10{1, 0, 11, 2}; // Brown, Black, Silver, Gold
const std::string kWorking = "Yellow 4, Violet 7 give 47; Red multiplies by 100, so 4.7 Kilohm.";

struct Row {
    const char* behaviour;
    BandPositions question;
    std::variant<std::string, BandPositions> answer; // typed, or chosen
    Outcome outcome;
    std::string feedbackEnd;
};

TEST(Practice, JudgesAnswersAndNamesTheSlip) {
    const std::string right = "Right: Yellow 4, Violet 7, Red x 100 = 4.7 Kilohm +/- 5%.";
    const Row rows[] = {
        {"letter code", k4k7, "4k7", Outcome::Right, right},
        {"unit word", k4k7, "4.7 Kilohm", Outcome::Right, right},
        {"tolerance typed", k4k7, "4700 5%", Outcome::Right, right},
        {"comma, tolerance sign", k4k7, "4,7k +/- 5%", Outcome::Right, right},
        {"chosen", k4k7, k4k7, Outcome::Right, right},
        {"below 10 ohm", k4R7, "4R7", Outcome::Right, "Gold x 0.1 = 4.7 ohm +/- 5%."},
        {"multiplier one up", k4k7, "47k", Outcome::Wrong,
         "Not quite: you typed 47 Kilohm. " + kWorking +
             " Hint: a factor of ten out: the multiplier is one colour off."},
        {"multiplier one down", k4k7, "470", Outcome::Wrong, "one colour off."},
        {"multiplier one up, chosen", k4k7, BandPositions{4, 7, 3, 2}, Outcome::Wrong,
         "you chose Yellow, Violet, Orange, Gold. " + kWorking +
             " Hint: a factor of ten out: the multiplier is one colour off."},
        {"multiplier read as a digit", k4k7, "472 ohm", Outcome::Wrong,
         "you typed 472 ohm. " + kWorking +
             " Hint: the third band is the multiplier, not a third digit."},
        {"read from the wrong end", k22k, "1k3", Outcome::Wrong,
         "Hint: the bands were read from the wrong end: the tolerance band, set apart, comes "
         "last."},
        {"chosen from the wrong end", k22k, BandPositions{1, 3, 2, 1}, Outcome::Wrong,
         "from the wrong end: the tolerance band, set apart, comes last."},
        {"red taken for orange", k22k, "32k", Outcome::Wrong,
         "Hint: Orange and Red look alike: band 1 is Red."},
        {"orange chosen for red", k22k, BandPositions{2, 3, 3, 0}, Outcome::Wrong,
         "Hint: Orange and Red look alike: band 2 is Red."},
        {"brown taken for red", k1k, "2k", Outcome::Wrong,
         "Hint: Red and Brown look alike: band 1 is Brown."},
        {"gold taken for yellow", k4R7, "470k", Outcome::Wrong,
         "Hint: Yellow and Gold look alike: band 3 is Gold."},
        {"silver taken for grey", k0R10, "1G", Outcome::Wrong,
         "Hint: Grey and Silver look alike: band 3 is Silver."},
        {"brown tolerance taken for red", k1k, "1k 2%", Outcome::Wrong,
         "Hint: Red and Brown look alike: band 4 is Brown."},
        {"wrong tolerance typed", k4k7, "4k7 10%", Outcome::Wrong,
         "you typed 4.7 Kilohm +/- 10%. " + kWorking +
             " Hint: the tolerance band, set apart, is Gold: +/- 5%."},
        {"wrong tolerance chosen", k4k7, BandPositions{4, 7, 2, 4}, Outcome::Wrong,
         "is Gold: +/- 5%."},
        {"first band Black", k1k, BandPositions{0, 1, 3, 0}, Outcome::Wrong,
         "Not quite: you chose Black, Brown, Orange, Brown. Brown 1, Black 0 give 10; Red "
         "multiplies by 100, so 1.0 Kilohm. Hint: no resistor starts with Black: 1.0 Kilohm is "
         "Brown, Black, Red."},
        {"no slip to name, typed", k4k7, "4.3k", Outcome::Wrong, kWorking},
        {"no slip to name, chosen", k4k7, BandPositions{5, 7, 2, 2}, Outcome::Wrong, kWorking},
    };
    for (const Row& row : rows) {
        const Verdict verdict =
            row.answer.index() == 0
                ? JudgeReading(row.question, std::get<std::string>(row.answer))
                : JudgeChoice(row.question, std::get<BandPositions>(row.answer));
        EXPECT_EQ(verdict.outcome, row.outcome) << row.behaviour;
        EXPECT_TRUE(verdict.feedback.ends_with(row.feedbackEnd))
            << row.behaviour << ": " << verdict.feedback;
    }
}

TEST(Practice, AsksAgainWhenNothingIsAnswered) {
    const std::pair<Verdict, std::string> rows[] = {
        {JudgeReading(k4k7, "four k seven"), "No value found: type a number with an optional unit"},
        {JudgeReading(k4k7, "4k7 3%"), "Four bands show a tolerance of 1, 2, 5, 10 or 20%."},
        {JudgeChoice(k4k7, {4, 7, kNoPosition, 2}), "Choose a colour in each of the four lists."},
    };
    for (const auto& [verdict, feedbackStart] : rows) {
        EXPECT_EQ(verdict.outcome, Outcome::Unanswered) << feedbackStart;
        EXPECT_TRUE(verdict.feedback.starts_with(feedbackStart)) << verdict.feedback;
    }
}

// Each question against every rule at once, over enough questions that
// every value and tolerance comes up.
TEST(Practice, DrawsStandardValuesInRangeNeverTheSameTwice) {
    constexpr int kQuestions = 3000;
    constexpr int kE12 = 1;
    constexpr int kE24 = 2;
    const RandomSource random = SeededSource(1);
    BandPositions previous{kNoPosition, kNoPosition, kNoPosition, kNoPosition};
    std::set<double> values;
    std::set<int> tolerances;
    std::set<bool> inE12;
    for (int i = 0; i < kQuestions; ++i) {
        const BandPositions question = DrawQuestion(random, previous);
        const Decimal value = *BandValue(question);
        EXPECT_TRUE(InSeries(kE24, value)) << QuestionText(question);
        EXPECT_NE(question[kFirstDigitBand], 0) << QuestionText(question);
        EXPECT_NE(BandValue(question), BandValue(previous)) << QuestionText(question);
        values.insert(std::stod(value.digits + "e" + std::to_string(value.exponent)));
        tolerances.insert(question[kToleranceBand]);
        inE12.insert(InSeries(kE12, value));
        previous = question;
    }
    EXPECT_EQ(*values.begin(), 1.0);
    EXPECT_EQ(*values.rbegin(), 1e7);
    EXPECT_EQ(values.size(), 7 * 24 + 1u);
    EXPECT_EQ(tolerances, std::set<int>({0, 1, 2, 3, 4}));
    EXPECT_EQ(inE12, std::set<bool>({false, true}));
}

} // namespace
