// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine speaks UTF-8 std::string_view; the windows speak QString.

#include <QByteArrayView>
#include <QString>

#include <string_view>

namespace zevodave {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(QByteArrayView(text));
}

} // namespace zevodave
