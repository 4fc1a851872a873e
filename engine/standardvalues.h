// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The standard values resistors are sold in: the E6, E12 and E24 series, the
// series two significant figures can hold. Each series has the same figures
// in every decade (4.7 ohm, 47 ohm, 4.7 Kilohm...).

#include "working.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zevodave {

// The figures of one decade of E24. E12 is every second one of them and E6
// every fourth, as the series are built.
inline constexpr std::array<int, 24> kE24Figures{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                                 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

struct SeriesRow {
    std::string_view name;
    std::size_t stride; // every how many E24 figures belong to the series
};

// A series is named by its position here, as a list shows them.
inline constexpr auto kSeries = std::to_array<SeriesRow>({{"E6", 4}, {"E12", 2}, {"E24", 1}});

enum class Direction { Down, Up };

// Whether a value is one of a series' values, in any decade. Zero is not.
bool InSeries(int series, const Decimal& value);

// The series value next below or above a value other than zero, in any
// decade, with its two figures ("56" x 10^2 for 5.6 Kilohm).
Decimal SeriesNeighbour(int series, const Decimal& value, Direction direction);

// Where the Previous and Next standard value buttons go from a value: the
// next series value that way among those the bands show with a first digit
// other than zero (0.10 ohm to 82 Gigohm in E12); from below that range, Up
// goes to its first value. nullopt where the step would leave the range.
std::optional<Decimal> StandardStep(int series, const Decimal& value, Direction direction);

// The position of the series with that name in kSeries, or kNoPosition.
int SeriesIndex(std::string_view name);

} // namespace zevodave
