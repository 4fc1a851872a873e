// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "bandlist.h"

#include "bands.h"
#include "colour.h"
#include "part.h"
#include "wording.h"

namespace zevodave {

void FillBandList(QComboBox* list, int band) {
    for (std::size_t position = 0; position < EntryTexts(band).size(); ++position)
        list->addItem(Wording::EntryName(band, static_cast<int>(position)));
}

void FillPartList(QComboBox* list, int bandCount, int band) {
    for (const int colour : RoleColours(bandCount, RoleOf(bandCount, band)))
        list->addItem(Wording::ColourName(colour), colour);
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
