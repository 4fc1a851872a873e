// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmhelp.h"

#include "appinfo.h"
#include "infowindow.h"
#include "textconvert.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zevodave {

namespace {

// Client area, and each control's Left, Top, Width and Height, in twips.
constexpr int kClientWidth = 4950;
constexpr int kClientHeight = 5085;
constexpr QRect kHelpRect = TwipsRect(120, 120, 4695, 4335);
constexpr QRect kOKRect = TwipsRect(3600, 4560, 1215, 375);

} // namespace

frmHelp::frmHelp() : QDialog(nullptr) {
    setObjectName("frmHelp");
    SetUpInfoWindow(this, kClientWidth, kClientHeight);

    lblHelp = new QLabel(this);
    lblHelp->setObjectName("lblHelp");
    lblHelp->setGeometry(kHelpRect);
    lblHelp->setWordWrap(true);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(kOKRect);
    // Neither default nor cancel button: Enter and Space press it only while
    // it has the focus, which the dialog gives it, having no other control to
    // give it to (a dialog's buttons take Enter when focused).
    connect(OKButton, &QPushButton::clicked, this, &frmHelp::OKButton_Click);

    // Caption and text never change, so setting them again at each
    // activation would show nothing new: they are set once, before the
    // window is first shown.
    Form_Load();
}

// The window has no cancel button: Escape does nothing here. OK, its only
// control, takes Enter and Space itself, so no key is left for the dialog.
void frmHelp::keyPressEvent(QKeyEvent* /*event*/) {}

// One text, lines separated by CR LF; the label wraps what is too wide. The
// spacing of the last three lines is part of the text.
void frmHelp::Form_Load() {
    setWindowTitle(tr("%1 Help").arg(ToQString(kAppTitle)));
    lblHelp->setText(tr("You can either select the color band from the drop down\r\n"
                        "menus or you can type the values directly into the right hand\r\n"
                        "corresponding fields.\r\n"
                        "For the third band (the multiplier) type the number of zeros.\r\n"
                        "For the fourth band type either 1, 2, 5, 10, or 20 for the tolerance.\r\n"
                        "The bottom field will show the calculated resistor value.\r\n"
                        "You can change any values at any time for recalculation.\r\n"
                        "\r\n"
                        "Smallest possible resistor value = .01 ohm +-20%\r\n"
                        "Largest possible resistor value = 99 GigOhm +-20%\r\n"
                        "\r\n"
                        "There are other band 4 tolerance values which I have not\r\n"
                        "included because they are not commonly used.\r\n"
                        "Black   = 20 %\r\n"
                        "Orange =  3 %\r\n"
                        "Green   =  5 %"));
}

void frmHelp::OKButton_Click() {
    close();
}

} // namespace zevodave
