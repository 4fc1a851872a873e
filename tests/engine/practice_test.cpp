// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Practice judge: answers typed or chosen, the value and the tolerance
// judged apart, the slip each wrong value came from; and the questions drawn,
// every one a real part its own bands answer.

#include "practice.h"
#include "standardvalues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

using namespace zevodave;

namespace {

// Colours by their letter codes ("YE VT RD GD"), "--" for no band, ".." for
// a list left unchosen.
PartBands Colours(const std::string& codes) {
    std::istringstream words(codes);
    PartBands bands;
    for (std::string code; words >> code;) {
        const auto at = std::ranges::find(kColourCode, code, &ColourCode::letters);
        const int colour = static_cast<int>(at - kColourCode.begin());
        bands.push_back(code == "--" ? kNoBand : code == ".." ? kNoPosition : colour);
    }
    return bands;
}

// "Wrong", what was wrong ("value", "tolerance"), the slip, and for a band
// slip the band and the colour given.
std::string Seen(const Verdict& verdict) {
    const char* outcomes[] = {"Right", "Wrong", "Unanswered"};
    // clang-format off
    const char* slips[] = {"", " ThirdFigure", " TenTimes", " NoMultiplier", " MilliMega",
        " OtherEnd", " LookAlike", " Figure", " Multiplier", " AllFigures", " BlackFirst"};
    // clang-format on
    const bool wrong = verdict.outcome == Outcome::Wrong;
    return outcomes[static_cast<int>(verdict.outcome)] +
           std::string(wrong && !verdict.valueRight ? " value" : "") +
           (wrong && !verdict.toleranceRight ? " tolerance" : "") +
           slips[static_cast<int>(verdict.slip)] +
           (verdict.slipBand == kNoPosition
                ? ""
                : " " + std::to_string(verdict.slipBand) + " " +
                      std::string(kColourCode[verdict.slipColour].letters));
}

} // namespace

TEST(Judge, NamesEveryMistake) {
    // clang-format off
    const std::tuple<const char*, const char*, char, const char*, const char*> rows[] = {
        {"three figures on four bands, judged all the same", "YE VT RD GD", 'r', "47.5k 10%", "Wrong value tolerance"},
        {"five bands: the multiplier as a fourth figure", "YE VT BK BN BN", 'r', "4701", "Wrong value ThirdFigure"},
        {"m for M; not M for m", "BN BK GN --", 'r', "1m", "Wrong value MilliMega"},
        {"five bands from the other end, starting with White", "WH BK BK BN BN", 'r', "110", "Wrong value OtherEnd"},
        {"Yellow for Gold", "YE VT GD GD", 'r', "470k", "Wrong value LookAlike 2 YE"},
        {"Blue for Green", "GN BU RD GD", 'r', "6.6k", "Wrong value LookAlike 0 BU"},
        {"Grey for Violet", "YE VT RD GD", 'r', "4.8k", "Wrong value LookAlike 1 GY"},
        {"Red for Violet: no look-alikes", "YE VT RD GD", 'r', "4.2k", "Wrong value"},
        {"Black first giving the value", "BN BK BK GD", 'c', "BK BN BN GD", "Wrong value BlackFirst"},
        {"choosing, a look-alike is the code", "RD RD OG BN", 'c', "OG RD OG BN", "Wrong value Figure 0 OG"},
    };
    // clang-format on
    PracticeRecord record;
    for (const auto& [name, question, mode, answer, expected] : rows) {
        const Question asked{Colours(question)};
        const Verdict verdict =
            mode == 'r' ? JudgeReading(asked, answer) : JudgeChoice(asked, Colours(answer));
        record.Count(verdict);
        EXPECT_EQ(Seen(verdict), expected) << name;
    }
    // The answers judged, and their slips by kind: multiplier, third figure,
    // other end, look-alike, figures, unit, tolerance, first figure zero.
    EXPECT_EQ(std::tuple(record.answered, record.right, record.slips),
              std::tuple(10, 0, std::array{0, 1, 1, 3, 1, 1, 1, 1}));
}

// Over many questions of each kind: a real part, in the series its tolerance
// is sold in and the range of its band count, never the value before it;
// turned round only when it may be, about one in four; its own bands and its
// value typed answer it.
TEST(DrawQuestion, AsksRealPartsItsBandsAnswer) {
    const std::map<int, std::vector<const char*>> seriesOf{
        {2000, {"E6"}},        {1000, {"E12"}}, {500, {"E24"}}, {200, {"E24", "E96"}},
        {100, {"E24", "E96"}}, {50, {"E192"}},  {25, {"E192"}}, {10, {"E192"}}};
    for (const auto kind : {QuestionBands::Four, QuestionBands::Five, QuestionBands::FourOrFive}) {
        const RandomSource random = SeededSource(static_cast<unsigned>(kind));
        std::set<std::pair<std::size_t, int>> kinds;
        int turned = 0;
        constexpr int kQuestions = 2000;
        Question question;
        for (int asked = 0; asked < kQuestions; ++asked) {
            const Question previous = question;
            question = DrawQuestion(random, kind, asked % 2 == 0, previous);
            const auto count = static_cast<int>(question.bands.size());
            const Decimal value = Normalized(*PartValue(question.bands));
            const int tolerance = ToleranceOf(question.bands[FigureCount(count) + 1]);
            const Decimal percent = Normalized({std::to_string(tolerance), -2});
            const std::string typed = NumberText(value, 0) + " " + NumberText(percent, 0) + "%";
            EXPECT_TRUE(std::ranges::any_of(seriesOf.at(tolerance), [&](const char* name) {
                return InSeries(SeriesIndex(name), value);
            })) << typed;
            const double ohms = std::stod(value.digits) * std::pow(10.0, value.exponent);
            EXPECT_TRUE(count == kFourBands ? ohms >= 1 && ohms <= 1e7 : ohms >= 10 && ohms <= 1e6);
            EXPECT_TRUE(asked == 0 || value != Normalized(*PartValue(previous.bands)));
            EXPECT_TRUE(!question.turned || asked % 2 == 0);
            turned += question.turned ? 1 : 0;
            kinds.emplace(question.bands.size(), tolerance);
            EXPECT_EQ(JudgeChoice(question, question.bands).outcome, Outcome::Right);
            EXPECT_EQ(JudgeReading(question, typed).outcome, Outcome::Right) << typed;
        }
        EXPECT_NEAR(turned, kQuestions / 2 / 4, kQuestions / 40);
        // Four bands at three tolerances, five at five.
        EXPECT_EQ(kinds.size(), (std::array{3U, 5U, 8U})[static_cast<int>(kind)]);
    }
}
