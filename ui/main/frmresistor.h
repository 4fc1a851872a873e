// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// The main window: four band rows, each a colour list and a value field, and
// the result field below them. The calculator's whole state lives in these
// controls; the handlers only read and write them.

#include <QMainWindow>
#include <QPointer>

#include "practice.h"
#include "working.h"

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;

namespace zevodave {

class frmAbout;
class frmHelp;
class frmLearnResistor;
class frmPractice;
class frmSmdCode;

class frmResistor : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmResistor(QWidget* parent = nullptr);
    ~frmResistor() override;

  public slots:
    // Chooses every band with a position at once, as choices in the lists
    // would, and shows the result once; kNoPosition leaves a band as it is.
    void SetBands(const BandPositions& bands);

  signals:
    // A choice was handled; every list shows its position by now.
    void BandsChanged(const BandPositions& bands);

  protected:
    // The Resistor window, a companion of this one, closes with it.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();
    void mnuLearnResistor_Click();
    void mnuLearnSmd_Click();
    void mnuLearnPractice_Click();

  private:
    void CreateControls();
    void CreateMenus();
    void Form_Load();
    void ConnectHandlers();
    void CentreOnScreen();

    // A colour was chosen in a list, by the user or through SetListIndex.
    void cboBand_Click(int index);
    // The parts of a choice's handling: the band's own list and field, and
    // the result line with the news of it.
    void ShowChoice(int index);
    void ShowResult();
    BandPositions Bands() const;
    void txtBand_GotFocus(int index, Qt::FocusReason reason);
    // Enter in a band field: the typed value chooses the band's colour.
    void txtBand_KeyPress(int index);

    // Chooses a position from code. The choice is handled even when the list
    // already shows that position, so the field and result line are rebuilt.
    void SetListIndex(int band, int position);
    void ErrorAnswer(int band);
    int BandOfField(const QObject* object) const;

    std::array<QComboBox*, kBandCount> cboBand{};
    std::array<QLineEdit*, kBandCount> txtBand{};
    QLineEdit* txtValues = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileEdit = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuLearn = nullptr;
    QAction* mnuLearnResistor = nullptr;
    QAction* mnuLearnSmd = nullptr;
    QAction* mnuLearnPractice = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuHelpHelp = nullptr;

    // The one help and the one about window while they are open. They are
    // windows of their own, not children: closing this window leaves them open.
    QPointer<frmHelp> helpWindow;
    QPointer<frmAbout> aboutWindow;
    // The one Resistor window while it is open: a companion of this window,
    // its child, so it closes with it.
    QPointer<frmLearnResistor> resistorWindow;
    // The one SMD window, a companion like the Resistor window.
    QPointer<frmSmdCode> smdWindow;
    // The one Practice window: a window of its own, like the help window.
    QPointer<frmPractice> practiceWindow;
    // The Practice score and slips, kept from one Practice window to the next.
    std::shared_ptr<PracticeRecord> practiceRecord = std::make_shared<PracticeRecord>();
};

} // namespace zevodave
