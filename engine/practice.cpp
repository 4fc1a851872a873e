// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "practice.h"

#include "resistance.h"
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

constexpr std::string_view kThirdDigitHint =
    "Hint: the third band is the multiplier, not a third digit.";
constexpr std::string_view kOffByOneHint =
    "Hint: a factor of ten out: the multiplier is one colour off.";
constexpr std::string_view kReversedHint =
    "Hint: read from the wrong end: the tolerance band, set apart, comes last.";
constexpr std::string_view kUnchosen = "Choose a colour in each of the four lists.";

std::string Entry(int band, int position) {
    return std::string(EntryTexts(band)[position]);
}

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

std::string Names(const BandPositions& bands, int count) {
    std::string text;
    for (int band = 0; band < count; ++band)
        text += (band > 0 ? ", " : "") + Entry(band, bands[band]);
    return text;
}

std::string ToleranceText(int tolerance) {
    return ToleranceSuffix(kToleranceRows[tolerance].percent);
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

// "Yellow 4, Violet 7 give 47; Red multiplies by 100, so 4.7 Kilohm.", from
// the first two lines of the working.
std::string Explanation(const BandPositions& question) {
    const std::vector<std::string> lines = WorkingLines(question);
    return lines[0] + "; " + lines[1].substr(0, lines[1].find(':')) + ", so " +
           ValueText(*BandValue(question)) + ".";
}

// The hint for the first slip whose bands the student gave, or "".
std::string SlipHint(const BandPositions& question,
                     const std::function<bool(const BandPositions&)>& gave) {
    const int exponent = kColourRows[question[kMultiplierBand]].exponent;
    for (const int step : {-1, 1}) {
        BandPositions slip = question;
        const auto row = std::ranges::find(kColourRows, exponent + step, &ColourRow::exponent);
        slip[kMultiplierBand] =
            row == kColourRows.end() ? kNoPosition : static_cast<int>(row - kColourRows.begin());
        if (gave(slip))
            return std::string(kOffByOneHint);
    }
    if (gave(Reversed(question)))
        return std::string(kReversedHint);
    for (int band = 0; band < kBandCount; ++band) {
        const int right = question[band];
        for (int position = 0; position < static_cast<int>(EntryTexts(band).size()); ++position) {
            BandPositions slip = question;
            slip[band] = position;
            if (position == right || !gave(slip))
                continue;
            if (GroupOf(band, position) != 0 && GroupOf(band, position) == GroupOf(band, right))
                return "Hint: " + Entry(band, position) + " and " + Entry(band, right) +
                       " look alike: band " + std::to_string(band + 1) + " is " +
                       Entry(band, right) + ".";
            if (band == kToleranceBand)
                return "Hint: the tolerance band, set apart, is " + Entry(band, right) + ":" +
                       ToleranceText(right) + ".";
        }
    }
    return {};
}

Verdict Judged(const BandPositions& question, bool right, const std::string& gave,
               const std::string& hint) {
    if (right) {
        const std::string digits = WorkingLines(question)[0];
        const int multiplier = question[kMultiplierBand];
        return {Outcome::Right, "Right: " + digits.substr(0, digits.find(" give")) + ", " +
                                    Entry(kMultiplierBand, multiplier) + " x " +
                                    NumberText({"1", kColourRows[multiplier].exponent}, 0) + " = " +
                                    QuestionText(question) + "."};
    }
    return {Outcome::Wrong, "Not quite: you " + gave + ". " + Explanation(question) +
                                (hint.empty() ? "" : " " + hint)};
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

std::string QuestionText(const BandPositions& question) {
    return ValueText(*BandValue(question)) + ToleranceText(question[kToleranceBand]);
}

Verdict JudgeReading(const BandPositions& question, std::string_view typed) {
    const ValueReading reading = ReadWholeValue(typed);
    if (!reading.refusal.empty() && reading.value.digits.empty())
        return {Outcome::Unanswered, reading.refusal};
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
    const std::string typedText =
        "typed " + ValueText(reading.value) +
        (reading.tolerance == kNoPosition ? "" : ToleranceText(reading.tolerance));
    return Judged(question, gave(question), typedText,
                  thirdDigit ? std::string(kThirdDigitHint) : SlipHint(question, gave));
}

Verdict JudgeChoice(const BandPositions& question, const BandPositions& chosen) {
    if (std::ranges::find(chosen, kNoPosition) != chosen.end())
        return {Outcome::Unanswered, std::string(kUnchosen)};
    const std::string hint =
        chosen[kFirstDigitBand] == kBlack
            ? "Hint: no resistor starts with Black: " + ValueText(*BandValue(question)) + " is " +
                  Names(question, kToleranceBand) + "."
            : SlipHint(question, [&chosen](const BandPositions& bands) { return bands == chosen; });
    return Judged(question, chosen == question, "chose " + Names(chosen, kBandCount), hint);
}

} // namespace zevodave
