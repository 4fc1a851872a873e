#pragma once
// What the help and about window tests share: opening a window, waiting for
// its end, and checking that the program outlives the main window.

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace zevodave::testing {

constexpr int kPatienceMs = 2000;
constexpr int kSettleMs = 100;
constexpr int kTimedOut = 99;

inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The windows delete themselves when closed.
template <typename Window> bool Destroyed(const QPointer<Window>& window) {
    return QTest::qWaitFor([&window] { return window.isNull(); }, kPatienceMs);
}

inline bool TextFits(const QLabel* label) {
    return label->wordWrap() && label->heightForWidth(label->width()) <= label->height();
}

// Runs the event loop with a plain window standing in for the main window:
// closes it, checks that the program still runs with `window` open, then
// closes that too. True when the program ended with the last window only.
template <typename Window> bool OutlivesTheMainWindow(const QPointer<Window>& window) {
    QWidget mainWindow;
    mainWindow.show();
    bool stillRunning = false;
    QTimer::singleShot(0, &mainWindow, [&] {
        mainWindow.close();
        QTimer::singleShot(kSettleMs, &mainWindow, [&] {
            stillRunning = window && window->isVisible();
            if (window)
                window->close();
        });
    });
    QTimer deadline;
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(kTimedOut); });
    deadline.start(kPatienceMs);
    return QCoreApplication::exec() == 0 && stillRunning;
}

} // namespace zevodave::testing
