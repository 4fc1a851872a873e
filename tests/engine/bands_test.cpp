// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The band tables and the result line, against the colour code as students
// learn it: the lists, the colours a user sees, and the line's exact form.

#include "bands.h"
#include "resistance.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace zevodave;

namespace {

// Each entry of a band's list as a user sees it painted, "Entry RRGGBB",
// with "*" where its text is white; outside the list, the swatch's code.
std::string Painted(int band) {
    std::string seen;
    const auto texts = EntryTexts(band);
    for (int position = -1; position <= int(texts.size()); ++position) {
        const std::uint32_t bgr = ColourValue(SwatchColor(band, position));
        char rgb[16];
        std::snprintf(rgb, sizeof rgb, "%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16);
        const bool listed = position >= 0 && position < int(texts.size());
        seen += (listed ? std::string(texts[position]) + ' ' + rgb
                        : std::string(SwatchColor(band, position))) +
                (TextColor(band, position) == kWhiteText ? "*" : "") + ", ";
    }
    return seen;
}

TEST(Bands, ListsHoldTheirColoursInOrderPaintedAsOnAResistor) {
    const std::string digits = ", Black 000000*, Brown 804000, Red FF0000, Orange FF8000, "
                               "Yellow FFFF00, Green 00FF00, Blue 0000FF*, Violet FF00FF, "
                               "Grey C0C0C0, White FFFFFF, ";
    EXPECT_EQ(Painted(0), digits + "&H00C0FFFF&, ");
    EXPECT_EQ(Painted(2), digits + "Gold FFFFC0, Silver E0E0E0, , ");
    EXPECT_EQ(Painted(3),
              ", Brown 804000, Red FF0000, Gold FFFFC0, Silver E0E0E0, None FFFFFF, , ");
    EXPECT_EQ(Painted(4), ", , ");
    EXPECT_EQ(ColourValue("&H1FFFFFFFF&"), 0u);
}

// Where each multiplier puts the point, the zero and the unit, the
// tolerance's suffix, and the line as it grows band by band. Whole values
// show more lines; every line read back as its value is their test too.
TEST(ResistanceText, EveryMultiplierAndToleranceInItsExactForm) {
    // clang-format off
    const char* lines[] = {"47 ohm", "470 ohm", "4.7 Kilohm", "47 Kilohm", "470 Kilohm",
        "4.7 Megohm", "47 Megohm", "470 Megohm", "4.7 Gigohm", "47. Gigohm", "4.7 ohm", ".47 ohm"};
    // clang-format on
    for (int multiplier = 0; multiplier < 12; ++multiplier)
        EXPECT_EQ(ResistanceText(4, 7, multiplier, -1), lines[multiplier]) << multiplier;
    // clang-format off
    const std::pair<std::array<double, 4>, const char*> rows[] = {
        {{-1, -1, -1, -1}, ""}, {{-1, 7, 2, 2}, ""}, {{4, -1, 2, 2}, "4"}, {{4, 7, -1, 2}, "47"},
        {{4, 7, 12, 0}, "47 +/- 1%"}, {{9, 9, 9, 5}, "99. Gigohm"}};
    // clang-format on
    for (const auto& [b, line] : rows)
        EXPECT_EQ(ResistanceText(b[0], b[1], b[2], b[3]), line) << testing::PrintToString(b);
}

} // namespace
