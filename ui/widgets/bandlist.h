// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// A band's drop-down list of colours, painted in the colour chosen.

#include <QComboBox>

namespace zevodave {

// Fills a list with a band's colours, in the band's order, by name.
void FillBandList(QComboBox* list, int band);

// Paints a closed list in the swatch of a band's colour, text area and
// button alike, with text that stays readable on it.
void PaintBandList(QComboBox* list, int band, int position);
// Paints a closed list in a colour of the colour code as the resistor
// picture draws it; plain for kNoPosition and kNoBand.
void PaintInk(QComboBox* list, int colour);

// The list of one band: its colours as entries, nothing chosen at first,
// painted in each colour as it is chosen and plain again with none. A
// screen reader takes a drop-down list's name from its label only while
// nothing is chosen, then from its entry: the band also stays in the
// description.
class BandList : public QComboBox {
    Q_OBJECT

  public:
    BandList(int band, const QString& name, const QString& description);
};

} // namespace zevodave
