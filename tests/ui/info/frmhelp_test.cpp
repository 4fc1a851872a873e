// The help window as a user meets it: what it shows, which keys close it,
// and how long it lives.

#include "frmhelp.h"
#include "twips.h"
#include "windowtest.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

using zevodave::frmHelp;
using zevodave::TwipsRect;
using namespace zevodave::testing;

namespace {

const QStringList kHelpLines = {
    "You can either select the color band from the drop down",
    "menus or you can type the values directly into the right hand",
    "corresponding fields.",
    "For the third band (the multiplier) type the number of zeros.",
    "For the fourth band type either 1, 2, 5, 10, or 20 for the tolerance.",
    "The bottom field will show the calculated resistor value.",
    "You can change any values at any time for recalculation.",
    "",
    "Smallest possible resistor value = .01 ohm +-20%",
    "Largest possible resistor value = 99 GigOhm +-20%",
    "",
    "There are other band 4 tolerance values which I have not",
    "included because they are not commonly used.",
    "Black   = 20 %",
    "Orange =  3 %",
    "Green   =  5 %",
};

} // namespace

class FrmHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsCaptionAndTextExactly();
    void everyActivationSetsCaptionAndTextAgain();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void isAFixedToolWindowOfItsOwn();
    void textFitsTheLabel();
    void keys_data();
    void keys();
    void okClickDestroysIt();
    void closeBoxDestroysIt();
    void programOutlivesTheMainWindowWhileOpen();

  private:
    QLabel* lblHelp() const { return help->findChild<QLabel*>("lblHelp"); }
    QPushButton* OKButton() const { return help->findChild<QPushButton*>("OKButton"); }

    QPointer<frmHelp> help;
};

void FrmHelpTest::init() {
    help = new frmHelp;
    QVERIFY(ShowActive(help));
}

void FrmHelpTest::cleanup() {
    delete help.data();
}

void FrmHelpTest::showsCaptionAndTextExactly() {
    QCOMPARE(help->objectName(), "frmHelp");
    QCOMPARE(help->windowTitle(), "Zevodave Help");
    QCOMPARE(lblHelp()->text(), kHelpLines.join("\r\n"));
    QCOMPARE(OKButton()->text(), "OK");
}

void FrmHelpTest::everyActivationSetsCaptionAndTextAgain() {
    help->setWindowTitle("changed");
    lblHelp()->setText("changed");
    QWidget other;
    QVERIFY(ShowActive(&other));
    QVERIFY(ShowActive(help));
    QCOMPARE(help->windowTitle(), "Zevodave Help");
    QCOMPARE(lblHelp()->text(), kHelpLines.join("\r\n"));
}

void FrmHelpTest::controlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("lblHelp") << "lblHelp" << QRect(120, 120, 4695, 4335);
    QTest::newRow("OKButton") << "OKButton" << QRect(3600, 4560, 1215, 375);
}

void FrmHelpTest::controlsSitWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto* control = help->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(),
             TwipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

void FrmHelpTest::isAFixedToolWindowOfItsOwn() {
    QCOMPARE(help->size(), TwipsRect(0, 0, 4950, 5085).size());
    QCOMPARE(help->minimumSize(), help->size());
    QCOMPARE(help->maximumSize(), help->size());
    // Off the task bar, without minimise and maximise boxes.
    QCOMPARE(help->windowType(), Qt::Tool);
    QVERIFY(!(help->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(help->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(help->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!help->parentWidget());
    QVERIFY(!help->windowHandle()->transientParent());
    QVERIFY(help->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(QApplication::focusWidget(), OKButton());
}

void FrmHelpTest::textFitsTheLabel() {
    QVERIFY(lblHelp()->wordWrap());
    QVERIFY2(lblHelp()->heightForWidth(lblHelp()->width()) <= lblHelp()->height(),
             "the help text runs past the bottom of its label");
}

void FrmHelpTest::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter presses OK") << int(Qt::Key_Enter) << true;
    QTest::newRow("Return presses OK") << int(Qt::Key_Return) << true;
    QTest::newRow("Space presses OK") << int(Qt::Key_Space) << true;
}

void FrmHelpTest::keys() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    if (closes) {
        QVERIFY(Destroyed(help));
    } else {
        QTest::qWait(kSettleMs);
        QVERIFY(help);
        QVERIFY(help->isVisible());
    }
}

void FrmHelpTest::okClickDestroysIt() {
    QTest::mouseClick(OKButton(), Qt::LeftButton);
    QVERIFY(Destroyed(help));
}

void FrmHelpTest::closeBoxDestroysIt() {
    help->windowHandle()->close();
    QVERIFY(Destroyed(help));
}

void FrmHelpTest::programOutlivesTheMainWindowWhileOpen() {
    QVERIFY(OutlivesTheMainWindow(help));
    QVERIFY(Destroyed(help));
}

QTEST_MAIN(FrmHelpTest)
#include "frmhelp_test.moc"
