// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Preloaded into a program by the start-up benchmark: the moment the
// program's first window is on the screen it ends the program, so that
// /usr/bin/time measures the start alone.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdlib>

namespace {

class ShownProbe : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed())
            std::_Exit(EXIT_SUCCESS);
        return false;
    }
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new ShownProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
