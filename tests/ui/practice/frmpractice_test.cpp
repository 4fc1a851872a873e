// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Practice window by the keyboard alone, questions from a fixed seed,
// followed as a screen reader hears it.

#include "frmpractice.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

class FrmPracticeTest : public QObject {
    Q_OBJECT

  private slots:
    // Keys to the focused control (\t Tab, \v Shift+Tab, > the Right arrow, _ the Down arrow, \r
    // Return, \n the keypad's Enter, ~ and a letter its access key), each time followed by "@" and
    // the focused control, then the named controls a screen reader finds that it did not before,
    // hidden ones left out: "object: name, description, text shown" without repeats, "off" when
    // disabled, "> object" for the control a label names, and the colours
    // a control is painted in, its own then its text's ("#f47a20#000000").
    void keyboardJourneys() {
        QApplication::setKeyboardInputInterval(50);
        const auto record = std::make_shared<zevodave::PracticeRecord>();
        QPointer window = new zevodave::frmPractice(record, 1);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // clang-format off
        const std::pair<QString, QString> steps[] = {
            {"", "@txtAnswer / frmPractice: Zevodave Practice / optRead: Read the bands, &Read the bands, checked / optChoose: Choose the bands, Choo&se the bands / picQuestion: Question bands, Bands: Silver, Gold, Blue, Green / lblAnswer: Answer, &Answer, > txtAnswer / txtAnswer: Answer / lblBands: Bands, &Bands, > cboBands / cboBands: 4 bands / cmdCheck: Check, &Check / cmdNext: Next question, &Next question, off / lblFeedback: Feedback / lblScore: Score, 0 of 0 right / cmdStartAgain: Start again, S&tart again / lblSlips: Slips, No slips so far."},
            // The first question is turned round, the tolerance band at the left: read right.
            {"5.6 10%\r", "@cmdNext / txtAnswer: Answer, 5.6 10% / cmdCheck: Check, &Check, off / cmdNext: Next question, &Next question / lblFeedback: Feedback, Right: Green 5, Blue 6 give 56; Gold multiplies by 0.1, that is divides by 10: 5, Right: Green 5, Blue 6 give 56 / lblScore: Score, 1 of 1 right"},
            {"\r", "@txtAnswer / picQuestion: Question bands, Bands: Brown, Blue, Green, Gold / txtAnswer: Answer / cmdCheck: Check, &Check / cmdNext: Next question, &Next question, off / lblFeedback: Feedback"},
            // The multiplier forgotten and the tolerance wrong: two slips counted.
            {"16 10%\r", "@cmdNext / txtAnswer: Answer, 16 10% / cmdCheck: Check, &Check, off / cmdNext: Next question, &Next question / lblFeedback: Feedback, Not quite: you typed 16 ohm +/- 10%. 16 ohm would need the multiplier Black (x 1, Not quite: you typed 16 ohm +/ / lblScore: Score, 1 of 2 right / lblSlips: Slips, Slips so far: multiplier 1, tolerance 1., Slips so far: multiplier 1, to"},
            // Five-band questions, read, then chosen band by band, the picture following.
            {"\r~b_", "@cboBands / picQuestion: Question bands, Bands: Brown, Orange, Black, Red, Brown / txtAnswer: Answer / cboBands: 5 bands / cmdCheck: Check, &Check / cmdNext: Next question, &Next question, off / lblFeedback: Feedback"},
            {"~s", "@cboAnswer0 / optRead: Read the bands, &Read the bands / optChoose: Choose the bands, Choo&se the bands, checked / lblQuestionValue: Question value, 3.30 Kilohm +/- 2% / picAnswer: Answer bands, Bands: not chosen, not chosen, not chosen, not chosen, not chosen / lblAnswer0: Answer band 1, Answer band &1, > cboAnswer0 / cboAnswer0: Answer band 1 / lblAnswer1: Answer band 2, Answer band &2, > cboAnswer1 / cboAnswer1: Answer band 2 / lblAnswer2: Answer band 3, Answer band &3, > cboAnswer2 / cboAnswer2: Answer band 3 / lblAnswer3: Answer band 4, Answer band &4, > cboAnswer3 / cboAnswer3: Answer band 4 / lblAnswer4: Answer band 5, Answer band &5, > cboAnswer4 / cboAnswer4: Answer band 5"},
            {"Orange\tOrange\tBlack\tBrown\t", "@cboAnswer4 / picAnswer: Answer bands, Bands: Orange, Orange, Black, Brown, not chosen / cboAnswer0: Orange, Answer band 1, #f47a20#000000 / cboAnswer1: Orange, Answer band 2, #f47a20#000000 / cboAnswer2: Black, Answer band 3, #1e1e1e#ffffff / cboAnswer3: Brown, Answer band 4, #7a4520#ffffff"},
            {"Grey\r", "@cmdNext / picAnswer: Answer bands, Bands: Orange, Orange, Black, Brown, Grey / cboAnswer4: Grey, Answer band 5, #8e8e8e#000000 / cmdCheck: Check, &Check, off / cmdNext: Next question, &Next question / lblFeedback: Feedback, Not quite: your bands Orange, Orange, Black, Brown, Grey give 330 x 10 = 3300 oh, Not quite: your bands Orange,  / lblScore: Score, 1 of 3 right / lblSlips: Slips, Slips so far: multiplier 1, tolerance 2., Slips so far: multiplier 1, to"},
            // Enter on a list, once answered, goes on to the next question.
            {"\v\r", "@cboAnswer0 / lblQuestionValue: Question value, 35.7 ohm +/- 1% / picAnswer: Answer bands, Bands: not chosen, not chosen, not chosen, not chosen, not chosen / cboAnswer0: Answer band 1 / cboAnswer1: Answer band 2 / cboAnswer2: Answer band 3 / cboAnswer3: Answer band 4 / cboAnswer4: Answer band 5 / cmdCheck: Check, &Check / cmdNext: Next question, &Next question, off / lblFeedback: Feedback"},
        };
        // clang-format on
        QStringList before;
        for (const auto& [keys, heard] : steps) {
            // A list takes letters typed within the keyboard input interval as one name: each
            // other key waits that long before it is pressed.
            const QByteArray typed = keys.toLatin1();
            for (qsizetype at = 0; at < typed.size(); ++at) {
                const bool alt = typed[at] == '~' && ++at < typed.size();
                const char key = typed[at];
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                    key == '>'    ? Qt::Key_Right
                                    : key == '_'  ? Qt::Key_Down
                                    : key == '\n' ? Qt::Key_Enter
                                                  : QTest::asciiToKey(key),
                                    key,
                                    key == '\n' ? Qt::KeypadModifier
                                    : alt       ? Qt::AltModifier
                                                : Qt::NoModifier,
                                    key < ' ' || alt ? 50 : 0);
            }
            // An access key shows its button pressed a moment before it acts.
            QTest::qWait(200);
            QStringList now{"@" + QApplication::focusWidget()->objectName()};
            for (QWidget* w : QWidgetList{window} + window->findChildren<QWidget*>()) {
                QAccessibleInterface* node = QAccessible::queryAccessibleInterface(w);
                // Of a description, enough to see it arrive: the judge's words are tested with the
                // judge.
                QStringList texts{node->text(QAccessible::Name),
                                  node->text(QAccessible::Description).left(80),
                                  w->property("text").toString().left(30)};
                const QPalette& p = w->palette();
                texts << (node->state().disabled ? "off" : "")
                      << (node->state().checked ? "checked" : "")
                      << (p.resolveMask() ? p.base().color().name() + p.text().color().name() : "");
                for (const auto& [named, relation] : node->relations(QAccessible::Labelled))
                    texts << "> " + named->object()->objectName();
                texts.removeAll("");
                texts.removeDuplicates();
                if (w->isVisible() && !w->objectName().isEmpty())
                    now << w->objectName() + ": " + texts.join(", ");
                // However long the feedback, no control covers another.
                for (QWidget* other : window->findChildren<QWidget*>())
                    QVERIFY(other == w || other->parentWidget() != w->parentWidget() ||
                            !other->isVisible() || !w->isVisible() ||
                            !other->geometry().intersects(w->geometry()));
                // Each control as tall as its width needs: a label's text wrapped whole.
                QVERIFY(!w->isVisible() || w->heightForWidth(w->width()) <= w->height());
            }
            QStringList changed = now;
            changed.removeIf([&before](const QString& line) { return before.contains(line); });
            before = now;
            QCOMPARE(changed.join(" / "), heard);
            // A long feedback wraps, not widening the window past the screen.
            QVERIFY(window->width() <= window->screen()->availableGeometry().width());
        }
        // Four bands leave out the fifth answer list.
        QTest::keyClick(window, Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTRY_VERIFY(!window->findChild<QWidget*>("cboAnswer4")->isVisible());
        // Back to reading the bands by the access key, the window leaves out
        // the taller page of lists.
        QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(window->findChild<QWidget*>("picQuestion")->isVisible());
        QVERIFY(window->findChild<QWidget*>("picQuestion")->parentWidget()->height() <
                window->findChild<QWidget*>("picAnswer")->parentWidget()->sizeHint().height());
        // Escape closes the window, and closed it is gone; the next window
        // keeps the score and the slips until it starts again.
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
        window = new zevodave::frmPractice(record, 2);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QLabel* score = window->findChild<QLabel*>("lblScore");
        const QLabel* slips = window->findChild<QLabel*>("lblSlips");
        QCOMPARE(score->text() + " / " + slips->text(),
                 "1 of 3 right / Slips so far: multiplier 1, tolerance 2.");
        QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(score->text() + " / " + slips->text(), "0 of 0 right / No slips so far.");
    }
};

QTEST_MAIN(FrmPracticeTest)
#include "frmpractice_test.moc"
