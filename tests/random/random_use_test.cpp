// Thousands of random user actions on the main window, the help and about
// windows shown and closed among them, each followed by a check of what must
// hold whatever the user does. The seed is fixed so that a failure replays;
// ZEVODAVE_RANDOM_SEED tries another.

#include "bands.h"
#include "frmresistor.h"
#include "resistance.h"
#include "typedentry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
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
constexpr std::uint32_t kActionCount = 3000;

// Typed texts are made of these pieces, between the bars, each one key press
// (or one input method commit): what a value is made of, what is easily taken
// for one, entry texts, and characters from beyond ASCII.
constexpr char kPieces[] = "0|1|2|5|7|9|10|11|12|20|+|-|.|,|E|e-|D|&H|&h|&O|FF| |abc|*10^|-1|-2| %|"
                           "Red|red|Black|\u00e4|\u20ac|\u4e2d|\u00a0|\U0001F600";
constexpr int kMostPieces = 6;
// One typed text in this many is one piece repeated up to kLongestRun times.
constexpr int kLongRunOdds = 40;
constexpr int kLongestRun = 3000;
// One choice in this many takes the entry the list already shows.
constexpr int kSameEntryOdds = 4;

// Entry is the typed value of one band: click its field, type, then Enter.
// Info opens the help or about window from the Help menu, or closes it.
// Drawn with equal odds, so an action listed twice comes twice as often.
enum class Action { Click, Choose, Type, Entry, Key, Info };
using enum Action;
constexpr std::array kActions{Click, Click, Choose, Choose, Type, Type, Entry,
                              Entry, Key,   Key,    Key,    Key,  Info};
constexpr std::array kKeys{Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab,      Qt::Key_Backtab,
                           Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Backspace};

QString ToQString(std::string_view text) {
    return QString::fromUtf8(QByteArrayView(text));
}

QWidgetList OpenWindows(const QString& name) {
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf(
        [&name](const QWidget* w) { return w->objectName() != name || !w->isVisible(); });
    return windows;
}

} // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

    std::mt19937 random;
    const QStringList pieces = QString::fromUtf8(kPieces).split('|');
    std::unique_ptr<zevodave::frmResistor> window;
    std::array<QComboBox*, kBandCount> lists{};
    std::array<QLineEdit*, kBandCount> fields{};
    QLineEdit* result = nullptr;

    // What the checker knows beyond what the window shows: the text the
    // result field holds instead of the line ("ERROR" or what the user typed
    // there), the list chosen in this action.
    std::optional<QString> held;
    std::optional<int> clicked;
    bool enterNext = false; // a value was typed into a band field for Enter
    // The focused control that took the action's keys, whether they edited
    // its text, whether they were Enter.
    QWidget* keysTo = nullptr;
    bool edits = false;
    bool enter = false;

    int Below(qsizetype bound) { return int(random() % std::uint32_t(bound)); }

    // The four list positions, the four band fields, the result field.
    QStringList Read() const {
        QStringList shot;
        for (const QComboBox* list : lists)
            shot << QString::number(list->currentIndex());
        for (const QLineEdit* field : fields)
            shot << field->text();
        return shot << result->text();
    }

    QStringList RandomKeys() {
        if (Below(kLongRunOdds) == 0)
            return {pieces[Below(pieces.size())].repeated(1 + Below(kLongestRun))};
        QStringList keys;
        for (int piece = Below(kMostPieces) + 1; piece > 0; --piece)
            keys << pieces[Below(pieces.size())];
        return keys;
    }

    // Random text, or one key, into the focused control.
    void Press(QWidget* widget, Qt::Key key = Qt::Key_unknown) {
        const QStringList keys = key == Qt::Key_unknown ? RandomKeys() : QStringList();
        for (const QString& text : keys)
            QTest::sendKeyEvent(QTest::Click, widget, key, text, Qt::NoModifier);
        if (key != Qt::Key_unknown)
            QTest::keyClick(widget, key,
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        keysTo = widget;
        edits = !keys.isEmpty() || key == Qt::Key_Backspace;
        enter = key == Qt::Key_Return;
    }

    // Chooses like a user: clicks the list, opens it with F4 and walks to the
    // entry with the keys. (Up and Down on the closed list are Key actions.)
    void Pick(QComboBox* list) {
        const int current = list->currentIndex();
        const int position =
            current != -1 && Below(kSameEntryOdds) == 0 ? current : Below(list->count());
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QVERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Home);
        for (int step = 0; step < position; ++step)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QVERIFY(!list->view()->isVisible());
    }

    // Help > Help or Help > About from the keyboard, which shows the one
    // window of its kind, or its OK button. The window may stay open
    // meanwhile, as the user may leave it.
    void UseInfoWindow(bool help) {
        const QString name = help ? "frmHelp" : "frmAbout";
        const bool open = OpenWindows(name).isEmpty() || Below(2) == 0;
        if (open) {
            QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
            QTest::keyClick(QApplication::activePopupWidget(), help ? Qt::Key_H : Qt::Key_A);
        } else {
            QTest::mouseClick(
                OpenWindows(name).front()->findChild<QPushButton*>(help ? "OKButton" : "cmdOK"),
                Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(OpenWindows(name).size(), open ? 1 : 0);
    }

    void Act() {
        keysTo = nullptr;
        edits = enter = false;
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        if (std::exchange(enterNext, false))
            return Press(focus, Qt::Key_Return);
        // Every line edit: the lists' text areas, the band fields, the result.
        const auto lineEdits = window->centralWidget()->findChildren<QLineEdit*>();
        switch (kActions[Below(kActions.size())]) {
        case Click:
            return QTest::mouseClick(lineEdits[Below(lineEdits.size())], Qt::LeftButton);
        case Choose:
            return Pick(lists[Below(kBandCount)]);
        case Type:
            return Press(focus);
        case Entry:
            QTest::mouseClick(fields[Below(kBandCount)], Qt::LeftButton);
            QCoreApplication::processEvents();
            enterNext = true;
            return Press(QApplication::focusWidget());
        case Key:
            return Press(focus, kKeys[Below(kKeys.size())]);
        case Info:
            return UseInfoWindow(Below(2) == 0);
        }
    }

    // Predicts what the window must show after the action from what it
    // showed before, the engine's rules and the choice the list reported.
    void Check(const QStringList& before) {
        const QStringList after = Read();
        QStringList expected = before;
        const auto position = [&expected](int band) { return expected[band].toInt(); };
        const auto field = [](int band) { return kBandCount + band; };
        const int typedBand = int(std::find(fields.begin(), fields.end(), keysTo) - fields.begin());
        std::optional<int> handled = clicked; // the band whose field shows its position
        const auto choose = [&](int band, int chosenPosition) {
            expected[band] = QString::number(chosenPosition);
            held.reset();
        };
        if (clicked)
            choose(*clicked, after[*clicked].toInt());
        if (enter && typedBand < kBandCount) {
            const auto outcome =
                zevodave::TypedPosition(typedBand, before[field(typedBand)].toStdString());
            if (outcome.isPosition())
                choose(typedBand, outcome.position());
            if (outcome.isReject())
                held = "ERROR";
            else
                handled = typedBand;
        }
        if (handled) {
            if (const auto text = zevodave::FieldText(*handled, position(*handled)))
                expected[field(*handled)] = ToQString(*text);
        }
        if (edits && typedBand < kBandCount)
            expected[field(typedBand)] = after[field(typedBand)];
        if (edits && keysTo == result)
            held = after.last();
        expected.last() = held.value_or(ToQString(
            zevodave::ResistanceText(position(0), position(1), position(2), position(3))));
        QCOMPARE(after, expected);
        for (int band = 0; band < kBandCount; ++band) {
            QCOMPARE(lists[band]->count(), int(zevodave::EntryTexts(band).size()));
            const std::uint32_t swatch =
                zevodave::ColourValue(zevodave::SwatchColor(band, position(band)));
            // A list leaves -1 only when chosen, and never goes back.
            if (position(band) != zevodave::kNoPosition)
                QCOMPARE(lists[band]->palette().color(QPalette::Base),
                         QColor(qBlue(swatch), qGreen(swatch), qRed(swatch)));
        }
    }

  private slots:
    void randomActionsKeepTheWindowConsistent() {
        const std::uint32_t seed =
            qEnvironmentVariable("ZEVODAVE_RANDOM_SEED", QString::number(kDefaultSeed)).toUInt();
        random.seed(seed);
        window = std::make_unique<zevodave::frmResistor>();
        window->show();
        for (int band = 0; band < kBandCount; ++band) {
            lists[band] = window->findChild<QComboBox*>(QString("cboBand%1").arg(band));
            fields[band] = window->findChild<QLineEdit*>(QString("txtBand%1").arg(band));
            connect(lists[band], &QComboBox::activated, this, [this, band] { clicked = band; });
        }
        result = window->findChild<QLineEdit*>("txtValues");

        for (std::uint32_t step = 0; step < kActionCount && !QTest::currentTestFailed(); ++step) {
            // The user comes back to the main window after a popup or another
            // window, as a desktop would activate it and the offscreen platform
            // does not.
            window->activateWindow();
            QCoreApplication::processEvents();
            QVERIFY(window->isActiveWindow() || QTest::qWaitForWindowActive(window.get()));
            const QStringList before = Read();
            clicked.reset();
            Act();
            QCoreApplication::processEvents();
            if (!QTest::currentTestFailed())
                Check(before);
            if (QTest::currentTestFailed())
                qWarning("seed %u, action %u", seed, step);
        }
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
