// Texts the user must read, measured against the room their windows give them: the
// longest the sample catalogue produces must be readable in full.

#include "catalogue/TableColumns.h"
#include "controls/CoreText.h"
#include "controls/ImpGrid.h"
#include "controls/ProgramFonts.h"
#include "controls/StringGrid.h"
#include "orders/OrderWindow.h"
#include "orders/PriceAndDelivery.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/SampleProgram.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/Main.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyleOptionButton>

#include <optional>

using namespace cvn;

namespace {

// Fails the test, naming the text, when needed exceeds room.
#define QFITS(text, needed, room)                                                                  \
    QVERIFY2(                                                                                      \
        (needed) <= (room),                                                                        \
        qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room)))

} // namespace

class TextsFitTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // The windows are laid out for the program's own font.
        RegisterProgramFonts();
        Main = &Program.emplace().Main();
        Main->show();
    }
    void cleanup() { Program.reset(); }

    // Each text column of the closed lists, every family's items: the cell less its
    // 2-pixel insets, cut where the box's item area ends.
    void closedListsShowTheWholeTextOfEveryItem() {
        const test::TMainWidgets ui(*Main);
        for (int family = 0; family < ui.cbxProductType->count(); ++family) {
            test::PickItem(ui.cbxProductType, family);
            for (TMultiColumnCombo* list :
                 {ui.cbxProductType, ui.cbxWaveguide, ui.cbxFlangeA, ui.cbxFlangeB, ui.cbxCoax}) {
                const QRect area = list->ClosedItemRect();
                int x = area.left();
                for (int col = 0; col < list->Columns().Count() && x <= area.right(); ++col) {
                    const int width = list->Columns()[col].Width();
                    const bool last = col + 1 == list->Columns().Count();
                    const int room =
                        (last ? area.right() + 1 : std::min(x + width, area.right() + 1)) - x - 4;
                    for (int item = 0; item < list->count(); ++item) {
                        const QString text = list->ColumnText(item, col);
                        QFITS(text, list->fontMetrics().horizontalAdvance(text), room);
                    }
                    x += width;
                }
            }
        }
    }

    // Each frequency choice shows its whole caption, VSWR figure included, inside the
    // frequency box; the description grid beside it shows each value whole on its rows
    // of the design's 15 px.
    void frequencyCaptionsAndTheDescriptionAreReadableInFull() {
        const test::TMainWidgets ui(*Main);
        const TStringGrid* grdSpecs = test::Find<TStringGrid>(Main, "grdSpecs");
        for (const char* part :
             {"C075ANAG", "T075ABG", "F075PA0240AA", "R137MA0302AAG", "R159PA0120AAG"}) {
            Main->SetupFromPartNumber(part);
            QVERIFY2(!ui.FrequencyChoices().empty(), part);
            for (TCVNRadioButton* button : ui.FrequencyChoices()) {
                QVERIFY(button->text().endsWith(QStringLiteral(" / VSWR: ") + button->FreqVSWR));
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const QRect text = button->style()->subElementRect(QStyle::SE_RadioButtonContents,
                                                                   &option, button);
                QFITS(button->text(), button->fontMetrics().horizontalAdvance(button->text()),
                      text.width());
                QVERIFY2(button->geometry().right() < ui.rgFrequency->width() - 2, part);
            }
            const QFontMetrics metrics(grdSpecs->font());
            QVERIFY(grdSpecs->RowCount() > 0);
            for (int row = 0; row < grdSpecs->RowCount(); ++row) {
                QCOMPARE(grdSpecs->rowHeight(row), 15);
                QVERIFY(metrics.height() <= 15);
                for (int col = 0; col < grdSpecs->ColCount(); ++col) {
                    const QString text = grdSpecs->Cell(col, row);
                    QFITS(text, metrics.horizontalAdvance(text), grdSpecs->columnWidth(col));
                }
            }
        }
        QVERIFY(Program->Prompts.Messages.empty());
    }

    // The dearest part 99999 times, the longest descriptions, more lines than the grid
    // shows at once: every cell's text fits its cell, with the scroll bar beside the
    // description rather than over it.
    void orderGridShowsEveryTextInFull() {
        TTxtTable lines;
        for (const char* part :
             {"ST284A", "T075ABG", "C075ANAG", "F075PA0240AA", "R137MA0302AAG", "R159PA0120AAG",
              "N137PA065C240AG", "M137MA165B610SG", "R187PA0125BSG"}) {
            Program->Compose(part);
            const TPriceTexts texts = PriceAndDeliveryTexts(part, 99999, Program->Prompts);
            lines.Lines.push_back("99999|" + texts.Price + "|" + texts.Delivery + "|" + part + "|" +
                                  Main->Core().DescribeConfiguration());
        }
        TfrmOrder order(Program->Services());
        order.Prepare(lines);
        order.show();
        QVERIFY(QTest::qWaitForWindowExposed(&order));
        TImpGrid* grid = order.grdOrder;
        QVERIFY(grid->verticalScrollBar()->isVisible());
        // Readable to its right edge, with no gap of more than a pixel or two beside it.
        const int right = grid->columnViewportPosition(OrderColumn::Description) +
                          grid->columnWidth(OrderColumn::Description);
        QFITS(QStringLiteral("Description"), right, grid->viewport()->width());
        QVERIFY(right >= grid->viewport()->width() - 2);
        QFont bold = grid->font();
        bold.setBold(true);
        const QFontMetrics metrics(grid->font());
        for (int col = OrderColumn::Quantity; col <= OrderColumn::Description; ++col) {
            // Header cells: two pixels inside; line cells: a frame and two pixels.
            const QString caption = grid->Cell(col, 0);
            QFITS(caption, QFontMetrics(bold).horizontalAdvance(caption),
                  grid->columnWidth(col) - 4);
            const int room = grid->columnWidth(col) - 6;
            const bool wraps = col == OrderColumn::Delivery || col == OrderColumn::Description;
            for (int row = 1; row < grid->RowCount(); ++row) {
                const QString text = grid->Cell(col, row);
                QVERIFY(!text.isEmpty());
                for (const QString& word :
                     wraps ? text.split(QLatin1Char(' ')) : QStringList{text}) {
                    QFITS(word, metrics.horizontalAdvance(word), room);
                }
                const int height =
                    metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, text).height();
                QFITS(text, height, grid->rowHeight(row) - 6);
            }
        }
        // Create may ask for a confirmation (the tapered transition); nothing is reported.
        QCOMPARE(Program->Prompts.Texts("error").size() +
                     Program->Prompts.Texts("information").size(),
                 std::size_t{0});
    }

    // The open length list: rows taller than the font, so neighbouring lengths do not
    // touch, and each length as wide as its row allows.
    void lengthListRowsAreTallerThanTheirText() {
        const test::TMainWidgets ui(*Main);
        for (const char* part : {"R187PA0125BSG", "N137PA065C240AG"}) {
            Main->SetupFromPartNumber(part);
            for (TCVNComboBox* list : {ui.cbxLength, ui.cbxLegALength}) {
                if (!list->isVisibleTo(Main) || list->count() == 0) {
                    continue;
                }
                list->showPopup();
                const QFontMetrics metrics(list->view()->font());
                for (int row = 0; row < list->count(); ++row) {
                    const QRect rect = list->view()->visualRect(list->model()->index(row, 0));
                    QFITS(list->itemText(row), std::max(16, metrics.height() + 3), rect.height());
                    QFITS(list->itemText(row), metrics.horizontalAdvance(list->itemText(row)),
                          rect.width() - 4);
                }
                list->hidePopup();
            }
        }
        QVERIFY(Program->Prompts.Messages.empty());
    }

private:
    std::optional<test::TSampleProgram> Program;
    TfrmMain* Main = nullptr;
};

CORVANE_UI_TEST(TextsFitTest)

#include "TextsFitTest.moc"
