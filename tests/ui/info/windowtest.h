#pragma once
// What the help and about window tests share: opening a window as the main
// window does, waiting for its end, and checking that the program outlives
// the main window while it is open.

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace zevodave::testing {

constexpr int kPatienceMs = 2000;
constexpr int kSettleMs = 100;
constexpr int kTimedOut = 99;

// Shows `window` and waits until it is the active window.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Waits until the window is destroyed (it deletes itself when closed).
template <typename Window> bool Destroyed(const QPointer<Window>& window) {
    return QTest::qWaitFor([&window] { return window.isNull(); }, kPatienceMs);
}

// Runs the program's event loop with a plain window standing in for the main
// window beside `window`: closes the main window first, then checks that the
// program still runs with `window` open, then closes that too. True when the
// program went on after the main window and ended with the last window.
template <typename Window> bool OutlivesTheMainWindow(const QPointer<Window>& window) {
    QWidget mainWindow;
    mainWindow.show();
    bool stillRunning = false;
    QTimer::singleShot(0, &mainWindow, [&] {
        mainWindow.close();
        QTimer::singleShot(kSettleMs, &mainWindow, [&] {
            stillRunning = !window.isNull() && window->isVisible();
            if (window)
                window->close();
        });
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(kTimedOut); });
    deadline.start(kPatienceMs);
    const int status = QCoreApplication::exec();
    return stillRunning && status == 0;
}

} // namespace zevodave::testing
