// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The rules of the Practice window: questions drawn from the values resistors
// are sold in, and answers judged in words that teach, with a hint naming the
// slip a student most likely made (a multiplier one colour off, the bands
// read from the wrong end, look-alike swatches mixed up...).

#include "wholevalue.h"

#include <functional>
#include <string>
#include <string_view>

namespace zevodave {

// A whole number from 0 to bound - 1. The window draws from a seeded
// generator, so tests can ask the same questions every time.
using RandomSource = std::function<int(int bound)>;

// The numbers of a Mersenne Twister started at `seed`: the same on every
// platform, unlike the standard library's distributions.
RandomSource SeededSource(unsigned seed);

// A question as the four band positions that answer it: an E24 value (E12
// included) from 1 ohm to 10 Megohm, first band not Black, with one of the
// tolerances, never the value `previous` gives.
BandPositions DrawQuestion(const RandomSource& random, const BandPositions& previous);

// Unanswered is text with no value in it or a list left unchosen: the student
// tries again and nothing is counted.
enum class Outcome { Right, Wrong, Unanswered };

// The slip a wrong answer most likely came from.
enum class Slip {
    None,
    ThirdDigit,    // the multiplier read as a third digit: "472 ohm"
    MultiplierOff, // a multiplier one colour off: ten times too big or small
    Reversed,      // the bands read from the wrong end
    LookAlike,     // one band taken for a colour that looks like it
    Tolerance,     // the tolerance band alone wrong
    BlackFirst,    // a first band of Black
};

struct Verdict {
    Outcome outcome = Outcome::Unanswered;
    Slip slip = Slip::None;
    // For a look-alike or tolerance slip: the band, and the position the
    // student gave in its list.
    int slipBand = kNoPosition;
    int slipPosition = kNoPosition;
    // A typed answer as it was read; unused for chosen bands.
    ValueReading reading{};
};

// A value typed for the bands of `question`, in any form ReadWholeValue
// accepts; a tolerance counts when one is typed.
Verdict JudgeReading(const BandPositions& question, std::string_view typed);

// The four positions chosen in the answer lists for the value of `question`.
Verdict JudgeChoice(const BandPositions& question, const BandPositions& chosen);

} // namespace zevodave
