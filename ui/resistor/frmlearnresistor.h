// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The Resistor window (Learn > Resistor): a resistor of four, five or six
// bands drawn, its band lists, the working from its colours to its value,
// whether that value is a standard one with buttons that step to the
// neighbouring standard values, what the bands give read from the other end,
// and a field that reads a whole value such as "4k7 5%".
//
// With four bands it shows the bands it is given and asks for the bands a
// user wants through a signal; the window that opens it decides what they
// become. With five or six it keeps bands of its own. The bands shown live
// in its picture.

#include "part.h"
#include "standardvalues.h"

#include <QDialog>

#include <array>

class QCheckBox;
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
    // The four bands to show: with four bands, shown at once, the picture,
    // the working and the standard values; with five or six, once the user
    // goes back to four.
    void ShowBands(const BandPositions& bands);

  signals:
    // The user asks for these four bands; kNoPosition leaves a band as it is.
    void BandsChosen(const BandPositions& bands);

  private:
    void CreateControls();
    int BandCount() const;
    // Shows a part: picture, lists, working, standard values, other end.
    void ShowPart(const PartBands& bands);
    // The bands the user asks for: on four bands the window that opened
    // this one decides, on five or six they are shown at once. kNoPosition
    // leaves a band as it is.
    void ChooseBands(const PartBands& bands);
    void ShowStandardValues();
    void cboBands_Change();
    void cboBand_Choose(int band, int index);
    // Enter in the value field: the value typed chooses the bands.
    void txtValue_Enter();
    void cmdStep_Click(Direction direction);
    void cmdTurnRound_Click();

    BandPositions fourBands_{};
    int shownCount_ = kFourBands;
    ResistorPicture* picResistor = nullptr;
    QCheckBox* chkCodes = nullptr;
    QComboBox* cboBands = nullptr;
    std::array<QComboBox*, kMostBands> cboBand{};
    std::array<QLabel*, kMostBands> lblBand{};
    QLabel* lblWorking = nullptr;
    QLabel* lblStandard = nullptr;
    QLabel* lblOtherEnd = nullptr;
    QPushButton* cmdTurnRound = nullptr;
    QComboBox* cboSeries = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QLineEdit* txtValue = nullptr;
    QLabel* lblMessage = nullptr;
};

} // namespace zevodave
