// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmpractice.h"

#include "appinfo.h"
#include "resistorpicture.h"
#include "textconvert.h"

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

constexpr std::string_view kCaptionSuffix = " Practice";

// A text shown to the eye and, through the description, to a screen reader:
// a label with an accessible name no longer exposes its text.
void ShowText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}

QLabel* NewText(const QString& name, const QString& accessibleName) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    return label;
}

template <typename Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

// A form row whose label names its control as its buddy.
void AddRow(QFormLayout* form, const QString& text, const QString& name, QWidget* control) {
    auto* label = Named(new QLabel(text), name);
    label->setBuddy(control);
    form->addRow(label, control);
}

} // namespace

frmPractice::frmPractice(unsigned seed) : random(SeededSource(seed)) {
    setObjectName("frmPractice");
    setWindowTitle(ToQString(kAppTitle) + ToQString(kCaptionSuffix));
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    ShowScore();
    NextQuestion();
}

void frmPractice::CreateControls() {
    // Created in tab order: the kind of question, the answer, the buttons.
    optRead = Named(new QRadioButton("&Read the bands", this), "optRead");
    optChoose = Named(new QRadioButton("Choo&se the bands", this), "optChoose");
    optRead->setChecked(true);

    stkKind = new QStackedWidget(this);
    auto* readPage = new QFormLayout(new QWidget(stkKind));
    picQuestion = Named(new ResistorPicture, "picQuestion");
    picQuestion->setAccessibleName("Question bands");
    txtAnswer = Named(new QLineEdit, "txtAnswer");
    txtAnswer->setAccessibleName("Answer");
    readPage->addRow(picQuestion);
    AddRow(readPage, "&Answer", "lblAnswer", txtAnswer);

    auto* choosePage = new QFormLayout(new QWidget(stkKind));
    lblQuestionValue = NewText("lblQuestionValue", "Question value");
    choosePage->addRow(lblQuestionValue);
    for (int band = 0; band < kBandCount; ++band) {
        auto* list = Named(new QComboBox, QString("cboAnswer%1").arg(band));
        // A screen reader takes a drop-down list's name from its label
        // only while nothing is chosen, then from its entry: the band stays
        // in the description.
        list->setAccessibleDescription(QString("Answer band %1").arg(band + 1));
        for (std::string_view entry : EntryTexts(band))
            list->addItem(ToQString(entry));
        AddRow(choosePage, QString("Answer band &%1").arg(band + 1),
               QString("lblAnswer%1").arg(band), list);
        cboAnswer[band] = list;
    }
    stkKind->addWidget(readPage->parentWidget());
    stkKind->addWidget(choosePage->parentWidget());

    cmdCheck = Named(new QPushButton("&Check"), "cmdCheck");
    cmdNext = Named(new QPushButton("&Next question"), "cmdNext");
    lblFeedback = NewText("lblFeedback", "Feedback");
    lblFeedback->setWordWrap(true);
    lblScore = NewText("lblScore", "Score");

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
    picQuestion->SetBands(question);
    ShowText(lblQuestionValue, ToQString(QuestionText(question)));
    txtAnswer->clear();
    for (QComboBox* list : cboAnswer)
        list->setCurrentIndex(kNoPosition);
    ShowText(lblFeedback, {});
    cmdCheck->setEnabled(true);
    cmdNext->setEnabled(false);
    AnswerControl()->setFocus();
}

void frmPractice::ShowScore() {
    ShowText(lblScore, QString("%1 of %2 right").arg(answeredRight).arg(answered));
}

void frmPractice::cmdCheck_Click() {
    BandPositions chosen{};
    std::ranges::transform(cboAnswer, chosen.begin(), &QComboBox::currentIndex);
    const Verdict verdict = ReadingBands() ? JudgeReading(question, txtAnswer->text().toStdString())
                                           : JudgeChoice(question, chosen);
    ShowText(lblFeedback, ToQString(verdict.feedback));
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
