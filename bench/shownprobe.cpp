// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Preloaded into a program by the start-up benchmark: the moment the
// program's first window is on the screen it ends the program, so that
// /usr/bin/time measures the start alone. The tests preload it too, with
// ZEVODAVE_PROBE_ICON set: then a window shown without the program's icon,
// or by a program whose name is not ZEVODAVE_PROBE_NAME, ends the program
// with a failure.

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QWindow>

#include <cstdlib>

namespace {

// The icon is looked at in the size a title bar shows it.
constexpr int kIconSide = 16;

bool ShownAsItShould(const QWindow& window) {
    return !qEnvironmentVariableIsSet("ZEVODAVE_PROBE_ICON") ||
           (!window.icon().pixmap(kIconSide).isNull() &&
            QCoreApplication::applicationName() == qEnvironmentVariable("ZEVODAVE_PROBE_NAME"));
}

class ShownProbe : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed())
            std::_Exit(ShownAsItShould(*window) ? EXIT_SUCCESS : EXIT_FAILURE);
        return false;
    }
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new ShownProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
