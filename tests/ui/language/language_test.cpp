// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The program in the desktop's language, chosen as at start-up: a value
// typed the language's way and read back in its words and numbers; every
// window open at once, each text whole in its control, each access key
// apart in its window and menu.

#include "frmresistor.h"
#include "language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>
#include <array>
#include <map>

using namespace zevodave;

namespace {

// Qt's own word for a text field's Undo and the menu bar; a value as the
// language types it, and what it gives: the main window's result line and
// the Resistor window's working.
// clang-format off
const std::map<QLocale::Language, std::array<const char*, 3>> kJourneys{
    {QLocale::English, {"&Undo &File &Learn &Help", "4.7 Kilohm 5%", "4.7 Kilohm +/- 5% / Yellow 4, Violet 7 give 47 / Red multiplies by 100: 47 x 100 = 4700 ohm = 4.7 Kilohm / Gold: +/- 5%, so from 4.465 to 4.935 Kilohm"}},
    {QLocale::German, {"&R\u00FCckg\u00E4ngig &Datei &Lernen &Hilfe", "4,7 kiloohm 5%", "4,7 Kiloohm +/- 5% / Gelb 4, Violett 7 ergeben 47 / Rot multipliziert mit 100: 47 x 100 = 4700 Ohm = 4,7 Kiloohm / Gold: +/- 5%, also von 4,465 bis 4,935 Kiloohm"}},
    {QLocale::French, {"&Annuler &Fichier &Cours &Aide", "4,7 kilohms 5%", "4,7 kilohm +/- 5% / Jaune 4, Violet 7 donnent 47 / Rouge multiplie par 100\u00A0: 47 x 100 = 4700 ohm = 4,7 kilohm / Or\u00A0: +/- 5%, donc de 4,465 \u00E0 4,935 kilohm"}},
    {QLocale::Spanish, {"&Deshacer &Archivo Au&la Ay&uda", "4,7 kiloohmio 5%", "4,7 k\u03A9 +/- 5% / Amarillo 4, Violeta 7 dan 47 / Rojo multiplica por 100: 47 x 100 = 4700 ohmios = 4,7 kiloohmios / Dorado: +/- 5%, as\u00ED que de 4,465 a 4,935 kiloohmios"}},
};
// clang-format on

// What a line edit keeps clear either side of its text, within its frame.
constexpr int kLineEditMargin = 2;

// Whether a control shows the whole of its text.
bool Whole(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->minimumSizeHint().width() <= label->width() &&
               label->heightForWidth(label->width()) <= label->height();
    // A push button's text stands within its margins; its size hint asks
    // for more room than the text needs.
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return metrics.size(Qt::TextShowMnemonic, button->text()).width() <=
               button->style()
                   ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                   .width();
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        const int frame =
            field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return metrics.horizontalAdvance(field->text()) <=
               field->width() - 2 * (frame + kLineEditMargin);
    }
    // Every entry in the text area, an editable list's line edit or the
    // closed list's own.
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QWidget* area =
            list->isEditable() ? list->lineEdit() : static_cast<const QWidget*>(list);
        const int room = list->isEditable()
                             ? area->width() - 2 * kLineEditMargin
                             : list->style()
                                   ->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, list)
                                   .width();
        for (int item = 0; item < list->count(); ++item)
            if (area->fontMetrics().horizontalAdvance(list->itemText(item)) > room)
                return false;
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(control))
        return std::ranges::all_of(bar->actions(), [bar](QAction* title) {
            return bar->rect().contains(bar->actionGeometry(title));
        });
    return true;
}

// Adds a control's access key to those seen; false if it was seen already.
bool NewKey(QList<QKeySequence>& seen, const QString& text) {
    seen << QKeySequence::mnemonic(text);
    return seen.back().isEmpty() || seen.count(seen.back()) == 1;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallTranslations(*qApp, QLocale::system()); }

    // Every text translated in every language, each translation keeping
    // every placeholder of its source (%1, %n...), each plural form too.
    void translationsComplete() {
        static const QRegularExpression kMessage(
            "<source>(.*?)</source>.*?<translation>(.*?)</translation>",
            QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression kPlaceholder("%[0-9n]"), kForms("</numerusform>\\s*");
        const QDir folder(QFINDTESTDATA("../../../translations"));
        QVERIFY(folder.entryList({"*.ts"}).size() >= 3);
        for (const QString& name : folder.entryList({"*.ts"})) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString ts = QString::fromUtf8(file.readAll());
            QVERIFY2(!ts.contains("type=\"unfinished\""), qPrintable(name));
            for (const auto& message : kMessage.globalMatch(ts))
                for (const QString& form : message.captured(2).split(kForms, Qt::SkipEmptyParts))
                    for (const auto& placeholder : kPlaceholder.globalMatch(message.captured(1)))
                        QVERIFY2(form.contains(placeholder.captured()),
                                 qPrintable(name + ": " + form));
        }
    }

    void everyWindow() {
        // English where the language has no translation.
        const auto language = kJourneys.find(QLocale::system().language());
        const auto& [menus, typed, seen] =
            (language == kJourneys.end() ? kJourneys.find(QLocale::English) : language)->second;
        frmResistor main;
        main.show();
        for (const char* item :
             {"mnuHelpHelp", "mnuHelpAbout", "mnuLearnSmd", "mnuLearnPractice", "mnuLearnResistor"})
            main.findChild<QAction*>(item)->trigger();
        QWidget* learn = nullptr;
        QTRY_VERIFY((learn = main.findChild<QWidget*>("frmLearnResistor")));
        // Each window shown and each menu: its texts whole, its access keys
        // (the menu bar's among its window's) apart, as opened; then after
        // the journey, with the Practice window choosing five bands and the
        // Resistor window at six.
        for (const bool more : {false, true}) {
            if (more) {
                QTest::keyClicks(learn->findChild<QWidget*>("txtValue"), QString(typed) + '\r');
                QStringList titles{QCoreApplication::translate("QLineEdit", "&Undo")};
                for (QAction* title : main.menuBar()->actions())
                    titles << title->text();
                QCOMPARE(titles.join(' ') + " | " +
                             main.findChild<QLineEdit*>("txtValues")->text() + " / " +
                             learn->findChild<QLabel*>("lblWorking")->text().replace('\n', " / "),
                         QString(menus) + " | " + seen);
                learn->findChild<QComboBox*>("cboBands")->setCurrentIndex(2);
                const QWidgetList windows = QApplication::topLevelWidgets();
                QWidget* practice =
                    *std::ranges::find(windows, "frmPractice", &QObject::objectName);
                practice->findChild<QAbstractButton*>("optChoose")->click();
                practice->findChild<QComboBox*>("cboBands")->setCurrentIndex(1);
                QApplication::processEvents(); // the layouts follow
            }
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible() && !qobject_cast<QMenu*>(window))
                    continue;
                QList<QKeySequence> keys;
                for (QAction* item : window->actions())
                    QVERIFY2(NewKey(keys, item->text()), qPrintable(item->text()));
                for (QWidget* control : window->findChildren<QWidget*>()) {
                    if (control->window() != window || !control->isVisibleTo(window))
                        continue;
                    const QString name = window->objectName() + "." + control->objectName();
                    QVERIFY2(Whole(control), qPrintable(name));
                    QVERIFY2(NewKey(keys, control->property("text").toString()), qPrintable(name));
                    for (QAction* title : control->actions())
                        QVERIFY2(NewKey(keys, title->text()), qPrintable(title->text()));
                }
            }
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
