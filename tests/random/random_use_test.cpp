// Thousands of random user actions on the main window, the help and about
// windows shown and closed among them, each followed by a check of what must
// hold whatever the user does. The seed is fixed so that a failure replays;
// ZEVODAVE_RANDOM_SEED and ZEVODAVE_RANDOM_ACTIONS try another seed or a
// longer run.

#include "bands.h"
#include "frmresistor.h"
#include "resistance.h"
#include "typedentry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <utility>

namespace {

using zevodave::kBandCount;

constexpr std::uint32_t kDefaultSeed = 20261206;
constexpr int kDefaultActions = 3000;

// Typed texts are made of these pieces: what a value is made of, what is
// easily taken for one, and characters from beyond ASCII.
constexpr std::array kPieces{"0",  "1",      "2",      "5",      "7",      "9",         "10",
                             "11", "12",     "20",     "+",      "-",      ".",         ",",
                             "E",  "e-",     "D",      "&H",     "&h",     "&O",        "FF",
                             " ",  "  ",     "abc",    "volts",  "*10^",   "-1",        "-2",
                             " %", "\u00e4", "\u20ac", "\u4e2d", "\u00a0", "\U0001F600"};
constexpr int kMostPieces = 6;
// One typed text in this many is one piece repeated up to kLongestRun times.
constexpr int kLongRunOdds = 40;
constexpr int kLongestRun = 3000;
// Longer texts arrive in one key event, as an input method or a paste gives them.
constexpr qsizetype kKeyByKeyLength = 64;
// Characters below this one have their own keys in QTest.
constexpr char16_t kAsciiEnd = 0x80;
// One choice in this many takes the Up or Down key on the closed list.
constexpr int kArrowChoiceOdds = 3;
// One choice in this many takes the entry the list already shows.
constexpr int kSameEntryOdds = 4;
constexpr qsizetype kShownTextLength = 40;

// Entry is the typed value of one band: click its field, type, then Enter.
// Info opens the help or about window from the Help menu, or closes it.
enum class Action { Click, Choose, Type, Entry, Key, Info };
// Drawn with equal odds, so an action listed twice comes twice as often.
constexpr std::array kActions{Action::Click, Action::Click, Action::Choose, Action::Choose,
                              Action::Type,  Action::Type,  Action::Entry,  Action::Entry,
                              Action::Key,   Action::Key,   Action::Key,    Action::Key,
                              Action::Info};
constexpr std::array kKeys{Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab,      Qt::Key_Backtab,
                           Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Backspace};

// What the result field may hold: the line of the four positions, the error
// answer, or whatever the user typed into it since.
enum class ResultShows { Line, Error, Typed };

// What the user sees of the band state: list positions, field texts, result.
struct Snapshot {
    std::array<int, kBandCount> positions{};
    std::array<QString, kBandCount> fields;
    QString result;
    bool operator==(const Snapshot&) const = default;
};

// What an action did, as far as the checker needs to know.
struct Done {
    QString what;
    QWidget* keysTo = nullptr; // the focused control that took the keys
    bool edits = false;        // the keys were text or Backspace
    bool enter = false;
};

QString ToQString(std::string_view text) {
    return QString::fromUtf8(QByteArrayView(text));
}

QColor ToQColor(std::uint32_t value) {
    constexpr int kByte = 8;
    constexpr std::uint32_t kMask = 0xFF;
    return QColor(int(value & kMask), int((value >> kByte) & kMask),
                  int((value >> 2 * kByte) & kMask));
}

std::uint32_t FromEnvironment(const char* name, std::uint32_t fallback) {
    bool ok = false;
    const std::uint32_t value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

QString Describe(const Snapshot& shot) {
    QString text = "positions";
    for (int position : shot.positions)
        text += QString(" %1").arg(position);
    for (const QString& field : shot.fields)
        text += QString(", \"%1\"").arg(field.left(kShownTextLength));
    return text + QString(", result \"%1\"").arg(shot.result.left(kShownTextLength));
}

// The visible top-level windows of that name.
QWidgetList OpenWindows(const QString& name) {
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf(
        [&name](const QWidget* w) { return w->objectName() != name || !w->isVisible(); });
    return windows;
}

} // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

  private slots:
    void randomActionsKeepTheWindowConsistent();

  private:
    int Below(int bound) { return int(random() % std::uint32_t(bound)); }
    QString RandomText();
    QWidget* Focus() const;
    Snapshot Read() const;

    Done Act();
    void Choose(int band, int position);
    Done Type(QWidget* widget);
    static Done Press(QWidget* focus, Qt::Key key);
    void UseInfoWindow(const QString& name, bool fromMenu);
    void BackToMainWindow();
    static void TypeInto(QWidget* widget, const QString& text);

    QString Check(const Snapshot& before, const Done& done);

    std::mt19937 random;
    std::unique_ptr<zevodave::frmResistor> window;
    std::array<QComboBox*, kBandCount> lists{};
    std::array<QLineEdit*, kBandCount> fields{};
    QLineEdit* result = nullptr;

    std::array<bool, kBandCount> chosen{};
    ResultShows shows = ResultShows::Line;
    std::optional<int> clicked; // the list whose entry the user chose in this action
    bool enterNext = false;     // a value was typed into a band field for Enter
};

void RandomUseTest::randomActionsKeepTheWindowConsistent() {
    const std::uint32_t seed = FromEnvironment("ZEVODAVE_RANDOM_SEED", kDefaultSeed);
    const std::uint32_t actions = FromEnvironment("ZEVODAVE_RANDOM_ACTIONS", kDefaultActions);
    random.seed(seed);

    window = std::make_unique<zevodave::frmResistor>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (int band = 0; band < kBandCount; ++band) {
        lists[band] = window->findChild<QComboBox*>(QString("cboBand%1").arg(band));
        fields[band] = window->findChild<QLineEdit*>(QString("txtBand%1").arg(band));
        QVERIFY(lists[band] && fields[band]);
        connect(lists[band], &QComboBox::activated, this, [this, band] { clicked = band; });
    }
    result = window->findChild<QLineEdit*>("txtValues");
    QVERIFY(result);

    for (std::uint32_t step = 0; step < actions; ++step) {
        const Snapshot before = Read();
        clicked.reset();
        const Done done = Act();
        if (QTest::currentTestFailed()) {
            qWarning("seed %u, action %u", seed, step);
            return;
        }
        QCoreApplication::processEvents();
        const QString broken = Check(before, done);
        QVERIFY2(
            broken.isEmpty(),
            qPrintable(
                QString("seed %1, action %2, %3: %4").arg(seed).arg(step).arg(done.what, broken)));
    }
}

QString RandomUseTest::RandomText() {
    if (Below(kLongRunOdds) == 0)
        return QString::fromUtf8(kPieces[Below(kPieces.size())]).repeated(1 + Below(kLongestRun));
    QString text;
    for (int piece = Below(kMostPieces) + 1; piece > 0; --piece)
        text += QString::fromUtf8(kPieces[Below(kPieces.size())]);
    return text;
}

QWidget* RandomUseTest::Focus() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : window.get();
}

Snapshot RandomUseTest::Read() const {
    Snapshot shot;
    for (int band = 0; band < kBandCount; ++band) {
        shot.positions[band] = lists[band]->currentIndex();
        shot.fields[band] = fields[band]->text();
    }
    shot.result = result->text();
    return shot;
}

Done RandomUseTest::Act() {
    QWidget* focus = Focus();
    if (std::exchange(enterNext, false))
        return Press(focus, Qt::Key_Return);
    switch (kActions[Below(kActions.size())]) {
    case Action::Click: {
        const int control = Below(2 * kBandCount + 1);
        QWidget* target = control < kBandCount       ? lists[control]->lineEdit()
                          : control < 2 * kBandCount ? fields[control - kBandCount]
                                                     : result;
        QTest::mouseClick(target, Qt::LeftButton);
        return {"click " + (control < kBandCount ? lists[control] : target)->objectName()};
    }
    case Action::Choose: {
        const int band = Below(kBandCount);
        const int current = lists[band]->currentIndex();
        const int position = current != zevodave::kNoPosition && Below(kSameEntryOdds) == 0
                                 ? current
                                 : Below(lists[band]->count());
        Choose(band, position);
        return {QString("choose entry %1 of %2").arg(position).arg(lists[band]->objectName())};
    }
    case Action::Type:
        return Type(focus);
    case Action::Entry: {
        QLineEdit* field = fields[Below(kBandCount)];
        QTest::mouseClick(field, Qt::LeftButton);
        QCoreApplication::processEvents();
        enterNext = true;
        return Type(field);
    }
    case Action::Key:
        return Press(focus, kKeys[Below(kKeys.size())]);
    case Action::Info: {
        const QString name = Below(2) == 0 ? "frmHelp" : "frmAbout";
        const bool fromMenu = OpenWindows(name).isEmpty() || Below(2) == 0;
        UseInfoWindow(name, fromMenu);
        return {(fromMenu ? "show from the Help menu " : "OK in ") + name};
    }
    }
    return {};
}

// Chooses like a user: clicks the list, then opens it with F4 and walks to the
// entry with the keys, or steps with Up or Down on the closed list.
void RandomUseTest::Choose(int band, int position) {
    QComboBox* list = lists[band];
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    QCoreApplication::processEvents();
    if (Below(kArrowChoiceOdds) == 0) {
        QTest::keyClick(Focus(), position < list->currentIndex() ? Qt::Key_Up : Qt::Key_Down);
        return;
    }
    QTest::keyClick(Focus(), Qt::Key_F4);
    QAbstractItemView* view = list->view();
    QVERIFY2(view->isVisible(), "F4 opens the list");
    QTest::keyClick(view, Qt::Key_Home);
    for (int step = 0; step < position; ++step)
        QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY2(!view->isVisible(), "Enter closes the list");
    BackToMainWindow();
}

// The user goes back to the main window. The offscreen platform also needs
// this when a popup closes, where a desktop activates the main window itself.
void RandomUseTest::BackToMainWindow() {
    window->activateWindow();
    QCoreApplication::processEvents();
    QVERIFY(window->isActiveWindow() || QTest::qWaitForWindowActive(window.get()));
}

// Help > Help or Help > About from the keyboard, which shows the one window
// of its kind, or its OK button. The window may stay open meanwhile, as the
// user may leave it.
void RandomUseTest::UseInfoWindow(const QString& name, bool fromMenu) {
    if (fromMenu) {
        QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY2(menu, "Alt+H opens the Help menu");
        QTest::keyClick(menu, name == "frmHelp" ? Qt::Key_H : Qt::Key_A);
        QVERIFY2(OpenWindows(name).size() == 1, qPrintable("the Help menu shows one " + name));
    } else {
        const char* ok = name == "frmHelp" ? "OKButton" : "cmdOK";
        QTest::mouseClick(OpenWindows(name).front()->findChild<QPushButton*>(ok), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(OpenWindows(name).isEmpty(), qPrintable("OK closes " + name));
    }
    BackToMainWindow();
}

Done RandomUseTest::Type(QWidget* widget) {
    const QString text = RandomText();
    TypeInto(widget, text);
    return {QString("type \"%1\" (%2 characters) into %3")
                .arg(text.left(kShownTextLength))
                .arg(text.size())
                .arg(widget->objectName()),
            widget, true};
}

Done RandomUseTest::Press(QWidget* focus, Qt::Key key) {
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(focus, key, modifiers);
    return {QKeySequence(key | modifiers).toString() + " in " + focus->objectName(), focus,
            key == Qt::Key_Backspace, key == Qt::Key_Return};
}

void RandomUseTest::TypeInto(QWidget* widget, const QString& text) {
    if (text.size() > kKeyByKeyLength) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < kAsciiEnd && c.isPrint()) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            const qsizetype length = c.isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
    }
}

// Predicts what the window must show after the action from what it showed
// before, the engine's rules and the choice the list reported, then compares.
QString RandomUseTest::Check(const Snapshot& before, const Done& done) {
    const Snapshot after = Read();
    Snapshot expected = before;
    const auto at = std::find(fields.begin(), fields.end(), done.keysTo);
    const int keyBand = at == fields.end() ? zevodave::kNoPosition : int(at - fields.begin());
    const auto choose = [&](int band, int position) {
        expected.positions[band] = position;
        chosen[band] = true;
        shows = ResultShows::Line;
    };
    const auto rewrite = [&](int band) {
        if (const auto text = zevodave::FieldText(band, expected.positions[band]))
            expected.fields[band] = ToQString(*text);
    };

    if (done.enter && keyBand != zevodave::kNoPosition) {
        const zevodave::TypedOutcome outcome =
            zevodave::TypedPosition(keyBand, before.fields[keyBand].toStdString());
        if (outcome.isReject())
            shows = ResultShows::Error;
        if (outcome.isPosition())
            choose(keyBand, outcome.position());
        if (!outcome.isReject())
            rewrite(keyBand);
    } else if (clicked) {
        choose(*clicked, after.positions[*clicked]);
        rewrite(*clicked);
    }
    if (done.edits && keyBand != zevodave::kNoPosition)
        expected.fields[keyBand] = after.fields[keyBand];
    const bool typedResult = done.edits && done.keysTo == result;
    if (typedResult)
        shows = ResultShows::Typed;
    switch (shows) {
    case ResultShows::Line:
        expected.result =
            ToQString(zevodave::ResistanceText(expected.positions[0], expected.positions[1],
                                               expected.positions[2], expected.positions[3]));
        break;
    case ResultShows::Error:
        expected.result = "ERROR";
        break;
    case ResultShows::Typed:
        expected.result = typedResult ? after.result : before.result;
        break;
    }
    if (after != expected)
        return "the window shows " + Describe(after) + ", not " + Describe(expected);

    for (int band = 0; band < kBandCount; ++band) {
        const int position = after.positions[band];
        if (lists[band]->count() != int(zevodave::EntryTexts(band).size()) ||
            position < zevodave::kNoPosition || position >= lists[band]->count())
            return QString("band %1 list has %2 entries").arg(band).arg(lists[band]->count());
        const QColor painted = lists[band]->palette().color(QPalette::Base);
        if (chosen[band] &&
            painted != ToQColor(zevodave::ColourValue(zevodave::SwatchColor(band, position))))
            return QString("band %1 list is painted %2 at position %3")
                .arg(band)
                .arg(painted.name())
                .arg(position);
    }
    return {};
}

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
