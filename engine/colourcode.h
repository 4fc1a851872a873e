// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The colour code of leaded resistors: what each of the thirteen colours
// means as a figure, a multiplier, a tolerance and a temperature coefficient,
// its letter code, and the ink a band of it is drawn in.
//
// Source: IEC 60062:2016, "Marking codes for resistors and capacitors",
// table 1 (figures, multipliers, tolerances) and table 2 (temperature
// coefficients); the letter codes are those of IEC 60757:1983. Grey's
// tolerance is the 2016 table's 0.01%; older charts print 0.05%, which the
// 2016 table gives to Orange.

#include <array>
#include <cstdint>
#include <string_view>

namespace zevodave {

// The colours by their row in kColourCode.
namespace colour {
enum : int {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    Gold,
    Silver,
    Pink
};
} // namespace colour

// What a colour lacks: no figure (Gold, Silver, Pink), no tolerance (Black,
// White, Pink), no temperature coefficient (White and the metals).
inline constexpr int kNoMeaning = -1;

struct ColourCode {
    std::string_view name;
    std::string_view letters; // IEC 60757
    int digit;
    int exponent;      // the multiplier is ten to this power
    int tolerance;     // in hundredths of a per cent: 100 is +/- 1%
    int coefficient;   // ppm/K
    std::uint32_t ink; // 0xRRGGBB, as the band looks on a real part
    bool metallic;     // drawn with a sheen
};

inline constexpr std::array<ColourCode, 13> kColourCode{{
    {"Black", "BK", 0, 0, kNoMeaning, 250, 0x1E1E1E, false},
    {"Brown", "BN", 1, 1, 100, 100, 0x7A4520, false},
    {"Red", "RD", 2, 2, 200, 50, 0xD2232A, false},
    {"Orange", "OG", 3, 3, 5, 15, 0xF47A20, false},
    {"Yellow", "YE", 4, 4, 2, 25, 0xF7D117, false},
    {"Green", "GN", 5, 5, 50, 20, 0x2E9E48, false},
    {"Blue", "BU", 6, 6, 25, 10, 0x2860C8, false},
    {"Violet", "VT", 7, 7, 10, 5, 0x8A3FB8, false},
    {"Grey", "GY", 8, 8, 1, 1, 0x8E8E8E, false},
    {"White", "WH", 9, 9, kNoMeaning, kNoMeaning, 0xF7F7F2, false},
    {"Gold", "GD", kNoMeaning, -1, 500, kNoMeaning, 0xC9A23A, true},
    {"Silver", "SR", kNoMeaning, -2, 1000, kNoMeaning, 0xB8BCC2, true},
    {"Pink", "PK", kNoMeaning, -3, kNoMeaning, kNoMeaning, 0xF2A2C0, false},
}};

inline constexpr int kColourCount = static_cast<int>(kColourCode.size());

} // namespace zevodave
