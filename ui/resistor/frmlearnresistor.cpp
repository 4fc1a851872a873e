// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmlearnresistor.h"

#include "bandlist.h"
#include "learnwindow.h"
#include "resistorpicture.h"
#include "textconvert.h"
#include "textlabel.h"
#include "wholevalue.h"
#include "wording.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace zevodave {

namespace {

// The series most parts lists keep to, and the one a part keeps going back
// to four bands when four bands do not offer its series.
constexpr std::string_view kStartingSeries = "E12";
constexpr std::string_view kFourBandFinestSeries = "E24";
// The band lists stand in rows of three.
constexpr int kBandsPerRow = 3;
// Lines each text has room for: the working's four, two of them possibly
// wrapped; two for the standard values sentence; three for the other end's
// and for a refusal that quotes a long number.
constexpr int kWorkingLines = 6;
constexpr int kStandardLines = 2;
constexpr int kOtherEndLines = 3;
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

    // Created in tab order.
    chkCodes = new QCheckBox(tr("Colour &codes"));
    chkCodes->setObjectName("chkCodes");
    chkCodes->setChecked(true);
    cboBands = new QComboBox;
    cboBands->setObjectName("cboBands");
    for (int count = kFourBands; count <= kMostBands; ++count)
        cboBands->addItem(tr("%1 bands").arg(Wording::Number(count)));
    auto* lblBands = NewCaption("lblBands", tr("&Bands"), cboBands);
    auto* bandGrid = new QGridLayout;
    for (int band = 0; band < kMostBands; ++band) {
        auto* list = new QComboBox;
        list->setObjectName(QString("cboBand%1").arg(band));
        const QString name = tr("Band %1").arg(Wording::Number(band + 1));
        list->setAccessibleDescription(name);
        cboBand[band] = list;
        lblBand[band] = NewCaption(QString("lblBand%1").arg(band),
                                   tr("Band &%1").arg(Wording::Number(band + 1)), list);
        const int row = band / kBandsPerRow;
        const int column = 2 * (band % kBandsPerRow);
        bandGrid->addWidget(lblBand[band], row, column);
        bandGrid->addWidget(list, row, column + 1);
        connect(list, &QComboBox::activated, this,
                [this, band](int index) { cboBand_Choose(band, index); });
    }
    lblWorking = NewTextLabel("lblWorking", tr("Working"), kWorkingLines);
    lblStandard = NewTextLabel("lblStandard", tr("Standard values"), kStandardLines);
    lblOtherEnd = NewTextLabel("lblOtherEnd", tr("Other end"), kOtherEndLines);
    cmdTurnRound = NewButton("cmdTurnRound", tr("&Turn round"));
    // The sentence beside it takes the room.
    cmdTurnRound->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cboSeries = new QComboBox;
    cboSeries->setObjectName("cboSeries");
    // As wide as every series at once: five and six bands add E48 to E192
    // to a window whose size is fixed at four bands.
    for (const auto& series : kSeries)
        cboSeries->addItem(ToQString(series.name));
    cboSeries->setMinimumWidth(cboSeries->sizeHint().width());
    cboSeries->setCurrentIndex(kNoPosition);
    auto* lblSeries = NewCaption("lblSeries", tr("&Series"), cboSeries);
    cmdPrevious = NewButton("cmdPrevious", tr("&Previous standard value"));
    cmdNext = NewButton("cmdNext", tr("&Next standard value"));
    txtValue = new QLineEdit;
    txtValue->setObjectName("txtValue");
    auto* lblValue = NewCaption("lblValue", tr("&Value"), txtValue);
    lblMessage = NewTextLabel("lblMessage", tr("Message"), kMessageLines);

    auto* column = new QVBoxLayout(this);
    column->addWidget(picResistor, 0, Qt::AlignHCenter);
    auto* bandCount = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{lblBands, cboBands, chkCodes})
        bandCount->addWidget(control);
    bandCount->addStretch();
    column->addLayout(bandCount);
    column->addLayout(bandGrid);
    for (const auto& row : std::initializer_list<std::initializer_list<QWidget*>>{
             {lblWorking},
             {lblStandard},
             {lblOtherEnd, cmdTurnRound},
             {lblSeries, cboSeries, cmdPrevious, cmdNext},
             {lblValue, txtValue},
             {lblMessage}}) {
        auto* line = new QHBoxLayout;
        for (QWidget* control : row)
            line->addWidget(control, 0, Qt::AlignTop);
        column->addLayout(line);
    }
    cboBands_Change();
    setFixedSize(sizeHint());
    txtValue->setFocus();

    connect(chkCodes, &QCheckBox::toggled, picResistor, &ResistorPicture::SetCodesShown);
    connect(cboBands, &QComboBox::currentIndexChanged, this, &frmLearnResistor::cboBands_Change);
    connect(cboSeries, &QComboBox::currentIndexChanged, this,
            &frmLearnResistor::ShowStandardValues);
    connect(cmdTurnRound, &QPushButton::clicked, this, &frmLearnResistor::cmdTurnRound_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdStep_Click(Direction::Down); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdStep_Click(Direction::Up); });
    connect(txtValue, &QLineEdit::returnPressed, this, &frmLearnResistor::txtValue_Enter);
}

int frmLearnResistor::BandCount() const {
    return kFourBands + cboBands->currentIndex();
}

void frmLearnResistor::ShowBands(const BandPositions& bands) {
    fourBands_ = bands;
    if (BandCount() == kFourBands)
        ShowPart(FromPositions(bands));
}

// The lists hold the colours of the band count shown, each with its colour
// as data; the series those parts are offered.
void frmLearnResistor::cboBands_Change() {
    const int count = BandCount();
    const PartBands shown = count == kFourBands ? FromPositions(fourBands_)
                            : shownCount_ == kFourBands
                                ? WithBandCount(FromPositions(fourBands_), count)
                                : WithBandCount(picResistor->Bands(), count);
    shownCount_ = count;
    for (int band = 0; band < kMostBands; ++band) {
        QComboBox* list = cboBand[band];
        const QSignalBlocker quiet(list);
        list->clear();
        list->setVisible(band < count);
        lblBand[band]->setVisible(band < count);
        if (band < count)
            FillPartList(list, count, band);
    }
    {
        const QSignalBlocker quiet(cboSeries);
        const int series = cboSeries->currentIndex();
        const int offered = SeriesCount(count);
        while (cboSeries->count() > offered)
            cboSeries->removeItem(cboSeries->count() - 1);
        for (int added = cboSeries->count(); added < offered; ++added)
            cboSeries->addItem(ToQString(kSeries[added].name));
        cboSeries->setCurrentIndex(series == kNoPosition ? SeriesIndex(kStartingSeries)
                                   : series < offered    ? series
                                                         : SeriesIndex(kFourBandFinestSeries));
    }
    ShowPart(shown);
}

void frmLearnResistor::ShowPart(const PartBands& bands) {
    picResistor->SetBands(bands);
    for (int band = 0; band < static_cast<int>(bands.size()); ++band) {
        const QSignalBlocker quiet(cboBand[band]);
        cboBand[band]->setCurrentIndex(cboBand[band]->findData(bands[band]));
        PaintInk(cboBand[band], bands[band]);
    }
    ShowText(lblWorking, Wording::WorkingLines(bands).join('\n'));
    ShowText(lblOtherEnd, Wording::OtherEnd(bands));
    // A band not chosen fits no role: the other end must be a whole part.
    cmdTurnRound->setEnabled(FirstMisfit(Reversed(bands)) == kNoPosition);
    ShowStandardValues();
}

void frmLearnResistor::ChooseBands(const PartBands& bands) {
    if (BandCount() == kFourBands) {
        emit BandsChosen(ToPositions(bands));
        return;
    }
    PartBands shown = picResistor->Bands();
    for (std::size_t band = 0; band < shown.size(); ++band) {
        if (bands[band] != kNoPosition)
            shown[band] = bands[band];
    }
    ShowPart(shown);
}

void frmLearnResistor::ShowStandardValues() {
    const int count = BandCount();
    const std::optional<Decimal> value = PartValue(picResistor->Bands());
    ShowText(lblStandard, value ? Wording::StandardValues(*value, count) : QString());
    const int series = cboSeries->currentIndex();
    cmdPrevious->setEnabled(value && StandardStep(series, *value, Direction::Down, count));
    cmdNext->setEnabled(value && StandardStep(series, *value, Direction::Up, count));
}

void frmLearnResistor::cboBand_Choose(int band, int index) {
    PartBands bands(static_cast<std::size_t>(BandCount()), kNoPosition);
    bands[band] = cboBand[band]->itemData(index).toInt();
    ChooseBands(bands);
}

void frmLearnResistor::txtValue_Enter() {
    const std::string text = Wording::Typed(txtValue->text());
    ValueReading reading = ReadWholeValue(text, BandCount());
    QString message = Wording::Refusal(reading);
    if (reading.part && BandCount() != kFourBands &&
        (reading.toleranceColour == kNoPosition || reading.toleranceColour == kNoBand))
        message = tr("Five- and six-band parts always carry a tolerance band: it stays as it was.");
    // Four bands cannot show a third figure nor the finer tolerances: the
    // window moves on to five bands when they can.
    if (BandCount() == kFourBands &&
        (reading.refusal == Refusal::TooManyFigures || reading.refusal == Refusal::Tolerance)) {
        const ValueReading five = ReadWholeValue(text, kFiveBands);
        if (five.part) {
            cboBands->setCurrentIndex(kFiveBands - kFourBands);
            reading = five;
            message = tr("%1 needs five bands: the window shows it on a five-band part, and the "
                         "main window keeps its four bands.")
                          .arg(Wording::Value(*PartValue(*five.part)));
        }
    }
    if (reading.part)
        ChooseBands(*reading.part);
    ShowText(lblMessage, message);
    // The next value types over this one.
    txtValue->selectAll();
}

// The tolerance stays: only the value bands step.
void frmLearnResistor::cmdStep_Click(Direction direction) {
    const int count = BandCount();
    if (const auto value = PartValue(picResistor->Bands())) {
        if (const auto step = StandardStep(cboSeries->currentIndex(), *value, direction, count))
            ChooseBands(*ValueColours(*step, count));
    }
}

void frmLearnResistor::cmdTurnRound_Click() {
    ChooseBands(Reversed(picResistor->Bands()));
}

} // namespace zevodave
