// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The rules of the Practice window: questions that are real parts, of four
// or five bands, and answers judged in two parts, the value and the
// tolerance, each with the slip a student most likely made (a multiplier one
// colour off, the bands read from the wrong end, look-alike swatches...),
// and a record of the slips of a run.

#include "wholevalue.h"

#include <array>
#include <functional>
#include <string_view>

namespace zevodave {

// A whole number from 0 to bound - 1. The window draws from a seeded
// generator, so tests can ask the same questions every time.
using RandomSource = std::function<int(int bound)>;

// The numbers of a Mersenne Twister started at `seed`: the same on every
// platform, unlike the standard library's distributions.
RandomSource SeededSource(unsigned seed);

// The parts questions are about: four-band, five-band, or either with even
// odds.
enum class QuestionBands { Four, Five, FourOrFive };

struct Question {
    // The colours in reading order.
    PartBands bands;
    // Drawn turned round, the tolerance band at the left end.
    bool turned = false;
};

// A real part, never of the value of `previous`:
// - four bands from 1 ohm to 10 Megohm: E6 values with no tolerance band
//   (20%), E12 at 10%, E24 at 5%;
// - five bands from 10 ohm to 1 Megohm: E24, E48 and E96 values at 1% or
//   2%, E192 values at 0.5%, 0.25% or 0.1%.
// One in four is turned round where `mayTurn`.
Question DrawQuestion(const RandomSource& random, QuestionBands bands, bool mayTurn,
                      const Question& previous);

// Unanswered is text with no value in it or a list left unchosen: the student
// tries again and nothing is counted.
enum class Outcome { Right, Wrong, Unanswered };

// The slip a wrong value most likely came from.
enum class Slip {
    None,
    ThirdFigure,  // the multiplier read as one more figure: "472 ohm"
    TenTimes,     // ten times too big or too small: the multiplier one step off
    NoMultiplier, // the figures alone: "68 ohm" for 68 Kilohm
    MilliMega,    // m typed for M: a thousand million times too small
    OtherEnd,     // the bands read from the wrong end
    LookAlike,    // a band read as a colour that looks like it
    Figure,       // one figure's colour chosen wrong
    Multiplier,   // another multiplier's colour chosen
    AllFigures,   // every figure wrong, the multiplier right
    BlackFirst,   // a first band of Black
};

struct Verdict {
    Outcome outcome = Outcome::Unanswered;
    bool valueRight = false;
    // The tolerance given in hundredths of a per cent, kNoPosition when a
    // typed answer gave none (it is then not judged).
    int tolerance = kNoPosition;
    bool toleranceRight = true;
    Slip slip = Slip::None;
    // For a look-alike, figure or multiplier slip: the band in reading
    // order, and the colour the student gave it.
    int slipBand = kNoPosition;
    int slipColour = kNoPosition;
    // The value given, and the figure and multiplier colours that show it on
    // the question's bands (the bands chosen; empty when none can).
    Decimal value;
    PartBands given;
    // A typed answer as it was read.
    ValueReading reading{};
};

// A value typed for the question, in any form ReadWholeValue accepts.
Verdict JudgeReading(const Question& question, std::string_view typed);

// The colours chosen in the answer lists, kNoPosition where none is.
Verdict JudgeChoice(const Question& question, const PartBands& chosen);

// What the slips of a run are counted as.
enum class SlipKind {
    Multiplier,
    ThirdFigure,
    OtherEnd,
    LookAlike,
    Figures,
    Unit,
    Tolerance,
    FirstFigureZero,
};
inline constexpr int kSlipKinds = static_cast<int>(SlipKind::FirstFigureZero) + 1;

// The answers of a run and their slips, kept while the program runs.
struct PracticeRecord {
    int answered = 0;
    int right = 0;
    std::array<int, kSlipKinds> slips{};

    // Counts a judged answer; an unanswered one is not.
    void Count(const Verdict& verdict);
};

} // namespace zevodave
