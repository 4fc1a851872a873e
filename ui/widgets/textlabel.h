// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Labels of the Learn windows: texts that change as the user works, heard by
// a screen reader, and captions that name the control their access key
// moves to.

#include <QLabel>

namespace zevodave {

// Shows a text to the eye and, through the description, to a screen reader:
// a label with an accessible name no longer exposes its text.
void ShowText(QLabel* label, const QString& text);

// A label for a text that changes, heard as `accessibleName` and its text,
// wrapped at word boundaries. With `lines`, it keeps room for that many
// lines, so its window never changes size as the text does.
QLabel* NewTextLabel(const QString& name, const QString& accessibleName, int lines = 0);

// A caption for a control: its access key moves the focus there, and a
// screen reader names the control by it.
QLabel* NewCaption(const QString& name, const QString& text, QWidget* buddy);

} // namespace zevodave
