// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The SMD window as a user meets it: opened from Learn > SMD code by the
// keyboard, a marking read, a value's markings written, Escape.

#include "frmresistor.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace zevodave;

class SmdCodeTest : public QObject {
    Q_OBJECT

    // What a screen reader hears of the window: its name, then each
    // control's name and description, in the order they are laid out.
    static QString Heard(QWidget* window) {
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(window);
        QStringList heard{dialog->text(QAccessible::Name)};
        for (int i = 0; i < dialog->childCount(); ++i)
            heard << dialog->child(i)->text(QAccessible::Name) + " [" +
                         dialog->child(i)->text(QAccessible::Description) + "]";
        return heard.join(", ");
    }

  private slots:
    void journey() {
        auto main = std::make_unique<frmResistor>();
        main->move(main->screen()->availableGeometry().topLeft());
        main->show();
        QTRY_VERIFY(main->isActiveWindow());
        QTest::keyClick(main.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
        QPointer<QWidget> smd;
        QTRY_VERIFY((smd = QApplication::activeWindow()) && smd->objectName() == "frmSmdCode");
        // Clear of the main window where the screen has room for both.
        const bool room = main->frameGeometry().width() + smd->frameGeometry().width() <=
                          main->screen()->availableGeometry().width();
        QVERIFY(smd->windowType() == Qt::Tool && smd->minimumSize() == smd->maximumSize() &&
                !(room && smd->frameGeometry().intersects(main->frameGeometry())));

        // Each field reads on Enter and selects what it read, so the next
        // text types over it; a text that is no value says why, a value
        // with more figures than markings hold which markings cannot show it.
        QTest::keyClicks(QApplication::focusWidget(), "47X2\r 01c\r");
        QTest::keySequence(smd, QKeySequence("Alt+V"));
        QTest::keyClicks(QApplication::focusWidget(), "k\r");
        const QString refused = smd->findChild<QLabel*>("lblMarkings")->text().left(15);
        QTest::keyClicks(QApplication::focusWidget(), "4.753k\r");
        QCOMPARE(refused + " / " + smd->findChild<QLabel*>("lblMarkings")->text().left(30),
                 "No value found: / No marking shows 4.753 Kilohm:");
        QTest::keyClicks(QApplication::focusWidget(), "4k7\r");
        QCOMPARE(
            Heard(smd),
            "Zevodave SMD, Chip picture [Marking: 472], Marking [], Marking [], Reading [01C is "
            "an EIA-96 code: 01 is the E96 value 100 and C multiplies by 100, so 100 x 100 = "
            "10\u2009000 ohm = 10.0 Kilohm. EIA-96 markings usually mean +/- 1%.], Value [], "
            "Value [], Markings [4.7 Kilohm is marked 472 (three digits) or 4701 (four "
            "digits); it has no EIA-96 code, not being an E96 value.]");

        // The chip as drawn: a metal end, the dark body, the marking large in
        // white.
        const QImage chip = smd->findChild<QWidget*>("picChip")->grab().toImage();
        const qreal ratio = chip.devicePixelRatio();
        QCOMPARE(chip.pixelColor(QPoint(40, 42) * ratio), QColor(0xC4C7CC));
        QCOMPARE(chip.pixelColor(QPoint(60, 20) * ratio), QColor(0x1C1C1C));
        int top = chip.height(), bottom = 0;
        for (int y = 0; y < chip.height(); ++y)
            for (int x = 0; x < chip.width(); ++x)
                if (chip.pixelColor(x, y) == Qt::white)
                    top = std::min(top, y), bottom = std::max(bottom, y);
        QVERIFY(bottom - top > 15 * ratio);

        QTest::keyClick(smd, Qt::Key_Escape);
        QTRY_VERIFY(!smd);
        // Opened again from the main window in the screen's bottom right
        // corner: up from the bottom, wholly on the screen; it closes with
        // the main window.
        const QRect screen = main->screen()->availableGeometry();
        main->move(screen.bottomRight() - main->frameGeometry().bottomRight() + main->pos());
        main->findChild<QAction*>("mnuLearnSmd")->trigger();
        QTRY_VERIFY((smd = main->findChild<QWidget*>("frmSmdCode")));
        QVERIFY(screen.contains(smd->frameGeometry()));
        main->close();
        QTRY_VERIFY(!smd);
    }
};

QTEST_MAIN(SmdCodeTest)
#include "frmsmdcode_test.moc"
