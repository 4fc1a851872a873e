// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "resistance.h"

#include "bands.h"

#include <array>
#include <charconv>

namespace zevodave {

namespace {

// A band position as the decimal text of the number (4 -> "4", -1 -> "-1").
std::string PositionText(double position) {
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), position);
    return ec == std::errc{} ? std::string(buffer.data(), end) : std::string{};
}

// A tolerance as the result line ends with it: " +/- 5%".
std::string ToleranceSuffix(int percent) {
    return " +/- " + std::to_string(percent) + "%";
}

} // namespace

std::string ResistanceText(double first, double second, double multiplier, double tolerance) {
    if (first == kNoPosition)
        return {};
    const std::string d1 = PositionText(first);
    if (second == kNoPosition)
        return d1;
    const std::string d2 = PositionText(second);
    std::string line = d1 + d2;
    if (multiplier == kNoPosition)
        return line;

    for (int position = 0; position < static_cast<int>(kColourRows.size()); ++position) {
        if (multiplier == position) {
            const MultiplierPattern& p = kColourRows[position].pattern;
            line = std::string(p.before) + d1 + std::string(p.between) + d2 + std::string(p.after);
            break;
        }
    }
    for (int position = 0; position < static_cast<int>(kToleranceRows.size()); ++position) {
        if (tolerance == position) {
            line += ToleranceSuffix(kToleranceRows[position].Percent());
            break;
        }
    }
    return line;
}

} // namespace zevodave
