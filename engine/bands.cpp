// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "bands.h"

#include <charconv>

namespace zevodave {

namespace {

constexpr int kMultiplierRowCount = static_cast<int>(kColourRows.size());
constexpr int kToleranceRowCount = static_cast<int>(kToleranceRows.size());
constexpr std::string_view kMultiplierFieldPrefix = "*10^";
constexpr std::string_view kPercentSign = " %";

bool IsColourRow(int position) {
    return position >= 0 && position < kMultiplierRowCount;
}
bool IsToleranceRow(int position) {
    return position >= 0 && position < kToleranceRowCount;
}

} // namespace

std::vector<std::string_view> EntryTexts(int band) {
    std::vector<std::string_view> texts;
    switch (band) {
    case kFirstDigitBand:
    case kSecondDigitBand:
        for (std::size_t i = 0; i < kDigitCount; ++i)
            texts.push_back(kColourRows[i].Entry());
        break;
    case kMultiplierBand:
        for (const auto& row : kColourRows)
            texts.push_back(row.Entry());
        break;
    case kToleranceBand:
        for (const auto& row : kToleranceRows)
            texts.push_back(row.Entry());
        break;
    default:
        break;
    }
    return texts;
}

std::string_view BandColor(int position) {
    return IsColourRow(position) ? kColourRows[position].colourCode : std::string_view{};
}

std::string_view ToleranceColor(int position) {
    return IsToleranceRow(position) ? kColourRows[kToleranceRows[position].colourRow].colourCode
                                    : std::string_view{};
}

std::string_view SwatchColor(int band, int position) {
    switch (band) {
    case kFirstDigitBand:
    case kSecondDigitBand:
    case kMultiplierBand:
        return BandColor(position);
    case kToleranceBand:
        return ToleranceColor(position);
    default:
        return {};
    }
}

std::string_view TextColor(int band, int position) {
    const bool darkSwatch =
        band < kToleranceBand && IsColourRow(position) && kColourRows[position].darkSwatch;
    return darkSwatch ? kWhiteText : kBlackText;
}

// The hexadecimal digits after "&H", up to the first other character; a
// text that reads as no number, or as one beyond 32 bits, leaves it 0.
std::uint32_t ColourValue(std::string_view colourCode) {
    constexpr std::string_view kHexPrefix = "&H";
    constexpr int kHexBase = 16;
    std::uint32_t value = 0;
    if (colourCode.starts_with(kHexPrefix))
        std::from_chars(colourCode.data() + kHexPrefix.size(),
                        colourCode.data() + colourCode.size(), value, kHexBase);
    return value;
}

std::optional<std::string> FieldText(int band, int position) {
    switch (band) {
    case kFirstDigitBand:
    case kSecondDigitBand:
        return std::to_string(position);
    case kMultiplierBand:
        if (!IsColourRow(position))
            return std::string{};
        return std::string(kMultiplierFieldPrefix) +
               std::to_string(kColourRows[position].Exponent());
    case kToleranceBand:
        if (!IsToleranceRow(position))
            return std::nullopt;
        return std::to_string(kToleranceRows[position].Percent()) + std::string(kPercentSign);
    default:
        return std::nullopt;
    }
}

} // namespace zevodave
