// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The resistor drawn: the body with its leads and the four bands in the
// colours of the main window's swatches, spaced as on a real part with the
// tolerance band apart. A band with nothing chosen is an empty outline; the
// tolerance None is no band at all, the plain body, as on a real part.
// It draws whatever positions it was last given, so any window can show a
// resistor with it.

#include "working.h"

#include <QWidget>

namespace zevodave {

class ResistorPicture : public QWidget {
    Q_OBJECT

  public:
    explicit ResistorPicture(QWidget* parent = nullptr);

    // Draws these positions from now on, and names them in the accessible
    // description ("Bands: Yellow, Violet, Red, Gold").
    void SetBands(const BandPositions& bands);
    const BandPositions& Bands() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    BandPositions bands_{kNoPosition, kNoPosition, kNoPosition, kNoPosition};
};

} // namespace zevodave
