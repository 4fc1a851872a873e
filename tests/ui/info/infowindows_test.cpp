// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The help and about windows as a user meets them, and System Info against
// the fake platform. Single instances and closing the main window under an
// open help window are proved through the main window's Help menu.

#include "fakeplatform.h"
#include "frmabout.h"
#include "frmhelp.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>


namespace {

const QString kHelpText =
    "You can either select the color band from the drop down\r\nmenus or you can type the values "
    "directly into the right hand\r\ncorresponding fields.\r\nFor the third band (the multiplier) "
    "type the number of zeros.\r\nFor the fourth band type either 1, 2, 5, 10, or 20 for the "
    "tolerance.\r\nThe bottom field will show the calculated resistor value.\r\nYou can change "
    "any values at any time for recalculation.\r\n\r\nSmallest possible resistor value = .01 ohm "
    "+-20%\r\nLargest possible resistor value = 99 GigOhm +-20%\r\n\r\nThere are other band 4 "
    "tolerance values which I have not\r\nincluded because they are not commonly used.\r\nBlack   "
    "= 20 %\r\nOrange =  3 %\r\nGreen   =  5 %";

const QString kWarning =
    "Warning:\r\nThis program is strictly for converting values to resistor color bands or from "
    "resistor color bands to values. The program author assumes absolutely no responsibility "
    "whatsoever for any errors that may occur.";

constexpr int kTwipsPerPixel = 15;

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

    QPointer<QWidget> window;
    zevodave::testing::FakePlatform* platform = nullptr; // owned by the about window

    // Opens "frmHelp" or "frmAbout" (over an empty fake platform), active,
    // with OK focused.
    void Open(const QString& name) {
        delete window.data();
        auto fake = std::make_unique<zevodave::testing::FakePlatform>();
        platform = fake.get();
        window = name == "frmHelp" ? static_cast<QWidget*>(new zevodave::frmHelp)
                                   : new zevodave::frmAbout(std::move(fake));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget()->property("text"), "OK");
    }

  private slots:
    void cleanup() { delete window.data(); }

    // Each window's caption and client size, centred and announced to a
    // screen reader as a dialog named by its caption; then each control's
    // text and its Left, Top, Width and Height in twips, at every scale. A
    // label wraps its text within its width and shows all of it.
    void textsAndLayout() {
        const auto pixels = [](int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; };
        const std::tuple<const char*, QString, QList<int>> rows[] = {
            {"frmHelp", "Zevodave Help", {4950, 5085}},
            {"lblHelp", kHelpText, {120, 120, 4695, 4335}},
            {"OKButton", "OK", {3600, 4560, 1215, 375}},
            {"frmAbout", "About Zevodave", {5565, 2340}},
            {"lblTitle", "Zevodave", {90, 120, 5325, 360}},
            {"lblVersion", "Version 2.0.2", {120, 480, 5325, 225}},
            {"lblDescription", "Zevodave color code calculation", {120, 720, 5325, 210}},
            {"lblWarning", kWarning, {90, 960, 3735, 1215}},
            {"cmdOK", "OK", {4200, 1320, 1245, 345}},
            {"cmdSysInfo", "&System Info...", {4200, 1800, 1245, 345}}};
        for (const auto& [name, text, twips] : rows) {
            if (twips.size() == 2) {
                Open(name);
                QCOMPARE(window->size(), QSize(pixels(twips[0]), pixels(twips[1])));
                QCOMPARE(window->minimumSize(), window->maximumSize());
                const QPoint offset = window->frameGeometry().center() -
                                      window->screen()->availableGeometry().center();
                QVERIFY(offset.manhattanLength() <= 2);
                QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(window);
                QCOMPARE(
                    std::tuple(window->windowTitle(), seen->role(), seen->text(QAccessible::Name)),
                    std::tuple(text, QAccessible::Dialog, text));
                continue;
            }
            const QWidget* control = window->findChild<QWidget*>(name);
            QCOMPARE(control->property("text").toString(), text);
            QCOMPARE(control->geometry(),
                     QRect(pixels(twips[0]), pixels(twips[1]), pixels(twips[2]), pixels(twips[3])));
            QVERIFY2(!qobject_cast<const QLabel*>(control) ||
                         (control->minimumSizeHint().width() <= control->width() &&
                          control->heightForWidth(control->width()) <= control->height()),
                     name);
        }
        // The title stands out: bold and larger than the rest.
        const QFont title = window->findChild<QWidget*>("lblTitle")->font();
        QVERIFY(title.bold() && title.pointSizeF() > window->font().pointSizeF());
    }

    // With no tool, System Info shows the message and the about window
    // stays open; a tool installed since starts with no message.
    void systemInfo() {
        Open("frmAbout");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QPointer<QMessageBox> message;
        QTRY_VERIFY((message = qobject_cast<QMessageBox*>(QApplication::activeWindow())));
        QCOMPARE(std::tuple(message->text(), message->windowTitle(), message->icon(),
                            message->buttons().size()),
                 std::tuple(QString("System Information Is Unavailable At This Time"),
                            QString("Zevodave"), QMessageBox::NoIcon, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(message.isNull());
        platform->tool = "/opt/sysinfo";
        QTest::mouseClick(window->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(platform->started, std::vector<std::string>{"/opt/sysinfo"});
        QVERIFY(window && window->isVisible());
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "infowindows_test.moc"
