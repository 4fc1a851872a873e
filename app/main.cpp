// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "appinfo.h"
#include "frmresistor.h"
#include "language.h"

#include <QApplication>
#include <QIcon>
#include <QString>

namespace {

// Compiled into the program from resources/; every window carries it.
constexpr auto kIconPath = ":/zevodave/zevodave.png";

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zevodave::InstallTranslations(app);
    QApplication::setApplicationName(QString::fromUtf8(zevodave::kAppTitle));
    QApplication::setWindowIcon(QIcon(kIconPath));

    zevodave::frmResistor window;
    window.show();
    return QApplication::exec();
}
