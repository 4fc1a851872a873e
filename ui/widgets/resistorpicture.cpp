// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "resistorpicture.h"

#include "wording.h"

#include <QPainter>

#include <algorithm>

namespace zevodave {

namespace {

constexpr QSize kPictureSize(320, 84);
// In pixels of the picture: the leads' length out of the body at either
// end, the body's margin above, its height and the line of codes under it.
constexpr int kLeadLength = 50;
constexpr int kBodyTop = 8;
constexpr int kBodyHeight = 46;
constexpr int kCodesTop = kBodyTop + kBodyHeight + 4;
constexpr int kCodesHeight = 18;
constexpr int kBodyRounding = 25; // per cent of the body's height
constexpr int kLeadThickness = 5;
// The value bands start this far into the body, one every kBandPitch; the
// tolerance band stands kToleranceInset from the body's far end, or
// kSixBandToleranceInset ahead of a sixth band kWideBandWidth wide.
constexpr int kBandWidth = 12;
constexpr int kBandPitch = 26;
constexpr int kFirstBandInset = 22;
constexpr int kToleranceInset = 36;
constexpr int kSixBandToleranceInset = 58;
constexpr int kWideBandWidth = 18;
constexpr int kWideBandInset = 30;
// Gold and silver shine in a lighter stripe along the band's upper part.
constexpr double kSheenTop = 0.15;
constexpr double kSheenHeight = 0.2;
constexpr int kSheenLighter = 140; // per cent

constexpr QRgb kCarbonFilmBody = 0xE6CFA0;
constexpr QRgb kMetalFilmBody = 0x9CC7E8;
constexpr QRgb kLeadColour = 0x8C8C8C;
constexpr QRgb kOutlineColour = 0x404040;

// Where a band of a part of `count` bands stands on the body.
QRect BandRect(int count, int band, const QRect& body) {
    const int tolerance = FigureCount(count) + 1;
    if (band < tolerance)
        return {body.left() + kFirstBandInset + band * kBandPitch, body.top(), kBandWidth,
                body.height()};
    if (band == tolerance)
        return {body.right() - (count == kSixBands ? kSixBandToleranceInset : kToleranceInset),
                body.top(), kBandWidth, body.height()};
    return {body.right() - kWideBandInset, body.top(), kWideBandWidth, body.height()};
}

} // namespace

ResistorPicture::ResistorPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSize);
    SetBands(bands_);
}

void ResistorPicture::SetBands(const PartBands& bands, bool turned) {
    bands_ = bands;
    turned_ = turned;
    PartBands drawn = bands;
    if (turned)
        std::ranges::reverse(drawn);
    setAccessibleDescription(Wording::BandsDescription(drawn));
    update();
}

const PartBands& ResistorPicture::Bands() const {
    return bands_;
}

void ResistorPicture::SetCodesShown(bool shown) {
    codesShown_ = shown;
    update();
}

void ResistorPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int count = static_cast<int>(bands_.size());
    const QRect body(kLeadLength, kBodyTop, width() - 2 * kLeadLength, kBodyHeight);
    QRect lead(0, 0, width(), kLeadThickness);
    lead.moveCenter(body.center());
    painter.fillRect(lead, QColor(kLeadColour));
    // Only the rounded body is smoothed, its outline on whole pixels; the
    // bands keep sharp edges at any scale.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(kOutlineColour));
    painter.setBrush(QColor(count == kFourBands ? kCarbonFilmBody : kMetalFilmBody));
    painter.drawRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), kBodyRounding,
                            kBodyRounding, Qt::RelativeSize);
    painter.setRenderHint(QPainter::Antialiasing, false);

    for (int band = 0; band < count; ++band) {
        const int colour = bands_[band];
        QRect rect = BandRect(count, band, body);
        if (turned_)
            rect.moveRight(width() - 1 - rect.left());
        if (colour == kNoBand)
            continue;
        if (colour == kNoPosition) {
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect);
            continue;
        }
        const ColourCode& code = kColourCode[colour];
        const QColor ink = QColor::fromRgb(code.ink);
        painter.fillRect(rect, ink);
        if (code.metallic)
            painter.fillRect(QRectF(rect.left(), rect.top() + rect.height() * kSheenTop,
                                    rect.width(), rect.height() * kSheenHeight),
                             ink.lighter(kSheenLighter));
        if (codesShown_) {
            const QRect below(rect.center().x() - kBandPitch / 2, kCodesTop, kBandPitch,
                              kCodesHeight);
            painter.drawText(below, Qt::AlignCenter, QString::fromLatin1(code.letters));
        }
    }
}

} // namespace zevodave
