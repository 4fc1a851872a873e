// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#include "frmresistor.h"

#include "appinfo.h"
#include "bandlist.h"
#include "bands.h"
#include "frmabout.h"
#include "frmhelp.h"
#include "frmlearnresistor.h"
#include "frmpractice.h"
#include "frmsmdcode.h"
#include "learnwindow.h"
#include "resistance.h"
#include "textconvert.h"
#include "twips.h"
#include "typedentry.h"
#include "wording.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace zevodave {

namespace {

// Client area, and each control's Left, Top, Width and Height, in twips.
constexpr int kClientWidth = 2280;
constexpr int kClientHeight = 1920;
constexpr int kLeftColumn = 120;
constexpr int kRightColumn = 1320;
constexpr int kFirstRowTop = 120;
constexpr int kRowPitch = 360;
constexpr int kListWidth = 1095;
constexpr int kListHeight = 315;
constexpr int kFieldWidth = 855;
constexpr int kFieldHeight = 285;
constexpr int kResultTop = 1560;
constexpr int kResultWidth = 2055;

// The fields hold whatever the user types; Qt would otherwise stop at 32767
// characters.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

int NextBand(int band) {
    return (band + 1) % kBandCount;
}

} // namespace

frmResistor::frmResistor(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmResistor");
    setWindowTitle(ToQString(kAppTitle));
    // A fixed, thin-bordered window: minimise and close, nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    CreateControls();
    CreateMenus();
    Form_Load();
    ConnectHandlers();
    CentreOnScreen();
}

// The program ends with this window (File > Exit, or the event loop ending
// after the last window closed); a help or about window still open goes too.
frmResistor::~frmResistor() {
    delete helpWindow;
    delete aboutWindow;
    delete practiceWindow;
}

void frmResistor::CreateControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
    setCentralWidget(client);
    // The window is exactly the menu bar plus the client area, at any scale.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Created in tab order, which Qt follows: the four lists top to bottom,
    // then the four fields, then the result field.
    for (int band = 0; band < kBandCount; ++band) {
        auto* list = new QComboBox(client);
        list->setObjectName(QString("cboBand%1").arg(band));
        // A screen reader takes a drop-down list's name from its current
        // entry, so the band comes from a label (kept hidden: the layout has
        // none) and the description, which it reads whatever the list shows.
        const QString bandName = tr("Band %1 colour").arg(band + 1);
        list->setAccessibleName(bandName);
        list->setAccessibleDescription(bandName);
        auto* label = new QLabel(bandName, client);
        label->setBuddy(list);
        label->hide();
        list->setEditable(true);
        // Typing into the text area must never choose or add an entry: no
        // insertion, and no completer that could pick a matching entry.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        list->setGeometry(
            TwipsRect(kLeftColumn, kFirstRowTop + band * kRowPitch, kListWidth, kListHeight));
        cboBand[band] = list;
    }
    const auto newField = [client](const QString& name, const QString& accessibleName,
                                   const QRect& geometry) {
        auto* field = new QLineEdit(client);
        field->setObjectName(name);
        field->setAccessibleName(accessibleName);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(kNoLengthLimit);
        field->setGeometry(geometry);
        return field;
    };
    for (int band = 0; band < kBandCount; ++band) {
        txtBand[band] = newField(
            QString("txtBand%1").arg(band), tr("Band %1 value").arg(band + 1),
            TwipsRect(kRightColumn, kFirstRowTop + band * kRowPitch, kFieldWidth, kFieldHeight));
    }
    txtValues = newField("txtValues", tr("Resistance"),
                         TwipsRect(kLeftColumn, kResultTop, kResultWidth, kFieldHeight));
}

void frmResistor::CreateMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuFileEdit = mnuFile->addAction(tr("E&dit"));
    mnuFileEdit->setObjectName("mnuFileEdit");
    mnuFileSave = mnuFile->addAction(tr("&Save"));
    mnuFileSave->setObjectName("mnuFileSave");
    // Editing and saving have nothing to work on yet: shown, but greyed out.
    mnuFileEdit->setEnabled(false);
    mnuFileSave->setEnabled(false);
    mnuFileExit = mnuFile->addAction(tr("&Exit"));
    mnuFileExit->setObjectName("mnuFileExit");

    // Between File and Help, which desktops keep last.
    mnuLearn = menuBar()->addMenu(tr("&Learn"));
    mnuLearn->setObjectName("mnuLearn");
    mnuLearnResistor = mnuLearn->addAction(tr("&Resistor"));
    mnuLearnResistor->setObjectName("mnuLearnResistor");
    mnuLearnSmd = mnuLearn->addAction(tr("&SMD code"));
    mnuLearnSmd->setObjectName("mnuLearnSmd");
    mnuLearnPractice = mnuLearn->addAction(tr("&Practice"));
    mnuLearnPractice->setObjectName("mnuLearnPractice");

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName("mnuHelp");
    mnuHelpAbout = mnuHelp->addAction(tr("&About"));
    mnuHelpAbout->setObjectName("mnuHelpAbout");
    mnuHelpHelp = mnuHelp->addAction(tr("&Help"));
    mnuHelpHelp->setObjectName("mnuHelpHelp");
}

// Fills the lists. Qt makes the first entry added to an empty list its
// current one, so each list is put back to "nothing chosen" afterwards, and
// the handlers are connected only later: start-up runs none of them.
void frmResistor::Form_Load() {
    for (int band = 0; band < kBandCount; ++band) {
        QComboBox* list = cboBand[band];
        FillBandList(list, band);
        list->setCurrentIndex(kNoPosition);
        // Clearing the position clears the text area too, so the starting
        // text goes in after it.
        list->setEditText(tr("Band %1").arg(band + 1));
        NarrowToFit(list);
    }
}

void frmResistor::ConnectHandlers() {
    for (int band = 0; band < kBandCount; ++band) {
        QComboBox* list = cboBand[band];
        // Only a choice by the user: positions set from code go through
        // SetListIndex. Qt's editable list would also choose an entry whose
        // text matches what was typed, on Enter or when the focus leaves;
        // typing there must change nothing, so those links are cut.
        connect(list, &QComboBox::activated, this, [this, band] { cboBand_Click(band); });
        disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
        disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);

        txtBand[band]->installEventFilter(this);
    }
    connect(mnuFileExit, &QAction::triggered, this, &frmResistor::mnuFileExit_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmResistor::mnuHelpAbout_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &frmResistor::mnuHelpHelp_Click);
    connect(mnuLearnResistor, &QAction::triggered, this, &frmResistor::mnuLearnResistor_Click);
    connect(mnuLearnSmd, &QAction::triggered, this, &frmResistor::mnuLearnSmd_Click);
    connect(mnuLearnPractice, &QAction::triggered, this, &frmResistor::mnuLearnPractice_Click);
}

void frmResistor::CentreOnScreen() {
    adjustSize();
    if (const QScreen* target = screen())
        move(target->availableGeometry().center() - rect().center());
}

bool frmResistor::eventFilter(QObject* watched, QEvent* event) {
    const int band = BandOfField(watched);
    if (band == kNoPosition)
        return QMainWindow::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn) {
        txtBand_GotFocus(band, static_cast<QFocusEvent*>(event)->reason());
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Ctrl+Enter and Alt+Enter are other keys to the field; Shift and the
        // keypad still make an Enter.
        const bool plain =
            (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
        if (enter && plain)
            txtBand_KeyPress(band);
    }
    // Every key, Enter included, goes on to the field's own editing.
    return false;
}

int frmResistor::BandOfField(const QObject* object) const {
    const auto field = std::ranges::find(txtBand, object);
    return field == txtBand.end() ? kNoPosition : static_cast<int>(field - txtBand.begin());
}

void frmResistor::cboBand_Click(int index) {
    ShowChoice(index);
    cboBand[NextBand(index)]->setFocus();
    ShowResult();
}

void frmResistor::ShowChoice(int index) {
    const int position = cboBand[index]->currentIndex();
    PaintBandList(cboBand[index], index, position);
    if (const auto text = FieldText(index, position))
        txtBand[index]->setText(ToQString(*text));
}

void frmResistor::ShowResult() {
    txtValues->setText(Wording::ResultLine(ResistanceText(
        cboBand[kFirstDigitBand]->currentIndex(), cboBand[kSecondDigitBand]->currentIndex(),
        cboBand[kMultiplierBand]->currentIndex(), cboBand[kToleranceBand]->currentIndex())));
    emit BandsChanged(Bands());
}

BandPositions frmResistor::Bands() const {
    BandPositions bands{};
    std::ranges::transform(cboBand, bands.begin(), &QComboBox::currentIndex);
    return bands;
}

// The focus moves on from the last band chosen, as that choice made here
// would have moved it.
void frmResistor::SetBands(const BandPositions& bands) {
    int last = kNoPosition;
    for (int band = 0; band < kBandCount; ++band) {
        if (bands[band] == kNoPosition)
            continue;
        cboBand[band]->setCurrentIndex(bands[band]);
        ShowChoice(band);
        last = band;
    }
    cboBand[NextBand(last)]->setFocus();
    ShowResult();
}

void frmResistor::SetListIndex(int band, int position) {
    cboBand[band]->setCurrentIndex(position);
    cboBand_Click(band);
}

// The whole text is selected so the next key types over it. Coming back from
// another window or a context menu is no new visit and keeps the selection
// the user left. A mouse click places the cursor after the focus arrives, so
// that selection waits until the click is done.
void frmResistor::txtBand_GotFocus(int index, Qt::FocusReason reason) {
    QLineEdit* field = txtBand[index];
    switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    case Qt::MouseFocusReason:
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
        break;
    default:
        field->selectAll();
        break;
    }
}

void frmResistor::txtBand_KeyPress(int index) {
    QLineEdit* field = txtBand[index];
    const TypedOutcome outcome = TypedPosition(index, field->text().toStdString());
    if (outcome.isReject()) {
        ErrorAnswer(index);
        return;
    }
    if (outcome.isPosition())
        SetListIndex(index, outcome.position());
    // The field is rewritten from the colour the list now shows, so a
    // multiplier text that named nothing gives way to the colour that stays.
    if (const auto text = FieldText(index, cboBand[index]->currentIndex()))
        field->setText(ToQString(*text));
    // After the list's own move to the next list: the focus ends in the next
    // band's field, ready for its value.
    txtBand[NextBand(index)]->setFocus();
}

void frmResistor::ErrorAnswer(int band) {
    txtValues->setText(tr("ERROR"));
    txtBand[band]->selectAll();
}

void frmResistor::mnuFileExit_Click() {
    // Ends the program at once, whatever other windows are open.
    QCoreApplication::exit(EXIT_SUCCESS);
}

namespace {

// Shows the one window of its kind, making it with `create` when none is
// open, and brings it to the front.
template <typename Window, typename Create>
void ShowSingle(QPointer<Window>& window, Create create) {
    if (!window) {
        window = create();
        window->show();
    }
    window->raise();
    window->activateWindow();
}

} // namespace

void frmResistor::mnuHelpAbout_Click() {
    ShowSingle(aboutWindow, [] { return new frmAbout; });
}

void frmResistor::mnuHelpHelp_Click() {
    ShowSingle(helpWindow, [] { return new frmHelp; });
}

// The Resistor window shows this window's bands and chooses them here.
void frmResistor::mnuLearnResistor_Click() {
    ShowSingle(resistorWindow, [this] {
        auto* window = new frmLearnResistor(Bands(), this);
        connect(this, &frmResistor::BandsChanged, window, &frmLearnResistor::ShowBands);
        connect(window, &frmLearnResistor::BandsChosen, this, &frmResistor::SetBands);
        PlaceBeside(window, {this});
        return window;
    });
}

// The SMD window opens clear of this window and of an open Resistor window.
void frmResistor::mnuLearnSmd_Click() {
    ShowSingle(smdWindow, [this] {
        auto* window = new frmSmdCode(this);
        PlaceBeside(window, {this, resistorWindow});
        return window;
    });
}

void frmResistor::mnuLearnPractice_Click() {
    ShowSingle(practiceWindow, [this] { return new frmPractice(practiceRecord); });
}

void frmResistor::closeEvent(QCloseEvent* event) {
    if (resistorWindow)
        resistorWindow->close();
    if (smdWindow)
        smdWindow->close();
    QMainWindow::closeEvent(event);
}

} // namespace zevodave
