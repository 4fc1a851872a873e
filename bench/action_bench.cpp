// What one user action costs in the real main window: Enter in a band field
// and a colour chosen in a band list, each handled and the window repainted,
// as a user at the keyboard meets them. Run headless:
//   QT_QPA_PLATFORM=offscreen action_bench

#include "bands.h"
#include "frmresistor.h"
#include "typedentry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

using zevodave::kBandCount;

namespace {

// The position each benchmarked list starts from, inside every band's list,
// so that both neighbours exist.
constexpr int kStartPosition = 2;

enum class ListChoice { ArrowOnClosedList, KeysInOpenList };

} // namespace

Q_DECLARE_METATYPE(ListChoice)

class ActionBench : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window = std::make_unique<zevodave::frmResistor>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void typedEnter_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Enter on 4 in the band 1 field") << 0 << "4";
        QTest::newRow("Enter on 7 in the band 2 field") << 1 << "7";
        QTest::newRow("Enter on 2 in the multiplier field") << 2 << "2";
        QTest::newRow("Enter on 5 in the tolerance field") << 3 << "5";
        QTest::newRow("Enter on a value the band lacks shows ERROR") << 0 << "12";
    }

    // Enter chooses the colour, rewrites the field and the result line and
    // moves the focus on. The value goes back into the field each time, as
    // typing it would, since Enter may rewrite it ("2" becomes "*10^2").
    void typedEnter() {
        QFETCH(int, band);
        QFETCH(QString, typed);
        auto* field = Field(band);
        field->setFocus();
        QBENCHMARK {
            field->setText(typed);
            QTest::keyClick(field, Qt::Key_Return);
            QCoreApplication::processEvents();
        }
        const zevodave::TypedOutcome outcome = zevodave::TypedPosition(band, typed.toStdString());
        if (outcome.isPosition())
            QCOMPARE(List(band)->currentIndex(), outcome.position());
        else
            QCOMPARE(window->findChild<QLineEdit*>("txtValues")->text(), QString("ERROR"));
    }

    void listChoice_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<ListChoice>("how");
        for (int band = 0; band < kBandCount; ++band) {
            QTest::addRow("Down or Up on the closed band %d list", band + 1)
                << band << ListChoice::ArrowOnClosedList;
        }
        QTest::newRow("Down and Enter in the open band 1 list") << 0 << ListChoice::KeysInOpenList;
    }

    // Each choice moves one step, down and up by turns, so that every one
    // is a new colour: the list repaints, the field and the result line are
    // rewritten and the focus moves on.
    void listChoice() {
        QFETCH(int, band);
        QFETCH(ListChoice, how);
        QComboBox* list = List(band);
        list->setCurrentIndex(kStartPosition);
        list->setFocus();
        bool down = true;
        QBENCHMARK {
            const Qt::Key step = down ? Qt::Key_Down : Qt::Key_Up;
            if (how == ListChoice::ArrowOnClosedList) {
                QTest::keyClick(list, step);
            } else {
                list->showPopup();
                QTest::keyClick(list->view(), step);
                QTest::keyClick(list->view(), Qt::Key_Return);
            }
            QCoreApplication::processEvents();
            down = !down;
        }
        const QString field = Field(band)->text();
        QVERIFY2(!field.isEmpty(), "a choice fills in the band's field");
        QVERIFY(list->currentIndex() == kStartPosition ||
                list->currentIndex() == kStartPosition + 1);
    }

  private:
    QLineEdit* Field(int band) const {
        auto* field = window->findChild<QLineEdit*>(QString("txtBand%1").arg(band));
        Q_ASSERT(field != nullptr);
        return field;
    }
    QComboBox* List(int band) const {
        auto* list = window->findChild<QComboBox*>(QString("cboBand%1").arg(band));
        Q_ASSERT(list != nullptr);
        return list;
    }

    std::unique_ptr<zevodave::frmResistor> window;
};

QTEST_MAIN(ActionBench)
#include "action_bench.moc"
