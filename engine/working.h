// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The arithmetic behind what the Resistor and Practice windows say about a
// resistor: its value from four bands and written the ordinary way ("4.7" in
// Kilohm, "0.47" in ohm). The arithmetic is exact decimal, whole numbers and
// a power of ten: 0.1 x 47 is 4.7, never 4.7000000000000002.

#include "bands.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zevodave {

// A number exactly: the whole number written in `digits` times ten to the
// power `exponent`. The digits may start or end with zeros, and trailing ones
// are written out ("10" x 10^-2 is 0.10); no digits at all is zero.
struct Decimal {
    std::string digits;
    long long exponent = 0;

    bool operator==(const Decimal&) const = default;
};

// The powers of ten the multiplier band offers, from Silver to White.
inline constexpr int kLowestExponent =
    std::ranges::min(kColourRows, {}, &ColourRow::Exponent).Exponent();
inline constexpr int kHighestExponent =
    std::ranges::max(kColourRows, {}, &ColourRow::Exponent).Exponent();

// The digit bands give two significant figures.
inline constexpr std::size_t kBandFigures = 2;
// Units go up in thousands: ohm, Kilohm, Megohm, Gigohm.
inline constexpr int kUnitCount = 4;
inline constexpr int kPlacesPerUnit = 3;

// The four band positions in band order, kNoPosition where nothing is chosen.
using BandPositions = std::array<int, kBandCount>;

// The same number without leading or trailing zeros, the form two equal
// numbers share: ("0470", -2) becomes ("47", -1), zero becomes ("", 0).
Decimal Normalized(Decimal value);

// The value the first three bands give, with the figures they give ("05" x
// 10^-2 for Black, Green, Silver); nullopt until all three are chosen.
std::optional<Decimal> BandValue(const BandPositions& bands);

// The unit a value is written in, in thousands: 0 ohm, 1 Kilohm, 2 Megohm,
// 3 Gigohm; the largest that leaves a whole part of at least 1.
int UnitOf(const Decimal& value);
// A unit's word as the result line writes it; `unit` is 0 to 3.
std::string_view UnitWord(int unit);
// The number in a unit, with a leading zero and without the unit word:
// ("47", 2) in unit 1 is "4.7", ("10", -2) in unit 0 is "0.10".
std::string NumberText(const Decimal& value, int unit);

} // namespace zevodave
