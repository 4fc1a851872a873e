// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The Practice window (Learn > Practice): a resistor of four or five bands to
// read, perhaps turned round, or a value to choose the bands for while the
// resistor is drawn as it is built; judged at once in words that teach. The
// score and the slips are kept in a record that outlives the window. A
// window of its own on the task bar: it needs nothing from the main window
// and keeps the program running without it.

#include "practice.h"

#include <QDialog>

#include <array>
#include <memory>
#include <random>

class QComboBox;
class QFormLayout;
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
    // Counts into `record`, shared with the windows before and after this
    // one. The questions come from `seed`: a fixed one asks the same
    // questions every time.
    explicit frmPractice(std::shared_ptr<PracticeRecord> record,
                         unsigned seed = std::random_device{}());

  protected:
    // Enter anywhere checks the answer, and once checked goes on.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void ShowPage(bool choosing);
    void NextQuestion();
    void ShowRecord();
    void cmdCheck_Click();
    void cmdStartAgain_Click();
    void cboAnswer_Change();
    bool ReadingBands() const;
    // Where the student answers the question of the chosen kind.
    QWidget* AnswerControl() const;
    // The colours chosen in the answer lists shown.
    PartBands Chosen() const;

    RandomSource random;
    std::shared_ptr<PracticeRecord> record;
    Question question;

    QRadioButton* optRead = nullptr;
    QRadioButton* optChoose = nullptr;
    QComboBox* cboBands = nullptr;
    QStackedWidget* stkKind = nullptr;
    ResistorPicture* picQuestion = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QLabel* lblQuestionValue = nullptr;
    ResistorPicture* picAnswer = nullptr;
    QFormLayout* choosePage = nullptr;
    std::array<QComboBox*, kFiveBands> cboAnswer{};
    QPushButton* cmdCheck = nullptr;
    QPushButton* cmdNext = nullptr;
    QLabel* lblFeedback = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblSlips = nullptr;
    QPushButton* cmdStartAgain = nullptr;
};

} // namespace zevodave
