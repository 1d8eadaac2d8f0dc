// Find Size by Frequency from the main window's menu, and the order window's total
// and Add from List, driven by keyboard and mouse on the sample catalogue.

#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/ImpGrid.h"
#include "controls/MultiColumnCombo.h"
#include "entry/ListQuote.h"
#include "orders/OrderWindow.h"
#include "orders/QuoteReportWindow.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/NextModal.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/FindSizeDialog.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace cvn;

namespace {

// The main window and the order window over the sample folder, edited first when a test
// needs it, wired as the program wires them.
struct TWindows : test::TSampleProgram {
    explicit TWindows(const std::function<void(test::TTempFolder&)>& edit = {}) {
        if (edit) {
            edit(Folder);
        }
        Main = &TSampleProgram::Main();
        Order = std::make_unique<TfrmOrder>(Services());
        Order->QuoteListFile = [this](TTxtTable& lines, const std::string& file,
                                      std::string& report) {
            return QuoteListFile(lines, file, Prompts, report);
        };
        Main->frmOrder = Order.get();
        Main->show();
        QApplication::setActiveWindow(Main);
    }
    TfrmMain* Main = nullptr;
    std::unique_ptr<TfrmOrder> Order;
};

QStringList Column(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        texts << list->topLevelItem(i)->text(column);
    }
    return texts;
}

} // namespace

class FindAndListTest : public QObject {
    Q_OBJECT

private slots:
    void findDialogListsGreysAndChoosesASizeAsAClickWould() {
        // WR-112 without straight-section data: listed, but not offered.
        TWindows t([](test::TTempFolder& folder) {
            std::string vswr = folder.Read("Data/WGVSWR.tbl");
            for (std::size_t at; (at = vswr.find("R|112|")) != std::string::npos;) {
                vswr.erase(at, vswr.find("\r\n", at) + 2 - at);
            }
            folder.Write("Data/WGVSWR.tbl", vswr);
        });
        const test::TMainWidgets ui(*t.Main);
        t.Main->SetupFromPartNumber("R187PA0125BSG");
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QCOMPARE(t.Main->Core().Screen, 2);
        auto* menu = test::Find<QAction>(t.Main, "mnuFindSize");
        QCOMPARE(menu->text(), QStringLiteral("Find Size by &Frequency\u2026"));

        bool shown = false;
        test::AnswerNextModal<TfrmFindSize>([&](TfrmFindSize& d) {
            shown = true;
            QCOMPARE(d.lblFamily->text(), QStringLiteral("Family: Straight Section"));
            QVERIFY(!d.btnSelect->isEnabled());
            QTest::keyClicks(d.txtFrequency, QStringLiteral("9"));
            QCOMPARE(Column(d.lvSizes, 0),
                     (QStringList{QStringLiteral("WR-90"), QStringLiteral("WR-90"),
                                  QStringLiteral("WR-112")}));
            QCOMPARE(Column(d.lvSizes, 1), (QStringList{QStringLiteral("8.5-9.6 GHz (A)"),
                                                        QStringLiteral("8.2-12.4 GHz (S)"),
                                                        QStringLiteral("7.05-10.0 GHz (S)")}));
            QCOMPARE(Column(d.lvSizes, 2),
                     (QStringList{QStringLiteral("1.02:1"), QStringLiteral("1.05:1"),
                                  QStringLiteral("-")}));
            QCOMPARE(Column(d.lvSizes, 3),
                     (QStringList{QStringLiteral("offered"), QStringLiteral("offered"),
                                  QStringLiteral("not offered")}));
            // Not offered: greyed and out of reach.
            QVERIFY(!(d.lvSizes->topLevelItem(2)->flags() & Qt::ItemIsEnabled));
            QCOMPARE(d.lvSizes->currentItem(), d.lvSizes->topLevelItem(0));
            d.lvSizes->setFocus();
            QTest::keyClick(d.lvSizes, Qt::Key_Return);
        });
        menu->trigger();
        QVERIFY(shown);
        // As a click in the waveguide list: screen 1, WR-90 chosen, its choices filled.
        QCOMPARE(t.Main->Core().Screen, 1);
        QCOMPARE(ui.cbxWaveguide->ItemIndex(), t.Main->Core().WaveguideIndex);
        QCOMPARE(t.Main->Core()
                     .WaveguideItems()[static_cast<std::size_t>(t.Main->Core().WaveguideIndex)][0],
                 std::string("090"));
        QVERIFY(ui.cbxFlangeA->count() > 0);
        QVERIFY(t.Prompts.Messages.empty());

        // A special-quote size is greyed, can be chosen, and says what a click says.
        test::AnswerNextModal<TfrmFindSize>([&](TfrmFindSize& d) {
            QTest::keyClicks(d.txtFrequency, QStringLiteral("30"));
            QCOMPARE(Column(d.lvSizes, 3), (QStringList{QStringLiteral("special quote"),
                                                        QStringLiteral("special quote")}));
            QTreeWidgetItem* row = d.lvSizes->topLevelItem(1);
            QVERIFY(row->flags() & Qt::ItemIsEnabled);
            QCOMPARE(row->foreground(0).color(),
                     d.palette().color(QPalette::Disabled, QPalette::Text));
            const QRect cell = d.lvSizes->visualItemRect(row);
            QTest::mouseClick(d.lvSizes->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
            QTest::mouseDClick(d.lvSizes->viewport(), Qt::LeftButton, Qt::NoModifier,
                               cell.center());
        });
        menu->trigger();
        QCOMPARE(t.Prompts.Texts("information").size(), std::size_t{1});
        QVERIFY(t.Prompts.Texts("information")[0].rfind("Waveguide size 028 is available", 0) == 0);
        QCOMPARE(t.Main->Core().WaveguideIndex, -1);

        // Closed without a choice: nothing changes.
        t.Main->SetupFromPartNumber("R187PA0125BSG");
        const int chosen = t.Main->Core().WaveguideIndex;
        test::AnswerNextModal<TfrmFindSize>([](TfrmFindSize& d) {
            QTest::keyClicks(d.txtFrequency, QStringLiteral("9"));
            QTest::mouseClick(d.btnClose, Qt::LeftButton);
        });
        menu->trigger();
        QCOMPARE(t.Main->Core().WaveguideIndex, chosen);
    }

    void orderWindowShowsTheTotalAndAddsFromAList() {
        TWindows t;
        TTxtTable& lines = t.Main->Core().OrderLines;
        lines.Lines = {"2|$1,000.50|Stock|R090PA0120ASG|a", "1|N/A|Contact Brenmoor Rep.|X1|b"};
        t.Order->Prepare(lines);
        QCOMPARE(t.Order->lblTotal->text(), QStringLiteral("Total: $1,000.50"));
        QCOMPARE(t.Order->lblToQuote->text(), QStringLiteral("1 lines to quote"));
        QCOMPARE(t.Order->btnAddFromList->text(), QStringLiteral("Add from &List\u2026"));

        // Cancelled: nothing happens.
        QTest::mouseClick(t.Order->btnAddFromList, Qt::LeftButton);
        QCOMPARE(lines.RowCount(), 2);

        t.Folder.Write("list.csv", "Qty,Part\r\n3,R187PA0125BSG\r\n1,ZZZ\r\n");
        t.FileDialogs.OpenAnswers = {t.Folder.Path() + "list.csv"};
        QString report;
        test::AnswerNextModal<TfrmQuoteReport>([&](TfrmQuoteReport& r) {
            QVERIFY(r.memReport->isReadOnly());
            report = r.memReport->toPlainText();
            QTest::mouseClick(r.btnClose, Qt::LeftButton);
        });
        QTest::mouseClick(t.Order->btnAddFromList, Qt::LeftButton);
        QVERIFY2(report.startsWith(QStringLiteral("2\tadded\t3\tR187PA0125BSG\t$")),
                 qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("\n3\tnot recognised\t1\tZZZ\t\t\n")));
        QVERIFY(report.contains(QStringLiteral("\ntotal\t3 lines\t$")));
        QCOMPARE(lines.RowCount(), 3);
        // The grid and the total show the new line.
        QCOMPARE(t.Order->grdOrder->rowCount(), 4);
        QCOMPARE(t.Order->grdOrder->Cell(4, 3), QStringLiteral("R187PA0125BSG"));
        QVERIFY(t.Order->lblTotal->text() != QStringLiteral("Total: $1,000.50"));
        QVERIFY(t.Prompts.Messages.empty());

        // A list that cannot be read is said so, and the order stays.
        t.FileDialogs.OpenAnswers = {t.Folder.Path() + "gone.csv"};
        QTest::mouseClick(t.Order->btnAddFromList, Qt::LeftButton);
        QCOMPARE(lines.RowCount(), 3);
        QCOMPARE(t.Prompts.Texts("error").size(), std::size_t{1});
    }
};

CORVANE_UI_TEST(FindAndListTest)

#include "FindAndListTest.moc"
