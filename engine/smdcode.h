// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The markings on surface-mount resistors: reading one ("472", "4701",
// "4R7", "01C") into its value, exactly, and writing the markings that show
// a value.
// - Three digits: two figures and the number of zeros; four digits: three
//   figures and the number of zeros. All zeros ("0", "000") is a zero-ohm
//   link.
// - R notation: R stands for the decimal point, in three or four
//   characters ("4R7", "R47", "10R0").
// - EIA-96: two digits 01 to 96 naming an E96 value in order (01 is 100, 68
//   is 499) and a letter for the multiplier (EIA-96, as printed in makers'
//   data sheets).

#include "working.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevodave {

enum class MarkingKind { ZeroOhm, ThreeDigits, FourDigits, RNotation, Eia96 };

// One way of reading a marking: its value with the figures the code gives
// ("470" x 10 for 4701), and for EIA-96 the E96 number and the letter's
// power of ten.
struct MarkingReading {
    MarkingKind kind;
    Decimal value;
    int eiaNumber = 0;
    long long eiaExponent = 0;
};

// Why a text is no marking.
enum class MarkingRefusal {
    None,
    Empty,
    Length,     // more than four characters
    Characters, // a character other than a digit or a letter the codes use
    EiaNumber,  // two digits and a letter, the digits not 01 to 96
    EiaLetter,  // two digits and a letter no EIA-96 multiplier uses
    Form,       // the right characters in no code's order
};

struct MarkingResult {
    // The marking as read: blanks round it gone, letters in capitals.
    std::string marking;
    // One reading, or two where two codes read the marking ("68R": R
    // notation, then EIA-96).
    std::vector<MarkingReading> readings;
    MarkingRefusal refusal = MarkingRefusal::None;
};

// Reads UTF-8 text of any length.
MarkingResult ReadMarking(std::string_view text);

// The markings that show a value exactly, as the codes write them: three
// digits or, below 10 ohm, R notation in three characters ("472", "4R7");
// four digits or, below 100 ohm, R notation in four ("4701", "4R70"); the
// EIA-96 code with the first letter for its multiplier ("68B"). nullopt
// where that code cannot show the value.
struct ValueMarkings {
    std::optional<std::string> threeDigits;
    std::optional<std::string> fourDigits;
    std::optional<std::string> eia96;
};
ValueMarkings MarkingsFor(const Decimal& value);

} // namespace zevodave
