// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "chippicture.h"

#include <QPainter>

namespace zevodave {

namespace {

constexpr QSize kPictureSize(200, 84);
// In pixels of the picture: the chip's place, its metal ends' width, the
// marking's size.
constexpr QRect kChip(30, 12, 140, 60);
constexpr int kEndWidth = 22;
constexpr int kMarkingPixelSize = 26;
constexpr int kCornerRadius = 3;

constexpr QRgb kBodyColour = 0x1C1C1C;
constexpr QRgb kEndColour = 0xC4C7CC;
constexpr QRgb kEndEdgeColour = 0x8A8D92;

} // namespace

ChipPicture::ChipPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSize);
    SetMarking({});
}

void ChipPicture::SetMarking(const QString& marking) {
    marking_ = marking;
    setAccessibleDescription(marking.isEmpty() ? tr("No marking") : tr("Marking: %1").arg(marking));
    update();
}

void ChipPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(kEndEdgeColour));
    painter.setBrush(QColor(kEndColour));
    painter.drawRoundedRect(kChip, kCornerRadius, kCornerRadius);
    const QRect body = kChip.adjusted(kEndWidth, 0, -kEndWidth, 0);
    painter.fillRect(body, QColor(kBodyColour));

    QFont font = painter.font();
    font.setPixelSize(kMarkingPixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(body, Qt::AlignCenter, marking_);
}

} // namespace zevodave
