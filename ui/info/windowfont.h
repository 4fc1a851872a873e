#pragma once
// The help and about windows are laid out in twips for 8-point text, like
// the dialogs of their time; the desktop's usual 9 or 10 points would run
// past their fixed labels and buttons. The face stays the desktop's.

#include <QFont>

namespace zevodave {

inline constexpr int kInfoWindowFontPoints = 8;

inline QFont InfoWindowFont(QFont desktopFont) {
    desktopFont.setPointSize(kInfoWindowFontPoints);
    return desktopFont;
}

} // namespace zevodave
