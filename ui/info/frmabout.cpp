// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmabout.h"

#include "appinfo.h"
#include "infowindow.h"
#include "sysinfo.h"
#include "textconvert.h"
#include "twips.h"

#include <QFont>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <string_view>

namespace zevodave {

namespace {

// Client area, and each control's Left, Top, Width and Height, in twips.
constexpr int kClientWidth = 5565;
constexpr int kClientHeight = 2340;
constexpr QRect kTitleRect = TwipsRect(90, 120, 5325, 360);
constexpr QRect kVersionRect = TwipsRect(120, 480, 5325, 225);
constexpr QRect kDescriptionRect = TwipsRect(120, 720, 5325, 210);
constexpr QRect kWarningRect = TwipsRect(90, 960, 3735, 1215);
constexpr QRect kOKRect = TwipsRect(4200, 1320, 1245, 345);
constexpr QRect kSysInfoRect = TwipsRect(4200, 1800, 1245, 345);

// A decorative serif face; where it is not installed the system's serif
// face stands in, closer to it than the sans-serif default.
constexpr std::string_view kTitleFontFamily = "Dragonwick";
constexpr double kTitleFontPoints = 14.25;

QLabel* NewLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(std::unique_ptr<Platform> platform)
    : QDialog(nullptr), platform_(std::move(platform)) {
    setObjectName("frmAbout");
    SetUpInfoWindow(this, kClientWidth, kClientHeight);

    CreateControls();
    Form_Load();
}

void frmAbout::CreateControls() {
    // Created in tab order: only the buttons take the focus, OK first.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(kOKRect);
    // First in the tab order, it has the focus when the window opens. Enter
    // presses it unless the other button has the focus; Escape, the dialog's
    // reject, closes the window just as it does.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setGeometry(kSysInfoRect);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    setTabOrder(cmdOK, cmdSysInfo);

    lblDescription = NewLabel(this, "lblDescription", kDescriptionRect);
    lblTitle = NewLabel(this, "lblTitle", kTitleRect);
    QFont titleFont(ToQString(kTitleFontFamily));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSizeF(kTitleFontPoints);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = NewLabel(this, "lblVersion", kVersionRect);
    lblWarning = NewLabel(this, "lblWarning", kWarningRect);
}

void frmAbout::Form_Load() {
    const QString title = ToQString(kAppTitle);
    setWindowTitle(tr("About %1").arg(title));
    lblVersion->setText(tr("Version %1").arg(ToQString(kVersionText)));
    lblTitle->setText(title);
    lblDescription->setText(tr("%1 color code calculation").arg(title));
    lblWarning->setText(
        tr("Warning:\r\n"
           "This program is strictly for converting values "
           "to resistor color bands or from resistor color bands to values. "
           "The program author assumes absolutely no responsibility whatsoever for any errors "
           "that may occur."));
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(*platform_, [this] { ShowUnavailable(); });
}

// Modal to this window only, and not waited for: the about window stays open
// underneath and takes no input until the message is closed, while the main
// window stays usable.
void frmAbout::ShowUnavailable() {
    auto* message = new QMessageBox(QMessageBox::NoIcon, ToQString(kAppTitle),
                                    tr("System Information Is Unavailable At This Time"),
                                    QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose, true);
    message->open();
}

} // namespace zevodave
