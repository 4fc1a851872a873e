// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmlearnresistor.h"

#include "learnwindow.h"
#include "resistorpicture.h"
#include "textconvert.h"
#include "textlabel.h"
#include "wholevalue.h"
#include "wording.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace zevodave {

namespace {

// The series most parts lists keep to.
constexpr std::string_view kStartingSeries = "E12";
// Lines each text has room for: the working's three, one of them possibly
// wrapped; two for the standard values sentence; three for a refusal that
// quotes a long number.
constexpr int kWorkingLines = 4;
constexpr int kStandardLines = 2;
constexpr int kMessageLines = 3;

QPushButton* NewButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    // A dialog would make the first such button its default, and Enter in
    // the value field would press it after reading the value.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmLearnResistor::frmLearnResistor(const BandPositions& bands, QWidget* parent) : QDialog(parent) {
    SetUpLearnWindow(this, "frmLearnResistor", tr("%1 Resistor"), LearnWindowKind::Companion);
    CreateControls();
    ShowBands(bands);
}

void frmLearnResistor::CreateControls() {
    picResistor = new ResistorPicture;
    picResistor->setObjectName("picResistor");
    picResistor->setAccessibleName(tr("Resistor picture"));
    lblWorking = NewTextLabel("lblWorking", tr("Working"), kWorkingLines);
    lblStandard = NewTextLabel("lblStandard", tr("Standard values"), kStandardLines);

    // Created in tab order: the series and its buttons, then the value field.
    cboSeries = new QComboBox;
    cboSeries->setObjectName("cboSeries");
    for (const SeriesRow& series : kSeries)
        cboSeries->addItem(ToQString(series.name));
    cboSeries->setCurrentIndex(SeriesIndex(kStartingSeries));
    auto* lblSeries = NewCaption("lblSeries", tr("&Series"), cboSeries);
    cmdPrevious = NewButton("cmdPrevious", tr("&Previous standard value"));
    cmdNext = NewButton("cmdNext", tr("&Next standard value"));
    txtValue = new QLineEdit;
    txtValue->setObjectName("txtValue");
    txtValue->setAccessibleName(tr("Value"));
    auto* lblValue = NewCaption("lblValue", tr("&Value"), txtValue);
    lblMessage = NewTextLabel("lblMessage", tr("Message"), kMessageLines);

    auto* column = new QVBoxLayout(this);
    column->addWidget(picResistor, 0, Qt::AlignHCenter);
    for (const auto& row : std::initializer_list<std::initializer_list<QWidget*>>{
             {lblWorking},
             {lblStandard},
             {lblSeries, cboSeries, cmdPrevious, cmdNext},
             {lblValue, txtValue},
             {lblMessage}}) {
        auto* line = new QHBoxLayout;
        for (QWidget* control : row)
            line->addWidget(control);
        column->addLayout(line);
    }
    setFixedSize(sizeHint());
    txtValue->setFocus();

    connect(cboSeries, &QComboBox::currentIndexChanged, this,
            &frmLearnResistor::ShowStandardValues);
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdStep_Click(Direction::Down); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdStep_Click(Direction::Up); });
    connect(txtValue, &QLineEdit::returnPressed, this, &frmLearnResistor::txtValue_Enter);
}

void frmLearnResistor::ShowBands(const BandPositions& bands) {
    picResistor->SetBands(bands);
    ShowText(lblWorking, Wording::WorkingLines(bands).join('\n'));
    ShowStandardValues();
}

void frmLearnResistor::ShowStandardValues() {
    const std::optional<Decimal> value = BandValue(picResistor->Bands());
    ShowText(lblStandard, value ? Wording::StandardValues(*value) : QString());
    const int series = cboSeries->currentIndex();
    cmdPrevious->setEnabled(value && StandardStep(series, *value, Direction::Down));
    cmdNext->setEnabled(value && StandardStep(series, *value, Direction::Up));
}

void frmLearnResistor::txtValue_Enter() {
    const ValueReading reading = ReadWholeValue(txtValue->text().toStdString());
    if (reading.bands)
        emit BandsChosen(*reading.bands);
    ShowText(lblMessage, Wording::Refusal(reading));
    // The next value types over this one.
    txtValue->selectAll();
}

// The tolerance stays: only the value bands step.
void frmLearnResistor::cmdStep_Click(Direction direction) {
    if (const auto value = BandValue(picResistor->Bands())) {
        if (const auto step = StandardStep(cboSeries->currentIndex(), *value, direction))
            emit BandsChosen(*ValueBands(*step));
    }
}

} // namespace zevodave
