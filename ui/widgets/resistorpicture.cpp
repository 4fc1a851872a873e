// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "resistorpicture.h"

#include "colour.h"
#include "wording.h"

#include <QPainter>

#include <array>

namespace zevodave {

namespace {

constexpr QSize kPictureSize(240, 60);
// In pixels of the picture: the leads' length out of the body at either end
// and the body's margin above and below; the three value bands sit close
// together near one end, the tolerance band on its own near the other.
constexpr int kLeadLength = 48;
constexpr int kBodyMargin = 9;
constexpr int kBodyRounding = 25; // per cent of the body's height
constexpr int kLeadThickness = 5;
constexpr int kBandWidth = 12;
constexpr std::array<int, kBandCount> kBandLeft{65, 86, 108, 161};

constexpr QRgb kBodyColour = 0xE6CFA0;
constexpr QRgb kLeadColour = 0x8C8C8C;
constexpr QRgb kOutlineColour = 0x404040;
// The last tolerance, None (20%), is made without a band.
constexpr int kNoneTolerance = static_cast<int>(kToleranceRows.size()) - 1;

} // namespace

ResistorPicture::ResistorPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSize);
    SetBands(bands_);
}

void ResistorPicture::SetBands(const BandPositions& bands) {
    bands_ = bands;
    setAccessibleDescription(Wording::BandsDescription(bands));
    update();
}

const BandPositions& ResistorPicture::Bands() const {
    return bands_;
}

void ResistorPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect body(kLeadLength, kBodyMargin, width() - 2 * kLeadLength,
                     height() - 2 * kBodyMargin);
    QRect lead(0, 0, width(), kLeadThickness);
    lead.moveCenter(body.center());
    painter.fillRect(lead, QColor(kLeadColour));
    // Only the rounded body is smoothed, its outline on whole pixels; the
    // bands keep sharp edges at any scale.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(kOutlineColour));
    painter.setBrush(QColor(kBodyColour));
    painter.drawRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), kBodyRounding,
                            kBodyRounding, Qt::RelativeSize);
    painter.setRenderHint(QPainter::Antialiasing, false);

    for (int band = 0; band < kBandCount; ++band) {
        const int position = bands_[band];
        if (band == kToleranceBand && position == kNoneTolerance)
            continue;
        painter.setBrush(position == kNoPosition ? QBrush(Qt::NoBrush)
                                                 : QBrush(ToQColor(SwatchColor(band, position))));
        painter.drawRect(kBandLeft[band], body.top(), kBandWidth, body.height());
    }
}

} // namespace zevodave
