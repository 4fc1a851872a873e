// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmpractice.h"

#include "bandlist.h"
#include "learnwindow.h"
#include "resistorpicture.h"
#include "textlabel.h"
#include "wording.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <algorithm>
#include <string_view>

namespace zevodave {

namespace {

template <typename Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

// A form row whose label names its control as its buddy.
void AddRow(QFormLayout* form, const QString& text, const QString& name, QWidget* control) {
    form->addRow(NewCaption(name, text, control), control);
}

} // namespace

frmPractice::frmPractice(unsigned seed) : random(SeededSource(seed)) {
    SetUpLearnWindow(this, "frmPractice", tr("%1 Practice"), LearnWindowKind::OwnWindow);
    CreateControls();
    ShowScore();
    NextQuestion();
}

void frmPractice::CreateControls() {
    // Created in tab order: the kind of question, the answer, the buttons.
    optRead = Named(new QRadioButton(tr("&Read the bands"), this), "optRead");
    optChoose = Named(new QRadioButton(tr("Choo&se the bands"), this), "optChoose");
    optRead->setChecked(true);

    stkKind = new QStackedWidget(this);
    auto* readPage = new QFormLayout(new QWidget(stkKind));
    picQuestion = Named(new ResistorPicture, "picQuestion");
    picQuestion->setAccessibleName(tr("Question bands"));
    txtAnswer = Named(new QLineEdit, "txtAnswer");
    txtAnswer->setAccessibleName(tr("Answer"));
    readPage->addRow(picQuestion);
    AddRow(readPage, tr("&Answer"), "lblAnswer", txtAnswer);

    auto* choosePage = new QFormLayout(new QWidget(stkKind));
    lblQuestionValue = NewTextLabel("lblQuestionValue", tr("Question value"));
    choosePage->addRow(lblQuestionValue);
    for (int band = 0; band < kBandCount; ++band) {
        cboAnswer[band] = new BandList(band, QString("cboAnswer%1").arg(band),
                                       tr("Answer band %1").arg(band + 1));
        AddRow(choosePage, tr("Answer band &%1").arg(band + 1), QString("lblAnswer%1").arg(band),
               cboAnswer[band]);
    }
    stkKind->addWidget(readPage->parentWidget());
    stkKind->addWidget(choosePage->parentWidget());

    cmdCheck = Named(new QPushButton(tr("&Check")), "cmdCheck");
    cmdNext = Named(new QPushButton(tr("&Next question")), "cmdNext");
    lblFeedback = NewTextLabel("lblFeedback", tr("Feedback"));
    lblScore = NewTextLabel("lblScore", tr("Score"));

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optRead);
    kinds->addWidget(optChoose);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCheck);
    buttons->addWidget(cmdNext);
    auto* column = new QVBoxLayout(this);
    column->addLayout(kinds);
    column->addWidget(stkKind);
    column->addLayout(buttons);
    column->addWidget(lblFeedback);
    column->addWidget(lblScore);

    // One signal for both buttons: one is checked as the other is cleared.
    connect(optChoose, &QRadioButton::toggled, this, [this](bool choose) {
        stkKind->setCurrentIndex(choose ? 1 : 0);
        NextQuestion();
    });
    connect(cmdCheck, &QPushButton::clicked, this, &frmPractice::cmdCheck_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmPractice::NextQuestion);
}

bool frmPractice::ReadingBands() const {
    return optRead->isChecked();
}

QWidget* frmPractice::AnswerControl() const {
    return ReadingBands() ? static_cast<QWidget*>(txtAnswer) : cboAnswer[kFirstDigitBand];
}

void frmPractice::NextQuestion() {
    question = DrawQuestion(random, question);
    picQuestion->SetBands(FromPositions(question));
    ShowText(lblQuestionValue, Wording::Question(question));
    txtAnswer->clear();
    for (QComboBox* list : cboAnswer)
        list->setCurrentIndex(kNoPosition);
    ShowText(lblFeedback, {});
    cmdCheck->setEnabled(true);
    cmdNext->setEnabled(false);
    AnswerControl()->setFocus();
}

void frmPractice::ShowScore() {
    ShowText(lblScore, Wording::Score(answeredRight, answered));
}

void frmPractice::cmdCheck_Click() {
    BandPositions chosen{};
    std::ranges::transform(cboAnswer, chosen.begin(), &QComboBox::currentIndex);
    const bool reading = ReadingBands();
    const Verdict verdict = reading ? JudgeReading(question, txtAnswer->text().toStdString())
                                    : JudgeChoice(question, chosen);
    ShowText(lblFeedback, reading ? Wording::ReadingFeedback(question, verdict)
                                  : Wording::ChoiceFeedback(question, chosen, verdict));
    // The window takes the height the whole feedback needs; its layout alone
    // would squeeze the controls above it.
    resize(width(), heightForWidth(width()));
    if (verdict.outcome == Outcome::Unanswered) {
        // Back to the answer to try again, the text ready to be typed over.
        AnswerControl()->setFocus();
        txtAnswer->selectAll();
        return;
    }
    ++answered;
    answeredRight += verdict.outcome == Outcome::Right ? 1 : 0;
    ShowScore();
    cmdCheck->setEnabled(false);
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
}

void frmPractice::keyPressEvent(QKeyEvent* event) {
    // The answer field, the closed lists and the buttons pass Enter on.
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QDialog::keyPressEvent(event);
    (cmdNext->isEnabled() ? cmdNext : cmdCheck)->click();
}

} // namespace zevodave
