// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// What the help and about windows have in common: a window of its own, off
// the task bar, fixed in size, centred on the screen, destroyed when closed,
// in the small font of its twips layout.

#include "twips.h"

#include <QFont>
#include <QScreen>
#include <QWidget>

namespace zevodave {

// The layouts are drawn for 8-point text, like the dialogs of their time; the
// desktop's usual 9 or 10 points would run past their fixed labels and
// buttons. The face stays the desktop's.
inline constexpr int kInfoWindowFontPoints = 8;

inline void SetUpInfoWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
    // A tool window keeps off the task bar; fixed border, close box only.
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    // Qt takes a tool window for a helper that never keeps the program
    // running; these are windows in their own right, so the program goes on
    // while one is open, even after the main window is closed.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    window->setFixedSize(Twips(clientWidthTwips), Twips(clientHeightTwips));
    // Centred here, by its fixed size, as the main window is. Left to
    // QDialog, it allows for a frame of 10 by 40 pixels whenever no shown
    // window has one yet, as on an X server with no window manager, and opens
    // that far up and to the left; a window the program has placed is not
    // placed again.
    if (const QScreen* target = window->screen())
        window->move(target->availableGeometry().center() - window->rect().center());
    QFont font = window->font();
    font.setPointSize(kInfoWindowFontPoints);
    window->setFont(font);
}

} // namespace zevodave
