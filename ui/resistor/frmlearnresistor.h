// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The Resistor window (Learn > Resistor): a resistor drawn, the working from
// its colours to its value, whether that value is a standard one with
// buttons that step to the neighbouring standard values, and a field that
// reads a whole value such as "4k7 5%". It shows the bands it is given and
// asks for the bands a user wants through a signal; the window that opens it
// decides what they become. The bands shown live in its picture.

#include "standardvalues.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zevodave {

class ResistorPicture;

class frmLearnResistor : public QDialog {
    Q_OBJECT

  public:
    // Shows `bands` until it is given others.
    explicit frmLearnResistor(const BandPositions& bands, QWidget* parent = nullptr);

  public slots:
    // Shows these bands: the picture, the working, the standard values.
    void ShowBands(const BandPositions& bands);

  signals:
    // The user asks for these bands; kNoPosition leaves a band as it is.
    void BandsChosen(const BandPositions& bands);

  private:
    void CreateControls();
    void ShowStandardValues();
    // Enter in the value field: the value typed chooses the bands.
    void txtValue_Enter();
    void cmdStep_Click(Direction direction);

    ResistorPicture* picResistor = nullptr;
    QLabel* lblWorking = nullptr;
    QLabel* lblStandard = nullptr;
    QComboBox* cboSeries = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QLineEdit* txtValue = nullptr;
    QLabel* lblMessage = nullptr;
};

} // namespace zevodave
