// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "smdcode.h"

#include "standardvalues.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zevodave {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr char kPoint = 'R';
// Markings have three or four characters; a zero-ohm link may have fewer.
constexpr std::size_t kShortMarking = 3;
constexpr std::size_t kLongMarking = 4;
// An EIA-96 code: two digits, then the letter.
constexpr std::size_t kEiaDigits = 2;
constexpr std::size_t kEiaFigures = 3;

struct EiaLetter {
    char letter;
    int exponent;
};

// The multiplier letters of EIA-96; where two letters share a multiplier,
// the first is the one written.
constexpr auto kEiaLetters = std::to_array<EiaLetter>({{'Z', -3},
                                                       {'Y', -2},
                                                       {'R', -2},
                                                       {'X', -1},
                                                       {'S', -1},
                                                       {'A', 0},
                                                       {'B', 1},
                                                       {'H', 1},
                                                       {'C', 2},
                                                       {'D', 3},
                                                       {'E', 4},
                                                       {'F', 5}});

std::vector<int> E96Figures() {
    return SeriesFigures(SeriesIndex("E96"));
}

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(
        text, [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// R as the decimal point: "4R7" is 47 x 0.1.
std::optional<MarkingReading> ReadRNotation(const std::string& marking) {
    const std::size_t point = marking.find(kPoint);
    if (point == std::string::npos || marking.size() < kShortMarking)
        return std::nullopt;
    std::string digits = marking;
    digits.erase(point, 1);
    if (!AllDigits(digits))
        return std::nullopt;
    const auto after = static_cast<long long>(marking.size() - 1 - point);
    return MarkingReading{MarkingKind::RNotation, {digits, -after}};
}

std::optional<EiaLetter> FindLetter(char letter) {
    const auto found = std::ranges::find(kEiaLetters, letter, &EiaLetter::letter);
    return found == kEiaLetters.end() ? std::nullopt : std::optional(*found);
}

// Writes a value below 10^(count - 1) ohm with R in place of the point: the
// figures are `count` digits, the first other than zero where the value
// allows ("4R7", "R05"); nullopt for a value finer than the last digit.
std::optional<std::string> RNotation(const Decimal& exact, long long top, std::size_t count) {
    const long long lowest = -static_cast<long long>(count);
    const long long exponent = std::max(top - static_cast<long long>(count) + 1, lowest);
    if (exact.exponent < exponent)
        return std::nullopt;
    std::string digits =
        exact.digits + std::string(static_cast<std::size_t>(exact.exponent - exponent), '0');
    digits.insert(0, count - digits.size(), '0');
    digits.insert(static_cast<std::size_t>(static_cast<long long>(count) + exponent), 1, kPoint);
    return digits;
}

// The figures and the number of zeros: "472".
std::optional<std::string> Digits(const Decimal& exact, long long top, std::size_t count) {
    constexpr long long kMostZeros = 9;
    const long long zeros = top - static_cast<long long>(count) + 1;
    if (zeros < 0 || zeros > kMostZeros || exact.exponent < zeros)
        return std::nullopt;
    return exact.digits + std::string(static_cast<std::size_t>(exact.exponent - zeros), '0') +
           std::to_string(zeros);
}

} // namespace

MarkingResult ReadMarking(std::string_view text) {
    MarkingResult result;
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        result.refusal = MarkingRefusal::Empty;
        return result;
    }
    const std::string_view trimmed = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
    // Only a short text is kept whole: a long one is refused for its length.
    const std::string_view kept = trimmed.substr(0, kLongMarking + 1);
    std::ranges::transform(kept, std::back_inserter(result.marking), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    const std::string& marking = result.marking;
    if (!std::ranges::all_of(marking, [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) ||
                   std::isupper(static_cast<unsigned char>(c));
        })) {
        result.refusal = MarkingRefusal::Characters;
        return result;
    }
    if (trimmed.size() > kLongMarking) {
        result.refusal = MarkingRefusal::Length;
        return result;
    }
    if (marking.find_first_not_of('0') == std::string::npos) {
        result.readings.push_back({MarkingKind::ZeroOhm, {}});
        return result;
    }
    if (AllDigits(marking) && marking.size() >= kShortMarking) {
        const std::size_t figures = marking.size() - 1;
        result.readings.push_back(
            {marking.size() == kShortMarking ? MarkingKind::ThreeDigits : MarkingKind::FourDigits,
             {marking.substr(0, figures), marking.back() - '0'}});
        return result;
    }
    if (const auto reading = ReadRNotation(marking))
        result.readings.push_back(*reading);
    const std::string_view number = std::string_view(marking).substr(0, kEiaDigits);
    if (marking.size() == kShortMarking && AllDigits(number)) {
        const int index = std::stoi(std::string(number));
        const std::vector<int> e96 = E96Figures();
        const std::optional<EiaLetter> letter = FindLetter(marking.back());
        if (index >= 1 && index <= static_cast<int>(e96.size()) && letter)
            result.readings.push_back(
                {MarkingKind::Eia96,
                 {std::to_string(e96[static_cast<std::size_t>(index - 1)]), letter->exponent},
                 index,
                 letter->exponent});
        else if (result.readings.empty())
            result.refusal = letter ? MarkingRefusal::EiaNumber : MarkingRefusal::EiaLetter;
    }
    if (result.readings.empty() && result.refusal == MarkingRefusal::None)
        result.refusal = MarkingRefusal::Form;
    return result;
}

ValueMarkings MarkingsFor(const Decimal& value) {
    const Decimal exact = Normalized(value);
    if (exact.digits.empty())
        return {"000", "0000", std::nullopt};
    const long long top = exact.exponent + static_cast<long long>(exact.digits.size()) - 1;
    ValueMarkings markings;
    // Below 10 ohm three characters need R, below 100 ohm four do.
    markings.threeDigits = top >= static_cast<long long>(kShortMarking) - 2
                               ? Digits(exact, top, kShortMarking - 1)
                               : RNotation(exact, top, kShortMarking - 1);
    markings.fourDigits = top >= static_cast<long long>(kLongMarking) - 2
                              ? Digits(exact, top, kLongMarking - 1)
                              : RNotation(exact, top, kLongMarking - 1);
    const long long exponent = top - static_cast<long long>(kEiaFigures) + 1;
    if (exact.exponent >= exponent) {
        const int figures = std::stoi(
            exact.digits + std::string(static_cast<std::size_t>(exact.exponent - exponent), '0'));
        const std::vector<int> e96 = E96Figures();
        const auto found = std::ranges::find(e96, figures);
        const auto letter = std::ranges::find(kEiaLetters, exponent, &EiaLetter::exponent);
        if (found != e96.end() && letter != kEiaLetters.end()) {
            const auto number = static_cast<int>(found - e96.begin()) + 1;
            markings.eia96 =
                std::string(number < 10 ? "0" : "") + std::to_string(number) + letter->letter;
        }
    }
    return markings;
}

} // namespace zevodave
