// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "typedentry.h"

#include "bands.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zevodave {

namespace {

constexpr int kHexBase = 16;
// "&H" and "&O" before hexadecimal and octal digits.
constexpr std::size_t kPrefixSize = 2;
constexpr int kOctalBase = 8;
// Exponents beyond this already leave the range of a double many times over;
// clamping keeps the exponent's own arithmetic from overflowing.
constexpr long long kExponentClamp = 1'000'000;
constexpr int kMultiplierCount = static_cast<int>(kColourRows.size());
// A multiplier text of this many characters is judged by its number; a longer
// one is the field's own "*10^n" form and is judged by characters 5 and 6.
constexpr std::size_t kShortMultiplierText = 4;
constexpr std::size_t kSignPlace = 5;
constexpr std::size_t kDigitPlace = 6;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::numeric_limits<int>::max();
}

// Whole number in the given base, read up to the first character that is
// not one of its digits. A long enough run becomes infinity.
double ReadWhole(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    return value;
}

double ReadDecimal(std::string_view s) {
    std::size_t i = 0;
    const bool negative = s.starts_with('-');
    if (negative || s.starts_with('+'))
        ++i;

    const std::size_t mantissaStart = i;
    bool seenPoint = false;
    bool anyDigit = false;
    // Decimal place of the first significant digit, counted so that the
    // number lies in [10^(place-1), 10^place) before the exponent.
    long long place = 0;
    bool significant = false;
    for (; i < s.size(); ++i) {
        if (s[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(s[i])) {
            anyDigit = true;
            if (s[i] != '0' || significant) {
                significant = true;
                if (!seenPoint)
                    ++place;
            } else if (seenPoint) {
                --place;
            }
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    const std::string_view mantissa = s.substr(mantissaStart, i - mantissaStart);

    long long exponent = 0;
    if (s.find_first_of("EeDd", i) == i) {
        std::string_view rest = s.substr(i + 1);
        const bool negativeExponent = rest.starts_with('-');
        if (negativeExponent || rest.starts_with('+'))
            rest.remove_prefix(1);
        for (char digit : rest.substr(0, rest.find_first_not_of("0123456789")))
            exponent = std::min(exponent * 10 + (digit - '0'), kExponentClamp);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (!significant)
        return negative ? -0.0 : 0.0;

    std::string normal;
    if (negative)
        normal += '-';
    normal += mantissa;
    normal += 'e';
    normal += std::to_string(exponent);

    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const bool tooLarge = place + exponent > 0;
        const double magnitude = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return ec == std::errc{} ? value : 0.0;
}

// Nearest whole number; a value half-way between two goes to the even one,
// so 2.5 gives 2 and 3.5 gives 4.
double RoundHalfEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// The position a number names in a list of `count` entries, if any.
TypedOutcome RoundedPosition(double x, int count) {
    const double rounded = RoundHalfEven(x);
    if (!(rounded >= 0 && rounded < count))
        return TypedOutcome::Reject();
    return TypedOutcome::At(static_cast<int>(rounded));
}

bool StartsCodePoint(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::size_t CodePointCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += StartsCodePoint(c) ? 1 : 0;
    return count;
}

// The n-th character (from 1) when it is an ASCII one, else '\0'.
char AsciiAt(std::string_view text, std::size_t n) {
    std::size_t count = 0;
    for (const char c : text) {
        if (StartsCodePoint(c) && ++count == n)
            return static_cast<unsigned char>(c) < 0x80 ? c : '\0';
    }
    return '\0';
}

// "*10^-1" and "*10^-2", as the field shows Gold and Silver, choose the row
// whose multiplier is ten to that negative power.
TypedOutcome MultiplierPosition(std::string_view text, double x) {
    if (!(x < kMultiplierCount))
        return TypedOutcome::Reject();
    if (CodePointCount(text) <= kShortMultiplierText)
        return RoundedPosition(x, kMultiplierCount);
    const char digit = AsciiAt(text, kDigitPlace);
    if (AsciiAt(text, kSignPlace) == '-' && IsDigit(digit) && digit != '0') {
        for (int position = 0; position < kMultiplierCount; ++position) {
            if (kColourRows[position].Exponent() == '0' - digit)
                return TypedOutcome::At(position);
        }
    }
    return TypedOutcome::Keep();
}

TypedOutcome TolerancePosition(double x) {
    for (int position = 0; position < static_cast<int>(kToleranceRows.size()); ++position) {
        if (x == kToleranceRows[position].Percent())
            return TypedOutcome::At(position);
    }
    return TypedOutcome::Reject();
}

} // namespace

double LeadingNumber(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (!IsBlank(c))
            s += c;
    }
    const std::string_view digits = std::string_view(s).substr(std::min(s.size(), kPrefixSize));
    if (s.starts_with("&H") || s.starts_with("&h"))
        return ReadWhole(digits, kHexBase);
    if (s.starts_with("&O") || s.starts_with("&o"))
        return ReadWhole(digits, kOctalBase);
    return ReadDecimal(s);
}

TypedOutcome TypedPosition(int band, std::string_view text) {
    const double x = LeadingNumber(text);
    switch (band) {
    case kFirstDigitBand:
    case kSecondDigitBand:
        // Also 9.5 up to 10 rounds past the list.
        return RoundedPosition(x, static_cast<int>(kDigitCount));
    case kMultiplierBand:
        return MultiplierPosition(text, x);
    case kToleranceBand:
        return TolerancePosition(x);
    default:
        return TypedOutcome::Reject();
    }
}

} // namespace zevodave
