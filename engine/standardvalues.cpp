// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "standardvalues.h"

#include "part.h"

#include <algorithm>
#include <vector>

namespace zevodave {

namespace {

// A value other than zero as its first figures (10 to 99 for two, 100 to 999
// for three) times a power of ten, and whether any figure after those is not
// zero.
struct Figures {
    int figures;
    long long exponent;
    bool more;
};

bool IsZero(const Decimal& value) {
    return Normalized(value).digits.empty();
}

Figures FiguresOf(const Decimal& value, std::size_t count) {
    const Decimal exact = Normalized(value);
    const std::string first = (exact.digits + std::string(count, '0')).substr(0, count);
    return {std::stoi(first),
            exact.exponent + static_cast<long long>(exact.digits.size()) -
                static_cast<long long>(count),
            exact.digits.size() > count};
}

} // namespace

std::vector<int> SeriesFigures(int series) {
    const SeriesRow& row = kSeries[series];
    std::vector<int> figures;
    const auto take = [&](const auto& table) {
        for (std::size_t i = 0; i < table.size(); i += row.stride)
            figures.push_back(table[i]);
    };
    if (row.figures == kBandFigures)
        take(kE24Figures);
    else
        take(kE192Figures);
    return figures;
}


int SeriesCount(int bandCount) {
    return bandCount == kFourBands ? kFourBandSeries : static_cast<int>(kSeries.size());
}

bool InSeries(int series, const Decimal& value) {
    if (IsZero(value))
        return false;
    const Figures f = FiguresOf(value, kSeries[series].figures);
    const std::vector<int> decade = SeriesFigures(series);
    return !f.more && std::binary_search(decade.begin(), decade.end(), f.figures);
}

Decimal SeriesNeighbour(int series, const Decimal& value, Direction direction) {
    const auto [figures, exponent, more] = FiguresOf(value, kSeries[series].figures);
    const std::vector<int> decade = SeriesFigures(series);
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

std::optional<Decimal> StandardStep(int series, const Decimal& value, Direction direction,
                                    int bandCount) {
    // The first value is 1 and zeros at the lowest multiplier: 10 x 0.01.
    const auto figures = static_cast<std::size_t>(FigureCount(bandCount));
    std::string one(figures, '0');
    one.front() = '1';
    const Decimal first{one, LowestExponent(bandCount)};
    const bool zero = IsZero(value);
    if (direction == Direction::Up && (zero || FiguresOf(value, figures).exponent < first.exponent))
        return first;
    if (zero)
        return std::nullopt;
    const Decimal step = SeriesNeighbour(series, value, direction);
    const std::optional<PartBands> bands = ValueColours(step, bandCount);
    if (!bands || bands->front() == colour::Black)
        return std::nullopt;
    return step;
}

int SeriesIndex(std::string_view name) {
    const auto row = std::ranges::find(kSeries, name, &SeriesRow::name);
    return row == kSeries.end() ? kNoPosition : static_cast<int>(row - kSeries.begin());
}

} // namespace zevodave
