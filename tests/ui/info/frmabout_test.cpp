// The about window as a user meets it: what it shows, its keys, and the
// System Info button against a fake platform.

#include "fakeplatform.h"
#include "frmabout.h"
#include "twips.h"
#include "windowtest.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <memory>

using zevodave::frmAbout;
using zevodave::kRegSz;
using zevodave::TwipsRect;
using zevodave::testing::FakePlatform;
using namespace zevodave::testing;

namespace {

const QString kWarning = "Warning:\r\nThis program is strictly for converting values to resistor "
                         "color bands or from resistor color bands to values. The program author "
                         "assumes absolutely no responsibility whatsoever for any errors that may "
                         "occur.";
constexpr std::uint32_t kHklm = 0x80000002;
const std::string kTool = "/opt/tools/sysinfo";

} // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsCaptionAndTextsExactly();
    void titleIsInTheDisplayFont();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void isAFixedToolWindowOfItsOwn();
    void textsFitTheirLabels();
    void okHasTheFocusAndTabGoesToSystemInfo();
    void keys_data();
    void keys();
    void closeBoxDestroysIt();
    void unavailableToolShowsTheMessage();
    void registeredToolStartsWithoutMessage();
    void programOutlivesTheMainWindowWhileOpen();

  private:
    void Open(std::unique_ptr<FakePlatform> platform);
    QPushButton* Button(const char* name) const { return about->findChild<QPushButton*>(name); }
    QLabel* Label(const char* name) const { return about->findChild<QLabel*>(name); }

    QPointer<frmAbout> about;
    FakePlatform* platform = nullptr; // owned by the window
};

void FrmAboutTest::Open(std::unique_ptr<FakePlatform> fake) {
    delete about.data();
    platform = fake.get();
    about = new frmAbout(std::move(fake));
    QVERIFY(ShowActive(about));
}

void FrmAboutTest::init() {
    Open(std::make_unique<FakePlatform>());
}

void FrmAboutTest::cleanup() {
    delete about.data();
}

void FrmAboutTest::showsCaptionAndTextsExactly() {
    QCOMPARE(about->objectName(), "frmAbout");
    QCOMPARE(about->windowTitle(), "About Zevodave");
    QCOMPARE(Label("lblTitle")->text(), "Zevodave");
    QCOMPARE(Label("lblVersion")->text(), "Version 2.0.2");
    QCOMPARE(Label("lblDescription")->text(), "Zevodave color code calculation");
    QCOMPARE(Label("lblWarning")->text(), kWarning);
    QCOMPARE(Button("cmdOK")->text(), "OK");
    QCOMPARE(Button("cmdSysInfo")->text(), "&System Info...");
}

void FrmAboutTest::titleIsInTheDisplayFont() {
    const QFont font = Label("lblTitle")->font();
    QCOMPARE(font.family(), "Dragonwick");
    QCOMPARE(font.pointSizeF(), 14.25);
    QVERIFY(font.bold());
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The other labels keep the window's font.
    QCOMPARE(Label("lblVersion")->font(), about->font());
}

void FrmAboutTest::controlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("lblTitle") << "lblTitle" << QRect(90, 120, 5325, 360);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(120, 480, 5325, 225);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(120, 720, 5325, 210);
    QTest::newRow("lblWarning") << "lblWarning" << QRect(90, 960, 3735, 1215);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(4200, 1320, 1245, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(4200, 1800, 1245, 345);
}

void FrmAboutTest::controlsSitWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto* control = about->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(),
             TwipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

void FrmAboutTest::isAFixedToolWindowOfItsOwn() {
    QCOMPARE(about->size(), TwipsRect(0, 0, 5565, 2340).size());
    QCOMPARE(about->minimumSize(), about->size());
    QCOMPARE(about->maximumSize(), about->size());
    QCOMPARE(about->windowType(), Qt::Tool);
    QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!about->parentWidget());
    QVERIFY(!about->windowHandle()->transientParent());
    QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
}

void FrmAboutTest::textsFitTheirLabels() {
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblWarning"}) {
        const QLabel* label = Label(name);
        QVERIFY2(label->wordWrap(), name);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
    }
    for (const char* name : {"cmdOK", "cmdSysInfo"}) {
        const QPushButton* button = Button(name);
        const QString shown = QString(button->text()).remove('&');
        QVERIFY2(button->fontMetrics().horizontalAdvance(shown) < button->width(), name);
    }
}

void FrmAboutTest::okHasTheFocusAndTabGoesToSystemInfo() {
    QCOMPARE(QApplication::focusWidget(), Button("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button("cmdSysInfo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button("cmdOK"));
}

void FrmAboutTest::keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes"); // else System Info runs and the window stays
    const int none = Qt::NoModifier;
    QTest::newRow("Escape closes it") << "cmdOK" << int(Qt::Key_Escape) << none << true;
    QTest::newRow("Escape closes it from System Info")
        << "cmdSysInfo" << int(Qt::Key_Escape) << none << true;
    QTest::newRow("Enter presses OK") << "cmdOK" << int(Qt::Key_Enter) << none << true;
    QTest::newRow("Return presses OK") << "cmdOK" << int(Qt::Key_Return) << none << true;
    QTest::newRow("Space presses OK") << "cmdOK" << int(Qt::Key_Space) << none << true;
    QTest::newRow("Enter presses the focused System Info")
        << "cmdSysInfo" << int(Qt::Key_Return) << none << false;
    QTest::newRow("Alt+S presses System Info")
        << "cmdOK" << int(Qt::Key_S) << int(Qt::AltModifier) << false;
}

void FrmAboutTest::keys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QPushButton* button = Button(focus.toUtf8().constData());
    button->setFocus();
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (closes) {
        QVERIFY(Destroyed(about));
    } else {
        // An access key presses its button with a short animation.
        QTRY_VERIFY(!platform->reads.empty());
        QVERIFY(about);
    }
}

void FrmAboutTest::closeBoxDestroysIt() {
    about->windowHandle()->close();
    QVERIFY(Destroyed(about));
}

void FrmAboutTest::unavailableToolShowsTheMessage() {
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    QPointer<QMessageBox> message = about->findChild<QMessageBox*>("msgSysInfoUnavailable");
    QVERIFY(message);
    QVERIFY(QTest::qWaitForWindowExposed(message));
    QCOMPARE(message->text(), "System Information Is Unavailable At This Time");
    QCOMPARE(message->windowTitle(), "Zevodave");
    QCOMPARE(message->icon(), QMessageBox::NoIcon);
    QCOMPARE(message->buttons().size(), 1);
    QCOMPARE(message->standardButtons(), QMessageBox::Ok);
    QVERIFY(message->isModal());
    QVERIFY(platform->startAttempts.empty());

    QTRY_COMPARE(QApplication::activeWindow(), message.data());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!message || !message->isVisible());
    QTest::qWait(kSettleMs);
    QVERIFY(about);
    QVERIFY(about->isVisible());
}

void FrmAboutTest::registeredToolStartsWithoutMessage() {
    auto fake = std::make_unique<FakePlatform>();
    fake->SetValue(kHklm, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", kRegSz,
                   kTool + '\0');
    fake->AddProgram(kTool);
    Open(std::move(fake));
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(platform->started, std::vector<std::string>{kTool});
    QVERIFY(!about->findChild<QMessageBox*>());
    QVERIFY(about->isVisible());
}

void FrmAboutTest::programOutlivesTheMainWindowWhileOpen() {
    QVERIFY(OutlivesTheMainWindow(about));
    QVERIFY(Destroyed(about));
}

QTEST_MAIN(FrmAboutTest)
#include "frmabout_test.moc"
