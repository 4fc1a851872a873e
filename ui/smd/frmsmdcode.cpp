// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmsmdcode.h"

#include "chippicture.h"
#include "learnwindow.h"
#include "textconvert.h"
#include "textlabel.h"
#include "wholevalue.h"
#include "wording.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace zevodave {

namespace {

// Lines each text has room for: a marking read two ways, each sentence
// wrapped over three; the markings of a value over three. The texts wrap at
// about this many characters.
constexpr int kReadingLines = 6;
constexpr int kMarkingsLines = 3;
constexpr int kLineCharacters = 60;

} // namespace

frmSmdCode::frmSmdCode(QWidget* parent) : QDialog(parent) {
    SetUpLearnWindow(this, "frmSmdCode", tr("%1 SMD"), LearnWindowKind::Companion);
    picChip = new ChipPicture;
    picChip->setObjectName("picChip");
    picChip->setAccessibleName(tr("Chip picture"));
    // Created in tab order: the marking field, first, has the focus. The
    // fields are named by their labels.
    txtMarking = new QLineEdit;
    txtMarking->setObjectName("txtMarking");
    auto* lblMarking = NewCaption("lblMarking", tr("&Marking"), txtMarking);
    lblReading = NewTextLabel("lblReading", tr("Reading"), kReadingLines);
    lblReading->setMinimumWidth(fontMetrics().averageCharWidth() * kLineCharacters);
    txtValue = new QLineEdit;
    txtValue->setObjectName("txtValue");
    auto* lblValue = NewCaption("lblValue", tr("&Value"), txtValue);
    lblMarkings = NewTextLabel("lblMarkings", tr("Markings"), kMarkingsLines);

    auto* column = new QVBoxLayout(this);
    column->addWidget(picChip, 0, Qt::AlignHCenter);
    for (const auto& [caption, field, text] : {std::tuple(lblMarking, txtMarking, lblReading),
                                               std::tuple(lblValue, txtValue, lblMarkings)}) {
        auto* line = new QHBoxLayout;
        line->addWidget(caption);
        line->addWidget(field);
        column->addLayout(line);
        column->addWidget(text);
    }
    setFixedSize(sizeHint());

    connect(txtMarking, &QLineEdit::returnPressed, this, &frmSmdCode::txtMarking_Enter);
    connect(txtValue, &QLineEdit::returnPressed, this, &frmSmdCode::txtValue_Enter);
}

void frmSmdCode::txtMarking_Enter() {
    const MarkingResult result = ReadMarking(txtMarking->text().toStdString());
    ShowText(lblReading, Wording::Marking(result));
    picChip->SetMarking(result.readings.empty() ? QString() : ToQString(result.marking));
    txtMarking->selectAll();
}

void frmSmdCode::txtValue_Enter() {
    const ValueReading reading = ReadWholeValue(Wording::Typed(txtValue->text()), kFiveBands);
    // A number was read when the bands only could not show it.
    const bool number = reading.refusal == Refusal::None ||
                        reading.refusal == Refusal::TooManyFigures ||
                        reading.refusal == Refusal::TooLarge || reading.refusal == Refusal::TooFine;
    if (!number) {
        ShowText(lblMarkings, Wording::Refusal(reading));
    } else {
        const ValueMarkings markings = MarkingsFor(reading.value);
        ShowText(lblMarkings, Wording::Markings(reading.value, markings));
        // The chip shows the first marking, or none.
        const auto first = markings.threeDigits  ? markings.threeDigits
                           : markings.fourDigits ? markings.fourDigits
                                                 : markings.eia96;
        picChip->SetMarking(ToQString(first.value_or("")));
    }
    txtValue->selectAll();
}

} // namespace zevodave
