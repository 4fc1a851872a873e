// The Practice window by the keyboard alone, questions from a fixed seed,
// followed as a screen reader hears it.

#include "frmpractice.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

// Enough of the feedback to see it arrive; the judge's words are tested
// with the judge.
constexpr int kHeardLength = 30;
constexpr int kTypingPauseMs = 50;

// Each named control a screen reader finds and what it hears there, hidden
// ones left out: "object: name, description, value" without repeats, "!" on
// a label whose text its description misses, "> object" for the control a
// label names, "off" when disabled.
QStringList Heard(QAccessibleInterface* node) {
    // The entries of a list have no object of their own.
    if (!node->object() || node->state().invisible)
        return {};
    const QString description = node->text(QAccessible::Description);
    QStringList texts{node->text(QAccessible::Name), description.left(kHeardLength),
                      node->text(QAccessible::Value)};
    const auto* label = qobject_cast<QLabel*>(node->object());
    texts << (label && !label->buddy() && label->text() != description ? "!" : "")
          << (node->state().disabled ? "off" : "")
          << (node->role() == QAccessible::Dialog ? "a dialog" : "");
    for (const auto& [named, relation] : node->relations(QAccessible::Labelled))
        texts << "> " + named->object()->objectName();
    texts.removeAll("");
    texts.removeDuplicates();
    QStringList heard;
    if (!node->object()->objectName().isEmpty())
        heard << node->object()->objectName() + ": " + texts.join(", ");
    for (int i = 0; i < node->childCount(); ++i)
        heard << Heard(node->child(i));
    return heard;
}

} // namespace

class FrmPracticeTest : public QObject {
    Q_OBJECT

    QPointer<zevodave::frmPractice> window;

  private slots:
    void init() {
        QApplication::setKeyboardInputInterval(kTypingPauseMs);
        window = new zevodave::frmPractice(1);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // Escape closes the window, and closed it is gone.
    void cleanup() {
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }

    // Keys to the focused control (\t Tab, \v Shift+Tab, \r Return, \n the
    // keypad's Enter), each time followed by what a screen reader finds that
    // it did not before, and the focus.
    void journeys_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("heard");
        const QString start =
            "frmPractice: Zevodave Practice, a dialog / optRead: Read the bands / optChoose: "
            "Choose the bands / picQuestion: Question bands, Bands: Violet, Green, Black, N / "
            "lblAnswer: Answer, > txtAnswer / txtAnswer: Answer / cmdCheck: Check / cmdNext: Next "
            "question, off / lblFeedback: Feedback / lblScore: Score, 0 of 0 right / @txtAnswer";
        // Unreadable, right, Enter to the next question, a slip.
        QTest::newRow("read the bands")
            << QStringList{"", "seventy-five\r75R 20%\r\n", "470k\n"}
            << QStringList{
                   start,
                   "picQuestion: Question bands, Bands: Yellow, Violet, Gold, S / lblScore: "
                   "Score, 1 of 1 right",
                   "txtAnswer: Answer, 470k / cmdCheck: Check, off / cmdNext: Next question "
                   "/ lblFeedback: Feedback, Not quite: you typed 470 Kiloh / lblScore: "
                   "Score, 1 of 2 right / @cmdNext"};
        QString lists;
        for (int band = 0; band < 4; ++band)
            lists += QString(" / lblAnswer%1: Answer band %2, > cboAnswer%1 / cboAnswer%1: Answer "
                             "band %2")
                         .arg(band)
                         .arg(band + 1);
        // Right; in the next question Check with lists left unchosen, then a
        // first band of Black.
        QTest::newRow("choose the bands")
            << QStringList{"", "\v ",
                           "Yellow\tViolet\tGold\tSilver\r\rBlack\t\t\t\t "
                           "\tBrown\tBlue\tSilver\t\r"}
            << QStringList{start,
                           "lblQuestionValue: Question value, 4.7 ohm +/- 10%" + lists +
                               " / @cboAnswer0",
                           "lblQuestionValue: Question value, 1.6 Megohm +/- 10% / cboAnswer0: "
                           "Black, Answer band 1 / cboAnswer1: Brown, Answer band 2 / cboAnswer2: "
                           "Blue, Answer band 3 / cboAnswer3: Silver, Answer band 4 / cmdCheck: "
                           "Check, off / cmdNext: Next question / lblFeedback: Feedback, Not "
                           "quite: you chose Black, Br / lblScore: Score, 1 of 2 right / @cmdNext"};
    }
    void journeys() {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, heard);
        QStringList before;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            for (const QChar key : keys[i]) {
                if (key == '\n')
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
                else
                    QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
                // A list takes letters typed together as one name.
                if (key < ' ')
                    QTest::qWait(QApplication::keyboardInputInterval());
            }
            QStringList now = Heard(QAccessible::queryAccessibleInterface(window));
            now << "@" + QApplication::focusWidget()->objectName();
            QStringList changed = now;
            changed.removeIf([&before](const QString& line) { return before.contains(line); });
            before = now;
            QCOMPARE(changed.join(" / "), heard.value(i));
            // A long feedback neither squeezes the controls nor widens the
            // window past the screen.
            QVERIFY(window->width() <= window->screen()->availableGeometry().width());
            for (const QWidget* control : window->findChildren<QWidget*>())
                QVERIFY(!control->isVisible() ||
                        control->height() >= control->minimumSizeHint().height());
        }
    }
};

QTEST_MAIN(FrmPracticeTest)
#include "frmpractice_test.moc"
