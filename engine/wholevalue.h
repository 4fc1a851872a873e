// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading a whole value as a schematic or a parts list writes it ("4k7",
// "R47", "2.2 M", "4.7 Kilohm +/- 5%") into the four band positions that
// show it, exactly: the figures typed are kept as whole numbers and a power
// of ten, so "4R7" is 4.7 and "33.5" is refused, never drawn as 34.

#include "part.h"

#include <optional>
#include <string>
#include <string_view>

namespace zevodave {

// Why a whole value's text chose no bands.
enum class Refusal {
    None,
    NoNumber,       // no number, or more than a number, unit and tolerance
    Unit,           // a number followed by a unit not understood
    CommaThousands, // "1,000": a decimal comma or a thousands separator
    Tolerance,      // a tolerance the tolerance band does not offer
    TooLarge,       // past the largest value the bands show
    TooManyFigures, // more significant figures than the digit bands hold
    TooFine,        // a step finer than the smallest multiplier
};

// What was read from a whole value's text for a part of some bands.
struct ValueReading {
    int bandCount = kFourBands;
    // The number read, in ohm, normalized; zero when no number was read.
    Decimal value;
    // The tolerance typed as its colour (kNoBand for 20%), and on four bands
    // as a tolerance list position; kNoPosition when none was typed.
    int toleranceColour = kNoPosition;
    int tolerance = kNoPosition;
    // The colours to choose when the bands can show the value: the figures,
    // the multiplier and the tolerance as typed; 20% chooses no tolerance
    // band on five or six bands, which always have one.
    std::optional<PartBands> part;
    // The same on four bands as list positions.
    std::optional<BandPositions> bands;
    // Otherwise why not; for a unit not understood, the text from the unit on.
    Refusal refusal = Refusal::None;
    std::string unit;
    // For too many figures: the nearest values of the finest series the part
    // is offered below and, but past the largest value the bands show, above.
    Decimal below;
    std::optional<Decimal> above;
};

// The largest value the bands show, 99 Gigohm on four bands, and their
// smallest step, 0.01 ohm on four bands.
Decimal LargestBandValue(int bandCount = kFourBands);
Decimal SmallestBandStep(int bandCount = kFourBands);

// Reads UTF-8 text of any length: a number, an optional unit and an optional
// tolerance, blanks allowed between them.
// - The number: digits with a full stop or a comma as the decimal sign
//   ("4.7", "4,7", ".47", "47."). A comma followed by exactly three digits
//   ("1,000") could be a thousands separator and is refused.
// - The unit: none or "R", "ohm", "Ω" for ohm; "k", "kilohm"; "M", "Meg",
//   "megohm"; "G", "gigohm"; "m" for milliohm. A word may end in "s"
//   ("ohms"), and a prefix may be followed by "ohm", "ohms" or "Ω", with or
//   without a blank ("kOhm", "k Ω"). The words and the symbols in any case,
//   but for "m" and "M" (milli and mega).
// - The letter code: the unit in place of the decimal sign ("4k7", "R47").
// - The tolerance: a percentage a tolerance band of the part shows ("5",
//   "0.25") or 20, and "%", after "+/-", "+-", "±" or nothing.
// Four bands show 0, and 0.01 ohm to 99 Gigohm in at most two significant
// figures that a multiplier can place; band 1 is not Black whenever the value
// allows (0.47 is Yellow, Violet, Silver; 0.05 is Black, Green, Silver).
// Five and six bands show three figures, down to Pink's 0.001.
ValueReading ReadWholeValue(std::string_view text, int bandCount = kFourBands);

} // namespace zevodave
