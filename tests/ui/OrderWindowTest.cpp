// The order through its windows: the main window's Add to Order, the Add to Order dialog
// and the order window, driven by mouse and keyboard. The order's rules are the core's;
// the order workflow as a user meets it is the end-to-end suite's.

#include "orders/OrderWindow.h"
#include "controls/CoreText.h"
#include "controls/ImpGrid.h"
#include "controls/SpinEdit.h"
#include "orders/AddOrderDialog.h"
#include "orders/OrderExport.h"
#include "orders/PriceAndDelivery.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/NextModal.h"
#include "tests/support/ui/SampleProgram.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>

#include <functional>
#include <memory>

using namespace cvn;

namespace {

// The main window with the order window and the Add to Order dialog wired to it, as
// the program creates them.
struct TOrderUnderTest : test::TSampleProgram {
    TOrderUnderTest() {
        Order = std::make_unique<TfrmOrder>(Services());
        AddOrder = std::make_unique<TfrmAddOrder>(Prompts);
        Main().frmOrder = Order.get();
        Main().frmAddOrder = AddOrder.get();
        Order->frmAddOrder = AddOrder.get();
        Order->SetupFromPartNumber = [this](const std::string& p) {
            Main().SetupFromPartNumber(p);
        };
        Main().show();
        QApplication::setActiveWindow(&Main());
    }

    TTxtTable& Lines() { return Main().Core().OrderLines; }

    // Add to Order / Check Pricing for part; act runs in the dialog. View Order; act runs
    // in the order window.
    void AddToOrder(const std::string& part, const std::function<void(TfrmAddOrder&)>& act) {
        Compose(part);
        test::AnswerNextModal<TfrmAddOrder>(act);
        QTest::mouseClick(test::TMainWidgets(Main()).btnAddOrder, Qt::LeftButton);
    }

    void ViewOrder(const std::function<void(TfrmOrder&)>& act) {
        test::AnswerNextModal<TfrmOrder>(act);
        QTest::mouseClick(test::TMainWidgets(Main()).btnViewOrder, Qt::LeftButton);
    }

    std::string PriceFor(const std::string& part, int quantity) {
        return PriceAndDeliveryTexts(part, quantity, Prompts).Price;
    }

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

void Add(TfrmAddOrder& d) {
    QTest::mouseClick(d.btnAdd, Qt::LeftButton);
}

const std::string Straight = "R187PA0125BSG";

} // namespace

class OrderWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A new part and a part already ordered: the dialog shows the part, its price at
    // every keystroke and which of the two it is; Cancel closes it and stores nothing.
    void addDialogShowsThePartAndItsPriceAsTyped() {
        TOrderUnderTest t;
        for (const bool ordered : {false, true}) {
            t.AddToOrder(Straight, [&](TfrmAddOrder& d) {
                QCOMPARE(d.btnAdd->text(), ordered ? QStringLiteral("&Continue") : "&Add");
                QVERIFY(d.lblNote->isVisible());
                QCOMPARE(d.lblNote->palette().color(QPalette::WindowText),
                         ordered ? QColor(Qt::red) : QColor(0, 0, 0x80));
                QCOMPARE(d.txtQuantity->value(), ordered ? 11 : 1);
                QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.txtQuantity));
                QCOMPARE(d.txtPartNumber->text(), QStr(Straight));
                QCOMPARE(d.txtDescription->toPlainText(),
                         QStr(t.Main().Core().DescribeConfiguration()));
                TypeQuantity(d, QStringLiteral("1"));
                QTest::keyClicks(d.txtQuantity, QStringLiteral("2"));
                QCOMPARE(d.txtPrice->text(), QStr(t.PriceFor(Straight, 12)));
                QTest::keyClick(d.txtQuantity, Qt::Key_Down);
                QCOMPARE(d.txtPrice->text(), QStr(t.PriceFor(Straight, 11)));
                if (ordered) {
                    QTest::mouseClick(d.btnCancel, Qt::LeftButton);
                    QVERIFY(!d.isVisible());
                } else {
                    QTest::keyClick(d.txtQuantity, Qt::Key_Return); // the default button
                }
            });
        }
        QCOMPARE(t.Lines().GetField(0, OrderColumn::Quantity), std::string("11"));
        QCOMPARE(t.Lines().GetField(0, OrderColumn::Price), t.PriceFor(Straight, 11));
        QVERIFY(t.Prompts.Messages.empty());
    }

    // An emptied box or 0 is no quantity: no price, and neither Add nor Enter stores it;
    // the box gets back the quantity it held when the user steps from it.
    void addDialogStoresOnlyTheQuantityItShows() {
        const std::tuple<const char*, Qt::Key, const char*> cases[] = {
            {"0", Qt::Key_unknown, "0"},     {"", Qt::Key_unknown, ""},
            {"007", Qt::Key_unknown, "007"}, {"0", Qt::Key_Up, "10000"},
            {"", Qt::Key_Tab, "10000"},
        };
        for (const auto& [typed, then, shown] : cases) {
            TOrderUnderTest t;
            const int quantity = QString::fromLatin1(shown).toInt();
            t.AddToOrder(Straight, [&](TfrmAddOrder& d) {
                QVERIFY(QTest::qWaitForWindowActive(&d));
                TypeQuantity(d, QStringLiteral("10000"));
                TypeQuantity(d, QString::fromLatin1(typed));
                if (!*typed) {
                    QTest::keyClick(d.txtQuantity, Qt::Key_Delete);
                }
                if (then != Qt::Key_unknown) {
                    QTest::keyClick(d.txtQuantity, then);
                }
                QCOMPARE(d.txtQuantity->text(), QString::fromLatin1(shown));
                QCOMPARE(d.btnAdd->isEnabled(), quantity > 0);
                QCOMPARE(d.txtPrice->text(), quantity ? QStr(t.PriceFor(Straight, quantity)) : "");
                QTest::keyClick(d.txtQuantity, Qt::Key_Return);
                Add(d);
                QVERIFY2(d.isVisible() == !quantity, shown);
                d.reject();
            });
            QCOMPARE(t.Lines().RowCount(), quantity > 0 ? 1 : 0);
            QVERIFY(!quantity ||
                    t.Lines().GetField(0, OrderColumn::Quantity) == std::to_string(quantity));
        }
    }

    // What the grid, the count and the buttons show as lines are chosen and deleted.
    void orderWindowShowsTheOrderAndWhatCanBeDoneWithTheLine() {
        TOrderUnderTest t;
        t.ViewOrder([&](TfrmOrder& w) {
            // An empty order: header and one blank row, nothing to edit; it still prints.
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 0 of 0"));
            QCOMPARE(w.grdOrder->RowCount(), 2);
            QCOMPARE(w.grdOrder->Cell(2, 0), QStringLiteral(" Price "));
            QVERIFY(!w.btnEditPartNumber->isEnabled() && w.btnPrint->isEnabled());
            QTest::mouseClick(w.btnDeleteLineItem, Qt::LeftButton);
            QTest::mouseClick(w.btnReturn, Qt::LeftButton);
        });
        for (const char* part : {"R187PA0125BSG", "ST090A", "R187PA0125BSN"}) {
            t.AddToOrder(part, Add);
        }
        t.ViewOrder([&](TfrmOrder& w) {
            QCOMPARE(w.grdOrder->RowCount(), 4);
            QCOMPARE(w.grdOrder->rowHeight(0), 20);
            QCOMPARE(w.grdOrder->rowHeight(1), 45);
            QCOMPARE(w.grdOrder->Cell(4, 2), QStringLiteral("ST090A"));
            // A step-twist cannot be set up in the wizard.
            for (const auto& [row, editable] : {std::pair{2, false}, std::pair{3, true}}) {
                ClickRow(w, row);
                QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - %1 of 3").arg(row));
                QCOMPARE(w.btnEditPartNumber->isEnabled(), editable);
            }
            t.Prompts.Answers = {TDialogResult::Continue};
            w.grdOrder->setFocus();
            QTest::keyClick(w.grdOrder, Qt::Key_Delete);
            QCOMPARE(w.grdOrder->RowCount(), 3);
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 2 of 2"));
            // Clear Order answered No keeps every line (Yes is the end-to-end suite's).
            t.Prompts.Answers = {TDialogResult::Cancel};
            QTest::mouseClick(w.btnClearOrder, Qt::LeftButton);
            QCOMPARE(w.grdOrder->RowCount(), 3);
            QCOMPARE(t.Lines().RowCount(), 2);
            ClickRow(w, 1);
            QTest::mouseClick(w.btnReturn, Qt::LeftButton);
        });
        QVERIFY(!t.Order->isVisible());
        // The selection is kept between showings; Edit Part Number sets the wizard up.
        t.Main().Core().ProductTypeIndex = -1;
        t.ViewOrder([&](TfrmOrder& w) {
            QCOMPARE(w.lblCount->text(), QStringLiteral("Orders - 1 of 2"));
            QTest::mouseClick(w.btnEditPartNumber, Qt::LeftButton);
        });
        QVERIFY(!t.Order->isVisible());
        QCOMPARE(t.Main().Core().ProductTypeIndex, FamilyType::Straight);
    }

    // Save As writes the type chosen in the dialog; a target it cannot write is said so.
    void saveAsWritesTheChosenTypeAndSaysWhenItCannot() {
        TOrderUnderTest t;
        t.AddToOrder(Straight, Add);
        const std::string path = t.Folder.Path();
        QVERIFY(QDir().mkpath(QString::fromStdString(path + "taken.txt")));
        t.FileDialogs.Answers = {{path + "mine", 3}, {path + "taken.txt", 2}};
        t.ViewOrder([](TfrmOrder& w) {
            for (int i = 0; i < 3; ++i) { // the last one cancelled
                QTest::mouseClick(w.btnSave, Qt::LeftButton);
            }
        });
        OrderFormats()[2].Write(t.Lines(), path + "expected");
        QCOMPARE(t.Folder.Read("mine.xml"), t.Folder.Read("expected"));
        QCOMPARE(t.FileDialogs.Filters.front(),
                 std::string("Excel Sheet   (*.xls)|*.xls|Text File   (*.txt)|*.txt|XML File   "
                             "(*.xml)|*.xml"));
        QCOMPARE(t.Prompts.Texts("error"),
                 std::vector<std::string>{"Cannot create file " + path + "taken.txt"});
    }
};

CORVANE_UI_TEST(OrderWindowTest)

#include "OrderWindowTest.moc"
