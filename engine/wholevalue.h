// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading a whole value as a schematic or a parts list writes it ("4k7",
// "R47", "2.2 M", "4.7 Kilohm +/- 5%") into the four band positions that
// show it, exactly: the figures typed are kept as whole numbers and a power
// of ten, so "4R7" is 4.7 and "33.5" is refused, never drawn as 34.

#include "working.h"

#include <optional>
#include <string>
#include <string_view>

namespace zevodave {

// Why a whole value's text chose no bands.
enum class Refusal {
    None,
    NoNumber,       // no number, or more than a number, unit and tolerance
    CommaThousands, // "1,000": a decimal comma or a thousands separator
    Tolerance,      // a tolerance the tolerance band does not offer
    TooLarge,       // past the largest value the bands show
    TooManyFigures, // more significant figures than the digit bands hold
    TooFine,        // a step finer than the smallest multiplier
};

// What was read from a whole value's text.
struct ValueReading {
    // The number read, in ohm, normalized; zero when no number was read.
    Decimal value;
    // The tolerance typed, as a tolerance list position; kNoPosition when
    // none was typed.
    int tolerance = kNoPosition;
    // The positions to choose when the bands can show the value: band 1,
    // band 2 and multiplier, and the tolerance as typed.
    std::optional<BandPositions> bands;
    // Otherwise why not.
    Refusal refusal = Refusal::None;
    // For too many figures: the nearest four-band E24 values below and, but
    // past the largest value the bands show, above.
    Decimal below;
    std::optional<Decimal> above;
};

// The largest value the bands show, 99 Gigohm, and their smallest step,
// 0.01 ohm.
Decimal LargestBandValue();
Decimal SmallestBandStep();

// Reads UTF-8 text of any length: a number, an optional unit and an optional
// tolerance, blanks allowed between them.
// - The number: digits with a full stop or a comma as the decimal sign
//   ("4.7", "4,7", ".47", "47."). A comma followed by exactly three digits
//   ("1,000") could be a thousands separator and is refused.
// - The unit: none or "R", "ohm", "Ω" for ohm; "k", "kilohm", "kΩ"; "M",
//   "Meg", "megohm", "MΩ"; "G", "gigohm", "GΩ"; "m", "mΩ" for milliohm. The
//   words and the symbols in any case, but for "m", "mΩ", "M" and "MΩ"
//   (milli and mega).
// - The letter code: the unit in place of the decimal sign ("4k7", "R47").
// - The tolerance: 1, 2, 5, 10 or 20 and "%", after "+/-", "+-", "±" or
//   nothing.
// The bands show 0, and 0.01 ohm to 99 Gigohm in at most two significant
// figures that a multiplier can place; band 1 is not Black whenever the value
// allows (0.47 is Yellow, Violet, Silver; 0.05 is Black, Green, Silver).
ValueReading ReadWholeValue(std::string_view text);

// The band 1, band 2 and multiplier positions that show a value, with a
// first digit other than zero whenever the value allows; the tolerance is
// kNoPosition. nullopt when four bands cannot show the value.
std::optional<BandPositions> ValueBands(const Decimal& value);

} // namespace zevodave
