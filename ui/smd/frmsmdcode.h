// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The SMD window (Learn > SMD code): the marking on a surface-mount resistor
// read and worked out ("472" is 47 and 2 zeros), and the markings written
// for a value typed, with the chip drawn.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace zevodave {

class ChipPicture;

class frmSmdCode : public QDialog {
    Q_OBJECT

  public:
    explicit frmSmdCode(QWidget* parent = nullptr);

  private:
    // Enter in the marking field: the marking read.
    void txtMarking_Enter();
    // Enter in the value field: its markings written.
    void txtValue_Enter();

    ChipPicture* picChip = nullptr;
    QLineEdit* txtMarking = nullptr;
    QLabel* lblReading = nullptr;
    QLineEdit* txtValue = nullptr;
    QLabel* lblMarkings = nullptr;
};

} // namespace zevodave
