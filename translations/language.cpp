// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zevodave {

namespace {

// Where the build embeds the .qm files, and their names: zevodave_de.qm.
constexpr auto kOwnFolder = ":/i18n";
constexpr auto kOwnName = "zevodave";
constexpr auto kQtName = "qtbase";
constexpr auto kPrefix = "_";

} // namespace

void InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    // Each translator lives as long as the application that uses it.
    auto* own = new QTranslator(&app);
    if (!own->load(locale, kOwnName, kPrefix, kOwnFolder)) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, kQtName, kPrefix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace zevodave
