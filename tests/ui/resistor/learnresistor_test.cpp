// The Resistor window as a user meets it: Learn > Resistor and the keyboard,
// the main window followed and closed with it; and its picture.

#include "frmresistor.h"
#include "resistorpicture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace zevodave;

namespace {

// An access key clicks its button after a short show of the press.
constexpr int kAnimatedClickMs = 200;

QWidget* Focus() {
    return QApplication::focusWidget();
}

// The name a screen reader announces a control by.
QString Heard(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The Resistor window while exactly one is open.
QWidget* Learn() {
    QWidgetList open = QApplication::topLevelWidgets();
    open.removeIf(
        [](QWidget* w) { return w->objectName() != "frmLearnResistor" || !w->isVisible(); });
    return open.size() == 1 ? open[0] : nullptr;
}

template <typename Control> Control* Find(const char* name) {
    return Learn()->findChild<Control*>(name);
}

} // namespace

class LearnResistorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmResistor> main = std::make_unique<frmResistor>();

    // The main window's result line; the picture's description and each text
    // as both the eye and a screen reader get it; which buttons work; the focus.
    QString Seen() const {
        QString seen = main->findChild<QLineEdit*>("txtValues")->text();
        if (!Learn())
            return seen + " | closed";
        seen += " | " + Find<QWidget>("picResistor")->accessibleDescription();
        for (const char* name : {"lblWorking", "lblStandard", "lblMessage"}) {
            const QLabel* label = Find<QLabel>(name);
            seen += " | " + (label->text() == label->accessibleDescription() ? label->text() : "?");
        }
        return seen.replace('\n', " / ") + " | " +
               (Find<QPushButton>("cmdPrevious")->isEnabled() ? "<" : "-") +
               (Find<QPushButton>("cmdNext")->isEnabled() ? ">" : "-") + " @" + Heard(Focus());
    }

    // "menu" is Learn > Resistor by its access keys; "t:4k7_5%" types into
    // the focused field ("_" a space) and presses Enter; "a:N" is Alt+N; "esc"
    // and "up" are keys; "b1:6" types 6 and Enter into the main window's band
    // 2 field.
    void Run(const QString& script) {
        for (const QString& step : script.split(' ')) {
            if (step == "menu") {
                main->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(main.get()));
                QTest::keyClick(Focus(), Qt::Key_L, Qt::AltModifier);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
                QTRY_VERIFY(Learn() && Learn()->isActiveWindow());
            } else if (step.startsWith("t:")) {
                QTest::keyClicks(Focus(), step.mid(2).replace('_', ' '));
                QTest::keyClick(Focus(), Qt::Key_Return);
            } else if (step.startsWith("a:")) {
                QTest::keyClick(Focus(), step[2].toLatin1(), Qt::AltModifier);
                QTest::qWait(kAnimatedClickMs);
            } else if (step.startsWith('b')) {
                auto* field = main->findChild<QLineEdit*>("txtBand" + step.mid(1, 1));
                field->selectAll();
                QTest::keyClicks(field, step.mid(3));
                QTest::keyClick(field, Qt::Key_Return);
            } else {
                QTest::keyClick(Focus(), step == "esc" ? Qt::Key_Escape : Qt::Key_Up);
            }
        }
    }

  private slots:
    void initTestCase() {
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    // One journey: each row goes on from where the one before left off.
    void journey_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const QString at47 =
            "4.7 Kilohm +/- 5% | Bands: Yellow, Violet, Red, Gold | Yellow 4, Violet 7 give 47 / "
            "Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm / Gold: +/- 5%, so from 4.465 "
            "to 4.935 Kilohm | 4.7 Kilohm is in E6, E12 and E24 |  | <> @";
        QTest::newRow("Learn > Resistor opens it, the focus in the value field")
            << "menu"
            << " | Bands: not chosen, not chosen, not chosen, not chosen |  |  |  | -- @Value";
        QTest::newRow("4k7 5% and Enter choose all four bands in the main window")
            << "t:4k7_5%" << at47 + "Value";
        QTest::newRow("Next standard value steps to 5.6 Kilohm in E12, the tolerance kept")
            << "a:N"
            << "5.6 Kilohm +/- 5% | Bands: Green, Blue, Red, Gold | Green 5, Blue 6 give 56 / Red "
               "multiplies by 100: 56 x 100 = 5600 ohm = 5.6 Kilohm / Gold: +/- 5%, so from 5.32 "
               "to 5.88 Kilohm | 5.6 Kilohm is in E12 and E24 |  | <> @Value";
        QTest::newRow("in E6, Previous steps to the nearer value below")
            << "a:S up a:P" << at47 + "E6";
        QTest::newRow("the main window followed; a refused value changes nothing and says why")
            << "b1:6 a:V t:4.75k"
            << "4.6 Kilohm +/- 5% | Bands: Yellow, Blue, Red, Gold | Yellow 4, Blue 6 give 46 / "
               "Red multiplies by 100: 46 x 100 = 4600 ohm = 4.6 Kilohm / Gold: +/- 5%, so from "
               "4.37 to 4.83 Kilohm | 4.6 Kilohm is not a standard value: nearest in E6 3.3 and "
               "4.7, in E12 3.9 and 4.7, in E24 4.3 and 4.7 Kilohm | 4.75 Kilohm needs three "
               "significant figures: a five-band resistor. Nearest four-band E24 values: 4.7 and "
               "5.1 Kilohm. | <> @Value";
        QTest::newRow("Previous is disabled at the lowest E6 value")
            << "t:0.1_1%"
            << ".10 ohm +/- 1% | Bands: Brown, Black, Silver, Brown | Brown 1, Black 0 give 10 / "
               "Silver multiplies by 0.01: 10 x 0.01 = 0.10 ohm / Brown: +/- 1%, so from 0.099 to "
               "0.101 ohm | 0.10 ohm is in E6, E12 and E24 |  | -> @Value";
        QTest::newRow("a second Learn > Resistor keeps the one window; Escape closes it")
            << "menu esc"
            << ".10 ohm +/- 1% | closed";
    }
    void journey() {
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Run(script);
        QCOMPARE(Seen(), seen);
    }

    // Off the task bar, fixed, destroyed when closed, laid out without
    // overlaps, beside the main window without covering it; and what a
    // screen reader finds: the window, each text, each stop of the tab cycle,
    // and the labels of the series list and the value field.
    void windowTraits_data() {
        QTest::addColumn<bool>("roomOnTheRight");
        QTest::newRow("right of the main window when the screen has room") << true;
        QTest::newRow("else left of it") << false;
    }
    void windowTraits() {
        QFETCH(bool, roomOnTheRight);
        const QRect screen = main->screen()->availableGeometry();
        main->move(roomOnTheRight ? screen.left() : screen.right() - main->frameGeometry().width(),
                   screen.top());
        Run("menu t:68G");
        const QPointer<QWidget> learn = Learn();
        QVERIFY(!learn->frameGeometry().intersects(main->frameGeometry()));
        QCOMPARE(learn->x() > main->x(), roomOnTheRight);
        QCOMPARE(learn->windowType(), Qt::Tool);
        QCOMPARE(learn->minimumSize(), learn->maximumSize());
        // The longest working, White's, fits its label wrapped.
        const QLabel* working = Find<QLabel>("lblWorking");
        QVERIFY(working->minimumSizeHint().width() <= working->width());
        QVERIFY(working->heightForWidth(working->width()) <= working->height());
        const QWidgetList controls = learn->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* a : controls)
            for (const QWidget* b : controls)
                QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
        QCOMPARE(QAccessible::queryAccessibleInterface(learn)->role(), QAccessible::Dialog);
        QStringList heard{Heard(learn)};
        for (const char* name : {"picResistor", "lblWorking", "lblStandard", "lblMessage"})
            heard << Heard(Find<QWidget>(name));
        for (int stop = 0; stop < 4; ++stop) {
            QTest::keyClick(Focus(), Qt::Key_Tab);
            heard << Heard(Focus());
        }
        for (const char* labelled : {"cboSeries", "txtValue"}) {
            QAccessibleInterface* label =
                QAccessible::queryAccessibleInterface(Find<QWidget>(labelled))
                    ->relations(QAccessible::Label)
                    .value(0)
                    .first;
            heard << label->object()->objectName() + " " + label->text(QAccessible::Name);
        }
        QCOMPARE(heard,
                 QStringList({"Zevodave Resistor", "Resistor picture", "Working", "Standard values",
                              "Message", "E12", "Previous standard value", "Next standard value",
                              "Value", "lblSeries Series", "lblValue Value"}));
        Run("esc");
        QTRY_VERIFY(!learn);
    }

    // The close box of the main window closes this one, and the program still
    // ends with the main window.
    void closesWithTheMainWindow() {
        Run("menu");
        const QPointer<QWidget> learn = Learn();
        QTimer::singleShot(0, main.get(), &QWidget::close);
        QCOMPARE(QCoreApplication::exec(), EXIT_SUCCESS);
        QTRY_VERIFY(!learn);
    }

    // Across the middle: lead, body, each band in its swatch colour; a band
    // not chosen and the tolerance None leave the plain body.
    void picture() {
        ResistorPicture picture;
        QStringList seen;
        for (const BandPositions& bands :
             {BandPositions{4, 7, 2, 2}, BandPositions{0, -1, 11, 4}}) {
            picture.SetBands(bands);
            const QImage image = picture.grab().toImage();
            const int y = image.height() / 2;
            // Runs of one colour, named, those under three pixels (edges and
            // outlines) left out.
            QStringList names;
            QSet<QRgb> colours;
            for (int x = 1, start = 0; x <= image.width(); ++x) {
                colours << image.pixel(x - 1, y);
                if (x < image.width() && image.pixelColor(x, y) == image.pixelColor(start, y))
                    continue;
                const QColor colour = image.pixelColor(start, y);
                QString name = colour == image.pixelColor(0, y) ? "lead" : "body";
                for (const ColourRow& row : kColourRows) {
                    const QRgb value = ColourValue(row.colourCode);
                    if (colour == QColor(qBlue(value), qGreen(value), qRed(value)))
                        name = QString::fromUtf8(row.entry);
                }
                if (x - start >= 3 && (names.isEmpty() || names.back() != name))
                    names << name;
                start = x;
            }
            // Sharp bands: no colours blended at their edges.
            seen << names.join(' ') + " in " + QString::number(colours.size()) + " colours";
        }
        QCOMPARE(
            seen,
            QStringList({"lead body Yellow body Violet body Red body Gold body lead in 7 colours",
                         "lead body Black body Silver body lead in 5 colours"}));
    }
};

QTEST_MAIN(LearnResistorTest)
#include "learnresistor_test.moc"
