// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// What the Learn windows share: how each is set up, and where a companion
// of the main window opens.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <initializer_list>

class QDialog;
class QString;
class QWidget;

namespace zevodave {

enum class LearnWindowKind {
    // Works with the main window: off the task bar, a fixed border with a
    // close box only.
    Companion,
    // A window of its own on the task bar, which keeps the program running.
    OwnWindow,
};

// Names the window, captions it with the program's title in place of the
// caption's %1 ("%1 Resistor") and has it destroyed when closed.
void SetUpLearnWindow(QDialog* window, const QString& name, const QString& caption,
                      LearnWindowKind kind);

// Where a window whose frame is `frame` big opens beside the frame `anchor`:
// to its right when the screen has room there, else to its left, else
// wholly on the screen as near to it as it can, at the anchor's height as
// far as the screen allows.
QPoint BesidePosition(const QRect& anchor, const QSize& frame, const QRect& screen);

// Moves a window not yet shown beside others on the first one's screen, so
// that it covers none of them where the screen has room, its frame taken to
// be as thick as the first one's. Null windows (one not open) are passed
// over.
void PlaceBeside(QWidget* window, std::initializer_list<const QWidget*> anchors);

} // namespace zevodave
