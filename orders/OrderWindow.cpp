#include "orders/OrderWindow.h"

#include "catalogue/RunHandler.h"
#include "catalogue/TxtTable.h"
#include "controls/Accessible.h"
#include "controls/CoreText.h"
#include "controls/ImpGrid.h"
#include "controls/Pictures.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "orders/AddOrderDialog.h"
#include "orders/OrderExport.h"
#include "orders/OrderLines.h"
#include "orders/OrderTotal.h"
#include "orders/QuoteReportWindow.h"
#include "printing/QtPrintJobs.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTextOption>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace cvn {

namespace {

constexpr int HeaderRowHeight = 20;
constexpr int LineRowHeight = 45;
// Wide enough for "$85,799,142.00" (99999 of the dearest part) on one line; the
// catalogue's 76 pixels cut its "$" off.
constexpr int PriceColumnWidth = 84;
// The frame and inset around a line cell's text, on each side.
constexpr int CellTextMargin = 3;
// The description never narrows below this, whatever the scroll bar takes.
constexpr int MinDescriptionWidth = 120;

// Lines are broken between words, and inside a word only when it is wider than the
// cell: no text is ever cut.
QTextOption CellTextOption(Qt::Alignment alignment) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// The height of text laid out as the cells lay it out, in lines at most width wide.
int WrappedHeight(const QFont& font, const QString& text, int width) {
    QTextLayout layout(text, font);
    layout.setTextOption(CellTextOption(Qt::AlignLeft));
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(height));
}

// Hands the painting of every grid cell to the window's draw handler.
class TOrderCellDelegate : public QStyledItemDelegate {
public:
    TOrderCellDelegate(const TfrmOrder* window, QObject* parent)
        : QStyledItemDelegate(parent), Window(window) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        Window->grdOrderDrawCell(painter, index.column(), index.row(), option.rect, option);
        painter->restore();
    }

private:
    const TfrmOrder* Window;
};

} // namespace

TfrmOrder::TfrmOrder(TServices services, QWidget* parent)
    : TForm(QStringLiteral("Corvane Order Form"), ClientWidth, ClientHeight, parent),
      Services(services) {
    setObjectName(QStringLiteral("frmOrder"));
    setWindowIcon(ProgramIcon());

    imgIcon = Place<QLabel>(this, "imgIcon", 8, 8, 32, 32);
    imgIcon->setPixmap(ProgramIconPixmap(32));
    lblHeading = PlaceLabel(this, "lblHeading", QStringLiteral("Corvane Order Form"), 48, 12);
    lblHeading->setFont(TahomaFont(18, true));
    QPalette headingPal = lblHeading->palette();
    headingPal.setColor(QPalette::WindowText, Navy());
    lblHeading->setPalette(headingPal);
    lblHeading->adjustSize();
    lblCount = Place<QLabel>(this, "lblCount", 385, 24, 200, 16);
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    grdOrder = new TImpGrid(6, 2, this);
    grdOrder->setObjectName(QStringLiteral("grdOrder"));
    grdOrder->setGeometry(8, 48, 577, 337);
    grdOrder->SetHeaderCol({QString(), QStringLiteral(" Quantity"), QStringLiteral(" Price "),
                            QStringLiteral(" Delivery Time"), QStringLiteral(" Part Number"),
                            QStringLiteral(" Description")});
    grdOrder->SetColWidth({QStringLiteral("20"), QStringLiteral("60"),
                           QString::number(PriceColumnWidth), QStringLiteral("88"),
                           QStringLiteral("108"), QStringLiteral("221")});
    grdOrder->SetDefaultRowHeight(LineRowHeight);
    grdOrder->setRowHeight(0, HeaderRowHeight);
    grdOrder->setShowGrid(false);
    grdOrder->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdOrder->setSelectionMode(QAbstractItemView::SingleSelection);
    grdOrder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdOrder->setItemDelegate(new TOrderCellDelegate(this, grdOrder));
    grdOrder->installEventFilter(this);
    grdOrder->viewport()->installEventFilter(this);
    NameAfter(grdOrder, QStringLiteral("Order"));

    const int x = 593;
    btnDeleteLineItem =
        PlaceButton(this, "btnDeleteLineItem", QStringLiteral("&Delete Line Item"), x, 48, 99);
    btnChangeQty = PlaceButton(this, "btnChangeQty", QStringLiteral("&Change Quantity"), x, 79, 99);
    btnClearOrder = PlaceButton(this, "btnClearOrder", QStringLiteral("Clear &Order"), x, 110, 99);
    btnPrint = PlaceButton(this, "btnPrint", QStringLiteral("&Print"), x, 156, 99);
    PrintDialog1 = SystemPrintDialog(this);
    btnSave = PlaceButton(this, "btnSave", QStringLiteral("&Save As..."), x, 187, 99);
    btnEditPartNumber =
        PlaceButton(this, "btnEditPartNumber", QStringLiteral("&Edit Part Number"), x, 233, 99);
    btnAddFromList =
        PlaceButton(this, "btnAddFromList", QStringLiteral("Add from &List\u2026"), x, 264, 99);
    btnReturn = PlaceButton(this, "btnReturn", QStringLiteral("C&lose"), x, 384, 99);
    lblTotal = Place<QLabel>(this, "lblTotal", 8, 391, 283, 18);
    lblToQuote = Place<QLabel>(this, "lblToQuote", 302, 391, 283, 18);
    lblToQuote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(grdOrder, &QTableWidget::currentCellChanged, this,
            [this](int row) { grdOrderSelectCell(row); });
    connect(btnDeleteLineItem, &QPushButton::clicked, this, &TfrmOrder::btnDeleteLineItemClick);
    connect(btnChangeQty, &QPushButton::clicked, this, &TfrmOrder::btnChangeQtyClick);
    connect(btnClearOrder, &QPushButton::clicked, this, &TfrmOrder::btnClearOrderClick);
    connect(btnSave, &QPushButton::clicked, this, &TfrmOrder::btnSaveClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmOrder::btnPrintClick);
    connect(btnEditPartNumber, &QPushButton::clicked, this, &TfrmOrder::btnEditPartNumberClick);
    connect(btnAddFromList, &QPushButton::clicked, this, &TfrmOrder::btnAddFromListClick);
    connect(btnReturn, &QPushButton::clicked, this, &TfrmOrder::btnReturnClick);
}

bool TfrmOrder::Handle(const std::function<void()>& handler) {
    return RunHandler(Services.Prompts, handler);
}

void TfrmOrder::Prepare(TTxtTable& orderLines) {
    OrderLines = &orderLines;
    FillGrid();
    ShowCountAndEditState();
}

int TfrmOrder::Execute(TTxtTable& orderLines) {
    Prepare(orderLines);
    return exec();
}

void TfrmOrder::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    grdOrder->setFocus();
}

void TfrmOrder::FillGrid() {
    const QSignalBlocker block(grdOrder);
    ClearGridCells(*grdOrder);
    grdOrder->SetRowCount(OrderGridRowCount(*OrderLines));
    grdOrder->setRowHeight(0, HeaderRowHeight);
    for (int line = 0; line < OrderLines->RowCount(); ++line) {
        for (int col = OrderColumn::Quantity; col <= OrderColumn::Description; ++col) {
            grdOrder->SetCell(col, line + 1, QStr(OrderLines->GetField(line, col)));
        }
    }
    ShowSelection();
    FitGrid();
    ShowTotal();
}

void TfrmOrder::FitGrid() {
    // The description takes what the other columns leave of the visible width, so that
    // the vertical scroll bar, once there are more lines than fit, covers none of it.
    int others = 0;
    for (int col = 0; col < OrderColumn::Description; ++col) {
        others += grdOrder->columnWidth(col);
    }
    const int description = std::max(MinDescriptionWidth, grdOrder->viewport()->width() - others);
    if (grdOrder->columnWidth(OrderColumn::Description) != description) {
        grdOrder->setColumnWidth(OrderColumn::Description, description);
    }
    // A line is as tall as its most wrapped cell needs, never lower than usual.
    for (int row = 1; row < grdOrder->RowCount(); ++row) {
        int height = LineRowHeight;
        for (int col = OrderColumn::Quantity; col <= OrderColumn::Description; ++col) {
            const int width = grdOrder->columnWidth(col) - 2 * CellTextMargin;
            height =
                std::max(height, WrappedHeight(grdOrder->font(), grdOrder->Cell(col, row), width) +
                                     2 * CellTextMargin);
        }
        if (grdOrder->rowHeight(row) != height) {
            grdOrder->setRowHeight(row, height);
        }
    }
}

void TfrmOrder::ShowTotal() {
    lblTotal->clear();
    lblToQuote->clear();
    Handle([&] {
        const TOrderTotal total = OrderTotal(*OrderLines);
        lblTotal->setText(QStr(TotalText(total)));
        if (total.ToQuote > 0) {
            lblToQuote->setText(QStr(ToQuoteText(total)));
        }
    });
}

void TfrmOrder::ShowSelection() {
    // The selection stays on its line, or the last one when the list got shorter.
    FSelectedRow = std::clamp(FSelectedRow, 1, grdOrder->RowCount() - 1);
    const QSignalBlocker block(grdOrder);
    grdOrder->setCurrentCell(FSelectedRow, 1);
    grdOrder->selectRow(FSelectedRow);
}

void TfrmOrder::ShowCountAndEditState() {
    lblCount->setText(QStr(OrderCountText(*OrderLines, FSelectedRow)));
    bool editable = false;
    Handle([&] { editable = CanEditPartNumber(*OrderLines, FSelectedRow - 1, Services.Prompts); });
    btnEditPartNumber->setEnabled(editable);
}

void TfrmOrder::grdOrderSelectCell(int row) {
    if (!OrderLines) {
        return;
    }
    if (row < 1) {
        // The header row is not a line.
        ShowSelection();
        return;
    }
    FSelectedRow = row;
    ShowCountAndEditState();
}

bool TfrmOrder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdOrder->viewport() && event->type() == QEvent::Resize) {
        FitGrid();
        // Once more when the grid's layout has settled: showing the scroll bar narrows
        // the visible width again without always saying so here.
        QTimer::singleShot(0, this, &TfrmOrder::FitGrid);
        return false;
    }
    if (watched == grdOrder && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        btnDeleteLineItemClick();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TfrmOrder::btnDeleteLineItemClick() {
    if (!OrderLines || OrderLines->RowCount() == 0) {
        return;
    }
    const int line = FSelectedRow - 1;
    if (Services.Prompts.YesNo(DeleteLineQuestion(*OrderLines, line))) {
        OrderLines->Lines.erase(OrderLines->Lines.begin() + line);
        FillGrid();
    }
    ShowCountAndEditState();
}

void TfrmOrder::btnChangeQtyClick() {
    if (!OrderLines || OrderLines->RowCount() == 0 || !frmAddOrder) {
        return;
    }
    TOrder order;
    if (!Handle([&] { order = OrderOfLine(*OrderLines, FSelectedRow - 1); })) {
        return;
    }
    frmAddOrder->Execute(*OrderLines, order, false);
    FillGrid();
    ShowCountAndEditState();
}

void TfrmOrder::btnClearOrderClick() {
    if (OrderLines && Services.Prompts.YesNo(kClearOrderQuestion)) {
        OrderLines->Lines.clear();
        FillGrid();
    }
    ShowCountAndEditState();
}

void TfrmOrder::btnPrintClick() {
    if (OrderLines) {
        Handle([&] { PrintOrderWithDialog(PrintDialog1, *OrderLines); });
    }
}

void TfrmOrder::btnSaveClick() {
    if (!OrderLines) {
        return;
    }
    std::string fileName;
    int entry = 1;
    if (!Services.FileDialogs.SaveFileName("Save As", SaveOrderFilter(), fileName, entry)) {
        return;
    }
    Handle([&] { SaveOrderAs(*OrderLines, fileName, entry); });
}

void TfrmOrder::btnEditPartNumberClick() {
    if (!OrderLines || !btnEditPartNumber->isEnabled()) {
        return;
    }
    TOrder order;
    if (!Handle([&] { order = OrderOfLine(*OrderLines, FSelectedRow - 1); })) {
        return;
    }
    if (SetupFromPartNumber) {
        SetupFromPartNumber(order.PartNumber);
    }
    accept();
}

void TfrmOrder::btnAddFromListClick() {
    if (!OrderLines || !QuoteListFile) {
        return;
    }
    std::string fileName;
    if (!Services.FileDialogs.OpenFileName("Add from List", QuoteListFilter, fileName)) {
        return;
    }
    std::string report;
    bool quoted = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Handle([&] { quoted = QuoteListFile(*OrderLines, fileName, report); });
    QApplication::restoreOverrideCursor();
    if (quoted) {
        TfrmQuoteReport window(report, this);
        window.exec();
    }
    FillGrid();
    ShowCountAndEditState();
}

void TfrmOrder::btnReturnClick() {
    accept();
}

void TfrmOrder::grdOrderDrawCell(QPainter* painter, int col, int row, const QRect& rect,
                                 const QStyleOptionViewItem& option) const {
    const bool fixed = col < grdOrder->FixedCols() || row < grdOrder->FixedRows();
    const QPalette& pal = grdOrder->palette();
    QColor background = pal.color(QPalette::Base);
    QColor text = pal.color(QPalette::Text);
    if (fixed) {
        background = pal.color(QPalette::Button);
        text = pal.color(QPalette::ButtonText);
    } else if (option.state & QStyle::State_Selected) {
        background = pal.color(QPalette::Highlight);
        text = pal.color(QPalette::HighlightedText);
    }
    painter->fillRect(rect, background);
    QRect inner = rect;
    if (!fixed) {
        // A one-pixel raised frame inside the cell: the grid draws no lines of its own.
        const QRect frame = rect.adjusted(0, 0, -1, -1);
        painter->setPen(Qt::white);
        painter->drawLine(frame.topLeft(), frame.topRight());
        painter->drawLine(frame.topLeft(), frame.bottomLeft());
        painter->setPen(QColor(192, 192, 192));
        painter->drawLine(frame.bottomLeft(), frame.bottomRight());
        painter->drawLine(frame.topRight(), frame.bottomRight());
        inner = rect.adjusted(1, 1, -1, -1);
    }
    inner.adjust(2, 2, -2, -2);
    QFont font = grdOrder->font();
    font.setBold(row == 0);
    painter->setFont(font);
    painter->setPen(text);
    const QString cell = grdOrder->Cell(col, row);
    if (row == 0) {
        painter->drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, cell);
        return;
    }
    const bool number = col == OrderColumn::Quantity || col == OrderColumn::Price;
    painter->drawText(QRectF(inner), cell,
                      CellTextOption((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop));
}

} // namespace cvn
