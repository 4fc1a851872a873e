// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "bandlist.h"

#include "bands.h"
#include "colour.h"
#include "part.h"
#include "wording.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace zevodave {

namespace {

// What a line edit keeps clear either side of its text.
constexpr int kLineEditMargin = 2;
constexpr int kFullWidth = 100; // per cent of the font's own width

} // namespace

void FillBandList(QComboBox* list, int band) {
    for (std::size_t position = 0; position < EntryTexts(band).size(); ++position)
        list->addItem(Wording::EntryName(band, static_cast<int>(position)));
}

void FillPartList(QComboBox* list, int bandCount, int band) {
    for (const int colour : RoleColours(bandCount, RoleOf(bandCount, band)))
        list->addItem(Wording::ColourName(colour), colour);
}

void NarrowToFit(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const int room =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width() -
        2 * kLineEditMargin;
    QFont narrow = list->font();
    const auto widest = [&list, &narrow] {
        int widest = 0;
        for (int entry = 0; entry < list->count(); ++entry)
            widest =
                std::max(widest, QFontMetrics(narrow).horizontalAdvance(list->itemText(entry)));
        return std::max(widest, QFontMetrics(narrow).horizontalAdvance(list->currentText()));
    };
    // Glyphs keep whole pixels, so the width narrows by steps.
    for (int stretch = kFullWidth; widest() > room && stretch > QFont::UltraCondensed; --stretch)
        narrow.setStretch(stretch - 1);
    if (narrow.stretch() != QFont::AnyStretch)
        (list->isEditable() ? static_cast<QWidget*>(list->lineEdit()) : list)->setFont(narrow);
}

namespace {

// Lightness under which white text reads better than black.
constexpr int kDarkLightness = 128;

void Paint(QComboBox* list, const QColor& swatch, const QColor& ink) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, swatch);
    palette.setColor(QPalette::Button, swatch);
    palette.setColor(QPalette::Text, ink);
    palette.setColor(QPalette::ButtonText, ink);
    list->setPalette(palette);
}

} // namespace

void PaintBandList(QComboBox* list, int band, int position) {
    Paint(list, ToQColor(SwatchColor(band, position)), ToQColor(TextColor(band, position)));
}

void PaintInk(QComboBox* list, int colour) {
    if (colour == kNoPosition || colour == kNoBand) {
        list->setPalette(QPalette());
        return;
    }
    const QColor ink = QColor::fromRgb(kColourCode[colour].ink);
    Paint(list, ink, ink.lightness() < kDarkLightness ? Qt::white : Qt::black);
}

} // namespace zevodave
