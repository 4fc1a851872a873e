// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Window layouts are drawn in twips (1/1440 inch, 15 to the pixel at 96 dots
// per inch). Qt places widgets in device-independent pixels and scales those
// itself for dense screens and QT_SCALE_FACTOR, so one conversion here keeps
// every window right at any scale.

#include <QRect>

namespace zevodave {

inline constexpr int kTwipsPerPixel = 15;

// Device-independent pixels for a length in twips (never negative in a
// layout), rounded to the nearest pixel (the layouts use whole pixels, so
// nothing is lost there).
constexpr int Twips(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A control's Left, Top, Width and Height in twips as a widget geometry.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

} // namespace zevodave
