// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Resistor window as a user meets it: opened from Learn > Resistor,
// driven by the keyboard, the main window followed and closed with it.

#include "frmresistor.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <memory>
#include <utility>

using namespace zevodave;

class LearnResistorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmResistor> main;
    QPointer<QWidget> learn;

    static QWidget* Focus() { return QApplication::focusWidget(); }

    // What is seen, parts joined by " | ": the main window's result line,
    // then in the Resistor window the picture's description, the working,
    // standard values and message as a screen reader gets them, whether each
    // step button works ("on" or "off"), the focus, and the main window's
    // control that takes the focus when it is next active. Where `expected`
    // has a "*" that part is skipped, and the parts after its last are left
    // out.
    QString Seen(const QStringList& expected) const {
        QStringList seen{main->findChild<QLineEdit*>("txtValues")->text()};
        for (const char* name : {"picResistor", "lblWorking", "lblStandard", "lblMessage"})
            seen << learn->findChild<QWidget*>(name)->accessibleDescription().replace('\n', " / ");
        for (const char* name : {"cmdPrevious", "cmdNext"})
            seen << (learn->findChild<QWidget*>(name)->isEnabled() ? "on" : "off");
        seen << QAccessible::queryAccessibleInterface(Focus())->text(QAccessible::Name)
             << main->focusWidget()->objectName();
        for (int i = 0; i < expected.size(); ++i)
            if (expected[i] == "*")
                seen[i] = "*";
        return seen.mid(0, expected.size()).join(" | ");
    }

    // Does a script's steps, then waits until what is seen is `expected`.
    // Steps: "Alt+N", "Up" are keys for the focus, "cboBand1:Up" for a main
    // window control; a step starting with a digit is typed into the focus
    // ("_" a space) and Enter pressed. An access key shows its button pressed
    // a moment before the button acts.
    void Step(const QString& script, const QString& expected) {
        for (QString step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step[0].isDigit())
                QTest::keyClicks(Focus(), step.replace('_', ' ') + '\r');
            else
                QTest::keySequence(step.contains(':')
                                       ? main->findChild<QWidget*>(step.section(':', 0, 0))
                                       : Focus(),
                                   QKeySequence(step.section(':', -1)));
        }
        QTRY_COMPARE(Seen(expected.split(" | ")), expected);
    }

  private slots:
    // Learn > Resistor with the main window at the screen's left edge.
    void init() {
        main = std::make_unique<frmResistor>();
        main->move(main->screen()->availableGeometry().topLeft());
        main->show();
        main->findChild<QAction*>("mnuLearnResistor")->trigger();
        QTRY_VERIFY((learn = main->findChild<QWidget*>("frmLearnResistor")) &&
                    learn->isActiveWindow());
    }
    void cleanup() { main.reset(); }

    // One journey, each row going on from where the one before left off.
    void journey() {
        const std::pair<QString, QString> rows[] = {
            // Nothing chosen yet; the focus in the value field takes a value
            // that chooses all four bands in the main window.
            {"", " | Bands: not chosen, not chosen, not chosen, not chosen |  |  |  | off | off"},
            {"4k7_5%", "4.7 Kilohm +/- 5% | Bands: Yellow, Violet, Red, Gold | Yellow 4, Violet 7 "
                       "give 47 / Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm / Gold: "
                       "+/- 5%, so from 4.465 to 4.935 Kilohm | 4.7 Kilohm is in E6, E12 and E24"},
            // Next steps in E12, the tolerance kept; in E6, Previous steps to
            // the nearer value below.
            // The main window's focus moves on from the last band chosen, as a
            // choice made there moves it.
            {"Alt+N", "5.6 Kilohm +/- 5% | * | * | 5.6 Kilohm is in E12 and E24 | * | * | * | * | "
                      "cboBand3"},
            {"Alt+S Up Alt+P", "4.7 Kilohm +/- 5% | * | * | * | * | * | * | E6"},
            // The main window followed; a refused value changes nothing and
            // says why.
            {"cboBand1:Up Alt+V 4.75k",
             "* | Bands: Yellow, Blue, Red, Gold | * | * | 4.75 Kilohm needs three significant "
             "figures: a five-band resistor. Nearest four-band E24 values: 4.7 and 5.1 Kilohm."},
            // Band 1 Black: one figure, still in the unit of the value it makes.
            {"cboBand0:Up cboBand0:Up cboBand0:Up cboBand0:Up",
             "* | Bands: Black, Blue, Red, Gold | Black 0, Blue 6 give 6 / Red multiplies by 100: "
             "6 x 100 = 600 ohm / Gold: +/- 5%, so from 570 to 630 ohm"},
            // The message cleared; Previous off at the lowest E6 value, Next on.
            {"0.1_1%", "* | * | Brown 1, Black 0 give 10 / Silver multiplies by 0.01: 10 x 0.01 = "
                       "0.10 ohm / Brown: +/- 1%, so from 0.099 to 0.101 ohm | * |  | off | on"},
        };
        for (const auto& [script, expected] : rows)
            Step(script, expected);
    }

    // Right of the main window without covering it, off the task bar, fixed,
    // its controls apart, the longest working fitting its label wrapped and
    // shown to the eye as to a screen reader; the window and its controls by
    // object name as a screen reader names them, in the order they are laid
    // out, each caption before its control; and closed and destroyed with the
    // main window.
    void windowTraits() {
        // The longest working, White's.
        Step("47G_1%", "47. Gigohm +/- 1%");
        QVERIFY(learn->x() > main->frameGeometry().right() && learn->windowType() == Qt::Tool &&
                learn->minimumSize() == learn->maximumSize());
        const QLabel* working = learn->findChild<QLabel*>("lblWorking");
        QVERIFY(working->text() == working->accessibleDescription() &&
                working->minimumSizeHint().width() <= working->width() &&
                working->heightForWidth(working->width()) <= working->height());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(learn);
        QCOMPARE(window->role(), QAccessible::Dialog);
        QStringList heard{window->text(QAccessible::Name)};
        for (int i = 0; i < window->childCount(); ++i) {
            heard << window->child(i)->object()->objectName() + " " +
                         window->child(i)->text(QAccessible::Name);
            for (int j = 0; j < i; ++j)
                QVERIFY(!window->child(i)->rect().intersects(window->child(j)->rect()));
        }
        QCOMPARE(heard.join(", "),
                 "Zevodave Resistor, picResistor Resistor picture, lblWorking Working, lblStandard "
                 "Standard values, lblSeries Series, cboSeries E12, cmdPrevious Previous standard "
                 "value, cmdNext Next standard value, lblValue Value, txtValue Value, lblMessage "
                 "Message");
        main->close();
        QTRY_VERIFY(!learn);
    }
};

QTEST_MAIN(LearnResistorTest)
#include "learnresistor_test.moc"
