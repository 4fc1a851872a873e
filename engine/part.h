// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// A leaded resistor of four, five or six bands, as the colour code reads it:
// two or three figures, a multiplier, a tolerance (a four-band part made to
// +/- 20% has no tolerance band) and, on six-band parts, a temperature
// coefficient. The bands are colours of kColourCode in reading order.

#include "working.h"

#include <optional>
#include <utility>
#include <vector>

namespace zevodave {

inline constexpr int kFourBands = 4;
inline constexpr int kFiveBands = 5;
inline constexpr int kSixBands = 6;
inline constexpr int kMostBands = kSixBands;

// Where a four-band part has no tolerance band (the list's None).
inline constexpr int kNoBand = -2;

// Each band's colour, kNoPosition where none is chosen.
using PartBands = std::vector<int>;

enum class Role { Figure, Multiplier, Tolerance, Coefficient };

// Two figures on four-band parts, three on five- and six-band parts.
int FigureCount(int bandCount);
Role RoleOf(int bandCount, int band);

// The colours a band offers, in the colour code's order: a four-band part
// has the four-band lists' colours (multipliers Black to Silver, tolerances
// Brown, Red, Gold and Silver), the others every colour with that meaning.
std::vector<int> RoleColours(int bandCount, Role role);
// The power of ten of the lowest multiplier: Silver's -2 on four-band parts,
// Pink's -3 on the others.
int LowestExponent(int bandCount);
// Whether a band may be that colour (None on a four-band tolerance).
bool Fits(int bandCount, int band, int colour);
// The first band whose colour it may not be, or kNoPosition.
int FirstMisfit(const PartBands& bands);

// The four-band list positions as colours, and back (all four fit).
PartBands FromPositions(const BandPositions& positions);
BandPositions ToPositions(const PartBands& bands);

// The value the figures and the multiplier give, with the figures they give
// ("499" x 10 for Yellow, White, White, Brown); nullopt until all are chosen.
std::optional<Decimal> PartValue(const PartBands& bands);
// The number the figures give: 499.
int FigureNumber(const PartBands& bands);
// A tolerance band's tolerance in hundredths of a per cent; None is 20%.
int ToleranceOf(int colour);
// The lowest and highest value a tolerance allows, exactly.
std::pair<Decimal, Decimal> ToleranceRange(const Decimal& value, int hundredths);
// How far a value may drift for each kelvin at a temperature coefficient.
Decimal Drift(const Decimal& value, int ppmPerKelvin);

// The same bands read from the other end. A four-band part without a
// tolerance band keeps it missing: the three bands it has turn round.
PartBands Reversed(const PartBands& bands);

// The figure and multiplier colours that show a value at a band count, with
// a first figure other than Black whenever the value allows; the other bands
// not chosen. nullopt where those bands cannot show the value.
std::optional<PartBands> ValueColours(const Decimal& value, int bandCount);

// The same part with five or six bands. From four bands the value and
// tolerance stay: a third figure of Black and the multiplier one step lower
// (Yellow, Violet, Red, Gold becomes Yellow, Violet, Black, Brown, Gold);
// None and bands not chosen become not chosen. Between five and six the
// shared bands stay; a sixth band starts not chosen.
PartBands WithBandCount(const PartBands& bands, int bandCount);

} // namespace zevodave
