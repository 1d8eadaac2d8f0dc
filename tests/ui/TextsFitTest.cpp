// Texts the user must read, measured against the room their windows give them: the
// longest the sample catalogue produces must be readable in full.

#include "app/QtServices.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "controls/CoreText.h"
#include "controls/ImpGrid.h"
#include "controls/ProgramFonts.h"
#include "controls/StringGrid.h"
#include "orders/OrderWindow.h"
#include "orders/PriceAndDelivery.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyleOptionButton>

#include <memory>

using namespace cvn;

namespace {

struct TWindow {
    TWindow() {
        Main = &Program.Main();
        Main->show();
        QApplication::setActiveWindow(Main);
    }

    // The order line Add to Order would write for part at quantity.
    std::string OrderLine(const std::string& part, int quantity) {
        Main->SetupFromPartNumber(part);
        Main->btnNextClick();
        Main->btnCreateClick();
        if (Main->Core().PartNumber != part) {
            return "not composed: " + part;
        }
        const TPriceTexts texts = PriceAndDeliveryTexts(part, quantity, Prompts);
        return std::to_string(quantity) + "|" + texts.Price + "|" + texts.Delivery + "|" + part +
               "|" + Main->Core().DescribeConfiguration();
    }

    test::TSampleProgram Program;
    test::TScriptedPrompts& Prompts = Program.Prompts;
    TfrmMain* Main = nullptr;
};

QByteArray Measured(const QString& text, int needed, int room) {
    return (QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room)).toUtf8();
}

} // namespace

class TextsFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The windows are laid out for the program's own font.
        RegisterProgramFonts();
        QCOMPARE(QFontInfo(TahomaFont(Points8)).family(), QStringLiteral("Tahoma"));
    }

    // Each frequency choice shows its whole caption, VSWR figure included, inside the
    // frequency box; so does the description grid.
    void frequencyCaptionsAreReadableInFull() {
        TWindow t;
        const test::TMainWidgets ui(*t.Main);
        const TStringGrid* grdSpecs = test::Find<TStringGrid>(t.Main, "grdSpecs");
        for (const char* part :
             {"C075ANAG", "T075ABG", "F075PA0240AA", "R137MA0302AAG", "R159PA0120AAG"}) {
            t.Main->SetupFromPartNumber(part);
            const std::vector<TCVNRadioButton*> choices = ui.FrequencyChoices();
            QVERIFY2(!choices.empty(), part);
            for (TCVNRadioButton* button : choices) {
                QVERIFY(button->text().endsWith(QStringLiteral(" / VSWR: ") + button->FreqVSWR));
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const QRect text = button->style()->subElementRect(QStyle::SE_RadioButtonContents,
                                                                   &option, button);
                const int needed = button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(needed <= text.width(), Measured(button->text(), needed, text.width()));
                QVERIFY2(button->geometry().right() < ui.rgFrequency->width() - 2, part);
            }
            // The description grid beside them, frequency row included, shows each
            // value whole (a cut one ends in "..."), on its rows of the design's 15 px.
            const QFontMetrics metrics(grdSpecs->font());
            bool frequencyRow = false;
            for (int row = 0; row < grdSpecs->RowCount(); ++row) {
                QCOMPARE(grdSpecs->rowHeight(row), 15);
                QVERIFY(metrics.height() <= grdSpecs->rowHeight(row));
                frequencyRow |= grdSpecs->Cell(2, row) == QStringLiteral("Frequency");
                for (int col = 0; col < grdSpecs->ColCount(); ++col) {
                    const QString text = grdSpecs->Cell(col, row);
                    const int room = grdSpecs->columnWidth(col);
                    QVERIFY2(metrics.horizontalAdvance(text) <= room,
                             Measured(text, metrics.horizontalAdvance(text), room));
                }
            }
            QVERIFY2(frequencyRow, part);
        }
        QVERIFY(t.Prompts.Messages.empty());
    }

    // The dearest part 99999 times, the longest descriptions, more lines than the grid
    // shows at once: every cell's text fits its cell, with the scroll bar beside the
    // description rather than over it.
    void orderGridShowsEveryTextInFull() {
        TWindow t;
        TTxtTable lines;
        for (const char* part :
             {"ST284A", "T075ABG", "C075ANAG", "F075PA0240AA", "R137MA0302AAG", "R159PA0120AAG",
              "N137PA065C240AG", "M137MA165B610SG", "R187PA0125BSG"}) {
            lines.Lines.push_back(t.OrderLine(part, 99999));
            QVERIFY2(lines.Lines.back().rfind("99999|", 0) == 0, lines.Lines.back().c_str());
        }
        QCOMPARE(lines.GetField(0, OrderColumn::Price), std::string("$85,799,142.00"));
        TfrmOrder order(t.Program.Services());
        order.Prepare(lines);
        order.show();
        QVERIFY(QTest::qWaitForWindowExposed(&order));
        TImpGrid* grid = order.grdOrder;
        QCOMPARE(grid->RowCount(), 10);
        QVERIFY(grid->verticalScrollBar()->isVisible());
        const int descriptionRight = grid->columnViewportPosition(OrderColumn::Description) +
                                     grid->columnWidth(OrderColumn::Description);
        // Readable to its right edge, with no gap of more than a pixel or two beside it.
        QVERIFY(descriptionRight >= grid->viewport()->width() - 2);
        QVERIFY2(
            descriptionRight <= grid->viewport()->width(),
            Measured(QStringLiteral("Description"), descriptionRight, grid->viewport()->width()));

        QFont bold = grid->font();
        bold.setBold(true);
        const QFontMetrics header(bold);
        const QFontMetrics metrics(grid->font());
        for (int col = OrderColumn::Quantity; col <= OrderColumn::Description; ++col) {
            // Header cells: two pixels inside; line cells: a frame and two pixels.
            const int headerRoom = grid->columnWidth(col) - 4;
            const QString caption = grid->Cell(col, 0);
            QVERIFY2(header.horizontalAdvance(caption) <= headerRoom,
                     Measured(caption, header.horizontalAdvance(caption), headerRoom));
            const int room = grid->columnWidth(col) - 6;
            for (int row = 1; row < grid->RowCount(); ++row) {
                const QString text = grid->Cell(col, row);
                QVERIFY(!text.isEmpty());
                if (col != OrderColumn::Delivery && col != OrderColumn::Description) {
                    // A number or a part number on one line.
                    QVERIFY2(metrics.horizontalAdvance(text) <= room,
                             Measured(text, metrics.horizontalAdvance(text), room));
                    continue;
                }
                for (const QString& word : text.split(QLatin1Char(' '))) {
                    QVERIFY2(metrics.horizontalAdvance(word) <= room,
                             Measured(word, metrics.horizontalAdvance(word), room));
                }
                const int height =
                    metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, text).height();
                QVERIFY2(height <= grid->rowHeight(row) - 6,
                         Measured(text, height, grid->rowHeight(row) - 6) + " high");
            }
        }
        // Create may ask for a confirmation (the tapered transition); nothing is reported.
        QCOMPARE(t.Prompts.Texts("error"), std::vector<std::string>{});
        QCOMPARE(t.Prompts.Texts("information"), std::vector<std::string>{});
    }

    // The open length list: rows taller than the font, so neighbouring lengths do not
    // touch, and each length as wide as its row allows.
    void lengthListRowsAreTallerThanTheirText() {
        TWindow t;
        const test::TMainWidgets ui(*t.Main);
        for (const char* part : {"R187PA0125BSG", "N137PA065C240AG"}) {
            t.Main->SetupFromPartNumber(part);
            for (TCVNComboBox* list : {ui.cbxLength, ui.cbxLegALength}) {
                if (!list->isVisibleTo(t.Main) || list->count() == 0) {
                    continue;
                }
                list->showPopup();
                QAbstractItemView* view = list->view();
                const QFontMetrics metrics(view->font());
                for (int row = 0; row < list->count(); ++row) {
                    const QRect rect = view->visualRect(list->model()->index(row, 0));
                    QVERIFY2(rect.height() >= std::max(16, metrics.height() + 3),
                             Measured(list->itemText(row), metrics.height(), rect.height()));
                    QVERIFY(metrics.horizontalAdvance(list->itemText(row)) <= rect.width() - 4);
                }
                list->hidePopup();
            }
        }
        QVERIFY(t.Prompts.Messages.empty());
    }
};

CORVANE_UI_TEST(TextsFitTest)

#include "TextsFitTest.moc"
