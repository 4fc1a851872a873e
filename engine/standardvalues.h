// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The standard values resistors are sold in: the E6, E12 and E24 series of
// two significant figures, and the E48, E96 and E192 series of three that
// five- and six-band parts come in. Each series has the same figures in every
// decade (4.7 ohm, 47 ohm, 4.7 Kilohm...). The figures are the published
// tables of IEC 60063:2015, kept as data: some of them (2.7, 4.7, 9.20) are
// not what rounding the geometric series gives.

#include "working.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevodave {

// The figures of one decade of E24. E12 is every second one of them and E6
// every fourth, as the series are built.
inline constexpr std::array<int, 24> kE24Figures{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                                 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// The figures of one decade of E192. E96 is every second one and E48 every
// fourth.
inline constexpr std::array<int, 192> kE192Figures{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

struct SeriesRow {
    std::string_view name;
    std::size_t figures; // significant figures: E24's table or E192's
    std::size_t stride;  // every how many of that table's figures belong to it
};

// A series is named by its position here, as a list shows them. Four-band
// parts are offered the first kFourBandSeries, the others all of them.
inline constexpr auto kSeries = std::to_array<SeriesRow>(
    {{"E6", 2, 4}, {"E12", 2, 2}, {"E24", 2, 1}, {"E48", 3, 4}, {"E96", 3, 2}, {"E192", 3, 1}});
inline constexpr int kFourBandSeries = 3;

// How many of kSeries a part of that many bands is offered.
int SeriesCount(int bandCount);

enum class Direction { Down, Up };

// One decade of a series' figures in order: 10, 15, 22... for E6; 100,
// 102, 105... for E96.
std::vector<int> SeriesFigures(int series);

// Whether a value is one of a series' values, in any decade. Zero is not.
bool InSeries(int series, const Decimal& value);

// The series value next below or above a value other than zero, in any
// decade, with the series' figures ("56" x 10^2 for 5.6 Kilohm in E24, "562"
// x 10 in E192).
Decimal SeriesNeighbour(int series, const Decimal& value, Direction direction);

// Where the Previous and Next standard value buttons go from a value: the
// next series value that way among those a part of that many bands shows
// with a first figure other than zero (0.10 ohm to 82 Gigohm in E12 on four
// bands); from below that range, Up goes to its first value, 0.1 ohm.
// nullopt where the step would leave the range.
std::optional<Decimal> StandardStep(int series, const Decimal& value, Direction direction,
                                    int bandCount = kBandCount);

// The position of the series with that name in kSeries, or kNoPosition.
int SeriesIndex(std::string_view name);

} // namespace zevodave
