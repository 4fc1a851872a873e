// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Practice window by the keyboard alone, questions from a fixed seed,
// followed as a screen reader hears it.

#include "frmpractice.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

class FrmPracticeTest : public QObject {
    Q_OBJECT

  private slots:
    // Keys to the focused control (\t Tab, \v Shift+Tab, > the Right arrow, \r Return, \n the
    // keypad's Enter), each time followed by "@" and the focused control, then the named
    // controls a screen reader finds that it did not before, hidden ones left out: "object:
    // name, description, text shown" without repeats, "off" when disabled, "> object" for the
    // control a label names.
    void keyboardJourneys() {
        QApplication::setKeyboardInputInterval(50);
        QPointer window = new zevodave::frmPractice(1);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // clang-format off
        const std::pair<QString, QString> steps[] = {
            {"", "@txtAnswer / frmPractice: Zevodave Practice / optRead: Read the bands, "
             "&Read the bands, checked / optChoose: Choose the bands, Choo&se the bands / picQuestion: "
             "Question bands, Bands: Violet, Green, Black, N / lblAnswer: Answer, &Answer, > "
             "txtAnswer / txtAnswer: Answer / cmdCheck: Check, &Check / cmdNext: Next question, "
             "&Next question, off / lblFeedback: Feedback / lblScore: Score, 0 of 0 right"},
            // Unreadable, right, Enter to the next question; then a slip.
            {"seventy-five\r75R 20%\r\n", "picQuestion: Question bands, Bands: Yellow, Violet, "
             "Gold, S / lblScore: Score, 1 of 1 right"},
            {"470k\n", "@cmdNext / txtAnswer: Answer, 470k / cmdCheck: Check, &Check, off / "
             "cmdNext: Next question, &Next question / lblFeedback: Feedback, Not quite: you typed "
             "470 Kiloh / lblScore: Score, 1 of 2 right"},
            // The other kind; right, then with lists left unchosen and a first band of Black.
            {"\v\v>\tBrown\tBlue\tGreen\tSilver\r\rBlack\t\t\t\t \tBrown\tBlue\tSilver\t\r",
             "optRead: Read the bands, &Read the bands / optChoose: Choose the bands, Choo&se the "
             "bands, checked / lblQuestionValue: Question value, 24 ohm +/- 2% / lblAnswer0: Answer band 1, Answer "
             "band &1, > cboAnswer0 / cboAnswer0: Black, Answer band 1 / lblAnswer1: Answer band "
             "2, Answer band &2, > cboAnswer1 / cboAnswer1: Brown, Answer band 2 / lblAnswer2: "
             "Answer band 3, Answer band &3, > cboAnswer2 / cboAnswer2: Blue, Answer band 3 / "
             "lblAnswer3: Answer band 4, Answer band &4, > cboAnswer3 / cboAnswer3: Silver, Answer "
             "band 4 / lblFeedback: Feedback, Not quite: you chose Black, Br / lblScore: Score, 2 "
             "of 4 right"},
            // Enter on a list, once answered, goes on to the next question.
            {"\v\r", "@cboAnswer0 / lblQuestionValue: Question value, 470 ohm +/- 5% / cboAnswer0: "
             "Answer band 1 / cboAnswer1: Answer band 2 / cboAnswer2: Answer band 3 / cboAnswer3: "
             "Answer band 4 / cmdCheck: Check, &Check / cmdNext: Next question, &Next question, off "
             "/ lblFeedback: Feedback"}};
        // clang-format on
        QStringList before;
        for (const auto& [keys, heard] : steps) {
            // A list takes letters typed within the keyboard input interval as one name: each
            // other key waits that long before it is pressed.
            for (const char key : keys.toLatin1())
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                    key == '>'    ? Qt::Key_Right
                                    : key == '\n' ? Qt::Key_Enter
                                                  : QTest::asciiToKey(key),
                                    key, key == '\n' ? Qt::KeypadModifier : Qt::NoModifier,
                                    key < ' ' ? 50 : 0);
            QStringList now{"@" + QApplication::focusWidget()->objectName()};
            for (QWidget* w : QWidgetList{window} + window->findChildren<QWidget*>()) {
                QAccessibleInterface* node = QAccessible::queryAccessibleInterface(w);
                // Of a description, enough to see it arrive: the judge's words are tested with the
                // judge.
                QStringList texts{node->text(QAccessible::Name),
                                  node->text(QAccessible::Description).left(30),
                                  w->property("text").toString().left(30)};
                texts << (node->state().disabled ? "off" : "")
                      << (node->state().checked ? "checked" : "");
                for (const auto& [named, relation] : node->relations(QAccessible::Labelled))
                    texts << "> " + named->object()->objectName();
                texts.removeAll("");
                texts.removeDuplicates();
                if (w->isVisible() && !w->objectName().isEmpty())
                    now << w->objectName() + ": " + texts.join(", ");
                // A long feedback squeezes no control, and none covers another.
                QVERIFY(!w->isVisible() || w->height() >= w->minimumSizeHint().height());
                for (QWidget* other : window->findChildren<QWidget*>())
                    QVERIFY(other == w || other->parentWidget() != w->parentWidget() ||
                            !other->isVisible() || !w->isVisible() ||
                            !other->geometry().intersects(w->geometry()));
            }
            QStringList changed = now;
            changed.removeIf([&before](const QString& line) { return before.contains(line); });
            before = now;
            QCOMPARE(changed.join(" / "), heard);
            // A long feedback wraps, not widening the window past the screen.
            QVERIFY(window->width() <= window->screen()->availableGeometry().width());
        }
        // An answer list is painted as it is chosen (Black, white text), and
        // plain again for the next question, here on going back to reading the
        // bands by the access key.
        QWidget* list = QApplication::focusWidget();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::white));
        QTest::keyClick(list, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(window->findChild<QWidget*>("picQuestion")->isVisible());
        QCOMPARE(list->palette(), QApplication::palette(list));
        // Escape closes the window, and closed it is gone.
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(FrmPracticeTest)
#include "frmpractice_test.moc"
