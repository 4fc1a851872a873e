// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "part.h"

#include <algorithm>

namespace zevodave {

namespace {

constexpr int kDigitBase = 10;
// A tolerance in hundredths of a per cent is that many parts of 10 000; a
// temperature coefficient is in parts per million.
constexpr int kHundredthsPlaces = 4;
constexpr int kWholeInHundredths = 10000;
constexpr int kMillionthPlaces = 6;

int ColourOfExponent(int exponent) {
    const auto row = std::ranges::find(kColourCode, exponent, &ColourCode::exponent);
    return row == kColourCode.end() ? kNoPosition : static_cast<int>(row - kColourCode.begin());
}

bool HasMeaning(int colour, Role role) {
    const ColourCode& code = kColourCode[colour];
    switch (role) {
    case Role::Figure:
        return code.digit != kNoMeaning;
    case Role::Multiplier:
        return true;
    case Role::Tolerance:
        return code.tolerance != kNoMeaning;
    case Role::Coefficient:
        return code.coefficient != kNoMeaning;
    }
    return false;
}

// Ten to a power times a whole number, exactly, normalized.
Decimal Times(const Decimal& value, long long whole, long long exponent) {
    const Decimal exact = Normalized(value);
    return Normalized(
        {std::to_string(std::stoll(exact.digits.empty() ? "0" : exact.digits) * whole),
         exact.exponent + exponent});
}

} // namespace

int FigureCount(int bandCount) {
    return bandCount == kFourBands ? static_cast<int>(kBandFigures)
                                   : static_cast<int>(kBandFigures) + 1;
}

Role RoleOf(int bandCount, int band) {
    const int figures = FigureCount(bandCount);
    if (band < figures)
        return Role::Figure;
    if (band == figures)
        return Role::Multiplier;
    return band == figures + 1 ? Role::Tolerance : Role::Coefficient;
}

std::vector<int> RoleColours(int bandCount, Role role) {
    std::vector<int> colours;
    if (bandCount == kFourBands && role == Role::Multiplier) {
        for (const ColourRow& row : kColourRows)
            colours.push_back(row.colour);
    } else if (bandCount == kFourBands && role == Role::Tolerance) {
        for (const ToleranceRow& row : kToleranceRows)
            colours.push_back(row.colour == kNoMeaning ? kNoBand : row.colour);
    } else {
        for (int colour = 0; colour < kColourCount; ++colour) {
            if (HasMeaning(colour, role))
                colours.push_back(colour);
        }
    }
    return colours;
}

int LowestExponent(int bandCount) {
    int lowest = 0;
    for (const int colour : RoleColours(bandCount, Role::Multiplier))
        lowest = std::min(lowest, kColourCode[colour].exponent);
    return lowest;
}

bool Fits(int bandCount, int band, int colour) {
    const std::vector<int> colours = RoleColours(bandCount, RoleOf(bandCount, band));
    return std::ranges::find(colours, colour) != colours.end();
}

int FirstMisfit(const PartBands& bands) {
    const int count = static_cast<int>(bands.size());
    for (int band = 0; band < count; ++band) {
        if (!Fits(count, band, bands[band]))
            return band;
    }
    return kNoPosition;
}

PartBands FromPositions(const BandPositions& positions) {
    PartBands bands(kFourBands, kNoPosition);
    for (int band = 0; band < kFourBands; ++band) {
        const int position = positions[band];
        if (position != kNoPosition)
            bands[band] = RoleColours(kFourBands, RoleOf(kFourBands, band))[position];
    }
    return bands;
}

BandPositions ToPositions(const PartBands& bands) {
    BandPositions positions{};
    for (int band = 0; band < kFourBands; ++band) {
        const std::vector<int> colours = RoleColours(kFourBands, RoleOf(kFourBands, band));
        const auto found = std::ranges::find(colours, bands.at(band));
        positions.at(band) =
            found == colours.end() ? kNoPosition : static_cast<int>(found - colours.begin());
    }
    return positions;
}

std::optional<Decimal> PartValue(const PartBands& bands) {
    const int figures = FigureCount(static_cast<int>(bands.size()));
    std::string digits;
    for (int band = 0; band < figures; ++band) {
        if (bands[band] == kNoPosition)
            return std::nullopt;
        digits += static_cast<char>('0' + kColourCode[bands[band]].digit);
    }
    if (bands[figures] == kNoPosition)
        return std::nullopt;
    return Decimal{digits, kColourCode[bands[figures]].exponent};
}

int FigureNumber(const PartBands& bands) {
    int number = 0;
    for (int band = 0; band < FigureCount(static_cast<int>(bands.size())); ++band)
        number = number * kDigitBase + kColourCode[bands[band]].digit;
    return number;
}

int ToleranceOf(int colour) {
    return colour == kNoBand ? kNoBandPercent * kHundredthsPerPercent
                             : kColourCode[colour].tolerance;
}

std::pair<Decimal, Decimal> ToleranceRange(const Decimal& value, int hundredths) {
    return {Times(value, kWholeInHundredths - hundredths, -kHundredthsPlaces),
            Times(value, kWholeInHundredths + hundredths, -kHundredthsPlaces)};
}

Decimal Drift(const Decimal& value, int ppmPerKelvin) {
    return Times(value, ppmPerKelvin, -kMillionthPlaces);
}

PartBands Reversed(const PartBands& bands) {
    PartBands reversed = bands;
    const bool noToleranceBand = bands.size() == kFourBands && bands.back() == kNoBand;
    std::reverse(reversed.begin(), noToleranceBand ? reversed.end() - 1 : reversed.end());
    return reversed;
}

std::optional<PartBands> ValueColours(const Decimal& value, int bandCount) {
    const auto figures = static_cast<std::size_t>(FigureCount(bandCount));
    const int lowest = LowestExponent(bandCount);
    Decimal shown = Normalized(value);
    if (shown.digits.size() > figures)
        return std::nullopt;
    // Zero is all Black. Otherwise figures of zero go after the value's
    // figures while a lower multiplier exists (4.7 is 47 x 0.1), then before
    // them (0.05 is 05 x 0.01).
    while (!shown.digits.empty() && shown.digits.size() < figures && shown.exponent > lowest) {
        shown.digits += '0';
        --shown.exponent;
    }
    shown.digits.insert(0, figures - shown.digits.size(), '0');
    if (shown.exponent < lowest || shown.exponent > kColourCode[colour::White].exponent)
        return std::nullopt;
    PartBands bands(bandCount, kNoPosition);
    std::ranges::transform(shown.digits, bands.begin(), [](char digit) { return digit - '0'; });
    bands[figures] = ColourOfExponent(static_cast<int>(shown.exponent));
    return bands;
}

PartBands WithBandCount(const PartBands& bands, int bandCount) {
    const int oldFigures = FigureCount(static_cast<int>(bands.size()));
    const int newFigures = FigureCount(bandCount);
    PartBands result(bandCount, kNoPosition);
    std::copy_n(bands.begin(), std::min(oldFigures, newFigures), result.begin());
    int multiplier = bands[oldFigures];
    if (newFigures > oldFigures && multiplier != kNoPosition) {
        result[oldFigures] = colour::Black;
        multiplier = ColourOfExponent(kColourCode[multiplier].exponent - 1);
    }
    result[newFigures] = multiplier;
    const int tolerance = bands[oldFigures + 1];
    result[newFigures + 1] = tolerance == kNoBand ? kNoPosition : tolerance;
    return result;
}

} // namespace zevodave
