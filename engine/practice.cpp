// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "practice.h"

#include "standardvalues.h"

#include <algorithm>
#include <random>
#include <utility>

namespace zevodave {

namespace {

// A series and the tolerance band its parts are sold with.
struct PartKind {
    std::string_view series;
    int tolerance;
};

constexpr std::array kFourBandKinds{PartKind{"E6", kNoBand}, PartKind{"E12", colour::Silver},
                                    PartKind{"E24", colour::Gold}};
constexpr std::array kFiveBandKinds{
    PartKind{"E24", colour::Brown},  PartKind{"E24", colour::Red},   PartKind{"E48", colour::Brown},
    PartKind{"E48", colour::Red},    PartKind{"E96", colour::Brown}, PartKind{"E96", colour::Red},
    PartKind{"E192", colour::Green}, PartKind{"E192", colour::Blue}, PartKind{"E192", colour::Violet},
};

// Values from the decade starting at ten to the power `firstDecade`, for
// `decades` decades, and the first value of the next: 1 ohm to 10 Megohm on
// four bands, 10 ohm to 1 Megohm on five.
struct ValueRange {
    int firstDecade;
    int decades;
};
constexpr ValueRange kFourBandRange{0, 7};
constexpr ValueRange kFiveBandRange{1, 5};

// One question in this many is drawn turned round.
constexpr int kTurnOdds = 4;

// m typed for M: a thousand million times too small.
constexpr long long kMegaToMilli = -9;

// Swatches easily taken for one another.
constexpr std::array<std::pair<int, int>, 7> kLookAlikes{{
    {colour::Gold, colour::Yellow},
    {colour::Silver, colour::Grey},
    {colour::Red, colour::Orange},
    {colour::Red, colour::Brown},
    {colour::Orange, colour::Brown},
    {colour::Violet, colour::Grey},
    {colour::Blue, colour::Green},
}};

bool LookAlike(int a, int b) {
    return std::ranges::any_of(kLookAlikes, [&](const std::pair<int, int>& pair) {
        return pair == std::pair(a, b) || pair == std::pair(b, a);
    });
}

Decimal ValueOf(const PartBands& bands) {
    return Normalized(*PartValue(bands));
}

Decimal Scaled(const Decimal& value, long long places) {
    return Normalized({value.digits, value.exponent + places});
}

// A real part of a kind at a band count, its value from the range.
PartBands DrawPart(const RandomSource& random, int bandCount) {
    const bool four = bandCount == kFourBands;
    const PartKind kind = four ? kFourBandKinds[random(kFourBandKinds.size())]
                               : kFiveBandKinds[random(kFiveBandKinds.size())];
    const ValueRange range = four ? kFourBandRange : kFiveBandRange;
    const std::vector<int> figures = SeriesFigures(SeriesIndex(kind.series));
    const int perDecade = static_cast<int>(figures.size());
    // The last index is the first figure of the decade after the range.
    const int index = random(range.decades * perDecade + 1);
    const std::string digits = std::to_string(figures[index % perDecade]);
    const long long decade = range.firstDecade + index / perDecade;
    PartBands bands =
        *ValueColours({digits, decade - static_cast<long long>(digits.size() - 1)}, bandCount);
    bands[FigureCount(bandCount) + 1] = kind.tolerance;
    return bands;
}

enum class Mode { Read, Choose };

// The slip that most likely gave a wrong value, in `verdict`.
void FindSlip(const Question& question, Verdict& verdict, Mode mode) {
    const PartBands& bands = question.bands;
    const int count = static_cast<int>(bands.size());
    const int figures = FigureCount(count);
    const int multiplier = bands[figures];
    const Decimal right = ValueOf(bands);
    const Decimal& given = verdict.value;
    const auto slipped = [&](Slip slip, int band = kNoPosition, int colour = kNoPosition) {
        verdict.slip = slip;
        verdict.slipBand = band;
        verdict.slipColour = colour;
    };

    const bool read = mode == Mode::Read;
    if (!read && verdict.given[0] == colour::Black)
        return slipped(Slip::BlackFirst);
    const std::string figureDigits = std::to_string(FigureNumber(bands));
    const int multiplierDigit = kColourCode[multiplier].digit;
    if (read && multiplierDigit != kNoMeaning &&
        given == Normalized({figureDigits + std::to_string(multiplierDigit), 0}))
        return slipped(Slip::ThirdFigure);
    if (!verdict.given.empty() && (given == Scaled(right, 1) || given == Scaled(right, -1)))
        return slipped(Slip::TenTimes);
    // The figures alone: a multiplier of ten or a tenth was the slip above.
    if (given == Normalized({figureDigits, 0}))
        return slipped(Slip::NoMultiplier);
    if (read) {
        if (given == Scaled(right, kMegaToMilli))
            return slipped(Slip::MilliMega);
        // The figures and the multiplier the other end gives decide.
        const PartBands reversed = Reversed(bands);
        const int misfit = FirstMisfit(reversed);
        if ((misfit == kNoPosition || misfit > figures) && ValueOf(reversed) == given)
            return slipped(Slip::OtherEnd);
    }
    // One figure or the multiplier taken for another colour.
    for (int band = 0; band <= figures; ++band) {
        for (const int colour : RoleColours(count, RoleOf(count, band))) {
            PartBands other = bands;
            other[band] = colour;
            if (colour == bands[band] || ValueOf(other) != given)
                continue;
            if (read && LookAlike(colour, bands[band]))
                return slipped(Slip::LookAlike, band, colour);
            if (!read)
                return slipped(band < figures ? Slip::Figure : Slip::Multiplier, band, colour);
        }
    }
    const PartBands& shown = verdict.given;
    const auto figuresDiffer = [&] {
        for (int band = 0; band < figures; ++band) {
            if (shown[band] == bands[band])
                return false;
        }
        return true;
    };
    if (!shown.empty() && shown[figures] == multiplier && figuresDiffer())
        slipped(Slip::AllFigures);
}

Verdict Judged(const Question& question, Verdict verdict, Mode mode) {
    if (!verdict.valueRight)
        FindSlip(question, verdict, mode);
    verdict.outcome =
        verdict.valueRight && verdict.toleranceRight ? Outcome::Right : Outcome::Wrong;
    return verdict;
}

} // namespace

RandomSource SeededSource(unsigned seed) {
    return [generator = std::mt19937(seed)](int bound) mutable {
        return static_cast<int>(generator() % static_cast<unsigned>(bound));
    };
}

Question DrawQuestion(const RandomSource& random, QuestionBands bands, bool mayTurn,
                      const Question& previous) {
    const bool five =
        bands == QuestionBands::Five || (bands == QuestionBands::FourOrFive && random(2) == 1);
    const std::optional<Decimal> before =
        previous.bands.empty() ? std::nullopt : PartValue(previous.bands);
    Question question;
    do {
        question.bands = DrawPart(random, five ? kFiveBands : kFourBands);
    } while (before && Normalized(*before) == ValueOf(question.bands));
    question.turned = mayTurn && random(kTurnOdds) == 0;
    return question;
}

Verdict JudgeReading(const Question& question, std::string_view typed) {
    const int count = static_cast<int>(question.bands.size());
    Verdict verdict;
    verdict.reading = ReadWholeValue(typed, count);
    const ValueReading& reading = verdict.reading;
    if (reading.refusal != Refusal::None && reading.value.digits.empty())
        return verdict;
    verdict.value = reading.value;
    verdict.given = ValueColours(reading.value, count).value_or(PartBands{});
    verdict.valueRight = reading.value == ValueOf(question.bands);
    if (reading.toleranceColour != kNoPosition) {
        verdict.tolerance = ToleranceOf(reading.toleranceColour);
        verdict.toleranceRight =
            verdict.tolerance == ToleranceOf(question.bands[FigureCount(count) + 1]);
    }
    return Judged(question, verdict, Mode::Read);
}

Verdict JudgeChoice(const Question& question, const PartBands& chosen) {
    if (std::ranges::find(chosen, kNoPosition) != chosen.end())
        return {};
    const auto toleranceBand =
        static_cast<std::size_t>(FigureCount(static_cast<int>(chosen.size())) + 1);
    Verdict verdict;
    verdict.given = chosen;
    verdict.value = ValueOf(chosen);
    verdict.valueRight =
        std::equal(chosen.begin(), chosen.begin() + toleranceBand, question.bands.begin());
    verdict.tolerance = ToleranceOf(chosen[toleranceBand]);
    verdict.toleranceRight = chosen[toleranceBand] == question.bands[toleranceBand];
    return Judged(question, verdict, Mode::Choose);
}

void PracticeRecord::Count(const Verdict& verdict) {
    if (verdict.outcome == Outcome::Unanswered)
        return;
    ++answered;
    right += verdict.outcome == Outcome::Right ? 1 : 0;
    const auto count = [this](SlipKind kind) { ++slips[static_cast<std::size_t>(kind)]; };
    switch (verdict.slip) {
    case Slip::None:
        break;
    case Slip::ThirdFigure:
        count(SlipKind::ThirdFigure);
        break;
    case Slip::TenTimes:
    case Slip::NoMultiplier:
    case Slip::Multiplier:
        count(SlipKind::Multiplier);
        break;
    case Slip::MilliMega:
        count(SlipKind::Unit);
        break;
    case Slip::OtherEnd:
        count(SlipKind::OtherEnd);
        break;
    case Slip::LookAlike:
        count(SlipKind::LookAlike);
        break;
    case Slip::Figure:
    case Slip::AllFigures:
        count(SlipKind::Figures);
        break;
    case Slip::BlackFirst:
        count(SlipKind::FirstFigureZero);
        break;
    }
    if (!verdict.toleranceRight)
        count(SlipKind::Tolerance);
}

} // namespace zevodave
