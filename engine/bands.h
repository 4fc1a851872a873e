// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The four-band colour code: which colours each band offers, what each one
// means, the text its field shows and the colour its list is painted in.
// Positions are list positions (0-based); -1 means "nothing chosen".

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
// ten rows, the multiplier list all twelve.
struct ColourRow {
    std::string_view entry;
    std::string_view colourCode; // "&H00BBGGRR&"
    int exponent;                // the multiplier is ten to this power
    MultiplierPattern pattern;
    bool darkSwatch; // white text reads on it, black does not
};

inline constexpr std::size_t kDigitCount = 10;

inline constexpr std::array<ColourRow, 12> kColourRows{{
    {"Black", "&H00000000&", 0, {"", "", " ohm"}, true},
    {"Brown", "&H00004080&", 1, {"", "", "0 ohm"}, false},
    {"Red", "&H000000FF&", 2, {"", ".", " Kilohm"}, false},
    {"Orange", "&H000080FF&", 3, {"", "", " Kilohm"}, false},
    {"Yellow", "&H0000FFFF&", 4, {"", "", "0 Kilohm"}, false},
    {"Green", "&H0000FF00&", 5, {"", ".", " Megohm"}, false},
    {"Blue", "&H00FF0000&", 6, {"", "", " Megohm"}, true},
    {"Violet", "&H00FF00FF&", 7, {"", "", "0 Megohm"}, false},
    {"Grey", "&H00C0C0C0&", 8, {"", ".", " Gigohm"}, false},
    {"White", "&H00FFFFFF&", 9, {"", "", ". Gigohm"}, false},
    {"Gold", "&H00C0FFFF&", -1, {"", ".", " ohm"}, false},
    {"Silver", "&H00E0E0E0&", -2, {".", "", " ohm"}, false},
}};

// One entry of the tolerance list, painted like the colour row of the same
// colour ("None" shows white). Its field text ("5 %") and its suffix on the
// result line (" +/- 5%") are both written from the percentage.
struct ToleranceRow {
    std::string_view entry;
    std::size_t colourRow; // in kColourRows
    int percent;
};

inline constexpr std::array<ToleranceRow, 5> kToleranceRows{{
    {"Brown", 1, 1},
    {"Red", 2, 2},
    {"Gold", 10, 5},
    {"Silver", 11, 10},
    {"None", 9, 20},
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
