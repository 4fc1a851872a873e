// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The rules of the Practice window: questions drawn from the values resistors
// are sold in, and answers judged in words that teach, with a hint naming the
// slip a student most likely made (a multiplier one colour off, the bands
// read from the wrong end, look-alike swatches mixed up...).

#include "working.h"

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

// The value and tolerance a question asks for: "4.7 Kilohm +/- 5%".
std::string QuestionText(const BandPositions& question);

// Unanswered is text with no value in it or a list left unchosen: the student
// tries again and nothing is counted.
enum class Outcome { Right, Wrong, Unanswered };

struct Verdict {
    Outcome outcome;
    std::string feedback;
};

// A value typed for the bands of `question`, in any form ReadWholeValue
// accepts; a tolerance counts when one is typed.
Verdict JudgeReading(const BandPositions& question, std::string_view typed);

// The four positions chosen in the answer lists for the value of `question`.
Verdict JudgeChoice(const BandPositions& question, const BandPositions& chosen);

} // namespace zevodave
