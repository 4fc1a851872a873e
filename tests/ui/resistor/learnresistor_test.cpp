// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Resistor window as a user meets it: opened from Learn > Resistor,
// driven by the keyboard, the main window followed and closed with it.

#include "frmresistor.h"
#include "part.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
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
    // step button and Turn round work ("on" or "off"), the focus, the main window's control
    // that takes the focus when it is next active, and what the other end
    // gives. Where `expected` has a "*" that part is skipped, and the parts
    // after its last are left out.
    QString Seen(const QStringList& expected) const {
        QStringList seen{main->findChild<QLineEdit*>("txtValues")->text()};
        for (const char* name : {"picResistor", "lblWorking", "lblStandard", "lblMessage"})
            seen << learn->findChild<QWidget*>(name)->accessibleDescription().replace('\n', " / ");
        for (const char* name : {"cmdPrevious", "cmdNext", "cmdTurnRound"})
            seen << (learn->findChild<QWidget*>(name)->isEnabled() ? "on" : "off");
        seen << QAccessible::queryAccessibleInterface(Focus())->text(QAccessible::Name)
             << main->focusWidget()->objectName()
             << learn->findChild<QWidget*>("lblOtherEnd")->accessibleDescription();
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

    // One journey, each row going on from where the one before left off.
    void journey() {
        // clang-format off
        const std::pair<QString, QString> rows[] = {
            // Nothing chosen yet; the focus in the value field takes a value
            // that chooses all four bands in the main window.
            {"", " | Bands: not chosen, not chosen, not chosen, not chosen |  |  |  | off | off | off"},
            {"4k7_5%", "4.7 Kilohm +/- 5% | Bands: Yellow, Violet, Red, Gold | Yellow 4, Violet 7 give 47 / Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm / Gold: +/- 5%, so from 4.465 to 4.935 Kilohm | 4.7 Kilohm is in E6, E12 and E24"},
            // Next steps in E12, the tolerance kept; in E6, Previous steps to
            // the nearer value below.
            // The main window's focus moves on from the last band chosen, as a
            // choice made there moves it.
            {"Alt+N", "5.6 Kilohm +/- 5% | * | * | 5.6 Kilohm is in E12 and E24 | * | * | * | * | * | cboBand3"},
            {"Alt+S Up Alt+P", "4.7 Kilohm +/- 5% | * | * | * | * | * | * | * | E6"},
            // The main window followed; a refused value changes nothing and
            // says why.
            {"cboBand1:Up Alt+V 4.753k", "* | Bands: Yellow, Blue, Red, Gold | * | * | 4.753 Kilohm needs 4 significant figures. Nearest four-band E24 values: 4.7 and 5.1 Kilohm."},
            // Band 1 Black: one figure, still in the unit of the value it makes.
            {"cboBand0:Up cboBand0:Up cboBand0:Up cboBand0:Up", "* | Bands: Black, Blue, Red, Gold | Black 0, Blue 6 give 6 / Red multiplies by 100: 6 x 100 = 600 ohm / Gold: +/- 5%, so from 570 to 630 ohm"},
            // The message cleared; Previous off at the lowest E6 value, Next on.
            {"0.1_1%", "* | * | Brown 1, Black 0 give 10 / Silver multiplies by 0.01, that is divides by 100: 10 x 0.01 = 0.10 ohm / Brown: +/- 1%, so from 0.099 to 0.101 ohm | * |  | off | on | * | * | * | From the other end: Silver is not a figure, so this end is the start."},
            // Three figures move the window on to five bands, the tolerance
            // kept; the main window keeps its four bands.
            {"4.99k", ".10 ohm +/- 1% | Bands: Yellow, White, White, Brown, Brown | Yellow 4, White 9, White 9 give 499 / Brown multiplies by 10: 499 x 10 = 4990 ohm = 4.99 Kilohm / Brown: +/- 1%, so from 4.9401 to 5.0399 Kilohm | 4.99 Kilohm is in E96 and E192 | 4.99 Kilohm needs five bands: the window shows it on a five-band part, and the main window keeps its four bands. | * | * | * | * | * | From the other end: Brown, Brown, White, White, Yellow give 119 Gigohm +/- 0.02%, not a standard value, so this end is likely the start."},
            // Next in E96; turned round; a sixth band.
            {"Alt+S Down Down Down Down", "* | * | * | * | * | * | * | * | E96"},
            {"Alt+N", "* | Bands: Green, Brown, Brown, Brown, Brown | * | 5.11 Kilohm is in E48, E96 and E192 | * | * | * | * | * | * | From the other end: Brown, Brown, Brown, Brown, Green give 1.11 Kilohm +/- 0.5%, also a standard value: the tolerance band is the one set apart by the wider gap."},
            {"Alt+T", "* | Bands: Brown, Brown, Brown, Brown, Green | * | * | * | * | * | * | E96"},
            {"Alt+B Down Alt+6 Down Down Down", "* | Bands: Brown, Brown, Brown, Brown, Green, Red | Brown 1, Brown 1, Brown 1 give 111 / Brown multiplies by 10: 111 x 10 = 1110 ohm = 1.11 Kilohm / Green: +/- 0.5%, so from 1.10445 to 1.11555 Kilohm / Red: 50 ppm/K, so at most 0.0555 ohm more or less for each degree warmer or cooler"},
            // Back at four bands, the main window's bands, untouched, and E24
            // for E96, which four bands are not offered.
            {"Alt+B Up Up Alt+S", ".10 ohm +/- 1% | Bands: Brown, Black, Silver, Brown | * | * | * | * | * | * | E24"},
            // E24 the last series four bands are offered.
            {"End", "* | * | * | * | * | * | * | * | E24"},
            // clang-format on
        };
        for (const auto& [script, expected] : rows)
            Step(script, expected);
        // The fifth band's list and caption hidden.
        for (const char* name : {"lblBand4", "cboBand4"})
            QVERIFY(!learn->findChild<QWidget*>(name)->isVisible());
    }

    // Off the task bar, fixed, its controls apart, the longest working
    // fitting its label wrapped; the window and its controls by object name
    // as a screen reader names them, in the order they are laid out, each
    // caption before its control; and closed and destroyed with the main
    // window.
    void windowTraits() {
        // The longest working, six bands' at the largest multiplier and the
        // finest tolerance.
        Step("Alt+B Down Down Alt+V 976G_0.01% Alt+6 Down",
             "* | Bands: White, Violet, Blue, White, Grey, Black");
        // Each list holds its band's colours, heard as "Band 1"..., painted
        // in its ink with text that reads on it.
        QStringList lists;
        for (int band = 0; band < kSixBands; ++band) {
            const auto* list = learn->findChild<QComboBox*>(QString("cboBand%1").arg(band));
            QVERIFY(list->accessibleDescription() == QString("Band %1").arg(band + 1));
            lists << QString("%1 %2/%3")
                         .arg(list->count())
                         .arg(list->palette().color(QPalette::Button).name(),
                              list->palette().color(QPalette::ButtonText).name());
        }
        // Three to a row: Band 4 under Band 1.
        QCOMPARE(learn->findChild<QWidget*>("cboBand3")->x(),
                 learn->findChild<QWidget*>("cboBand0")->x());
        QCOMPARE(lists.join(", "), "10 #f7f7f2/#000000, 10 #8a3fb8/#ffffff, 10 #2860c8/#ffffff, "
                                   "13 #f7f7f2/#000000, 10 #8e8e8e/#000000, 9 #1e1e1e/#ffffff");
        // Alt+C hides the letter codes under the bands.
        QWidget* picture = learn->findChild<QWidget*>("picResistor");
        const QImage coded = picture->grab().toImage();
        QTest::keySequence(Focus(), QKeySequence("Alt+C"));
        QTRY_VERIFY(picture->grab().toImage() != coded);
        QVERIFY(learn->windowType() == Qt::Tool && learn->minimumSize() == learn->maximumSize());
        const QLabel* working = learn->findChild<QLabel*>("lblWorking");
        QVERIFY(working->heightForWidth(working->width()) <= working->height());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(learn);
        QStringList heard{window->text(QAccessible::Name)};
        for (int i = 0; i < window->childCount(); ++i) {
            heard << window->child(i)->object()->objectName() + " " +
                         window->child(i)->text(QAccessible::Name);
            for (int j = 0; j < i; ++j)
                QVERIFY(!window->child(i)->rect().intersects(window->child(j)->rect()));
        }
        QCOMPARE(heard.join(", "),
                 "Zevodave Resistor, picResistor Resistor picture, lblBands Bands, cboBands 6 "
                 "bands, chkCodes Colour codes, lblBand0 Band 1, cboBand0 White, lblBand1 Band 2, "
                 "cboBand1 Violet, lblBand2 Band 3, cboBand2 Blue, lblBand3 Band 4, cboBand3 "
                 "White, lblBand4 Band 5, cboBand4 Grey, lblBand5 Band 6, cboBand5 Black, "
                 "lblWorking Working, lblStandard Standard values, lblOtherEnd Other end, "
                 "cmdTurnRound Turn round, lblSeries Series, cboSeries E12, cmdPrevious Previous "
                 "standard value, cmdNext Next standard value, lblValue Value, txtValue Value, "
                 "lblMessage Message");
        main->close();
        QTRY_VERIFY(!learn);
    }
};

QTEST_MAIN(LearnResistorTest)
#include "learnresistor_test.moc"
