// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmlearnresistor.h"

#include "appinfo.h"
#include "frmresistor.h"
#include "resistorpicture.h"
#include "textconvert.h"
#include "wholevalue.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <initializer_list>
#include <string_view>

namespace zevodave {

namespace {

constexpr std::string_view kCaptionSuffix = " Resistor";
// E12, the series most parts lists keep to.
constexpr int kStartingSeries = 1;
// Lines each text has room for: the working's three, one of them possibly
// wrapped; two for the standard values sentence; three for a refusal that
// quotes a long number.
constexpr int kWorkingLines = 4;
constexpr int kStandardLines = 2;
constexpr int kMessageLines = 3;

// A text shown to the eye and, through the description, to a screen reader:
// a label with an accessible name no longer exposes its text.
void ShowText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}

QLabel* NewText(QWidget* parent, const QString& name, const QString& accessibleName, int lines) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest text it shows, so the window never changes size.
    label->setFixedHeight(lines * label->fontMetrics().lineSpacing());
    return label;
}

QLabel* NewCaption(QWidget* parent, const QString& name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // A dialog would make the first such button its default, and Enter in
    // the value field would press it after reading the value.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmLearnResistor::frmLearnResistor(frmResistor* mainWindow)
    : QDialog(mainWindow), mainWindow(mainWindow) {
    setObjectName("frmLearnResistor");
    setWindowTitle(ToQString(kAppTitle) + ToQString(kCaptionSuffix));
    // A tool window keeps off the task bar; a fixed border, close box only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);

    CreateControls();
    connect(mainWindow, &frmResistor::BandsChanged, this, &frmLearnResistor::Redraw);
    mainWindow->installEventFilter(this);
    Redraw();
    PlaceBesideMainWindow();
}

void frmLearnResistor::CreateControls() {
    picResistor = new ResistorPicture(this);
    picResistor->setObjectName("picResistor");
    picResistor->setAccessibleName("Resistor picture");
    lblWorking = NewText(this, "lblWorking", "Working", kWorkingLines);
    lblStandard = NewText(this, "lblStandard", "Standard values", kStandardLines);

    // Created in tab order: the series and its buttons, then the value field.
    cboSeries = new QComboBox(this);
    cboSeries->setObjectName("cboSeries");
    for (const SeriesRow& series : kSeries)
        cboSeries->addItem(ToQString(series.name));
    cboSeries->setCurrentIndex(kStartingSeries);
    auto* lblSeries = NewCaption(this, "lblSeries", "&Series", cboSeries);
    cmdPrevious = NewButton(this, "cmdPrevious", "&Previous standard value");
    cmdNext = NewButton(this, "cmdNext", "&Next standard value");
    txtValue = new QLineEdit(this);
    txtValue->setObjectName("txtValue");
    txtValue->setAccessibleName("Value");
    auto* lblValue = NewCaption(this, "lblValue", "&Value", txtValue);
    lblMessage = NewText(this, "lblMessage", "Message", kMessageLines);

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

    connect(cboSeries, &QComboBox::currentIndexChanged, this, &frmLearnResistor::Redraw);
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdStep_Click(Direction::Down); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdStep_Click(Direction::Up); });
    connect(txtValue, &QLineEdit::returnPressed, this, &frmLearnResistor::txtValue_Enter);
}

// To the right of the main window when the screen has room, else to its
// left; this window's frame is taken to be as thick as the main window's.
void frmLearnResistor::PlaceBesideMainWindow() {
    const QRect main = mainWindow->frameGeometry();
    const QRect screen = mainWindow->screen()->availableGeometry();
    const int frameWidth = width() + main.width() - mainWindow->width();
    const QRect onTheRight(main.x() + main.width(), screen.y(), frameWidth, height());
    move(screen.contains(onTheRight) ? onTheRight.x() : main.x() - frameWidth, main.y());
}

bool frmLearnResistor::eventFilter(QObject* watched, QEvent* event) {
    // Without the main window there is nothing to show or set.
    if (event->type() == QEvent::Close)
        close();
    return QDialog::eventFilter(watched, event);
}

BandPositions frmLearnResistor::MainBands() const {
    BandPositions bands{};
    for (int band = 0; band < kBandCount; ++band)
        bands[band] = mainWindow->BandPosition(band);
    return bands;
}

void frmLearnResistor::ChooseBands(const BandPositions& bands) {
    for (int band = 0; band < kBandCount; ++band) {
        if (bands[band] != kNoPosition)
            mainWindow->ChooseBand(band, bands[band]);
    }
}

void frmLearnResistor::Redraw() {
    const BandPositions bands = MainBands();
    picResistor->SetBands(bands);
    QStringList working;
    for (const std::string& line : WorkingLines(bands))
        working << ToQString(line);
    ShowText(lblWorking, working.join('\n'));

    const std::optional<Decimal> value = BandValue(bands);
    ShowText(lblStandard, value ? ToQString(StandardValuesText(*value)) : QString());
    const int series = cboSeries->currentIndex();
    cmdPrevious->setEnabled(value && StandardStep(series, *value, Direction::Down));
    cmdNext->setEnabled(value && StandardStep(series, *value, Direction::Up));
}

void frmLearnResistor::txtValue_Enter() {
    const ValueReading reading = ReadWholeValue(txtValue->text().toStdString());
    if (reading.bands)
        ChooseBands(*reading.bands);
    ShowText(lblMessage, ToQString(reading.refusal));
    // The next value types over this one.
    txtValue->selectAll();
}

// The tolerance stays: only the value bands step.
void frmLearnResistor::cmdStep_Click(Direction direction) {
    if (const auto value = BandValue(MainBands())) {
        if (const auto step = StandardStep(cboSeries->currentIndex(), *value, direction))
            ChooseBands(*ValueBands(*step));
    }
}

} // namespace zevodave
