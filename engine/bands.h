// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The four-band colour code: which colours each band offers, what each one
// means, the text its field shows and the colour its list is painted in.
// Positions are list positions (0-based); -1 means "nothing chosen".

#include "colourcode.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevodave {

inline constexpr int kBandCount = 4;
inline constexpr int kFirstDigitBand = 0;
inline constexpr int kSecondDigitBand = 1;
inline constexpr int kMultiplierBand = 2;
inline constexpr int kToleranceBand = 3;
inline constexpr int kNoPosition = -1;

// Where a multiplier colour puts the point, the added zero and the unit around
// the two digits: before + D1 + between + D2 + after.
struct MultiplierPattern {
    std::string_view before;
    std::string_view between;
    std::string_view after;
};

// One entry of the digit and multiplier lists. The digit lists hold the first
// ten rows, the multiplier list all twelve. What the colour means comes from
// the colour code; the row adds how this window shows it.
struct ColourRow {
    int colour;                  // in kColourCode
    std::string_view colourCode; // "&H00BBGGRR&"
    MultiplierPattern pattern;
    bool darkSwatch; // white text reads on it, black does not

    constexpr std::string_view Entry() const { return kColourCode[colour].name; }
    // The multiplier is ten to this power.
    constexpr int Exponent() const { return kColourCode[colour].exponent; }
};

inline constexpr std::size_t kDigitCount = 10;

inline constexpr std::array<ColourRow, 12> kColourRows{{
    {colour::Black, "&H00000000&", {"", "", " ohm"}, true},
    {colour::Brown, "&H00004080&", {"", "", "0 ohm"}, false},
    {colour::Red, "&H000000FF&", {"", ".", " Kilohm"}, false},
    {colour::Orange, "&H000080FF&", {"", "", " Kilohm"}, false},
    {colour::Yellow, "&H0000FFFF&", {"", "", "0 Kilohm"}, false},
    {colour::Green, "&H0000FF00&", {"", ".", " Megohm"}, false},
    {colour::Blue, "&H00FF0000&", {"", "", " Megohm"}, true},
    {colour::Violet, "&H00FF00FF&", {"", "", "0 Megohm"}, false},
    {colour::Grey, "&H00C0C0C0&", {"", ".", " Gigohm"}, false},
    {colour::White, "&H00FFFFFF&", {"", "", ". Gigohm"}, false},
    {colour::Gold, "&H00C0FFFF&", {"", ".", " ohm"}, false},
    {colour::Silver, "&H00E0E0E0&", {".", "", " ohm"}, false},
}};

// A four-band part without a tolerance band is made to +/- 20%.
inline constexpr int kNoBandPercent = 20;
inline constexpr std::string_view kNoBandEntry = "None";
inline constexpr int kHundredthsPerPercent = 100;

// One entry of the tolerance list, painted like the colour row of the same
// colour ("None" shows white). Its field text ("5 %") and its suffix on the
// result line (" +/- 5%") are both written from the percentage.
struct ToleranceRow {
    int colour;            // in kColourCode; kNoMeaning for None, no band
    std::size_t colourRow; // in kColourRows

    constexpr std::string_view Entry() const {
        return colour == kNoMeaning ? kNoBandEntry : kColourCode[colour].name;
    }
    constexpr int Percent() const {
        return colour == kNoMeaning ? kNoBandPercent
                                    : kColourCode[colour].tolerance / kHundredthsPerPercent;
    }
};

inline constexpr std::array<ToleranceRow, 5> kToleranceRows{{
    {colour::Brown, 1},
    {colour::Red, 2},
    {colour::Gold, 10},
    {colour::Silver, 11},
    {kNoMeaning, 9},
}};

// Text colours laid over a painted list (short form of the colour code text).
inline constexpr std::string_view kWhiteText = "&HFFFFFF";
inline constexpr std::string_view kBlackText = "&H000000";

// The entry texts of a band's list in list order; empty for another index.
std::vector<std::string_view> EntryTexts(int band);

// Colour code text of a digit/multiplier position, or "" for any other value.
std::string_view BandColor(int position);
// Colour code text of a tolerance position, or "" for any other value.
std::string_view ToleranceColor(int position);
// The colour code text a band's list is painted with at a position.
std::string_view SwatchColor(int band, int position);
// The colour code text of the text laid over that swatch: white on the dark
// swatches (Black and Blue) of the digit and multiplier lists, black
// everywhere else, the tolerance list included.
std::string_view TextColor(int band, int position);

// A colour code text read as 0x00BBGGRR. The empty text, and a text that
// names no colour a 32-bit value can hold, read as 0 (black).
std::uint32_t ColourValue(std::string_view colourCode);

// What a band's field shows for a position; nullopt where the field keeps
// whatever it shows (a tolerance position outside the list, an unknown band).
// The multiplier field is empty while nothing is chosen: "*10^-1" would claim
// Gold.
std::optional<std::string> FieldText(int band, int position);

} // namespace zevodave
