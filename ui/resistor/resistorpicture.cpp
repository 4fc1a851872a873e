#include "resistorpicture.h"

#include <QPainter>

#include <array>

namespace zevodave {

namespace {

constexpr QSize kPictureSize(240, 60);

// Across the picture in hundredths of its width, down it in hundredths of its
// height. The three value bands sit close together near one end, the
// tolerance band on its own near the other.
constexpr int kHundred = 100;
constexpr int kBodyLeft = 20;
constexpr int kBodyRight = 80;
constexpr int kBodyTop = 15;
constexpr int kBodyBottom = 85;
constexpr int kBodyRounding = 25;
constexpr int kLeadThickness = 8;
constexpr int kBandWidth = 5;
constexpr std::array<int, kBandCount> kBandLeft{27, 36, 45, 67};

constexpr QRgb kBodyColour = 0xE6CFA0;
constexpr QRgb kLeadColour = 0x8C8C8C;
constexpr QRgb kOutlineColour = 0x404040;
// The last tolerance, None (20%), is made without a band.
constexpr int kNoneTolerance = static_cast<int>(kToleranceRows.size()) - 1;

// A colour code text's value is 0x00BBGGRR, red in the lowest byte.
QColor Swatch(int band, int position) {
    const QRgb value = ColourValue(SwatchColor(band, position));
    return QColor(qBlue(value), qGreen(value), qRed(value));
}

} // namespace

ResistorPicture::ResistorPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSize);
    SetBands(bands_);
}

void ResistorPicture::SetBands(const BandPositions& bands) {
    bands_ = bands;
    setAccessibleDescription(QString::fromStdString(BandsDescription(bands)));
    update();
}

void ResistorPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto across = [this](int hundredths) { return width() * hundredths / kHundred; };
    const auto down = [this](int hundredths) { return height() * hundredths / kHundred; };
    const QRect body(QPoint(across(kBodyLeft), down(kBodyTop)),
                     QPoint(across(kBodyRight), down(kBodyBottom)));

    const int leadThickness = down(kLeadThickness);
    painter.fillRect(0, body.center().y() - leadThickness / 2, width(), leadThickness,
                     QColor(kLeadColour));
    // Only the rounded body is smoothed; the bands keep sharp edges at any
    // scale.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(kOutlineColour));
    painter.setBrush(QColor(kBodyColour));
    painter.drawRoundedRect(body, kBodyRounding, kBodyRounding, Qt::RelativeSize);
    painter.setRenderHint(QPainter::Antialiasing, false);

    for (int band = 0; band < kBandCount; ++band) {
        const int position = bands_[band];
        if (band == kToleranceBand && position == kNoneTolerance)
            continue;
        painter.setBrush(position == kNoPosition ? QBrush(Qt::NoBrush)
                                                 : QBrush(Swatch(band, position)));
        painter.drawRect(across(kBandLeft[band]), body.top(), across(kBandWidth), body.height());
    }
}

} // namespace zevodave
