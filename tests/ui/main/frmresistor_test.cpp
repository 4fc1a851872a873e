// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The main window as a user meets it: keys to the focused control, mouse
// clicks, and what the controls then show; and the help and about windows
// its menus open.

#include "appinfo.h"
#include "bands.h"
#include "frmresistor.h"
#include "platform.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
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
    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // Each band's list and field, the result, the focused control and the
    // text it has selected:
    // "Yellow:4, Violet:7, Red:*10^2, Gold:5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]".
    QString Seen() const {
        QStringList bands;
        for (int band = 0; band < kBandCount; ++band)
            bands << List(band)->currentText() + ":" + Field(band)->text();
        const auto* edit = qobject_cast<QLineEdit*>(Focus());
        return bands.join(", ") + " = " + Result()->text() + " @" + Focus()->objectName() +
               (edit ? " [" + edit->selectedText() + "]" : "");
    }

    // Alt and a menu's access key, then an item's, with the main window
    // active as a user has it.
    void Menu(Qt::Key menu, Qt::Key item) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), menu, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), item);
    }

    // Opens the list with F4 and picks an entry by typing its name.
    void Choose(int band, int position) {
        Click(List(band)->lineEdit());
        QTest::keyClick(Focus(), Qt::Key_F4);
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
            else if (step[0] != 'k')
                Click(step[0] == 'f' ? Field(arg) : List(arg)->lineEdit());
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

    void journeys_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const char* rows[][3] = {
            // clang-format off
            {"nothing chosen at start", "", "Band 1:, Band 2:, Band 3:, Band 4: =  @cboBand0"},
            {"a colour fills the field and moves on", "k0=4", "Yellow:4, Band 2:, Band 3:, Band 4: = 4 @cboBand1"},
            {"colours and values: one resistor", "k0=4 f1 t:7 Return k2=2 f3 t:5 Return", "Yellow:4, Violet:7, Red:*10^2, Gold:5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]"},
            {"keypad Enter; a value typed again is rewritten", "f0 t:4.2 Num+Enter", "Yellow:4, Band 2:, Band 3:, Band 4: = 4 @txtBand1 []"},
            {"Shift+Enter is Enter, Ctrl+Enter is not", "f0 t:3 Ctrl+Return t:_ Shift+Return", "Orange:3, Band 2:, Band 3:, Band 4: = 3 @txtBand1 []"},
            {"empty fields: Black, *10^0, no tolerance", "f0 Return Return Return Return", "Black:0, Black:0, Black:*10^0, Band 4: = ERROR @txtBand3 []"},
            {"a long text naming nothing keeps the colour", "k2=3 f2 t:00000 Return", "Band 1:, Band 2:, Orange:*10^3, Band 4: =  @txtBand3 []"},
            {"beyond the band: ERROR, text selected", "k0=4 f0 t:10 Return", "Yellow:10, Band 2:, Band 3:, Band 4: = ERROR @txtBand0 [10]"},
            {"a good value after an error", "k0=4 k1=7 k2=2 f3 t:3 Return t:10_% Return", "Yellow:4, Violet:7, Red:*10^2, Silver:10 % = 4.7 Kilohm +/- 10% @txtBand0 [4]"},
            {"a click into a field selects its text", "f0 t:2 Return f0", "Red:2, Band 2:, Band 3:, Band 4: = 2 @txtBand0 [2]"},
            {"typing into a list chooses nothing", "l0 Ctrl+A t:Red Return Tab Shift+Tab", "Red:, Band 2:, Band 3:, Band 4: =  @cboBand0"},
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

    // Each stop of the main window's tab cycle as a screen reader names it
    // and where it is (Left, Top, Width, Height in twips), at every scale;
    // each list carries its band whatever entry it shows. Then the main
    // window and the help and about windows its Help menu opens, each as a
    // screen reader names it, with its client size, fixed and centred, and
    // each of their controls with its text and place; a label's text starts
    // from its top left corner (that it shows all of it, the language test
    // sees in every language).
    void layoutAndScreenReader() {
        const auto pixels = [](int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; };
        const auto rect = [&pixels](int l, int t, int w, int h) {
            return QRect(pixels(l), pixels(t), pixels(w), pixels(h));
        };
        Run("k0=1 k1=6 k2=2 k3=2 l0");
        // The closed list painted in its colour, text and button alike, with
        // text readable on it: black on Brown, white on Blue.
        QStringList painted;
        for (const QComboBox* list : {List(0), List(1)})
            for (const auto role :
                 {QPalette::Base, QPalette::Button, QPalette::Text, QPalette::ButtonText})
                painted << list->palette().color(role).name();
        QCOMPARE(painted.join(' '),
                 "#804000 #804000 #000000 #000000 #0000ff #0000ff #ffffff #ffffff");
        for (int stop = 0; stop <= 2 * kBandCount; ++stop, QTest::keyClick(Focus(), Qt::Key_Tab)) {
            const int row = stop % kBandCount;
            const auto* field = qobject_cast<QLineEdit*>(Focus());
            const QString name = stop < kBandCount   ? QString("Band %1 colour").arg(row + 1)
                                 : field != Result() ? QString("Band %1 value").arg(row + 1)
                                                     : "Resistance";
            QCOMPARE(Focus()->accessibleName(), name);
            if (!field) {
                QCOMPARE(Focus()->geometry(), rect(120, 120 + 360 * row, 1095, 315));
                QCOMPARE(Focus()->accessibleDescription(), name);
                // In English every colour name fits at the window's own width of type.
                QVERIFY(Focus()->findChild<QLineEdit*>()->font().stretch() == QFont::AnyStretch);
                continue;
            }
            QCOMPARE(field->alignment(), Qt::AlignCenter);
            QCOMPARE(field->geometry(), field == Result() ? rect(120, 1560, 2055, 285)
                                                          : rect(1320, 120 + 360 * row, 855, 285));
        }
        // The labels that name the lists for a screen reader stay hidden.
        QVERIFY(!List(0)->parentWidget()->findChild<QLabel*>()->isVisible());

        Menu(Qt::Key_H, Qt::Key_H);
        Menu(Qt::Key_H, Qt::Key_A);
        // clang-format off
        const std::tuple<const char*, QString, QList<int>> rows[] = {
            {"frmResistor", "Zevodave", {2280, 1920}}, {"frmHelp", "Zevodave Help", {4950, 5085}},
            {"lblHelp", kHelpText, {120, 120, 4695, 4335}}, {"OKButton", "OK", {3600, 4560, 1215, 375}},
            {"frmAbout", "About Zevodave", {5565, 2340}}, {"lblTitle", "Zevodave", {90, 120, 5325, 360}},
            {"lblVersion", "Version " + QString::fromUtf8(zevodave::kVersionText), {120, 480, 5325, 225}},
            {"lblDescription", "Zevodave color code calculation", {120, 720, 5325, 210}},
            {"lblWarning", kWarning, {90, 960, 3735, 1215}}, {"cmdOK", "OK", {4200, 1320, 1245, 345}},
            {"cmdSysInfo", "&System Info...", {4200, 1800, 1245, 345}}};
        // clang-format on
        QWidget* shown = nullptr;
        for (const auto& [name, text, twips] : rows) {
            if (twips.size() == 2) {
                const QWidgetList windows = QApplication::topLevelWidgets();
                shown = *std::ranges::find(windows, name, &QObject::objectName);
                const auto* main = qobject_cast<QMainWindow*>(shown);
                QCOMPARE((main ? main->centralWidget() : shown)->size(),
                         QSize(pixels(twips[0]), pixels(twips[1])));
                QCOMPARE(shown->minimumSize(), shown->maximumSize());
                const QPoint offset =
                    shown->frameGeometry().center() - shown->screen()->availableGeometry().center();
                QVERIFY(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2);
                QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(shown);
                QCOMPARE(
                    std::tuple(shown->windowTitle(), heard->role(), heard->text(QAccessible::Name)),
                    std::tuple(text, main ? QAccessible::Window : QAccessible::Dialog, text));
                continue;
            }
            const QWidget* control = shown->findChild<QWidget*>(name);
            QCOMPARE(control->property("text").toString(), text);
            QCOMPARE(control->geometry(), rect(twips[0], twips[1], twips[2], twips[3]));
            const auto* label = qobject_cast<const QLabel*>(control);
            QVERIFY2(!label || label->alignment() == (Qt::AlignLeft | Qt::AlignTop), name);
        }
        // The about window's title stands out: bold and larger than the rest.
        const QFont title = shown->findChild<QWidget*>("lblTitle")->font();
        QVERIFY(title.bold() && title.pointSizeF() > shown->font().pointSizeF());
    }

    // The menus as the bar shows them, Edit and Save greyed out. Each item,
    // chosen by its access keys, opens one window however often chosen;
    // closing the main window with its close box leaves the help and about
    // windows open and the program running until they close, and a closed
    // one is gone.
    void menusAndTheWindowsTheyOpen() {
        QString bar;
        for (QAction* menu : window->menuBar()->actions()) {
            bar += " / " + menu->menu()->objectName() + " " + menu->text() + ":";
            for (QAction* item : menu->menu()->actions())
                bar += " " + item->objectName() + " " + item->text() +
                       (item->isEnabled() ? "" : " (greyed)");
        }
        QCOMPARE(bar, " / mnuFile &File: mnuFileEdit E&dit (greyed) mnuFileSave &Save (greyed) "
                      "mnuFileExit &Exit / mnuLearn &Learn: mnuLearnResistor &Resistor "
                      "mnuLearnSmd &SMD code mnuLearnPractice &Practice / mnuHelp &Help: "
                      "mnuHelpAbout &About mnuHelpHelp &Help");
        for (const char* keys : {"HA", "HH", "LP", "HA"})
            Menu(Qt::Key(keys[0]), Qt::Key(keys[1]));
        // With no system-information tool on the search path, System Info in
        // the about window, now in front, says so in the program's one
        // message box, which OK closes.
        qputenv("PATH", "");
        QTRY_COMPARE(QApplication::activeWindow()->objectName(), "frmAbout");
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_S, Qt::AltModifier);
        QPointer<QMessageBox> message;
        QTRY_VERIFY((message = qobject_cast<QMessageBox*>(QApplication::activeWindow())));
        QCOMPARE(std::tuple(message->text(), message->windowTitle(), message->icon(),
                            message->buttons().size()),
                 std::tuple(QString("System Information Is Unavailable At This Time"),
                            QString("Zevodave"), QMessageBox::NoIcon, 1));
        QTest::keyClick(message, Qt::Key_Return);
        QTRY_VERIFY(!message);
        // The Practice window has a task-bar entry of its own and would keep
        // the program running by itself: it goes first, leaving that to the
        // help and about windows.
        int closed = 0; // by this test, before the program ends
        QList<QPointer<QWidget>> others;
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other->objectName() == "frmPractice")
                closed += other->close() ? 1 : 0;
            else if (other->isVisible() && other != window.get())
                others << other;
        QTimer::singleShot(0, this, [this] { window->close(); });
        QTimer::singleShot(kSettleMs, this, [&others, &closed] {
            for (QWidget* other : others)
                closed += other->close() ? 1 : 0;
        });
        QTimer::singleShot(kGiveUpMs, window.get(), [] { QCoreApplication::exit(kGaveUp); });
        QCOMPARE(std::pair(QCoreApplication::exec(), closed), std::pair(int(EXIT_SUCCESS), 3));
        QTRY_VERIFY(std::ranges::all_of(others, [](const auto& other) { return other.isNull(); }));
    }

    // Elsewhere than on Windows, System Info starts the desktop's tool found
    // on the search path, in order of preference: kinfocenter, hardinfo2,
    // hardinfo. Each tool put there is preferred to those before it.
    void systemInfoToolsInOrder() {
        QTemporaryDir dir;
        qputenv("PATH", dir.path().toLocal8Bit());
        for (const char* name : {"hardinfo", "hardinfo2", "kinfocenter"}) {
            QFile tool(dir.filePath(name));
            QVERIFY(tool.open(QIODevice::WriteOnly) && tool.setPermissions(QFile::ExeOwner));
            QCOMPARE(zevodave::MakePlatform()->FindTool(), tool.fileName().toStdString());
        }
    }

    // File > Exit ends the program at once, with success.
    void fileExit() {
        Menu(Qt::Key_H, Qt::Key_H);
        QTimer::singleShot(0, this, [this] { Menu(Qt::Key_F, Qt::Key_E); });
        QTimer::singleShot(kGiveUpMs, window.get(), [] { QCoreApplication::exit(kGaveUp); });
        QCOMPARE(QCoreApplication::exec(), EXIT_SUCCESS);
    }
};

QTEST_MAIN(FrmResistorTest)
#include "frmresistor_test.moc"
