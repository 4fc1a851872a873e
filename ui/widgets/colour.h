// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The band tables carry colours as colour code texts ("&H000080FF&"), read
// as 0x00BBGGRR with red in the lowest byte; Qt wants red, green and blue.

#include "bands.h"

#include <QColor>

#include <string_view>

namespace zevodave {

inline QColor ToQColor(std::string_view colourCode) {
    const QRgb bgr = ColourValue(colourCode);
    return QColor(qBlue(bgr), qGreen(bgr), qRed(bgr));
}

} // namespace zevodave
