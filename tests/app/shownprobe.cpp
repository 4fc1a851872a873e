// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Preloaded into a program: the moment its first window is on the screen it
// prints the application name, the window's title and the largest size of
// its icon, and ends the program. The start-up benchmark times programs with
// it; the start-up test reads what it prints.

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

class ShownProbe : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            const QList<QSize> sizes = window->icon().availableSizes();
            std::printf("%s %s %d\n", qPrintable(QCoreApplication::applicationName()),
                        qPrintable(window->title()), sizes.isEmpty() ? 0 : sizes.last().width());
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS);
        }
        return false;
    }
};

void InstallProbe() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new ShownProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
