// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "practice.h"

#include "standardvalues.h"
#include "wholevalue.h"

#include <algorithm>
#include <random>
#include <vector>

namespace zevodave {

namespace {

// 1 ohm is 10 x 0.1 (Brown, Black, Gold): seven decades of E24 figures from
// there, and 10 Megohm, the first value of the eighth.
constexpr int kFirstExponent = -1;
constexpr int kDecades = 7;
constexpr int kFiguresPerDecade = static_cast<int>(kE24Figures.size());
constexpr int kQuestionCount = kDecades * kFiguresPerDecade + 1;
constexpr int kToleranceCount = static_cast<int>(kToleranceRows.size());
// Black is the digit 0: a resistor never starts with it.
constexpr int kBlack = 0;

// Swatches easily taken for one another, by colour row: Brown, Red and
// Orange; Yellow and Gold; Grey and Silver. 0 is a colour like no other.
constexpr std::array<int, kColourRows.size()> kLookAlikeGroup{0, 1, 1, 1, 2, 0, 0, 0, 3, 0, 2, 3};

int PositionOf(int band, std::string_view name) {
    const std::vector<std::string_view> entries = EntryTexts(band);
    const auto found = std::ranges::find(entries, name);
    return found == entries.end() ? kNoPosition : static_cast<int>(found - entries.begin());
}

// The look-alike group of a list entry; None is painted as White.
int GroupOf(int band, int position) {
    return kLookAlikeGroup[band == kToleranceBand ? kToleranceRows[position].colourRow
                                                  : static_cast<std::size_t>(position)];
}

// The colours read from the other end, each taken as its name in the list it
// then stands in; kNoPosition where that list has no such colour.
BandPositions Reversed(const BandPositions& bands) {
    BandPositions reversed{};
    for (int band = 0; band < kBandCount; ++band) {
        const int from = kBandCount - 1 - band;
        reversed[band] = PositionOf(band, EntryTexts(from)[bands[from]]);
    }
    return reversed;
}

// The first slip whose bands the student gave, or none.
Verdict Slipped(const BandPositions& question,
                const std::function<bool(const BandPositions&)>& gave) {
    const int exponent = kColourRows[question[kMultiplierBand]].Exponent();
    for (const int step : {-1, 1}) {
        BandPositions slip = question;
        const auto row = std::ranges::find(kColourRows, exponent + step, &ColourRow::Exponent);
        slip[kMultiplierBand] =
            row == kColourRows.end() ? kNoPosition : static_cast<int>(row - kColourRows.begin());
        if (gave(slip))
            return {Outcome::Wrong, Slip::MultiplierOff};
    }
    if (gave(Reversed(question)))
        return {Outcome::Wrong, Slip::Reversed};
    for (int band = 0; band < kBandCount; ++band) {
        const int right = question[band];
        for (int position = 0; position < static_cast<int>(EntryTexts(band).size()); ++position) {
            BandPositions slip = question;
            slip[band] = position;
            if (position == right || !gave(slip))
                continue;
            if (GroupOf(band, position) != 0 && GroupOf(band, position) == GroupOf(band, right))
                return {Outcome::Wrong, Slip::LookAlike, band, position};
            if (band == kToleranceBand)
                return {Outcome::Wrong, Slip::Tolerance, band, position};
        }
    }
    return {Outcome::Wrong};
}

} // namespace

RandomSource SeededSource(unsigned seed) {
    return [generator = std::mt19937(seed)](int bound) mutable {
        return static_cast<int>(generator() % static_cast<unsigned>(bound));
    };
}

BandPositions DrawQuestion(const RandomSource& random, const BandPositions& previous) {
    BandPositions question{};
    do {
        const int index = random(kQuestionCount);
        question = *ValueBands({std::to_string(kE24Figures[index % kFiguresPerDecade]),
                                kFirstExponent + index / kFiguresPerDecade});
    } while (BandValue(question) == BandValue(previous));
    question[kToleranceBand] = random(kToleranceCount);
    return question;
}

Verdict JudgeReading(const BandPositions& question, std::string_view typed) {
    const ValueReading reading = ReadWholeValue(typed);
    Verdict verdict{Outcome::Unanswered};
    if (reading.refusal != Refusal::None && reading.value.digits.empty()) {
        verdict.reading = reading;
        return verdict;
    }
    const auto gave = [&reading](const BandPositions& bands) {
        const std::optional<Decimal> value = BandValue(bands);
        return value && Normalized(*value) == reading.value &&
               (reading.tolerance == kNoPosition || reading.tolerance == bands[kToleranceBand]);
    };
    // The multiplier's colour read as the digit it stands for: "472 ohm".
    const auto [first, second, multiplier, tolerance] = question;
    const bool thirdDigit =
        multiplier < static_cast<int>(kDigitCount) &&
        reading.value ==
            Normalized(
                {std::to_string(first) + std::to_string(second) + std::to_string(multiplier), 0});
    if (gave(question))
        verdict = {Outcome::Right};
    else if (thirdDigit)
        verdict = {Outcome::Wrong, Slip::ThirdDigit};
    else
        verdict = Slipped(question, gave);
    verdict.reading = reading;
    return verdict;
}

Verdict JudgeChoice(const BandPositions& question, const BandPositions& chosen) {
    if (std::ranges::find(chosen, kNoPosition) != chosen.end())
        return {Outcome::Unanswered};
    if (chosen == question)
        return {Outcome::Right};
    if (chosen[kFirstDigitBand] == kBlack)
        return {Outcome::Wrong, Slip::BlackFirst};
    return Slipped(question, [&chosen](const BandPositions& bands) { return bands == chosen; });
}

} // namespace zevodave
