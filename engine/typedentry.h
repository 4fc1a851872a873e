// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The rules of typing a band's value: reading the number at the start of a
// text, and deciding which position of the band's list the text names.

#include <string_view>

namespace zevodave {

// The number at the start of a text. Spaces, tabs and line feeds are dropped
// wherever they stand; then an optional sign, digits with at most one full
// stop (in every locale), and an optional E or D exponent are read. "&H" and
// "&O" start hexadecimal and octal whole numbers. A text without a number
// reads as 0. Numbers beyond the range of a double read as +/-infinity.
double LeadingNumber(std::string_view text);

// What a typed text does to its band's list.
class TypedOutcome {
  public:
    enum class Kind { Reject, Keep, Position };

    static constexpr TypedOutcome Reject() { return TypedOutcome(Kind::Reject); }
    static constexpr TypedOutcome Keep() { return TypedOutcome(Kind::Keep); }
    static constexpr TypedOutcome At(int position) {
        return TypedOutcome(Kind::Position, position);
    }

    constexpr bool isReject() const { return kind_ == Kind::Reject; }
    constexpr bool isPosition() const { return kind_ == Kind::Position; }
    // The position to choose; only meaningful for Kind::Position.
    constexpr int position() const { return position_; }

    constexpr bool operator==(const TypedOutcome&) const = default;

  private:
    constexpr explicit TypedOutcome(Kind kind, int position = {})
        : kind_(kind), position_(position) {}
    Kind kind_;
    int position_;
};

// The text typed into a band's field (UTF-8), judged for that band:
// - digits: a number below 10, rounded half to even, chooses that digit;
// - multiplier: up to four characters, a number below 12 chooses that
//   position; longer texts choose Gold or Silver when they read "*10^-1" or
//   "*10^-2" from the fifth character on, and otherwise keep the list as it is;
// - tolerance: exactly 1, 2, 5, 10 or 20 (per cent).
// Every other text, and a number whose rounded value is not in the list, is
// rejected. An unknown band index rejects everything.
TypedOutcome TypedPosition(int band, std::string_view text);

} // namespace zevodave
