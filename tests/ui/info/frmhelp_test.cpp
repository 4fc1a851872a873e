// The help window as a user meets it: what it shows, which keys close it,
// and how long it lives.

#include "frmhelp.h"
#include "windowtest.h"

#include <QPushButton>
#include <QWindow>

using zevodave::frmHelp;
using namespace zevodave::testing;

namespace {

const QString kHelpText =
    QStringList{
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
    }
        .join("\r\n");

} // namespace

class FrmHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { delete help.data(); }

    void showsCaptionAndTextOnEveryActivation();
    void keys_data();
    void keys();
    void closeBoxDestroysIt();
    void programOutlivesTheMainWindowWhileOpen();

  private:
    QLabel* lblHelp() const { return help->findChild<QLabel*>("lblHelp"); }

    QPointer<frmHelp> help;
};

void FrmHelpTest::init() {
    help = new frmHelp;
    QVERIFY(ShowActive(help));
}

void FrmHelpTest::showsCaptionAndTextOnEveryActivation() {
    QCOMPARE(help->windowTitle(), "Zevodave Help");
    QCOMPARE(lblHelp()->text(), kHelpText);
    QVERIFY2(TextFits(lblHelp()), "the text runs past the bottom of the label");
    QCOMPARE(help->minimumSize(), QSize(330, 339)); // 4950 x 5085 twips, fixed
    QCOMPARE(help->maximumSize(), help->minimumSize());

    help->setWindowTitle("changed");
    lblHelp()->setText("changed");
    QWidget other;
    QVERIFY(ShowActive(&other));
    QVERIFY(ShowActive(help));
    QCOMPARE(help->windowTitle(), "Zevodave Help");
    QCOMPARE(lblHelp()->text(), kHelpText);
}

void FrmHelpTest::keys_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape does nothing") << Qt::Key_Escape << false;
    QTest::newRow("Enter presses OK") << Qt::Key_Enter << true;
    QTest::newRow("Return presses OK") << Qt::Key_Return << true;
    QTest::newRow("Space presses OK") << Qt::Key_Space << true;
}

void FrmHelpTest::keys() {
    QFETCH(Qt::Key, key);
    QFETCH(bool, closes);
    QCOMPARE(QApplication::focusWidget(), help->findChild<QPushButton*>("OKButton"));
    QTest::keyClick(QApplication::focusWidget(), key);
    if (closes) {
        QVERIFY(Destroyed(help));
    } else {
        QTest::qWait(kSettleMs);
        QVERIFY(help && help->isVisible());
    }
}

void FrmHelpTest::closeBoxDestroysIt() {
    help->windowHandle()->close();
    QVERIFY(Destroyed(help));
}

void FrmHelpTest::programOutlivesTheMainWindowWhileOpen() {
    QVERIFY(OutlivesTheMainWindow(help));
}

QTEST_MAIN(FrmHelpTest)
#include "frmhelp_test.moc"
