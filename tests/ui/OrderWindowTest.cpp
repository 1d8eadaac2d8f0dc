// A real order through the windows: the main window's Add to Order, the Add to Order
// dialog and the order window, driven by mouse and keyboard; modal windows are
// answered while they are up.

#include "orders/OrderWindow.h"
#include "app/QtServices.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/ImpGrid.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "orders/AddOrderDialog.h"
#include "orders/OrderExport.h"
#include "orders/OrderLines.h"
#include "orders/PriceAndDelivery.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace cvn;

namespace {

using test::PickItem;

// The save dialog answers with the next scripted name and entry; none left: Cancel.
class TScriptedFileDialogs : public TFileDialogs {
public:
    struct TAnswer {
        std::string FileName;
        int Entry;
    };
    std::vector<TAnswer> Answers;
    std::vector<std::string> Filters;

    bool SaveFileName(const std::string&, const std::string& filter, std::string& fileName,
                      int& filterIndex) override {
        Filters.push_back(filter);
        if (Answers.empty()) {
            return false;
        }
        fileName = Answers.front().FileName;
        filterIndex = Answers.front().Entry;
        Answers.erase(Answers.begin());
        return true;
    }
    // The open dialog answers with the next scripted name; none left: Cancel.
    std::vector<std::string> OpenAnswers;
    bool OpenFileName(const std::string&, const std::string&, std::string& fileName) override {
        if (OpenAnswers.empty()) {
            return false;
        }
        fileName = OpenAnswers.front();
        OpenAnswers.erase(OpenAnswers.begin());
        return true;
    }
};

// Runs act as soon as window is the modal window the user sees, then makes sure it
// closes even when a check inside failed.
void WhenShown(QDialog* window, std::function<void()> act) {
    QTimer::singleShot(5, [window, act] {
        if (QApplication::activeModalWidget() != window) {
            WhenShown(window, act);
            return;
        }
        act();
        if (window->isVisible() && QApplication::activeModalWidget() == window) {
            window->reject();
        }
    });
}

struct TOrderUnderTest {
    TOrderUnderTest() {
        Folder.CopySample("Data");
        Folder.CopySample("Images");
        const TServices services{Prompts, Desktop.Launcher, Files, Desktop.Clock};
        Main = std::make_unique<TfrmMain>(services, Folder.Path());
        Order = std::make_unique<TfrmOrder>(services);
        AddOrder = std::make_unique<TfrmAddOrder>(Prompts);
        Main->frmOrder = Order.get();
        Main->frmAddOrder = AddOrder.get();
        Order->frmAddOrder = AddOrder.get();
        Order->SetupFromPartNumber = [this](const std::string& p) { Main->SetupFromPartNumber(p); };
        Main->show();
        QApplication::setActiveWindow(Main.get());
    }

    TTxtTable& Lines() { return Main->Core().OrderLines; }

    // Sets the wizard up from a part number, then Next and Create with the mouse.
    void Compose(const std::string& part) {
        const test::TMainWidgets ui(*Main);
        Main->SetupFromPartNumber(part);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QCOMPARE(ui.txtPartNumber->text(), QStr(part));
    }

    // Add to Order / Check Pricing; act runs in the dialog.
    void AddToOrder(const std::function<void(TfrmAddOrder&)>& act) {
        const test::TMainWidgets ui(*Main);
        WhenShown(AddOrder.get(), [this, act] { act(*AddOrder); });
        QTest::mouseClick(ui.btnAddOrder, Qt::LeftButton);
    }

    // View Order; act runs in the order window.
    void ViewOrder(const std::function<void(TfrmOrder&)>& act) {
        const test::TMainWidgets ui(*Main);
        WhenShown(Order.get(), [this, act] { act(*Order); });
        QTest::mouseClick(ui.btnViewOrder, Qt::LeftButton);
    }

    std::string PriceFor(const std::string& part, int quantity) {
        return PriceAndDeliveryTexts(part, quantity, Prompts).Price;
    }

    test::TTempFolder Folder;
    test::TScriptedPrompts Prompts;
    TScriptedFileDialogs Files;
    TQtServices Desktop;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmOrder> Order;
    std::unique_ptr<TfrmAddOrder> AddOrder;
};

// Types a quantity into the dialog's box as the user does: select all, then digits.
void TypeQuantity(TfrmAddOrder& d, const QString& digits) {
    d.txtQuantity->setFocus();
    QTest::keyClick(d.txtQuantity, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d.txtQuantity, digits);
}

void ClickRow(TfrmOrder& w, int row) {
    const QRect cell = w.grdOrder->visualRect(w.grdOrder->model()->index(row, 4));
    QTest::mouseClick(w.grdOrder->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

const std::string Straight = "R187PA0125BSG";
const std::string Unpainted = "R187PA0125BSN";

} // namespace

class OrderWindowTest : public QObject {
    Q_OBJECT

private slots:
    void addDialogAddsReplacesAndChecksPrices() {
        TOrderUnderTest t;
        t.Compose(Straight);
        t.AddToOrder([&](TfrmAddOrder& d) {
            QCOMPARE(d.btnAdd->text(), QStringLiteral("&Add"));
            QVERIFY(d.lblNote->isVisible());
            QCOMPARE(d.lblNote->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
            QCOMPARE(d.txtQuantity->value(), 1);
            QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.txtQuantity));
            QCOMPARE(d.txtPartNumber->text(), QStr(Straight));
            QCOMPARE(d.txtDescription->toPlainText(), QStr(t.Main->Core().DescribeConfiguration()));
            QCOMPARE(d.txtPrice->text(), QStr(t.PriceFor(Straight, 1)));
            // Every keystroke prices again.
            TypeQuantity(d, QStringLiteral("1"));
            QTest::keyClicks(d.txtQuantity, QStringLiteral("2"));
            QCOMPARE(d.txtPrice->text(), QStr(t.PriceFor(Straight, 12)));
            QTest::keyClick(d.txtQuantity, Qt::Key_Down);
            QCOMPARE(d.txtPrice->text(), QStr(t.PriceFor(Straight, 11)));
            QTest::mouseClick(d.btnAdd, Qt::LeftButton);
        });
        QCOMPARE(t.Lines().RowCount(), 1);
        const std::string description = t.Lines().GetField(0, OrderColumn::Description);
        QCOMPARE(t.Lines().Lines[0], "11|" + t.PriceFor(Straight, 11) + "|" +
                                         t.Lines().GetField(0, OrderColumn::Delivery) + "|" +
                                         Straight + "|" + description);

        t.Compose(Unpainted);
        t.AddToOrder([&](TfrmAddOrder& d) {
            TypeQuantity(d, QStringLiteral("2"));
            QTest::keyClick(d.txtQuantity, Qt::Key_Return); // the default button
        });
        QCOMPARE(t.Lines().RowCount(), 2);

        // The first part again: its line gets the new quantity, not the sum.
        t.Lines().SetField(0, OrderColumn::Description, "as first quoted");
        t.Compose(Straight);
        t.AddToOrder([&](TfrmAddOrder& d) {
            QCOMPARE(d.btnAdd->text(), QStringLiteral("&Continue"));
            QCOMPARE(d.lblNote->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(d.txtQuantity->value(), 11);
            QCOMPARE(d.txtPrice->text(), QStr(t.PriceFor(Straight, 11)));
            TypeQuantity(d, QStringLiteral("4"));
            QTest::mouseClick(d.btnAdd, Qt::LeftButton);
        });
        QCOMPARE(t.Lines().RowCount(), 2);
        QCOMPARE(t.Lines().GetField(0, OrderColumn::Quantity), std::string("4"));
        QCOMPARE(t.Lines().GetField(0, OrderColumn::Price), t.PriceFor(Straight, 4));
        QCOMPARE(t.Lines().GetField(0, OrderColumn::Description), std::string("as first quoted"));

        // Checking a price and cancelling changes nothing, in either mode.
        const TStrings before = t.Lines().Lines;
        for (const std::string& part : {Straight, std::string("R187PA0130BSG")}) {
            t.Compose(part);
            t.AddToOrder([&](TfrmAddOrder& d) {
                TypeQuantity(d, QStringLiteral("99"));
                QTest::mouseClick(d.btnCancel, Qt::LeftButton);
            });
            QCOMPARE(t.Lines().Lines, before);
        }
        QVERIFY(t.Prompts.Messages.empty());

        // The site list written at close holds the order's lines.
        t.Main->close();
        const std::string lom = t.Folder.Read("corvane38.lom");
        QVERIFY(lom.find("1=4|feet|R-000|" + Straight + "|as first quoted|") != std::string::npos);
        QVERIFY(lom.find("2=2|feet|R-000|" + Unpainted + "|") != std::string::npos);
    }

    void orderWindowEditsTheList() {
        TOrderUnderTest t;
        const test::TMainWidgets ui(*t.Main);
        // An empty order: header and one blank row, nothing to edit.
        t.ViewOrder([&](TfrmOrder& w) {
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 0 of 0"));
            QCOMPARE(w.grdOrder->RowCount(), 2);
            QCOMPARE(w.grdOrder->Cell(2, 0), QStringLiteral(" Price "));
            QVERIFY(!w.btnEditPartNumber->isEnabled());
            // An empty order still prints its one page.
            QVERIFY(w.btnPrint->isEnabled());
            QTest::mouseClick(w.btnDeleteLineItem, Qt::LeftButton);
            QTest::mouseClick(w.btnChangeQty, Qt::LeftButton);
            QTest::mouseClick(w.btnReturn, Qt::LeftButton);
        });
        QVERIFY(t.Prompts.Messages.empty());

        for (const std::string& part : {Straight, std::string("ST090A"), Unpainted}) {
            t.Compose(part);
            t.AddToOrder([](TfrmAddOrder& d) { QTest::mouseClick(d.btnAdd, Qt::LeftButton); });
        }
        QCOMPARE(t.Lines().RowCount(), 3);

        t.ViewOrder([&](TfrmOrder& w) {
            QCOMPARE(w.grdOrder->RowCount(), 4);
            QCOMPARE(w.grdOrder->rowHeight(0), 20);
            QCOMPARE(w.grdOrder->rowHeight(1), 45);
            QCOMPARE(w.grdOrder->Cell(4, 2), QStringLiteral("ST090A"));
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 1 of 3"));
            QVERIFY(w.btnEditPartNumber->isEnabled());
            ClickRow(w, 2); // the step-twist
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 2 of 3"));
            QVERIFY(!w.btnEditPartNumber->isEnabled());
            ClickRow(w, 3);
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 3 of 3"));
            QVERIFY(w.btnEditPartNumber->isEnabled());

            // Change Quantity: the framed caption instead of the note, the grid refilled.
            WhenShown(t.AddOrder.get(), [&] {
                TfrmAddOrder& d = *t.AddOrder;
                QVERIFY(!d.lblNote->isVisible());
                QVERIFY(d.lblBorder->isVisible());
                QCOMPARE(d.btnAdd->text(), QStringLiteral("&Continue"));
                TypeQuantity(d, QStringLiteral("6"));
                QTest::mouseClick(d.btnAdd, Qt::LeftButton);
            });
            QTest::mouseClick(w.btnChangeQty, Qt::LeftButton);
            QCOMPARE(w.grdOrder->Cell(1, 3), QStringLiteral("6"));
            QCOMPARE(w.grdOrder->Cell(2, 3), QStr(t.PriceFor(Unpainted, 6)));

            // Delete: No keeps the line, Yes (by the Delete key too) removes it.
            t.Prompts.Answers = {TDialogResult::Cancel};
            QTest::mouseClick(w.btnDeleteLineItem, Qt::LeftButton);
            QCOMPARE(t.Lines().RowCount(), 3);
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 3 of 3"));
            t.Prompts.Answers = {TDialogResult::Continue};
            w.grdOrder->setFocus();
            QTest::keyClick(w.grdOrder, Qt::Key_Delete);
            QCOMPARE(t.Lines().RowCount(), 2);
            QCOMPARE(w.grdOrder->RowCount(), 3);
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 2 of 2"));
            QVERIFY(!w.btnEditPartNumber->isEnabled()); // the step-twist now
            QCOMPARE(t.Prompts.Texts("confirm"),
                     (std::vector<std::string>{"Delete \"" + Unpainted + "\" from your order?",
                                               "Delete \"" + Unpainted + "\" from your order?"}));
            ClickRow(w, 1);
            QTest::mouseClick(w.btnReturn, Qt::LeftButton);
        });
        QVERIFY(!t.Order->isVisible());

        // The selection is kept between showings; Edit Part Number sets the wizard up.
        ui.mnuResetSettings->trigger();
        t.ViewOrder([&](TfrmOrder& w) {
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 1 of 2"));
            QTest::mouseClick(w.btnEditPartNumber, Qt::LeftButton);
        });
        QVERIFY(!t.Order->isVisible());
        QCOMPARE(t.Lines().RowCount(), 2);
        QCOMPARE(t.Main->Core().ProductTypeIndex, FamilyType::Straight);
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QCOMPARE(ui.txtPartNumber->text(), QStr(Straight));

        // Clear: No keeps the order, Yes empties it.
        t.ViewOrder([&](TfrmOrder& w) {
            t.Prompts.Answers = {TDialogResult::Cancel};
            QTest::mouseClick(w.btnClearOrder, Qt::LeftButton);
            QCOMPARE(t.Lines().RowCount(), 2);
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 1 of 2"));
            t.Prompts.Answers = {TDialogResult::Continue};
            QTest::mouseClick(w.btnClearOrder, Qt::LeftButton);
            QCOMPARE(t.Lines().RowCount(), 0);
            QCOMPARE(w.grdOrder->RowCount(), 2);
            QCOMPARE(w.grdOrder->Cell(4, 1), QString());
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 0 of 0"));
            QVERIFY(!w.btnEditPartNumber->isEnabled());
            QTest::mouseClick(w.btnReturn, Qt::LeftButton);
        });
        QCOMPARE(t.Prompts.Texts("confirm").back(),
                 std::string("Doing this will clear you entire order. Continue?"));
    }

    void saveAsWritesEachFormatAndAFailedWriteKeepsTheEarlierFile() {
        TOrderUnderTest t;
        for (const std::string& part : {Straight, Unpainted}) {
            t.Compose(part);
            t.AddToOrder([](TfrmAddOrder& d) { QTest::mouseClick(d.btnAdd, Qt::LeftButton); });
        }
        const std::string path = t.Folder.Path();
        for (int entry = 1; entry <= 3; ++entry) {
            const TOrderFormat& format = OrderFormats()[static_cast<std::size_t>(entry - 1)];
            t.Files.Answers.push_back({path + "mine", entry});
            t.ViewOrder([](TfrmOrder& w) { QTest::mouseClick(w.btnSave, Qt::LeftButton); });
            const std::string written = "mine" + std::string(format.Extension);
            format.Write(t.Lines(), path + "expected");
            QCOMPARE(t.Folder.Read(written), t.Folder.Read("expected"));
        }
        QCOMPARE(t.Files.Filters.front(),
                 std::string("Excel Sheet   (*.xls)|*.xls|Text File   (*.txt)|*.txt|XML File   "
                             "(*.xml)|*.xml"));
        // Cancel in the save dialog writes nothing.
        t.ViewOrder([](TfrmOrder& w) { QTest::mouseClick(w.btnSave, Qt::LeftButton); });
        QVERIFY(t.Prompts.Messages.empty());

        // A write that fails is reported and leaves the earlier file whole.
        const std::string earlier = t.Folder.Read("mine.txt");
        t.Files.Answers.push_back({path + "mine.txt", 1});
        t.Files.Answers.push_back({path + "mine.txt", 2});
        const bool root = ::geteuid() == 0;
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        if (root) {
            // A read-only folder does not stop root: a file-size limit does.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit tiny = limit;
            tiny.rlim_cur = 16;
            ::setrlimit(RLIMIT_FSIZE, &tiny);
        } else {
            ::chmod(path.c_str(), 0555);
        }
        t.ViewOrder([](TfrmOrder& w) {
            QTest::mouseClick(w.btnSave, Qt::LeftButton);
            QTest::mouseClick(w.btnSave, Qt::LeftButton);
        });
        if (root) {
            ::setrlimit(RLIMIT_FSIZE, &limit);
        } else {
            ::chmod(path.c_str(), 0755);
        }
        QCOMPARE(t.Prompts.Texts("error"),
                 (std::vector<std::string>{"Cannot create file " + path + "mine.txt.xls",
                                           "Cannot create file " + path + "mine.txt"}));
        QCOMPARE(t.Folder.Read("mine.txt"), earlier);
        QVERIFY(!t.Folder.Exists("mine.txt.xls"));
    }
};

CORVANE_UI_TEST(OrderWindowTest)

#include "OrderWindowTest.moc"
