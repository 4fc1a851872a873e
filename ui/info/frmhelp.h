// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The help window: fixed instructions for the main window and an OK button.
// A window of its own, not owned by the main window, that stays off the task
// bar and is destroyed when closed. A dialog, so that a screen reader
// announces it as a window and it opens centred; unlike the about window,
// Escape does not close it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace zevodave {

class frmHelp : public QDialog {
    Q_OBJECT

  public:
    frmHelp();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void OKButton_Click();

    QLabel* lblHelp = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace zevodave
