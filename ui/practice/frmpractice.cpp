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
#include <QSignalBlocker>
#include <QStackedWidget>

#include <utility>

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

frmPractice::frmPractice(std::shared_ptr<PracticeRecord> record, unsigned seed)
    : random(SeededSource(seed)), record(std::move(record)) {
    SetUpLearnWindow(this, "frmPractice", tr("%1 Practice"), LearnWindowKind::OwnWindow);
    CreateControls();
    ShowRecord();
    NextQuestion();
}

void frmPractice::CreateControls() {
    // Created in tab order: the kind of question, the answer, the buttons.
    optRead = Named(new QRadioButton(tr("&Read the bands"), this), "optRead");
    optChoose = Named(new QRadioButton(tr("Choo&se the bands"), this), "optChoose");
    optRead->setChecked(true);
    cboBands = Named(new QComboBox, "cboBands");
    cboBands->addItems(
        {tr("%1 bands").arg(Wording::Number(kFourBands)),
         tr("%1 bands").arg(Wording::Number(kFiveBands)),
         tr("%1 or %2 bands").arg(Wording::Number(kFourBands), Wording::Number(kFiveBands))});

    stkKind = new QStackedWidget(this);
    auto* readPage = new QFormLayout(new QWidget(stkKind));
    picQuestion = Named(new ResistorPicture, "picQuestion");
    picQuestion->setAccessibleName(tr("Question bands"));
    txtAnswer = Named(new QLineEdit, "txtAnswer");
    txtAnswer->setAccessibleName(tr("Answer"));
    readPage->addRow(picQuestion);
    AddRow(readPage, tr("&Answer"), "lblAnswer", txtAnswer);

    choosePage = new QFormLayout(new QWidget(stkKind));
    lblQuestionValue = NewTextLabel("lblQuestionValue", tr("Question value"));
    picAnswer = Named(new ResistorPicture, "picAnswer");
    picAnswer->setAccessibleName(tr("Answer bands"));
    choosePage->addRow(lblQuestionValue);
    choosePage->addRow(picAnswer);
    for (int band = 0; band < kFiveBands; ++band) {
        QComboBox* list = Named(new QComboBox, QString("cboAnswer%1").arg(band));
        // A screen reader names a list by its entry once one is chosen.
        list->setAccessibleDescription(tr("Answer band %1").arg(band + 1));
        AddRow(choosePage, tr("Answer band &%1").arg(band + 1), QString("lblAnswer%1").arg(band),
               list);
        connect(list, &QComboBox::currentIndexChanged, this, &frmPractice::cboAnswer_Change);
        cboAnswer[band] = list;
    }
    stkKind->addWidget(readPage->parentWidget());
    stkKind->addWidget(choosePage->parentWidget());

    cmdCheck = Named(new QPushButton(tr("&Check")), "cmdCheck");
    cmdNext = Named(new QPushButton(tr("&Next question")), "cmdNext");
    lblFeedback = NewTextLabel("lblFeedback", tr("Feedback"));
    lblScore = NewTextLabel("lblScore", tr("Score"));
    lblSlips = NewTextLabel("lblSlips", tr("Slips"));
    cmdStartAgain = Named(new QPushButton(tr("S&tart again")), "cmdStartAgain");

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optRead);
    kinds->addWidget(optChoose);
    auto* bandCount = new QHBoxLayout;
    bandCount->addWidget(NewCaption("lblBands", tr("&Bands"), cboBands));
    bandCount->addWidget(cboBands, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCheck);
    buttons->addWidget(cmdNext);
    auto* score = new QHBoxLayout;
    score->addWidget(lblScore, 1);
    score->addWidget(cmdStartAgain);
    auto* column = new QVBoxLayout(this);
    column->addLayout(kinds);
    column->addLayout(bandCount);
    column->addWidget(stkKind);
    column->addLayout(buttons);
    column->addWidget(lblFeedback);
    column->addLayout(score);
    column->addWidget(lblSlips);

    // One signal for both buttons: one is checked as the other is cleared.
    connect(optChoose, &QRadioButton::toggled, this, [this](bool choose) {
        ShowPage(choose);
        NextQuestion();
    });
    ShowPage(false);
    // The focus stays on the list, so the next band count is a key away.
    connect(cboBands, &QComboBox::currentIndexChanged, this, [this] {
        NextQuestion();
        cboBands->setFocus();
    });
    connect(cmdCheck, &QPushButton::clicked, this, &frmPractice::cmdCheck_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmPractice::NextQuestion);
    connect(cmdStartAgain, &QPushButton::clicked, this, &frmPractice::cmdStartAgain_Click);
}

// The window takes the size of the page shown: the choose page, the taller,
// leaves its size out while the read page shows.
void frmPractice::ShowPage(bool choosing) {
    QWidget* lists = choosePage->parentWidget();
    const QSizePolicy::Policy policy = choosing ? QSizePolicy::Preferred : QSizePolicy::Ignored;
    lists->setSizePolicy(policy, policy);
    stkKind->setCurrentWidget(choosing ? lists : txtAnswer->parentWidget());
    adjustSize();
}

bool frmPractice::ReadingBands() const {
    return optRead->isChecked();
}

QWidget* frmPractice::AnswerControl() const {
    return ReadingBands() ? static_cast<QWidget*>(txtAnswer) : cboAnswer[0];
}

PartBands frmPractice::Chosen() const {
    PartBands chosen;
    for (std::size_t band = 0; band < question.bands.size(); ++band) {
        const QComboBox* list = cboAnswer[band];
        chosen.push_back(list->currentIndex() == kNoPosition ? kNoPosition
                                                             : list->currentData().toInt());
    }
    return chosen;
}

void frmPractice::NextQuestion() {
    question = DrawQuestion(random, static_cast<QuestionBands>(cboBands->currentIndex()),
                            ReadingBands(), question);
    const int count = static_cast<int>(question.bands.size());
    picQuestion->SetBands(question.bands, question.turned);
    ShowText(lblQuestionValue, Wording::QuestionValue(question));
    // As many answer lists as the question has bands, with those bands'
    // colours, none chosen.
    for (int band = 0; band < kFiveBands; ++band) {
        QComboBox* list = cboAnswer[band];
        const QSignalBlocker quiet(list);
        list->clear();
        choosePage->setRowVisible(list, band < count);
        if (band < count)
            FillPartList(list, count, band);
        list->setCurrentIndex(kNoPosition);
        PaintInk(list, kNoPosition);
    }
    picAnswer->SetBands(Chosen());
    txtAnswer->clear();
    ShowText(lblFeedback, {});
    cmdCheck->setEnabled(true);
    cmdNext->setEnabled(false);
    AnswerControl()->setFocus();
}

// The chosen colours painted in their lists and drawn on the resistor.
void frmPractice::cboAnswer_Change() {
    const PartBands chosen = Chosen();
    for (std::size_t band = 0; band < chosen.size(); ++band)
        PaintInk(cboAnswer[band], chosen[band]);
    picAnswer->SetBands(chosen);
}

void frmPractice::ShowRecord() {
    ShowText(lblScore, Wording::Score(record->right, record->answered));
    ShowText(lblSlips, Wording::Slips(*record));
}

void frmPractice::cmdStartAgain_Click() {
    *record = {};
    ShowRecord();
}

void frmPractice::cmdCheck_Click() {
    const bool reading = ReadingBands();
    const Verdict verdict = reading ? JudgeReading(question, Wording::Typed(txtAnswer->text()))
                                    : JudgeChoice(question, Chosen());
    ShowText(lblFeedback, reading ? Wording::ReadingFeedback(question, verdict)
                                  : Wording::ChoiceFeedback(question, verdict));
    // The window takes the height the whole feedback needs; its layout alone
    // would squeeze the controls above it.
    resize(width(), heightForWidth(width()));
    if (verdict.outcome == Outcome::Unanswered) {
        // Back to the answer to try again, the text ready to be typed over.
        AnswerControl()->setFocus();
        txtAnswer->selectAll();
        return;
    }
    record->Count(verdict);
    ShowRecord();
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
