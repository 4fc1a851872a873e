// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Resistor window as a user meets it: opened from Learn > Resistor,
// driven by the keyboard, the main window followed and closed with it; and
// its picture.

#include "frmresistor.h"
#include "resistorpicture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <utility>

using namespace zevodave;

class LearnResistorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmResistor> main = std::make_unique<frmResistor>();
    QPointer<QWidget> learn;

    static QWidget* Focus() { return QApplication::focusWidget(); }

    // Does a script's steps, then compares what is seen with `expected`.
    // Steps: "Alt+N", "Up" are keys for the focus, "cboBand1:Up" for a main
    // window control; a step starting with a digit is typed into the focus
    // ("_" a space) and Enter pressed. Each waits as long as an access key
    // takes to show its button pressed.
    // Seen, parts joined by " | ": the main window's result line, then in
    // the Resistor window the picture's description, the working, standard
    // values and message as a screen reader gets them, whether each step
    // button works ("on" or "off"), and the focus. A "*" in `expected` skips
    // a part, and the parts after its last are not compared.
    void Step(const QString& script, const QString& expected) {
        for (QString step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step[0].isDigit())
                QTest::keyClicks(Focus(), step.replace('_', ' ') + '\r');
            else
                QTest::keySequence(step.contains(':')
                                       ? main->findChild<QWidget*>(step.section(':', 0, 0))
                                       : Focus(),
                                   QKeySequence(step.section(':', -1)));
            QTest::qWait(200);
        }
        QStringList seen{main->findChild<QLineEdit*>("txtValues")->text()};
        for (const char* name : {"picResistor", "lblWorking", "lblStandard", "lblMessage"})
            seen << learn->findChild<QWidget*>(name)->accessibleDescription();
        for (const char* name : {"cmdPrevious", "cmdNext"})
            seen << (learn->findChild<QWidget*>(name)->isEnabled() ? "on" : "off");
        seen << QAccessible::queryAccessibleInterface(Focus())->text(QAccessible::Name);
        const QStringList want = expected.split(" | ");
        for (int i = 0; i < want.size(); ++i)
            if (want[i] != "*")
                QCOMPARE(seen[i].replace('\n', " / "), want[i]);
    }

  private slots:
    // One journey, each row going on from where the one before left off,
    // from Learn > Resistor with the main window at the screen's left edge.
    void journey() {
        main->move(main->screen()->availableGeometry().topLeft());
        main->show();
        main->findChild<QAction*>("mnuLearnResistor")->trigger();
        QTRY_VERIFY((learn = main->findChild<QWidget*>("frmLearnResistor")) &&
                    learn->isActiveWindow());
        const std::pair<QString, QString> rows[] = {
            // Nothing chosen yet; the focus in the value field takes a value
            // that chooses all four bands in the main window.
            {"", " | Bands: not chosen, not chosen, not chosen, not chosen |  |  |  | off | off"},
            {"4k7_5%", "4.7 Kilohm +/- 5% | Bands: Yellow, Violet, Red, Gold | Yellow 4, Violet 7 "
                       "give 47 / Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm / Gold: "
                       "+/- 5%, so from 4.465 to 4.935 Kilohm | 4.7 Kilohm is in E6, E12 and E24"},
            // Next steps in E12, the tolerance kept; in E6, Previous steps to
            // the nearer value below.
            {"Alt+N", "5.6 Kilohm +/- 5% | * | * | 5.6 Kilohm is in E12 and E24"},
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
            // The longest working, White's, for the next test.
            {"47G", "47. Gigohm +/- 1%"},
        };
        for (const auto& [script, expected] : rows)
            Step(script, expected);
    }

    // Right of the main window without covering it, off the task bar, fixed,
    // its controls apart, the longest working fitting its label wrapped and
    // shown to the eye as to a screen reader; the window and its controls by
    // object name as a screen reader names them, in the order they are
    // created (the tab order); and closed and destroyed with the main window.
    void windowTraits() {
        QVERIFY(learn->x() > main->frameGeometry().right());
        QVERIFY(learn->windowType() == Qt::Tool && learn->minimumSize() == learn->maximumSize());
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
                 "Standard values, cboSeries E6, lblSeries Series, cmdPrevious Previous standard "
                 "value, cmdNext Next standard value, txtValue Value, lblValue Value, lblMessage "
                 "Message");
        main->close();
        QTRY_VERIFY(!learn);
    }

    // Across the middle, each run of one colour and its length in pixels: the
    // leads 8c8c8c, outlines 404040, the body e6cfa0, each band in its swatch
    // colour (Yellow ffff00, Violet ff00ff, Red ff0000, Gold ffffc0; Black
    // 000000, Silver e0e0e0), and no colour blended at an edge; a band not
    // chosen is an empty outline and the tolerance None no band at all.
    void picture() {
        ResistorPicture picture;
        QString seen;
        for (const auto& bands : {BandPositions{4, 7, 2, 2}, BandPositions{0, -1, 11, 4}}) {
            picture.SetBands(bands);
            const QImage image = picture.grab().toImage();
            const auto colour = [&image](int x) {
                return image.pixel(x, image.height() / 2) & RGB_MASK;
            };
            seen += " /";
            for (int x = 1, start = 0; x <= image.width(); ++x)
                if (x == image.width() || colour(x) != colour(start)) {
                    seen += QString(" %1 %2").arg(colour(start), 6, 16, QChar('0')).arg(x - start);
                    start = x;
                }
        }
        QCOMPARE(seen,
                 " / 8c8c8c 48 404040 1 e6cfa0 16 404040 1 ffff00 11 404040 1 e6cfa0 8 404040 1 "
                 "ff00ff 11 404040 1 e6cfa0 9 404040 1 ff0000 11 404040 1 e6cfa0 40 404040 1 "
                 "ffffc0 11 404040 1 e6cfa0 17 404040 1 8c8c8c 48 / 8c8c8c 48 404040 1 e6cfa0 "
                 "16 404040 1 000000 11 404040 1 e6cfa0 8 404040 1 e6cfa0 11 404040 1 e6cfa0 9 "
                 "404040 1 e0e0e0 11 404040 1 e6cfa0 70 404040 1 8c8c8c 48");
    }
};

QTEST_MAIN(LearnResistorTest)
#include "learnresistor_test.moc"
