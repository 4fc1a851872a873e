// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "bandlist.h"

#include "bands.h"
#include "colour.h"
#include "wording.h"

namespace zevodave {

void FillBandList(QComboBox* list, int band) {
    for (std::size_t position = 0; position < EntryTexts(band).size(); ++position)
        list->addItem(Wording::EntryName(band, static_cast<int>(position)));
}

void PaintBandList(QComboBox* list, int band, int position) {
    const QColor swatch = ToQColor(SwatchColor(band, position));
    const QColor ink = ToQColor(TextColor(band, position));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, swatch);
    palette.setColor(QPalette::Button, swatch);
    palette.setColor(QPalette::Text, ink);
    palette.setColor(QPalette::ButtonText, ink);
    list->setPalette(palette);
}

BandList::BandList(int band, const QString& name, const QString& description) {
    setObjectName(name);
    setAccessibleDescription(description);
    FillBandList(this, band);
    setCurrentIndex(kNoPosition);
    connect(this, &QComboBox::currentIndexChanged, this, [this, band](int position) {
        if (position == kNoPosition)
            setPalette(QPalette());
        else
            PaintBandList(this, band, position);
    });
}

} // namespace zevodave
