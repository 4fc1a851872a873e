// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Standard values checked against the E6, E12 and E24 series as published,
// over every decade the multiplier band offers.

#include "standardvalues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace zevodave;
using enum Direction;

namespace {

// A value's two figures and power of ten as one number that orders as the
// values do (47 x 10^2 is 247); 0 for a step that does not exist.
long long Key(const std::optional<Decimal>& value) {
    return value ? value->exponent * 100 + std::stoi(value->digits) : 0;
}

// Every two-figure value the bands show with band 1 other than Black:
// membership, the neighbours each way with their two figures, and the
// buttons' steps, which are the neighbours while they stay in that range.
TEST(StandardValues, MatchThePublishedSeries) {
    // One decade of each series as the tables print it, in the list's order.
    const std::pair<std::string, std::string> tables[] = {
        {"E6", "1.0 1.5 2.2 3.3 4.7 6.8"},
        {"E12", "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2"},
        {"E24", "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 "
                "6.8 7.5 8.2 9.1"}};
    const long long lowest = kLowestExponent * 100, end = (kHighestExponent + 1) * 100;
    const auto shown = [&](long long key) { return key >= lowest && key < end ? key : 0; };
    for (int s = 0; s < 3; ++s) {
        const auto& [name, figures] = tables[s];
        std::vector<long long> published;
        for (long long e = kLowestExponent - 1; e <= kHighestExponent + 1; ++e)
            for (std::size_t i = 0; i < figures.size(); i += 4)
                published.push_back(e * 100 + (figures[i] - '0') * 10 + figures[i + 2] - '0');
        for (long long e = kLowestExponent; e <= kHighestExponent; ++e)
            for (long long key = e * 100 + 10; key < e * 100 + 100; ++key) {
                const Decimal value{std::to_string(key - e * 100), e};
                const auto above = std::ranges::upper_bound(published, key);
                const long long below = std::ranges::lower_bound(published, key)[-1];
                EXPECT_EQ(std::tuple(InSeries(s, value), Key(SeriesNeighbour(s, value, Down)),
                                     Key(SeriesNeighbour(s, value, Up)),
                                     Key(StandardStep(s, value, Down)),
                                     Key(StandardStep(s, value, Up))),
                          std::tuple(above[-1] == key, below, *above, shown(below), shown(*above)))
                    << name << " " << value.digits << "e" << value.exponent;
            }
        // Below the range, zero included, Next goes to its first value.
        for (const Decimal& value : {Decimal{}, Decimal{"5", -2}})
            EXPECT_EQ(std::pair(Key(StandardStep(s, value, Down)), Key(StandardStep(s, value, Up))),
                      std::pair(0LL, lowest + 10));
    }
}

} // namespace
