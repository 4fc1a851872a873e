// Standard values checked against the E6, E12 and E24 series as published,
// over every decade the multiplier band offers.

#include "standardvalues.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace zevodave;

namespace {

// One decade of each series as the tables print it, in the list's order.
const std::pair<std::string, std::string> kPublished[] = {
    {"E6", "1.0 1.5 2.2 3.3 4.7 6.8"},
    {"E12", "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2"},
    {"E24", "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 "
            "7.5 8.2 9.1"},
};

// A value as (power of ten, two figures), ordered as the values are; a step
// that does not exist is (0, 0).
using Key = std::pair<long long, int>;

Key KeyOf(const std::optional<Decimal>& value) {
    if (!value)
        return {};
    const Decimal exact = Normalized(*value);
    const int figures = std::stoi(exact.digits);
    return figures < 10 ? Key{exact.exponent - 1, figures * 10} : Key{exact.exponent, figures};
}

// Every two-figure value the bands show with band 1 other than Black:
// membership, the neighbours each way, and the buttons' steps, which are the
// neighbours while they stay in that range.
TEST(StandardValues, MatchThePublishedSeries) {
    for (int series = 0; series < static_cast<int>(std::size(kPublished)); ++series) {
        const auto& [name, table] = kPublished[series];
        EXPECT_EQ(kSeries[series].name, name);
        std::vector<Key> published;
        for (long long exponent = kLowestExponent - 1; exponent <= kHighestExponent + 1;
             ++exponent) {
            std::istringstream in(table);
            for (std::string number; in >> number;)
                published.push_back({exponent, (number[0] - '0') * 10 + (number[2] - '0')});
        }
        const auto shown = [](Key key) {
            return key.first >= kLowestExponent && key.first <= kHighestExponent ? key : Key{};
        };
        for (long long exponent = kLowestExponent; exponent <= kHighestExponent; ++exponent) {
            for (int figures = 10; figures < 100; ++figures) {
                const auto above =
                    std::upper_bound(published.begin(), published.end(), Key{exponent, figures});
                const auto atOrAbove =
                    std::lower_bound(published.begin(), published.end(), Key{exponent, figures});
                const Decimal value{std::to_string(figures), exponent};
                const std::string at = name + " " + ValueText(value);
                EXPECT_EQ(InSeries(series, value), atOrAbove != above) << at;
                EXPECT_EQ(KeyOf(SeriesNeighbour(series, value, Direction::Up)), *above) << at;
                EXPECT_EQ(KeyOf(SeriesNeighbour(series, value, Direction::Down)), atOrAbove[-1])
                    << at;
                EXPECT_EQ(KeyOf(StandardStep(series, value, Direction::Up)), shown(*above)) << at;
                EXPECT_EQ(KeyOf(StandardStep(series, value, Direction::Down)), shown(atOrAbove[-1]))
                    << at;
            }
        }
        // Below the range, zero included, Next goes to its first value.
        for (const Decimal& below : {Decimal{}, Decimal{"5", -2}}) {
            EXPECT_EQ(KeyOf(StandardStep(series, below, Direction::Up)), Key(kLowestExponent, 10))
                << name;
            EXPECT_EQ(KeyOf(StandardStep(series, below, Direction::Down)), Key{}) << name;
        }
    }
}

TEST(StandardValues, SentenceNamesTheSeriesOrTheNearestValues) {
    // (Those of one and of all three series, and the nearest values in
    // the value's unit, are the Resistor window's test.)
    const std::pair<Decimal, std::string> rows[] = {
        {{"11", -1}, "1.1 ohm is in E24"},
        {{"99", 1},
         "990 ohm is not a standard value: nearest in E6 680 and 1000, in E12 820 and 1000, in "
         "E24 910 and 1000 ohm"},
        {{"00", 0}, "0 ohm is not a standard value"},
    };
    for (const auto& [value, sentence] : rows)
        EXPECT_EQ(StandardValuesText(value), sentence);
}

} // namespace
