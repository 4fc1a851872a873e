// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The Practice window (Learn > Practice): a resistor to read or a value to
// choose the bands for, judged at once in words that teach, and a score for
// the window's life. A window of its own on the task bar: it needs nothing
// from the main window and keeps the program running without it.

#include "practice.h"

#include <QDialog>

#include <array>
#include <random>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace zevodave {

class ResistorPicture;

class frmPractice : public QDialog {
    Q_OBJECT

  public:
    // The questions come from `seed`: a fixed one asks the same questions
    // every time.
    explicit frmPractice(unsigned seed = std::random_device{}());

  protected:
    // Enter anywhere checks the answer, and once checked goes on.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void NextQuestion();
    void ShowScore();
    void cmdCheck_Click();
    bool ReadingBands() const;
    // Where the student answers the question of the chosen kind.
    QWidget* AnswerControl() const;

    RandomSource random;
    // The bands that answer the question shown.
    BandPositions question{kNoPosition, kNoPosition, kNoPosition, kNoPosition};
    int answered = 0;
    int answeredRight = 0;

    QRadioButton* optRead = nullptr;
    QRadioButton* optChoose = nullptr;
    QStackedWidget* stkKind = nullptr;
    ResistorPicture* picQuestion = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QLabel* lblQuestionValue = nullptr;
    std::array<QComboBox*, kBandCount> cboAnswer{};
    QPushButton* cmdCheck = nullptr;
    QPushButton* cmdNext = nullptr;
    QLabel* lblFeedback = nullptr;
    QLabel* lblScore = nullptr;
};

} // namespace zevodave
