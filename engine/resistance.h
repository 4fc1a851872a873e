// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The result line: the resistance with its unit and tolerance, put together
// from text pieces so the digits appear exactly as chosen ("4.7 Kilohm +/- 5%").

#include <string>

namespace zevodave {

// The four band positions in band order, -1 where nothing is chosen. The line
// grows from left to right: nothing, the first digit, both digits, the value
// with its unit, then the tolerance. A tolerance is only shown once the
// multiplier is chosen.
std::string ResistanceText(double first, double second, double multiplier, double tolerance);

} // namespace zevodave
