// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "working.h"

#include <algorithm>

namespace zevodave {

namespace {

constexpr int kDigitBase = 10;
// A tolerance is a number of hundredths of the value.
constexpr int kPercentPlaces = 2;
constexpr int kWholeValuePercent = 100;
constexpr std::string_view kNotChosen = "not chosen";

std::string EntryText(int band, int position) {
    return std::string(EntryTexts(band)[position]);
}

} // namespace

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
                   kColourRows[bands[kMultiplierBand]].exponent};
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
        const auto places = static_cast<std::size_t>(-shift);
        if (text.size() <= places)
            text.insert(0, places + 1 - text.size(), '0');
        text.insert(text.size() - places, 1, '.');
    }
    // One zero stays ahead of the point, or alone: "0.47", "0".
    const std::size_t point = std::min(text.find('.'), text.size());
    return text.substr(std::min(text.find_first_not_of('0'), point - 1));
}

std::string ValueText(const Decimal& value) {
    const int unit = UnitOf(value);
    return NumberText(value, unit) + " " + std::string(UnitWord(unit));
}

std::string ListText(const std::vector<std::string>& items, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        // Appended piece by piece: GCC 12 warns, wrongly, about a string
        // built with operator+ here in an optimised build.
        if (i + 1 == items.size() && i > 0)
            text.append(" ").append(last).append(" ");
        else if (i > 0)
            text += ", ";
        text += items[i];
    }
    return text;
}

std::vector<std::string> WorkingLines(const BandPositions& bands) {
    const auto [first, second, multiplier, tolerance] = bands;
    std::vector<std::string> lines;
    if (first == kNoPosition)
        return lines;
    const auto digit = [&bands](int band) {
        return EntryText(band, bands[band]) + " " + std::to_string(bands[band]);
    };
    lines.push_back(digit(kFirstDigitBand));
    if (second == kNoPosition)
        return lines;
    const int number = first * kDigitBase + second;
    lines.back() += ", " + digit(kSecondDigitBand) + " give " + std::to_string(number);

    const std::optional<Decimal> value = BandValue(bands);
    if (!value)
        return lines;
    const std::string factor = NumberText({"1", value->exponent}, 0);
    const std::string inOhm = NumberText(*value, 0) + " " + std::string(UnitWord(0));
    lines.push_back(EntryText(kMultiplierBand, multiplier) + " multiplies by " + factor + ": " +
                    std::to_string(number) + " x " + factor + " = " + inOhm);
    if (const std::string inUnit = ValueText(*value); inUnit != inOhm)
        lines.back() += " = " + inUnit;

    if (tolerance == kNoPosition)
        return lines;
    const int percent = kToleranceRows[tolerance].percent;
    const int unit = UnitOf(*value);
    const auto bound = [&](int hundredths) {
        return NumberText(
            Normalized({std::to_string(number * hundredths), value->exponent - kPercentPlaces}),
            unit);
    };
    lines.push_back(EntryText(kToleranceBand, tolerance) + ": +/- " + std::to_string(percent) +
                    "%, so from " + bound(kWholeValuePercent - percent) + " to " +
                    bound(kWholeValuePercent + percent) + " " + std::string(UnitWord(unit)));
    return lines;
}

std::string BandsDescription(const BandPositions& bands) {
    std::string text = "Bands: ";
    for (int band = 0; band < kBandCount; ++band) {
        if (band > 0)
            text += ", ";
        text += bands[band] == kNoPosition ? std::string(kNotChosen) : EntryText(band, bands[band]);
    }
    return text;
}

} // namespace zevodave
