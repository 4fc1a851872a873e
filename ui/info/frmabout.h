// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The about window: title, version, description and disclaimer, and a
// button that starts the system-information tool. A window of its own, not
// owned by the main window, that stays off the task bar and is destroyed
// when closed. A dialog, for its default button (Enter) and Escape, which
// both close it here.

#include "platform.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace zevodave {

class frmAbout : public QDialog {
    Q_OBJECT

  public:
    // `platform` finds and starts the system-information tool.
    explicit frmAbout(std::unique_ptr<Platform> platform = MakePlatform());

  private:
    void CreateControls();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void ShowUnavailable();

    std::unique_ptr<Platform> platform_;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

} // namespace zevodave
