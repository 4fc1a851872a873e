// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The program speaks the desktop's language where it has a translation, and
// English otherwise.

#include <QLocale>

class QCoreApplication;

namespace zevodave {

// Installs the program's translation for `locale` and Qt's own for its
// standard texts (buttons, context menus) where Debian ships them; nothing
// where the program has no translation for that language.
void InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

} // namespace zevodave
