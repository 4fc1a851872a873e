// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "working.h"

#include <algorithm>

namespace zevodave {

Decimal Normalized(Decimal value) {
    const std::size_t first = value.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    const std::size_t last = value.digits.find_last_not_of('0');
    value.exponent += static_cast<long long>(value.digits.size() - 1 - last);
    value.digits = value.digits.substr(first, last + 1 - first);
    return value;
}

std::optional<Decimal> BandValue(const BandPositions& bands) {
    if (std::find(bands.begin(), bands.begin() + kToleranceBand, kNoPosition) !=
        bands.begin() + kToleranceBand)
        return std::nullopt;
    return Decimal{std::to_string(bands[kFirstDigitBand]) + std::to_string(bands[kSecondDigitBand]),
                   kColourRows[bands[kMultiplierBand]].Exponent()};
}

int UnitOf(const Decimal& value) {
    const std::size_t first = value.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    const long long place =
        value.exponent + static_cast<long long>(value.digits.size() - 1 - first);
    return static_cast<int>(std::clamp<long long>(place / kPlacesPerUnit, 0, kUnitCount - 1));
}

std::string_view UnitWord(int unit) {
    // The multiplier at each whole thousand (Black, Orange, Blue, White) ends
    // the result line with the unit word after a blank.
    const std::string_view after = kColourRows[unit * kPlacesPerUnit].pattern.after;
    return after.substr(after.find(' ') + 1);
}

std::string NumberText(const Decimal& value, int unit) {
    std::string text = value.digits.empty() ? "0" : value.digits;
    const long long shift = value.exponent - static_cast<long long>(unit) * kPlacesPerUnit;
    if (shift >= 0) {
        text.append(static_cast<std::size_t>(shift), '0');
    } else {
        // Zeros ahead so that a point fits with a figure before it; those
        // not needed go below.
        const auto places = static_cast<std::size_t>(-shift);
        text.insert(0, places, '0');
        text.insert(text.size() - places, 1, '.');
    }
    // One zero stays ahead of the point, or alone: "0.47", "0".
    const std::size_t point = std::min(text.find('.'), text.size());
    return text.substr(std::min(text.find_first_not_of('0'), point - 1));
}

} // namespace zevodave
