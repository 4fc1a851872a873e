// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The main window as a user meets it: keys to the focused control, mouse
// clicks, and what the controls then show.

#include "bands.h"
#include "frmresistor.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <memory>

using zevodave::kBandCount;

namespace {

constexpr int kSettleMs = 100;
constexpr int kGiveUpMs = 5000;
constexpr int kGaveUp = 99;
constexpr int kTwipsPerPixel = 15;
// Text is drawn smoothed: its pixels come near the text colour without
// matching it exactly.
constexpr int kInkTolerance = 100;

int Distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

QWidgetList OpenWindows(const QString& name) {
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf(
        [&name](const QWidget* w) { return w->objectName() != name || !w->isVisible(); });
    return windows;
}

// The event loop as main() runs it, given up on if the program never ends.
int RunEventLoop() {
    QTimer giveUp;
    giveUp.callOnTimeout([] { QCoreApplication::exit(kGaveUp); });
    giveUp.start(kGiveUpMs);
    return QCoreApplication::exec();
}

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

    // Alt and the menu's access key, with the main window active as a user
    // has it; then an item's access key.
    void OpenMenu(Qt::Key accessKey, Qt::Key item = Qt::Key_unknown) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Key(accessKey, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        if (item != Qt::Key_unknown) {
            QTest::keyClick(QApplication::activePopupWidget(), item);
            QTRY_VERIFY(!QApplication::activePopupWidget());
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
            {"tolerance before multiplier: digits only", "k0=1 k1=0 k3=4", "Brown,Black,Band 3,None 1|0||20 % = 10 @cboBand0"},
            {"10 and 11 choose Gold and Silver", "f2 t:10 Return f2 t:11 Return", "Band 1,Band 2,Silver,Band 4 ||*10^-2| =  @txtBand3 []"},
            {"the field's Gold form chooses Gold", "k2=3 f2 t:*10^-1 Return", "Band 1,Band 2,Gold,Band 4 ||*10^-1| =  @txtBand3 []"},
            {"a long text naming nothing keeps the colour", "k2=3 f2 t:00000 Return", "Band 1,Band 2,Orange,Band 4 ||*10^3| =  @txtBand3 []"},
            {"beyond the band: ERROR, text selected", "k0=4 f0 t:10 Return", "Yellow,Band 2,Band 3,Band 4 10||| = ERROR @txtBand0 [10]"},
            {"multiplier 12 and tolerance 1.5 are errors", "f2 t:12 Return f3 t:1.5 Return", "Band 1,Band 2,Band 3,Band 4 ||12|1.5 = ERROR @txtBand3 [1.5]"},
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

    // The closed list's pixels: the swatch fills the text area, with the text
    // drawn in its ink (black on Brown, white on Blue), and the button beside
    // it takes on the swatch.
    void choiceShowsTheColour() {
        const std::tuple<int, int, QColor, QColor> rows[] = {
            {0, 1, QColor(0x80, 0x40, 0), Qt::black}, {1, 6, Qt::blue, Qt::white}};
        const auto pixels = [this](int band) {
            return List(band)->grab().toImage().scaled(List(band)->size());
        };
        for (const auto& [band, position, swatch, ink] : rows) {
            const QImage plain = pixels(band);
            Choose(band, position);
            const QImage chosen = pixels(band);
            const QRect text = List(band)->lineEdit()->geometry();
            QCOMPARE(chosen.pixelColor(text.right() - 1, text.top() + 1), swatch);
            const QPoint button(text.right() + 3, text.top() + 2);
            QVERIFY(Distance(chosen.pixelColor(button), swatch) <
                    Distance(plain.pixelColor(button), swatch));
            bool inked = false;
            for (int y = text.top(); y <= text.bottom(); ++y)
                for (int x = text.left(); x <= text.right(); ++x)
                    inked = inked || Distance(chosen.pixelColor(x, y), ink) < kInkTolerance;
            QVERIFY(inked);
        }
    }

    // Past Qt's usual cap of 32767 characters.
    void longTextsStayWhole() {
        const QString text(40000, QChar('7'));
        QApplication::clipboard()->setText(text);
        for (QLineEdit* field : {Result(), Field(1)}) {
            Click(field);
            Key(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(field->text(), text);
        }
    }

    // The menus as the bar shows them; Edit and Save greyed out; Help > About
    // twice makes one window, brought to the front again, beside which Help >
    // Help and Learn > Practice open their own. Closing the main window with its close box leaves them
    // open and the program running; it ends when they close.
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
        // clang-format off
        const std::tuple<Qt::Key, Qt::Key, QString> opened[] = {
            {Qt::Key_H, Qt::Key_A, "frmAbout"}, {Qt::Key_H, Qt::Key_A, "frmAbout"},
            {Qt::Key_H, Qt::Key_H, "frmHelp"}, {Qt::Key_L, Qt::Key_P, "frmPractice"},
            {Qt::Key_L, Qt::Key_P, "frmPractice"}};
        // clang-format on
        for (const auto& [menu, item, name] : opened) {
            OpenMenu(menu, item);
            QTRY_COMPARE(QApplication::activeWindow()->objectName(), name);
            QCOMPARE(OpenWindows(name).size(), 1);
        }
        QWidgetList stillOpen;
        QTimer::singleShot(0, this, [this] { window->close(); });
        QTimer::singleShot(kSettleMs, this, [&stillOpen] {
            stillOpen =
                OpenWindows("frmHelp") + OpenWindows("frmAbout") + OpenWindows("frmPractice");
            for (QWidget* other : stillOpen)
                other->close();
        });
        QCOMPARE(RunEventLoop(), EXIT_SUCCESS);
        QCOMPARE(stillOpen.size(), 3);
        QVERIFY(OpenWindows("frmResistor").isEmpty());
    }

    // After File > Exit main() destroys the main window, and an open help or
    // Practice window goes with it.
    void fileExitEndsWithSuccessAndTakesTheOtherWindows() {
        OpenMenu(Qt::Key_H, Qt::Key_H);
        OpenMenu(Qt::Key_L, Qt::Key_P);
        QTRY_COMPARE(OpenWindows("frmHelp").size() + OpenWindows("frmPractice").size(), 2);
        OpenMenu(Qt::Key_F);
        QTimer::singleShot(0, this,
                           [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E); });
        QCOMPARE(RunEventLoop(), EXIT_SUCCESS);
        window.reset();
        QCOMPARE(OpenWindows("frmHelp").size() + OpenWindows("frmPractice").size(), 0);
    }
};

QTEST_MAIN(FrmResistorTest)
#include "frmresistor_test.moc"
