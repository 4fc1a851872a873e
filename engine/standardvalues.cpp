// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "standardvalues.h"

#include <algorithm>
#include <vector>

namespace zevodave {

namespace {

// A value other than zero as its first two figures (10 to 99) times a power
// of ten, and whether any figure after those two is not zero.
struct Figures {
    int figures;
    long long exponent;
    bool more;
};

bool IsZero(const Decimal& value) {
    return Normalized(value).digits.empty();
}

Figures FiguresOf(const Decimal& value) {
    const Decimal exact = Normalized(value);
    const std::string two = (exact.digits + "0").substr(0, kBandFigures);
    return {std::stoi(two),
            exact.exponent + static_cast<long long>(exact.digits.size()) -
                static_cast<long long>(kBandFigures),
            exact.digits.size() > kBandFigures};
}

std::vector<int> DecadeOf(int series) {
    std::vector<int> figures;
    for (std::size_t i = 0; i < kE24Figures.size(); i += kSeries[series].stride)
        figures.push_back(kE24Figures[i]);
    return figures;
}

} // namespace

bool InSeries(int series, const Decimal& value) {
    if (IsZero(value))
        return false;
    const Figures f = FiguresOf(value);
    const std::vector<int> decade = DecadeOf(series);
    return !f.more && std::binary_search(decade.begin(), decade.end(), f.figures);
}

Decimal SeriesNeighbour(int series, const Decimal& value, Direction direction) {
    const auto [figures, exponent, more] = FiguresOf(value);
    const std::vector<int> decade = DecadeOf(series);
    if (direction == Direction::Up) {
        const auto above = std::upper_bound(decade.begin(), decade.end(), figures);
        return above == decade.end() ? Decimal{std::to_string(decade.front()), exponent + 1}
                                     : Decimal{std::to_string(*above), exponent};
    }
    // The figures themselves lie below the value when more figures follow.
    const auto below = more ? std::upper_bound(decade.begin(), decade.end(), figures)
                            : std::lower_bound(decade.begin(), decade.end(), figures);
    return below == decade.begin() ? Decimal{std::to_string(decade.back()), exponent - 1}
                                   : Decimal{std::to_string(*std::prev(below)), exponent};
}

std::optional<Decimal> StandardStep(int series, const Decimal& value, Direction direction) {
    const bool zero = IsZero(value);
    if (direction == Direction::Up && (zero || FiguresOf(value).exponent < kLowestExponent))
        return Decimal{std::to_string(kE24Figures.front()), kLowestExponent};
    if (zero)
        return std::nullopt;
    Decimal step = SeriesNeighbour(series, value, direction);
    if (step.exponent < kLowestExponent || step.exponent > kHighestExponent)
        return std::nullopt;
    return step;
}

int SeriesIndex(std::string_view name) {
    const auto row = std::ranges::find(kSeries, name, &SeriesRow::name);
    return row == kSeries.end() ? kNoPosition : static_cast<int>(row - kSeries.begin());
}

} // namespace zevodave
