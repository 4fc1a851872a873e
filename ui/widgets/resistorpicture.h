// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// A leaded resistor drawn as it looks: four bands on a beige carbon-film
// body, five or six on a light blue metal-film body, in inks like real bands
// (metallic gold and silver). The figures and the multiplier sit close
// together, the tolerance band apart, a sixth band wider on the end cap. A
// band with nothing chosen is an empty outline; a four-band part without a
// tolerance band shows the plain body there. Under each band its letter code
// (BK, BN...), for a student who cannot tell red from brown.

#include "part.h"

#include <QWidget>

namespace zevodave {

class ResistorPicture : public QWidget {
    Q_OBJECT

  public:
    explicit ResistorPicture(QWidget* parent = nullptr);

    // Draws these bands from now on, turned round (the first band at the
    // right) or not, and names them left to right as drawn in the
    // accessible description ("Bands: Yellow, Violet, Red, Gold").
    void SetBands(const PartBands& bands, bool turned = false);
    const PartBands& Bands() const;
    // Whether the letter codes show under the bands; they do at first.
    void SetCodesShown(bool shown);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PartBands bands_ = PartBands(kFourBands, kNoPosition);
    bool turned_ = false;
    bool codesShown_ = true;
};

} // namespace zevodave
