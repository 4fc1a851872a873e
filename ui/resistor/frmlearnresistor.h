// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The Resistor window (Learn > Resistor): the main window's resistor drawn,
// the working from its colours to its value, whether that value is a
// standard one with buttons that step to the neighbouring standard values,
// and a field that reads a whole value such as "4k7 5%" into the main
// window's bands. It keeps no band state of its own: every redraw reads the
// main window's four lists, and every change is made there as a user choice.
// A companion of the main window, off the task bar, it closes with it.

#include "standardvalues.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zevodave {

class frmResistor;
class ResistorPicture;

class frmLearnResistor : public QDialog {
    Q_OBJECT

  public:
    explicit frmLearnResistor(frmResistor* mainWindow);

  protected:
    // Closes this window when the main window closes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void PlaceBesideMainWindow();
    // Shows the main window's bands as they are now.
    void Redraw();
    // Enter in the value field: the value typed chooses the bands.
    void txtValue_Enter();
    void cmdStep_Click(Direction direction);
    BandPositions MainBands() const;
    // Chooses every band with a position, in the main window.
    void ChooseBands(const BandPositions& bands);

    frmResistor* mainWindow;
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
