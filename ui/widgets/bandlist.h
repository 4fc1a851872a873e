// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// A band's drop-down list of colours, filled and painted in the colour chosen.

#include <QComboBox>

namespace zevodave {

// Fills a list with a band's colours, in the band's order, by name.
void FillBandList(QComboBox* list, int band);
// Fills a list with the colours a band of a part of `bandCount` bands
// offers, by name, each with its colour as the entry's data.
void FillPartList(QComboBox* list, int bandCount, int band);

// A language's colour names, or the text a list shows, may be wider than a
// narrow list such as the main window's: its text area then takes a font
// narrowed just enough for the widest of them, the list keeping its size.
void NarrowToFit(QComboBox* list);

// Paints a closed list in the swatch of a band's colour, text area and
// button alike, with text that stays readable on it.
void PaintBandList(QComboBox* list, int band, int position);
// Paints a closed list in a colour of the colour code as the resistor
// picture draws it; plain for kNoPosition and kNoBand.
void PaintInk(QComboBox* list, int colour);

} // namespace zevodave
