// Standard values checked against the E6, E12 and E24 series as published,
// over every decade the multiplier band offers and one beyond each end.

#include "standardvalues.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace zevodave;

namespace {

// One decade of each series as the tables print it.
const std::pair<std::string, std::string> kPublished[] = {
    {"E6", "1.0 1.5 2.2 3.3 4.7 6.8"},
    {"E12", "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2"},
    {"E24", "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 "
            "7.5 8.2 9.1"},
};

// A value as (power of ten, two figures), ordered as the values are.
using Key = std::pair<long long, int>;

Key KeyOf(const Decimal& value) {
    const Decimal exact = Normalized(value);
    return exact.digits.size() == 1 ? Key{exact.exponent - 1, std::stoi(exact.digits) * 10}
                                    : Key{exact.exponent, std::stoi(exact.digits)};
}

// The published values of a series from one decade below the bands' range
// to one above, in order.
std::vector<Key> PublishedValues(const std::string& table) {
    std::vector<Key> values;
    for (long long exponent = kLowestExponent - 1; exponent <= kHighestExponent + 1; ++exponent) {
        std::istringstream in(table);
        for (std::string number; in >> number;)
            values.push_back({exponent, (number[0] - '0') * 10 + (number[2] - '0')});
    }
    return values;
}

int SeriesNamed(const std::string& name) {
    for (std::size_t series = 0; series < kSeries.size(); ++series)
        if (kSeries[series].name == name)
            return static_cast<int>(series);
    return -1;
}

// Every two-figure value of the bands' decades, and one with a third figure
// just above each: membership and both neighbours.
TEST(StandardValues, MatchThePublishedSeries) {
    for (const auto& [name, table] : kPublished) {
        const int series = SeriesNamed(name);
        ASSERT_NE(series, -1) << name;
        const std::vector<Key> published = PublishedValues(table);
        for (long long exponent = kLowestExponent; exponent <= kHighestExponent; ++exponent) {
            for (int figures = 10; figures < 100; ++figures) {
                const Key key{exponent, figures};
                const auto above = std::upper_bound(published.begin(), published.end(), key);
                const auto atOrAbove = std::lower_bound(published.begin(), published.end(), key);
                const Decimal value{std::to_string(figures), exponent};
                const Decimal third{std::to_string(figures) + "5", exponent - 1};
                const std::string at = name + " " + ValueText(value);
                EXPECT_EQ(InSeries(series, value), atOrAbove != above) << at;
                EXPECT_FALSE(InSeries(series, third)) << at;
                EXPECT_EQ(KeyOf(SeriesNeighbour(series, value, Direction::Up)), *above) << at;
                EXPECT_EQ(KeyOf(SeriesNeighbour(series, third, Direction::Up)), *above) << at;
                EXPECT_EQ(KeyOf(SeriesNeighbour(series, value, Direction::Down)), *(atOrAbove - 1))
                    << at;
                EXPECT_EQ(KeyOf(SeriesNeighbour(series, third, Direction::Down)), *(above - 1))
                    << at;
            }
        }
    }
}

// The buttons walk the published values the bands show with band 1 other
// than Black, from zero up to the last and back down, and stop at each end.
TEST(StandardValues, StepsCoverTheBandsRangeAndStopAtItsEnds) {
    for (const auto& [name, table] : kPublished) {
        const int series = SeriesNamed(name);
        std::vector<Key> shown = PublishedValues(table);
        std::erase_if(shown, [](const Key& key) {
            return key.first < kLowestExponent || key.first > kHighestExponent;
        });
        for (const Direction direction : {Direction::Up, Direction::Down}) {
            std::vector<Key> walked;
            std::optional<Decimal> at = direction == Direction::Up ? Decimal{} : Decimal{"99", 9};
            while ((at = StandardStep(series, *at, direction)))
                walked.push_back(KeyOf(*at));
            if (direction == Direction::Down)
                std::reverse(walked.begin(), walked.end());
            EXPECT_EQ(walked, shown) << name;
        }
        EXPECT_EQ(StandardStep(series, {"5", -2}, Direction::Up), (Decimal{"10", -2})) << name;
        EXPECT_EQ(StandardStep(series, {"5", -2}, Direction::Down), std::nullopt) << name;
    }
}

TEST(StandardValues, SentenceNamesTheSeriesOrTheNearestValues) {
    const std::pair<Decimal, std::string> rows[] = {
        {{"47", 2}, "4.7 Kilohm is in E6, E12 and E24"},
        {{"56", 2}, "5.6 Kilohm is in E12 and E24"},
        {{"11", -1}, "1.1 ohm is in E24"},
        {{"47", -2}, "0.47 ohm is in E6, E12 and E24"},
        {{"10", -2}, "0.10 ohm is in E6, E12 and E24"},
        {{"47", 9}, "47 Gigohm is in E6, E12 and E24"},
        {{"46", 2},
         "4.6 Kilohm is not a standard value: nearest in E6 3.3 and 4.7, in E12 3.9 and 4.7, "
         "in E24 4.3 and 4.7 Kilohm"},
        {{"99", 1},
         "990 ohm is not a standard value: nearest in E6 680 and 1000, in E12 820 and 1000, in "
         "E24 910 and 1000 ohm"},
        {{"00", 0}, "0 ohm is not a standard value"},
    };
    for (const auto& [value, sentence] : rows)
        EXPECT_EQ(StandardValuesText(value), sentence);
}

} // namespace
