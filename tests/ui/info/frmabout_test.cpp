// The about window as a user meets it: what it shows, its keys, and the
// System Info button against a fake platform.

#include "fakeplatform.h"
#include "frmabout.h"
#include "windowtest.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

using zevodave::frmAbout;
using zevodave::testing::FakePlatform;
using namespace zevodave::testing;

class FrmAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { Open(std::make_unique<FakePlatform>()); }
    void cleanup() { delete about.data(); }

    void showsCaptionAndTexts();
    void keys_data();
    void keys();
    void closeBoxDestroysIt();
    void missingToolShowsTheMessageAndTheWindowStays();
    void registeredToolStartsWithoutMessage();
    void programOutlivesTheMainWindowWhileOpen();

  private:
    void Open(std::unique_ptr<FakePlatform> fake) {
        delete about.data();
        platform = fake.get();
        about = new frmAbout(std::move(fake));
        QVERIFY(ShowActive(about));
    }
    QLabel* Label(const char* name) const { return about->findChild<QLabel*>(name); }
    QPushButton* Button(const QString& name) const { return about->findChild<QPushButton*>(name); }

    QPointer<frmAbout> about;
    FakePlatform* platform = nullptr; // owned by the window
};

void FrmAboutTest::showsCaptionAndTexts() {
    QCOMPARE(about->windowTitle(), "About Zevodave");
    QCOMPARE(Label("lblTitle")->text(), "Zevodave");
    QCOMPARE(Label("lblVersion")->text(), "Version 2.0.2");
    QCOMPARE(Label("lblDescription")->text(), "Zevodave color code calculation");
    QCOMPARE(Label("lblWarning")->text(),
             "Warning:\r\nThis program is strictly for converting values to resistor color bands "
             "or from resistor color bands to values. The program author assumes absolutely no "
             "responsibility whatsoever for any errors that may occur.");
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblWarning"})
        QVERIFY2(TextFits(Label(name)), name);
    QCOMPARE(about->minimumSize(), QSize(371, 156)); // 5565 x 2340 twips, fixed
    QCOMPARE(about->maximumSize(), about->minimumSize());

    const QFont title = Label("lblTitle")->font();
    QCOMPARE(title.family(), "Dragonwick");
    QCOMPARE(title.pointSizeF(), 14.25);
    QVERIFY(title.bold());
    QCOMPARE(Button("cmdSysInfo")->text(), "&System Info...");
}

void FrmAboutTest::keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("closes"); // else System Info runs and the window stays
    QTest::newRow("Escape closes it") << "cmdOK" << QKeyCombination(Qt::Key_Escape) << true;
    QTest::newRow("Escape closes it from System Info")
        << "cmdSysInfo" << QKeyCombination(Qt::Key_Escape) << true;
    QTest::newRow("Enter presses OK") << "cmdOK" << QKeyCombination(Qt::Key_Enter) << true;
    QTest::newRow("Space presses OK") << "cmdOK" << QKeyCombination(Qt::Key_Space) << true;
    QTest::newRow("Tab then Enter presses System Info")
        << "cmdOK" << QKeyCombination(Qt::Key_Tab) << false;
    QTest::newRow("Alt+S presses System Info") << "cmdOK" << (Qt::ALT | Qt::Key_S) << false;
}

void FrmAboutTest::keys() {
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, key);
    QFETCH(bool, closes);
    // OK has the focus when the window opens.
    QCOMPARE(QApplication::focusWidget(), Button("cmdOK"));
    Button(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    if (key.key() == Qt::Key_Tab) {
        QCOMPARE(QApplication::focusWidget(), Button("cmdSysInfo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
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

void FrmAboutTest::missingToolShowsTheMessageAndTheWindowStays() {
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    QPointer<QMessageBox> message = about->findChild<QMessageBox*>();
    QVERIFY(message);
    QTRY_COMPARE(QApplication::activeWindow(), message.data());
    QCOMPARE(message->text(), "System Information Is Unavailable At This Time");
    QCOMPARE(message->windowTitle(), "Zevodave");
    QCOMPARE(message->icon(), QMessageBox::NoIcon);
    QCOMPARE(message->buttons().size(), 1);
    QCOMPARE(message->standardButtons(), QMessageBox::Ok);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!message || !message->isVisible());
    QTest::qWait(kSettleMs);
    QVERIFY(about && about->isVisible());
}

void FrmAboutTest::registeredToolStartsWithoutMessage() {
    auto fake = std::make_unique<FakePlatform>();
    fake->SetValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", zevodave::kRegSz,
                   std::string("/opt/sysinfo\0", 13));
    fake->programs = {"/opt/sysinfo"};
    Open(std::move(fake));
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(platform->started, std::vector<std::string>{"/opt/sysinfo"});
    QVERIFY(!about->findChild<QMessageBox*>());
}

void FrmAboutTest::programOutlivesTheMainWindowWhileOpen() {
    QVERIFY(OutlivesTheMainWindow(about));
}

QTEST_MAIN(FrmAboutTest)
#include "frmabout_test.moc"
