// The main window as a user meets it: keys to the focused control, mouse
// clicks, and what the controls then show.

#include "appinfo.h"
#include "bands.h"
#include "frmresistor.h"
#include "resistance.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

using zevodave::kBandCount;

namespace {

// How a colour is chosen: in the open list by keys or mouse, or by the Down
// key on the closed list, one step below the colour it shows.
enum class Choice { PopupKeys, PopupMouse, ArrowKey };

QString ToQString(std::string_view text) {
    return QString::fromUtf8(QByteArrayView(text));
}

// A colour value (0x00BBGGRR) as the colour a user sees.
QColor ToQColor(std::uint32_t value) {
    constexpr int kChannelBits = 8;
    constexpr std::uint32_t kChannel = 0xFF;
    return QColor(value & kChannel, (value >> kChannelBits) & kChannel,
                  (value >> 2 * kChannelBits) & kChannel);
}

int ColourDistance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// Text is drawn smoothed: its darkest (or lightest) pixel comes near the
// text colour without matching it exactly.
constexpr int kInkTolerance = 100;

// What the closed list shows: the colour filling its text area, the top of
// its button, and the colour of its text (the pixel farthest from the fill).
struct Look {
    QColor fill;
    QColor button;
    QColor ink;
};

Look LookOf(QComboBox* list) {
    const QImage image = list->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const auto at = [&](int x, int y) { return image.pixelColor(QPoint(x, y) * ratio); };
    const QRect text = list->lineEdit()->geometry();
    Look look{at(text.right() - 1, text.top() + 1), at(text.right() + 3, text.top() + 2), {}};
    look.ink = look.fill;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            if (ColourDistance(at(x, y), look.fill) > ColourDistance(look.ink, look.fill))
                look.ink = at(x, y);
        }
    }
    return look;
}

} // namespace

Q_DECLARE_METATYPE(Choice)

class FrmResistorTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void startsWithNothingChosen();
    void tabVisitsEveryControlInOrder();
    void oneResistorFromColoursAndTypedValues();
    void choiceShowsTheColour_data();
    void choiceShowsTheColour();
    void enterChoosesTheTypedColour_data();
    void enterChoosesTheTypedColour();
    void rejectedTextGetsTheErrorAnswer_data();
    void rejectedTextGetsTheErrorAnswer();
    void pastedTextHasNoLengthLimit();
    void clickedFieldSelectsItsWholeText();
    void rechoosingTheShownColourRunsTheHandling_data();
    void rechoosingTheShownColourRunsTheHandling();
    void typingIntoAListChangesNothing();
    void editAndSaveDoNothing();
    void exitEndsTheProgramWithSuccess();
    void helpMenuShowsOneWindowOfEachKind();
    void helpWindowOutlivesTheMainWindow();

  private:
    QComboBox* List(int band) const;
    QLineEdit* Field(int band) const;
    QLineEdit* Result() const;
    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(QWidget* widget, QPoint at = {}) const;
    void Choose(int band, int position, Choice how = Choice::PopupKeys);
    void Type(int band, const QString& text, Qt::KeyboardModifiers enter = Qt::NoModifier);
    void ChooseHelpItem(Qt::Key accessKey);

    std::unique_ptr<zevodave::frmResistor> window;
};

QComboBox* FrmResistorTest::List(int band) const {
    return window->findChild<QComboBox*>(QString("cboBand%1").arg(band));
}
QLineEdit* FrmResistorTest::Field(int band) const {
    return window->findChild<QLineEdit*>(QString("txtBand%1").arg(band));
}
QLineEdit* FrmResistorTest::Result() const {
    return window->findChild<QLineEdit*>("txtValues");
}

void FrmResistorTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(Focus(), key, modifiers);
}

void FrmResistorTest::Click(QWidget* widget, QPoint at) const {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    QCoreApplication::processEvents();
}

void FrmResistorTest::Choose(int band, int position, Choice how) {
    QComboBox* list = List(band);
    if (how == Choice::ArrowKey) {
        QCOMPARE(list->currentIndex(), position - 1);
        Click(list->lineEdit());
        Key(Qt::Key_Down);
        return;
    }
    if (how == Choice::PopupKeys) {
        Click(list->lineEdit());
        Key(Qt::Key_F4);
    } else {
        Click(list, QPoint(list->width() - 4, list->height() / 2));
    }
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    if (how == Choice::PopupKeys) {
        QTest::keyClick(view, Qt::Key_Home);
        for (int step = 0; step < position; ++step)
            QTest::keyClick(view, Qt::Key_Down);
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
    // closed popup; a late activation of the popup would otherwise leave the
    // window without keyboard focus.
    window->activateWindow();
    QCoreApplication::processEvents();
    QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
    QVERIFY(window->isActiveWindow());
}

// Types into a band field as a user does: click it, type over the selected
// text (or delete it), press Enter.
void FrmResistorTest::Type(int band, const QString& text, Qt::KeyboardModifiers enter) {
    Click(Field(band));
    if (text.isEmpty())
        Key(Qt::Key_Backspace);
    QTest::keyClicks(Focus(), text);
    Key(enter.testFlag(Qt::KeypadModifier) ? Qt::Key_Enter : Qt::Key_Return, enter);
}

// Help > About (A) or Help > Help (H) from the keyboard, with the main
// window active as a user would have it.
void FrmResistorTest::ChooseHelpItem(Qt::Key accessKey) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    Key(Qt::Key_H, Qt::AltModifier);
    auto* menu = window->findChild<QMenu*>("mnuHelp");
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, accessKey);
    QTRY_VERIFY(!menu->isVisible());
}

// The open windows of the program with that object name.
int OpenWindows(const char* name) {
    int count = 0;
    for (const QWidget* top : QApplication::topLevelWidgets())
        count += top->objectName() == name && top->isVisible() ? 1 : 0;
    return count;
}

void FrmResistorTest::init() {
    window = std::make_unique<zevodave::frmResistor>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void FrmResistorTest::cleanup() {
    window.reset();
}

void FrmResistorTest::startsWithNothingChosen() {
    QCOMPARE(window->windowTitle(), ToQString(zevodave::kAppTitle));
    QCOMPARE(window->centralWidget()->size(), QSize(152, 128));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    for (int band = 0; band < kBandCount; ++band) {
        QComboBox* list = List(band);
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->currentText(), QString("Band %1").arg(band + 1));
        QStringList entries;
        for (std::string_view entry : zevodave::EntryTexts(band))
            entries << ToQString(entry);
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << list->itemText(row);
        QCOMPARE(shown, entries);
        QCOMPARE(list->accessibleName(), QString("Band %1 colour").arg(band + 1));
        QCOMPARE(Field(band)->text(), QString());
        QCOMPARE(Field(band)->accessibleName(), QString("Band %1 value").arg(band + 1));
        QCOMPARE(Field(band)->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(Result()->text(), QString());
    QCOMPARE(Result()->accessibleName(), QString("Resistance"));
    QCOMPARE(Focus(), List(0));
}

void FrmResistorTest::tabVisitsEveryControlInOrder() {
    QStringList visited;
    for (int step = 0; step <= 2 * kBandCount; ++step) {
        Key(Qt::Key_Tab);
        visited << Focus()->objectName();
    }
    const QStringList expected{"cboBand1", "cboBand2", "cboBand3",  "txtBand0", "txtBand1",
                               "txtBand2", "txtBand3", "txtValues", "cboBand0"};
    QCOMPARE(visited, expected);
    // Every control lies inside the client area, none on top of another.
    const QRect client = window->centralWidget()->rect();
    const auto controls =
        window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 2 * kBandCount + 1);
    for (QWidget* control : controls) {
        QVERIFY(client.contains(control->geometry()));
        for (QWidget* other : controls)
            QVERIFY(other == control || !other->geometry().intersects(control->geometry()));
    }
}

// Yellow, 7 Enter, Red, 5 Enter, as a user with keyboard and mouse does it.
void FrmResistorTest::oneResistorFromColoursAndTypedValues() {
    Choose(0, 4);
    QCOMPARE(Field(0)->text(), QString("4"));
    QCOMPARE(Result()->text(), QString("4"));
    QCOMPARE(Focus(), List(1));
    Type(1, "7");
    QCOMPARE(List(1)->currentText(), QString("Violet"));
    QCOMPARE(Result()->text(), QString("47"));
    QCOMPARE(Focus(), Field(2));
    Choose(2, 2, Choice::PopupMouse);
    QCOMPARE(Result()->text(), QString("4.7 Kilohm"));
    QCOMPARE(Focus(), List(3));
    Type(3, "5");
    QCOMPARE(List(3)->currentText(), QString("Gold"));
    QCOMPARE(Result()->text(), QString("4.7 Kilohm +/- 5%"));
    QCOMPARE(Focus(), Field(0));
    QCOMPARE(Field(0)->selectedText(), QString("4"));
}

void FrmResistorTest::choiceShowsTheColour_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("position");
    QTest::addColumn<Choice>("how");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("focus");

    const QColor black(0, 0, 0), white(255, 255, 255);
    QTest::newRow("Black in band 1 has white text")
        << 0 << -1 << 0 << Choice::PopupKeys << black << white << "0" << 1;
    QTest::newRow("Blue in band 2 has white text")
        << 1 << -1 << 6 << Choice::PopupMouse << QColor(0, 0, 255) << white << "6" << 2;
    QTest::newRow("Brown tolerance has black text and goes back to band 1")
        << 3 << -1 << 0 << Choice::PopupKeys << QColor(0x80, 0x40, 0) << black << "1 %" << 0;
    QTest::newRow("Gold multiplier") << 2 << -1 << 10 << Choice::PopupMouse
                                     << QColor(0xFF, 0xFF, 0xC0) << black << "*10^-1" << 3;
    QTest::newRow("Silver multiplier by arrow key")
        << 2 << 10 << 11 << Choice::ArrowKey << QColor(0xE0, 0xE0, 0xE0) << black << "*10^-2" << 3;
    QTest::newRow("None tolerance is white")
        << 3 << -1 << 4 << Choice::PopupMouse << white << black << "20 %" << 0;
    QTest::newRow("Brown after Black gets black text again")
        << 0 << 0 << 1 << Choice::ArrowKey << QColor(0x80, 0x40, 0) << black << "1" << 1;
}

void FrmResistorTest::choiceShowsTheColour() {
    QFETCH(int, band);
    QFETCH(int, earlier);
    QFETCH(int, position);
    QFETCH(Choice, how);
    QFETCH(QColor, fill);
    QFETCH(QColor, ink);
    QFETCH(QString, field);
    QFETCH(int, focus);

    if (earlier != -1)
        Choose(band, earlier);
    Choose(band, position, how);
    QCOMPARE(List(band)->currentIndex(), position);
    const Look look = LookOf(List(band));
    QCOMPARE(look.fill, fill);
    QVERIFY2(ColourDistance(look.ink, ink) < kInkTolerance, qPrintable(look.ink.name()));
    // The button takes the swatch too: nearer to it than an untouched list's.
    const QColor untouched = LookOf(List((band + 1) % kBandCount)).button;
    QVERIFY2(ColourDistance(look.button, fill) < ColourDistance(untouched, fill),
             qPrintable(look.button.name()));
    QCOMPARE(Field(band)->text(), field);
    QCOMPARE(Focus(), List(focus));
}

void FrmResistorTest::enterChoosesTheTypedColour_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("earlier");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Qt::KeyboardModifiers>("enter");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("field");

    const Qt::KeyboardModifiers plain = Qt::NoModifier;
    QTest::newRow("keypad Enter is Enter")
        << 0 << -1 << "3" << Qt::KeyboardModifiers(Qt::KeypadModifier) << 3 << "3";
    QTest::newRow("7.4 is written back as 7") << 0 << -1 << "7.4" << plain << 7 << "7";
    QTest::newRow("empty digit field chooses Black") << 0 << -1 << "" << plain << 0 << "0";
    QTest::newRow("typed 4.2 on Yellow is written back as 4")
        << 0 << 4 << "4.2" << plain << 4 << "4";
    QTest::newRow("multiplier 0003 chooses Orange") << 2 << -1 << "0003" << plain << 3 << "*10^3";
    QTest::newRow("multiplier 10 chooses Gold") << 2 << -1 << "10" << plain << 10 << "*10^-1";
    QTest::newRow("*10^-2 chooses Silver over Orange")
        << 2 << 3 << "*10^-2" << plain << 11 << "*10^-2";
    QTest::newRow("unchanged *10^3 keeps Orange") << 2 << 3 << "*10^3" << plain << 3 << "*10^3";
    QTest::newRow("00000 keeps Orange and shows its text")
        << 2 << 3 << "00000" << plain << 3 << "*10^3";
    QTest::newRow("tolerance 5 chooses Gold") << 3 << -1 << "5" << plain << 2 << "5 %";
}

void FrmResistorTest::enterChoosesTheTypedColour() {
    QFETCH(int, band);
    QFETCH(int, earlier);
    QFETCH(QString, typed);
    QFETCH(Qt::KeyboardModifiers, enter);
    QFETCH(int, position);
    QFETCH(QString, field);

    if (earlier != -1)
        Choose(band, earlier);
    Type(band, typed, enter);
    QCOMPARE(List(band)->currentIndex(), position);
    QCOMPARE(Field(band)->text(), field);
    QCOMPARE(LookOf(List(band)).fill,
             ToQColor(zevodave::ColourValue(zevodave::SwatchColor(band, position))));
    QLineEdit* next = Field((band + 1) % kBandCount);
    QCOMPARE(Focus(), next);
    QCOMPARE(next->selectedText(), next->text());
}

void FrmResistorTest::rejectedTextGetsTheErrorAnswer_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("retyped");

    QTest::newRow("digit 10") << 0 << "10"
                              << "1";
    QTest::newRow("multiplier 12") << 2 << "12"
                                   << "1";
    QTest::newRow("empty tolerance") << 3 << ""
                                     << "2";
    QTest::newRow("tolerance 1.5") << 3 << "1.5"
                                   << "2";
}

// The band keeps its colour and the text stays selected; typing over it
// with the band's own value replaces "ERROR" with the result line.
void FrmResistorTest::rejectedTextGetsTheErrorAnswer() {
    QFETCH(int, band);
    QFETCH(QString, typed);
    QFETCH(QString, retyped);

    Choose(band, 1);
    const QColor swatch = LookOf(List(band)).fill;
    Type(band, typed);
    QCOMPARE(Result()->text(), QString("ERROR"));
    QCOMPARE(Field(band)->selectedText(), typed);
    QCOMPARE(Focus(), Field(band));
    QCOMPARE(List(band)->currentIndex(), 1);
    QCOMPARE(LookOf(List(band)).fill, swatch);

    QTest::keyClicks(Focus(), retyped);
    Key(Qt::Key_Return);
    QCOMPARE(Result()->text(),
             ToQString(zevodave::ResistanceText(List(0)->currentIndex(), List(1)->currentIndex(),
                                                List(2)->currentIndex(), List(3)->currentIndex())));
    QCOMPARE(Focus(), Field((band + 1) % kBandCount));
}

void FrmResistorTest::pastedTextHasNoLengthLimit() {
    const QString silver = "*10^-2" + QString(40000, QChar('0'));
    QApplication::clipboard()->setText(silver);
    Click(Field(2));
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Field(2)->text(), silver);
    Key(Qt::Key_Return);
    QCOMPARE(List(2)->currentText(), QString("Silver"));
    Click(Result());
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Result()->text(), silver);
}

// The whole text is selected also when the click that brings the focus
// lands in the middle of it.
void FrmResistorTest::clickedFieldSelectsItsWholeText() {
    Click(Field(1));
    QTest::keyClicks(Focus(), "some text");
    Click(List(3)->lineEdit());
    Click(Field(1));
    QCOMPARE(Focus(), Field(1));
    QCOMPARE(Field(1)->selectedText(), QString("some text"));
}

void FrmResistorTest::rechoosingTheShownColourRunsTheHandling_data() {
    QTest::addColumn<Choice>("how");
    QTest::newRow("Yellow again from the keyboard") << Choice::PopupKeys;
    QTest::newRow("Yellow again with the mouse") << Choice::PopupMouse;
}

void FrmResistorTest::rechoosingTheShownColourRunsTheHandling() {
    QFETCH(Choice, how);
    Choose(0, 4);
    Type(0, "99");
    QCOMPARE(Result()->text(), QString("ERROR"));
    Choose(0, 4, how);
    QCOMPARE(Field(0)->text(), QString("4"));
    QCOMPARE(Result()->text(), QString("4"));
    QCOMPARE(Focus(), List(1));
}

// Typed text, Enter and leaving the text area neither choose nor add an
// entry, nor run any handler.
void FrmResistorTest::typingIntoAListChangesNothing() {
    Choose(1, 4);
    for (const QString& typed : {QString("Red"), QString("red")}) {
        for (int band : {0, 1}) {
            QComboBox* list = List(band);
            const int position = list->currentIndex();
            const int count = list->count();
            Click(list->lineEdit());
            Key(Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(Focus(), typed);
            Key(Qt::Key_Return);
            QCOMPARE(Focus(), list);
            Key(Qt::Key_Tab);
            QCOMPARE(list->currentIndex(), position);
            QCOMPARE(list->count(), count);
            QCOMPARE(list->currentText(), typed);
            QCOMPARE(Field(band)->text(), band == 1 ? QString("4") : QString());
            QCOMPARE(Result()->text(), QString());
        }
    }
}

void FrmResistorTest::editAndSaveDoNothing() {
    Choose(0, 4);
    Key(Qt::Key_F, Qt::AltModifier);
    auto* menu = window->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(menu->isVisible());
    for (const char* name : {"mnuFileEdit", "mnuFileSave"})
        QVERIFY(!window->findChild<QAction*>(name)->isEnabled());
    QTest::keyClick(menu, Qt::Key_D);
    QTest::keyClick(menu, Qt::Key_S);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(window->isVisible());
    QCOMPARE(Result()->text(), QString("4"));
}

// File > Exit from the keyboard ends the event loop with status 0. It runs
// in an event loop of its own so the test program goes on.
void FrmResistorTest::exitEndsTheProgramWithSuccess() {
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    constexpr int kGiveUpMs = 5000;
    constexpr int kGaveUp = 99;
    QTimer::singleShot(0, this, [] { Key(Qt::Key_F, Qt::AltModifier); });
    QTimer::singleShot(
        50, this, [this] { QTest::keyClick(window->findChild<QMenu*>("mnuFile"), Qt::Key_E); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, this, [] { QCoreApplication::exit(kGaveUp); });
    giveUp.start(kGiveUpMs);
    QCOMPARE(QCoreApplication::exec(), EXIT_SUCCESS);
    QCOMPARE(aboutToQuit.count(), 1);
}

void FrmResistorTest::helpMenuShowsOneWindowOfEachKind() {
    ChooseHelpItem(Qt::Key_A);
    QTRY_COMPARE(OpenWindows("frmAbout"), 1);
    ChooseHelpItem(Qt::Key_A);
    ChooseHelpItem(Qt::Key_H);
    QTRY_COMPARE(OpenWindows("frmHelp"), 1);
    QCOMPARE(OpenWindows("frmAbout"), 1);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "frmAbout" || top->objectName() == "frmHelp")
            QVERIFY(top->parentWidget() == nullptr);
    }

    // Closed windows are gone; the menu makes new ones.
    QPointer<QWidget> about;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "frmAbout" && top->isVisible())
            about = top;
    }
    about->close();
    QTRY_VERIFY(about.isNull());
    ChooseHelpItem(Qt::Key_A);
    QTRY_COMPARE(OpenWindows("frmAbout"), 1);

    // The program goes with every window it has open.
    window.reset();
    QCOMPARE(OpenWindows("frmAbout") + OpenWindows("frmHelp"), 0);
}

// Closing the main window with its close box leaves the help window open
// and the program running; it ends when the help window closes.
void FrmResistorTest::helpWindowOutlivesTheMainWindow() {
    ChooseHelpItem(Qt::Key_H);
    QTRY_COMPARE(OpenWindows("frmHelp"), 1);
    constexpr int kSettleMs = 100;
    constexpr int kGiveUpMs = 5000;
    constexpr int kGaveUp = 99;
    bool helpStillOpen = false;
    QTimer::singleShot(0, this, [this] { window->close(); });
    QTimer::singleShot(kSettleMs, this, [&helpStillOpen] {
        helpStillOpen = OpenWindows("frmHelp") == 1;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "frmHelp")
                top->close();
        }
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, this, [] { QCoreApplication::exit(kGaveUp); });
    giveUp.start(kGiveUpMs);
    QCOMPARE(QCoreApplication::exec(), EXIT_SUCCESS);
    QVERIFY(helpStillOpen);
}

QTEST_MAIN(FrmResistorTest)
#include "frmresistor_test.moc"
