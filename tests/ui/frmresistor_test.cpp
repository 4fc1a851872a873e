// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The main window as a user meets it: keys to the focused control, mouse
// clicks, and what the controls then show.

#include "bands.h"
#include "frmresistor.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <memory>

using zevodave::kBandCount;

namespace {

constexpr int kSettleMs = 100;
constexpr int kGiveUpMs = 5000;
constexpr int kGaveUp = 99;
constexpr int kTwipsPerPixel = 15;

} // namespace

class FrmResistorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zevodave::frmResistor> window;

    // clang-format off
    QComboBox* List(int band) const { return window->findChild<QComboBox*>(QString("cboBand%1").arg(band)); }
    QLineEdit* Field(int band) const { return window->findChild<QLineEdit*>(QString("txtBand%1").arg(band)); }
    QLineEdit* Result() const { return window->findChild<QLineEdit*>("txtValues"); }
    // clang-format on
    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), key, modifiers);
    }
    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // The four lists, the four band fields, the result, the focused control
    // and the text it has selected:
    // "Yellow,Violet,Red,Gold 4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]".
    QString Seen() const {
        QStringList lists, fields;
        for (int band = 0; band < kBandCount; ++band) {
            lists << List(band)->currentText();
            fields << Field(band)->text();
        }
        const auto* edit = qobject_cast<QLineEdit*>(Focus());
        return lists.join(',') + ' ' + fields.join('|') + " = " + Result()->text() + " @" +
               Focus()->objectName() + (edit ? " [" + edit->selectedText() + "]" : "");
    }

    // Opens the list with F4 and picks an entry by typing its name.
    void Choose(int band, int position) {
        Click(List(band)->lineEdit());
        Key(Qt::Key_F4);
        QAbstractItemView* view = List(band)->view();
        QTRY_VERIFY(view->isVisible());
        QTest::keyClicks(view, List(band)->itemText(position));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
        // Without a window manager nobody hands the activation back from the
        // closed popup.
        window->activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
    }

    // Runs a user's script, steps separated by spaces:
    //   k2=10        choose entry 10 of band 3's list
    //   f1           click into band 2's field
    //   l0           click into band 1's list's text area
    //   t:4.2        type over the selection ("_" types a space)
    //   Num+Enter    any other step is a key as a shortcut names it
    void Run(const QString& script) {
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            const int arg = step.mid(1).section('=', 0, 0).toInt();
            if (step.startsWith("t:"))
                QTest::keyClicks(Focus(), step.mid(2).replace('_', ' '));
            else if (!step[1].isDigit())
                QTest::keySequence(Focus(), QKeySequence(step));
            else if (step[0] == 'f')
                Click(Field(arg));
            else if (step[0] == 'l')
                Click(List(arg)->lineEdit());
            else
                Choose(arg, step.section('=', 1).toInt());
        }
    }

  private slots:
    void init() {
        window = std::make_unique<zevodave::frmResistor>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void journeys_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const char* rows[][3] = {
            // clang-format off
            {"nothing chosen at start", "", "Band 1,Band 2,Band 3,Band 4 ||| =  @cboBand0"},
            {"a colour fills the field and moves on", "k0=4", "Yellow,Band 2,Band 3,Band 4 4||| = 4 @cboBand1"},
            {"colours and values: one resistor", "k0=4 f1 t:7 Return k2=2 f3 t:5 Return",
             "Yellow,Violet,Red,Gold 4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]"},
            {"keypad Enter; a value typed again is rewritten", "f0 t:4.2 Num+Enter", "Yellow,Band 2,Band 3,Band 4 4||| = 4 @txtBand1 []"},
            {"Shift+Enter is Enter, Ctrl+Enter is not", "f0 t:3 Ctrl+Return t:_ Shift+Return", "Orange,Band 2,Band 3,Band 4 3||| = 3 @txtBand1 []"},
            {"empty fields: Black, *10^0, no tolerance", "f0 Return Return Return Return", "Black,Black,Black,Band 4 0|0|*10^0| = ERROR @txtBand3 []"},
            {"a long text naming nothing keeps the colour", "k2=3 f2 t:00000 Return", "Band 1,Band 2,Orange,Band 4 ||*10^3| =  @txtBand3 []"},
            {"beyond the band: ERROR, text selected", "k0=4 f0 t:10 Return", "Yellow,Band 2,Band 3,Band 4 10||| = ERROR @txtBand0 [10]"},
            {"a good value after an error", "k0=4 k1=7 k2=2 f3 t:3 Return t:10_% Return",
             "Yellow,Violet,Red,Silver 4|7|*10^2|10 % = 4.7 Kilohm +/- 10% @txtBand0 [4]"},
            {"a click into a field selects its text", "f0 t:2 Return f0", "Red,Band 2,Band 3,Band 4 2||| = 2 @txtBand0 [2]"},
            {"Up on a closed list steps back", "k1=5 l1 Up", "Band 1,Yellow,Band 3,Band 4 |4|| =  @cboBand2"},
            {"typing into a list chooses nothing", "l0 Ctrl+A t:Red Return Tab Shift+Tab", "Red,Band 2,Band 3,Band 4 ||| =  @cboBand0"},
            // clang-format on
        };
        for (const auto& [name, script, seen] : rows)
            QTest::newRow(name) << script << seen;
    }
    void journeys() {
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Run(script);
        QCOMPARE(Seen(), seen);
    }

    // Each stop of the tab cycle as a screen reader names it and where the
    // window's design puts it (Left, Top, Width, Height in twips), at every
    // scale; the window fixed, centred and named. Each list carries its band
    // whatever entry it shows.
    void layoutAndScreenReader() {
        const auto pixels = [](int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; };
        const auto rect = [&pixels](int l, int t, int w, int h) {
            return QRect(pixels(l), pixels(t), pixels(w), pixels(h));
        };
        QCOMPARE(window->centralWidget()->size(), QSize(pixels(2280), pixels(1920)));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QPoint offset =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2);
        QAccessibleInterface* main = QAccessible::queryAccessibleInterface(window.get());
        QCOMPARE(std::pair(main->role(), main->text(QAccessible::Name)),
                 std::pair(QAccessible::Window, QString("Zevodave")));
        Run("k0=4 k1=7 k2=2 k3=2 l0");
        for (int stop = 0; stop <= 2 * kBandCount; ++stop, Key(Qt::Key_Tab)) {
            const int row = stop % kBandCount;
            const auto* field = qobject_cast<QLineEdit*>(Focus());
            const QString name = stop < kBandCount   ? QString("Band %1 colour").arg(row + 1)
                                 : field != Result() ? QString("Band %1 value").arg(row + 1)
                                                     : "Resistance";
            QCOMPARE(Focus()->accessibleName(), name);
            if (!field) {
                QCOMPARE(Focus()->geometry(), rect(120, 120 + 360 * row, 1095, 315));
                QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Focus());
                QCOMPARE(list->text(QAccessible::Description), name);
                const auto labels = list->relations(QAccessible::Label);
                QCOMPARE(labels.size(), 1);
                QCOMPARE(labels[0].first->text(QAccessible::Name), name);
                continue;
            }
            QCOMPARE(field->alignment(), Qt::AlignCenter);
            QCOMPARE(field->geometry(), field == Result() ? rect(120, 1560, 2055, 285)
                                                          : rect(1320, 120 + 360 * row, 855, 285));
        }
        QCOMPARE(Focus(), List(0));
    }

    // The closed list painted in its colour, text and button alike, with
    // text readable on it: black on Brown, white on Blue.
    void choiceShowsTheColour() {
        Run("k0=1 k1=6");
        QStringList painted;
        for (const QComboBox* list : {List(0), List(1)})
            for (const auto role :
                 {QPalette::Base, QPalette::Button, QPalette::Text, QPalette::ButtonText})
                painted << list->palette().color(role).name();
        QCOMPARE(painted.join(' '),
                 "#804000 #804000 #000000 #000000 #0000ff #0000ff #ffffff #ffffff");
    }

    // The menus as the bar shows them, Edit and Save greyed out. Each item
    // opens one window however often chosen; closing the main window with
    // its close box leaves them open and the program running until they
    // close, and a closed one is gone.
    void menusAndTheWindowsTheyOpen() {
        QStringList bar;
        for (QAction* menu : window->menuBar()->actions()) {
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                items << item->objectName() + " " + item->text() +
                             (item->isEnabled() ? "" : " (greyed)");
            bar << menu->menu()->objectName() + " " + menu->text() + ": " + items.join(", ");
        }
        QCOMPARE(bar, QStringList({"mnuFile &File: mnuFileEdit E&dit (greyed), mnuFileSave &Save "
                                   "(greyed), mnuFileExit &Exit",
                                   "mnuLearn &Learn: mnuLearnResistor &Resistor, mnuLearnPractice "
                                   "&Practice",
                                   "mnuHelp &Help: mnuHelpAbout &About, mnuHelpHelp &Help"}));
        for (const char* item : {"mnuHelpAbout", "mnuHelpHelp", "mnuLearnPractice", "mnuHelpAbout"})
            window->findChild<QAction*>(item)->trigger();
        QList<QPointer<QWidget>> others;
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other->isVisible() && other != window.get())
                others << other;
        QCOMPARE(others.size(), 3);
        QTimer::singleShot(0, this, [this] { window->close(); });
        QTimer::singleShot(kSettleMs, this, [&others] {
            for (QWidget* other : others)
                other->close();
        });
        QTimer giveUp;
        giveUp.callOnTimeout([] { QCoreApplication::exit(kGaveUp); });
        giveUp.start(kGiveUpMs);
        QCOMPARE(QCoreApplication::exec(), EXIT_SUCCESS);
        QTRY_VERIFY(std::ranges::all_of(others, [](const auto& other) { return other.isNull(); }));
    }
};

QTEST_MAIN(FrmResistorTest)
#include "frmresistor_test.moc"
