// Find Size by Frequency from the main window's menu, and the order window's total
// and Add from List, driven by keyboard and mouse on the sample catalogue. What is
// found and quoted is the core's (SizeFinderTest, ListQuoteTest); here, what is shown.

#include "catalogue/cvnLib.h"
#include "controls/ImpGrid.h"
#include "entry/ListQuote.h"
#include "orders/OrderWindow.h"
#include "orders/QuoteReportWindow.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/NextModal.h"
#include "tests/support/ui/SampleProgram.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/FindSizeDialog.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTreeWidget>

using namespace cvn;

namespace {

// The rows of the size list, their columns joined by "|".
QStringList Rows(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList texts;
        for (int c = 0; c < list->columnCount(); ++c) {
            texts << list->topLevelItem(i)->text(c);
        }
        rows << texts.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class FindAndListTest : public QObject {
    Q_OBJECT

private slots:
    void findDialogListsGreysAndChoosesASizeAsAClickWould() {
        test::TSampleProgram t;
        // WR-112 without straight-section data: listed, but not offered.
        std::string vswr = t.Folder.Read("Data/WGVSWR.tbl");
        for (std::size_t at; (at = vswr.find("R|112|")) != std::string::npos;) {
            vswr.erase(at, vswr.find("\r\n", at) + 2 - at);
        }
        t.Folder.Write("Data/WGVSWR.tbl", vswr);
        TfrmMain& main = t.Main();
        main.show();
        const test::TMainWidgets ui(main);
        main.SetupFromPartNumber("R187PA0125BSG");
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        auto* menu = test::Find<QAction>(&main, "mnuFindSize");
        test::AnswerNextModal<TfrmFindSize>([&](TfrmFindSize& d) {
            QCOMPARE(d.lblFamily->text(), QStringLiteral("Family: Straight Section"));
            QVERIFY(!d.btnSelect->isEnabled());
            QTest::keyClicks(d.txtFrequency, QStringLiteral("9"));
            QCOMPARE(Rows(d.lvSizes), (QStringList{"WR-90|8.5-9.6 GHz (A)|1.02:1|offered",
                                                   "WR-90|8.2-12.4 GHz (S)|1.05:1|offered",
                                                   "WR-112|7.05-10.0 GHz (S)|-|not offered"}));
            // Not offered: greyed and out of reach.
            QVERIFY(!(d.lvSizes->topLevelItem(2)->flags() & Qt::ItemIsEnabled));
            QCOMPARE(d.lvSizes->currentItem(), d.lvSizes->topLevelItem(0));
            d.lvSizes->setFocus();
            QTest::keyClick(d.lvSizes, Qt::Key_Return);
        });
        menu->trigger();
        // As a click in the waveguide list: screen 1, WR-90 chosen, its choices filled.
        QCOMPARE(ui.Wizard->currentWidget(), ui.WizardPage1);
        QCOMPARE(ui.cbxWaveguide->ItemIndex(), main.Core().WaveguideIndex);
        QCOMPARE(ui.cbxWaveguide->ColumnText(ui.cbxWaveguide->ItemIndex(), 0),
                 QStringLiteral("090"));
        QVERIFY(ui.cbxFlangeA->count() > 0);
        QVERIFY(t.Prompts.Messages.empty());
        // Closed without a choice: nothing changes.
        const int chosen = main.Core().WaveguideIndex;
        test::AnswerNextModal<TfrmFindSize>([](TfrmFindSize& d) {
            QTest::keyClicks(d.txtFrequency, QStringLiteral("9"));
            QTest::mouseClick(d.btnClose, Qt::LeftButton);
        });
        menu->trigger();
        QCOMPARE(main.Core().WaveguideIndex, chosen);

        // A special-quote size is greyed, can be chosen, and says what a click says.
        test::AnswerNextModal<TfrmFindSize>([&](TfrmFindSize& d) {
            QTest::keyClicks(d.txtFrequency, QStringLiteral("30"));
            QTreeWidgetItem* row = d.lvSizes->topLevelItem(1);
            QVERIFY(row->flags() & Qt::ItemIsEnabled);
            QCOMPARE(row->foreground(0).color(),
                     d.palette().color(QPalette::Disabled, QPalette::Text));
            const QPoint at = d.lvSizes->visualItemRect(row).center();
            QTest::mouseClick(d.lvSizes->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(d.lvSizes->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        });
        menu->trigger();
        QCOMPARE(t.Prompts.Texts("information").size(), std::size_t{1});
        QVERIFY(t.Prompts.Texts("information")[0].rfind("Waveguide size 028 is available", 0) == 0);
        QCOMPARE(ui.cbxWaveguide->ItemIndex(), -1);
    }

    void orderWindowShowsTheTotalAndAddsFromAList() {
        test::TSampleProgram t;
        t.Folder.UseAsAppPath();
        TfrmOrder order(t.Services());
        order.QuoteListFile = [&](TTxtTable& lines, const std::string& file, std::string& report) {
            return QuoteListFile(lines, file, t.Prompts, report);
        };
        TTxtTable lines;
        lines.Lines = {"2|$1,000.50|Stock|R090PA0120ASG|a", "1|N/A|Contact Brenmoor Rep.|X1|b"};
        order.Prepare(lines);
        QCOMPARE(order.lblTotal->text(), QStringLiteral("Total: $1,000.50"));
        QCOMPARE(order.lblToQuote->text(), QStringLiteral("1 lines to quote"));
        QCOMPARE(order.btnAddFromList->text(), QStringLiteral("Add from &List\u2026"));
        // Cancelled in the file dialog, a list that is read, one that cannot be read.
        t.Folder.Write("list.csv", "Qty,Part\r\n3,R187PA0125BSG\r\n1,ZZZ\r\n");
        QString report;
        test::AnswerNextModal<TfrmQuoteReport>([&](TfrmQuoteReport& r) {
            QVERIFY(r.memReport->isReadOnly());
            report = r.memReport->toPlainText();
            QTest::mouseClick(r.btnClose, Qt::LeftButton);
        });
        for (const auto& [file, rows] : {std::pair{"", 2}, {"list.csv", 3}, {"gone.csv", 3}}) {
            t.FileDialogs.OpenAnswers.clear();
            if (*file) {
                t.FileDialogs.OpenAnswers.push_back(t.Folder.Path() + file);
            }
            QTest::mouseClick(order.btnAddFromList, Qt::LeftButton);
            QCOMPARE(lines.RowCount(), rows);
            QCOMPARE(order.grdOrder->rowCount(), rows + 1);
        }
        QVERIFY2(report.startsWith(QStringLiteral("2\tadded\t3\tR187PA0125BSG\t$")),
                 qPrintable(report));
        // The grid and the total show the new line.
        QCOMPARE(order.grdOrder->Cell(4, 3), QStringLiteral("R187PA0125BSG"));
        QVERIFY(order.lblTotal->text() != QStringLiteral("Total: $1,000.50"));
        QCOMPARE(t.Prompts.Texts("error").size(), std::size_t{1});
    }
};

CORVANE_UI_TEST(FindAndListTest)

#include "FindAndListTest.moc"
