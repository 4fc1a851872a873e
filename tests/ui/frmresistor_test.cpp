// The main window as a user meets it: keys to the focused control, mouse
// clicks, and what the controls then show. What holds after any action (list
// positions, field texts, the result line, one window of each kind) is the
// random-use test's; these are the roads a user takes and what they look like.

#include "appinfo.h"
#include "bands.h"
#include "frmresistor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

using zevodave::kBandCount;

namespace {

// How a colour is chosen in the open list: typing its name, or clicking it.
// (The Up and Down keys on the closed list are the random-use test's.)
enum class Choice { Keys, Mouse };

// Text is drawn smoothed: its pixels come near the text colour without
// matching it exactly.
constexpr int kInkTolerance = 100;
constexpr int kSettleMs = 100;
constexpr int kGiveUpMs = 5000;
constexpr int kGaveUp = 99;

// A colour code text as the colour a user sees; its value is 0x00BBGGRR.
QColor Colour(std::string_view code) {
    const std::uint32_t value = zevodave::ColourValue(code);
    return QColor(qBlue(value), qGreen(value), qRed(value));
}

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

Q_DECLARE_METATYPE(Choice)

class FrmResistorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zevodave::frmResistor> window;

    QComboBox* List(int band) const {
        return window->findChild<QComboBox*>(QString("cboBand%1").arg(band));
    }
    QLineEdit* Field(int band) const {
        return window->findChild<QLineEdit*>(QString("txtBand%1").arg(band));
    }
    QLineEdit* Result() const { return window->findChild<QLineEdit*>("txtValues"); }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), key, modifiers);
    }
    static void Click(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
        QCoreApplication::processEvents();
    }
    // Types over what the focused field has selected, then presses Enter.
    static void Enter(const QString& text, Qt::Key enter = Qt::Key_Return) {
        QTest::keyClicks(Focus(), text);
        Key(enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    // The four band fields, the result, the focused control and the text it
    // has selected: "4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]".
    QString Seen() const {
        QStringList fields;
        for (int band = 0; band < kBandCount; ++band)
            fields << Field(band)->text();
        const auto* edit = qobject_cast<QLineEdit*>(Focus());
        return fields.join('|') + " = " + Result()->text() + " @" + Focus()->objectName() +
               (edit ? " [" + edit->selectedText() + "]" : "");
    }

    void Choose(int band, int position, Choice how = Choice::Keys) {
        QComboBox* list = List(band);
        Click(list->lineEdit());
        if (how == Choice::Keys)
            Key(Qt::Key_F4);
        else
            Click(list, QPoint(list->width() - 4, list->height() / 2));
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        if (how == Choice::Keys) {
            QTest::keyClicks(view, list->itemText(position));
            QTest::keyClick(view, Qt::Key_Return);
        } else {
            const QModelIndex entry = view->model()->index(position, 0);
            view->scrollTo(entry);
            const QPoint item = view->visualRect(entry).center();
            // The pointer travels over the list to the entry: Qt drops a move
            // that ends where the pointer already is.
            QTest::mouseMove(view->viewport(), QPoint(item.x(), 0));
            QTest::mouseMove(view->viewport(), item);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
        }
        QTRY_VERIFY(!view->isVisible());
        // Without a window manager nobody hands the activation back from the
        // closed popup; a late activation of the popup would otherwise leave
        // the window without keyboard focus.
        window->activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
    }

    // Alt and the menu's access key, with the main window active as a user
    // has it; then, for the Help menu, About (A) or Help (H).
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

    void startsWithNothingChosenAndTabsInOrder() {
        QCOMPARE(window->windowTitle(), QString::fromUtf8(QByteArrayView(zevodave::kAppTitle)));
        QCOMPARE(window->centralWidget()->size(), QSize(152, 128));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(Seen(), QString("||| =  @cboBand0"));
        // What a screen reader says at each stop of the tab cycle.
        QStringList heard;
        for (int step = 0; step <= 2 * kBandCount; ++step) {
            Key(Qt::Key_Tab);
            heard << Focus()->accessibleName();
        }
        QCOMPARE(heard, QStringList({"Band 2 colour", "Band 3 colour", "Band 4 colour",
                                     "Band 1 value", "Band 2 value", "Band 3 value", "Band 4 value",
                                     "Resistance", "Band 1 colour"}));
        for (int band = 0; band < kBandCount; ++band)
            QCOMPARE(List(band)->currentText(), QString("Band %1").arg(band + 1));
    }

    // Yellow, 7 Enter, Red, 5 Enter, as a user with keyboard and mouse does
    // it; then values typed over the selection each Enter leaves behind.
    void oneResistorFromColoursAndTypedValues() {
        Choose(0, 4);
        QCOMPARE(Seen(), QString("4||| = 4 @cboBand1"));
        Click(Field(1));
        Enter("7");
        QCOMPARE(Seen(), QString("4|7|| = 47 @txtBand2 []"));
        Choose(2, 2, Choice::Mouse);
        QCOMPARE(Seen(), QString("4|7|*10^2| = 4.7 Kilohm @cboBand3"));
        Click(Field(3));
        Enter("5");
        QCOMPARE(Seen(), QString("4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]"));
        // The keypad's Enter; Yellow chosen again rewrites the field.
        Enter("4.2", Qt::Key_Enter);
        QCOMPARE(Seen(), QString("4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand1 [7]"));
        // A long multiplier text that names no colour keeps Red, and its text.
        Key(Qt::Key_Tab);
        Enter("00000");
        QCOMPARE(Seen(), QString("4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand3 [5 %]"));
        // The error answer keeps the focus and selects the text; the band's own
        // value typed over it brings the line back.
        Enter("1.5");
        QCOMPARE(Seen(), QString("4|7|*10^2|1.5 = ERROR @txtBand3 [1.5]"));
        Enter("5");
        QCOMPARE(Seen(), QString("4|7|*10^2|5 % = 4.7 Kilohm +/- 5% @txtBand0 [4]"));
    }

    // The closed list's pixels: the swatch filling the text area and the
    // button, the text drawn in its colour on it.
    void choiceShowsTheColour_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("position");
        QTest::addColumn<Choice>("how");

        QTest::newRow("Black, white text") << 0 << 0 << Choice::Keys;
        QTest::newRow("Blue, white text") << 1 << 6 << Choice::Mouse;
        QTest::newRow("Brown, black text") << 0 << 1 << Choice::Mouse;
        QTest::newRow("Gold multiplier") << 2 << 10 << Choice::Keys;
        QTest::newRow("None tolerance") << 3 << 4 << Choice::Mouse;
    }
    // Field text and result line after a choice are the random-use test's;
    // here what the user sees of the list, and where the focus goes.
    void choiceShowsTheColour() {
        QFETCH(int, band);
        QFETCH(int, position);
        QFETCH(Choice, how);

        Choose(band, position, how);
        QCOMPARE(Focus(), List((band + 1) % kBandCount));
        const auto pixels = [](QComboBox* list) {
            return list->grab().toImage().scaled(list->size());
        };
        const QImage chosen = pixels(List(band));
        const QRect text = List(band)->lineEdit()->geometry();
        const QColor swatch = Colour(zevodave::SwatchColor(band, position));
        QCOMPARE(chosen.pixelColor(text.right() - 1, text.top() + 1), swatch);
        // Nearer the swatch than an untouched list's button.
        const QPoint button(text.right() + 3, text.top() + 2);
        QVERIFY(Distance(chosen.pixelColor(button), swatch) <
                Distance(pixels(List((band + 1) % kBandCount)).pixelColor(button), swatch));
        const QColor ink = Colour(zevodave::TextColor(band, position));
        bool inked = false;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x)
                inked = inked || Distance(chosen.pixelColor(x, y), ink) < kInkTolerance;
        QVERIFY(inked);
    }

    // Past Qt's usual cap of 32767 characters; and the click that brings the
    // focus selects a band field's whole text wherever it lands.
    void longTextsStayWholeAndAClickSelectsThem() {
        const QString text(40000, QChar('7'));
        QApplication::clipboard()->setText(text);
        for (QLineEdit* field : {Result(), Field(1)}) {
            Click(field);
            Key(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(field->text(), text);
        }
        Click(Result());
        Click(Field(1));
        QCOMPARE(Field(1)->selectedText(), text);
    }

    // Typed text, Enter and leaving the text area neither choose nor add an
    // entry, nor run any handler: the text stays as typed.
    void typingIntoAListChangesNothing() {
        for (const QString& typed : {QString("Red"), QString("red")}) {
            Click(List(0)->lineEdit());
            Key(Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(Focus(), typed);
            Key(Qt::Key_Return);
            QCOMPARE(Focus(), List(0));
            Key(Qt::Key_Tab);
            QCOMPARE(List(0)->currentIndex(), -1);
            QCOMPARE(List(0)->currentText(), typed);
        }
    }

    // Edit and Save are greyed out; after File > Exit main() destroys the
    // main window, and an open help window goes with it.
    void fileExitEndsWithSuccessAndTakesTheHelpWindow() {
        OpenMenu(Qt::Key_H, Qt::Key_H);
        QTRY_COMPARE(OpenWindows("frmHelp").size(), 1);
        OpenMenu(Qt::Key_F);
        for (const char* name : {"mnuFileEdit", "mnuFileSave"})
            QVERIFY(!window->findChild<QAction*>(name)->isEnabled());
        QTimer::singleShot(0, this,
                           [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E); });
        QCOMPARE(RunEventLoop(), EXIT_SUCCESS);
        window.reset();
        QCOMPARE(OpenWindows("frmHelp").size(), 0);
    }

    // Closing the main window with its close box leaves the help and about
    // windows open and the program running; it ends when they close.
    void infoWindowsOutliveTheClosedMainWindow() {
        OpenMenu(Qt::Key_H, Qt::Key_H);
        OpenMenu(Qt::Key_H, Qt::Key_A);
        QWidgetList stillOpen;
        QTimer::singleShot(0, this, [this] { window->close(); });
        QTimer::singleShot(kSettleMs, this, [&stillOpen] {
            stillOpen = OpenWindows("frmHelp") + OpenWindows("frmAbout");
            for (QWidget* info : stillOpen)
                info->close();
        });
        QCOMPARE(RunEventLoop(), EXIT_SUCCESS);
        QCOMPARE(stillOpen.size(), 2);
    }
};

QTEST_MAIN(FrmResistorTest)
#include "frmresistor_test.moc"
