#pragma once

#include "catalogue/Services.h"
#include "controls/Form.h"
#include "printing/QtPrintJobs.h"

#include <functional>
#include <string>

class QLabel;
class QPainter;
class QPushButton;
class QRect;
class QStyleOptionViewItem;

namespace cvn {

class TfrmAddOrder;
class TImpGrid;
class TTxtTable;

// "Corvane Order Form": the order list as a grid, with the buttons that change it,
// save it and send a line back to the wizard. Shown modally on the main window's list.
class TfrmOrder : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 700;
    static constexpr int ClientHeight = 417;

    explicit TfrmOrder(TServices services, QWidget* parent = nullptr);

    // Fills the window from the list (used, not copied), as on showing.
    void Prepare(TTxtTable& orderLines);
    // Prepare, then shown modally.
    int Execute(TTxtTable& orderLines);

    // Set by the program entry.
    TfrmAddOrder* frmAddOrder = nullptr;
    std::function<void(const std::string&)> SetupFromPartNumber;
    // Add from List: quotes a list file onto the order and gives the report; false when
    // the file could not be read (the user was told).
    std::function<bool(TTxtTable& orderLines, const std::string& listFile, std::string& report)>
        QuoteListFile;

    QLabel* imgIcon;
    QLabel* lblHeading;
    QLabel* lblCount;
    TImpGrid* grdOrder;
    QPushButton* btnDeleteLineItem;
    QPushButton* btnChangeQty;
    QPushButton* btnClearOrder;
    QPushButton* btnPrint;
    QPushButton* btnSave;
    QPushButton* btnEditPartNumber;
    QPushButton* btnAddFromList;
    QLabel* lblTotal;   // "Total: $SUM" of the priced lines
    QLabel* lblToQuote; // "N lines to quote", when there are any
    QPushButton* btnReturn;

    // Asked before printing; tests answer it themselves.
    TPrintDialog PrintDialog1;

    // The 1-based line selected in the grid (its row); kept between showings.
    int SelectedRow() const { return FSelectedRow; }

    // Draws one cell: its colour, a 3-D frame for data cells, bold centred headers,
    // quantity and price on the right, word-wrapped (inside a word only when it is wider
    // than the cell).
    void grdOrderDrawCell(QPainter* painter, int col, int row, const QRect& rect,
                          const QStyleOptionViewItem& option) const;

public slots:
    void grdOrderSelectCell(int row);
    void btnDeleteLineItemClick();
    void btnChangeQtyClick();
    void btnClearOrderClick();
    void btnPrintClick();
    void btnSaveClick();
    void btnEditPartNumberClick();
    void btnAddFromListClick();
    void btnReturnClick();

protected:
    void showEvent(QShowEvent* event) override;
    // The Delete key in the grid; the grid's visible width changing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillGrid();
    // The description column to the visible width, each line as tall as its texts.
    void FitGrid();
    void ShowSelection();
    void ShowCountAndEditState();
    void ShowTotal();
    bool Handle(const std::function<void()>& handler);

    TServices Services;
    TTxtTable* OrderLines = nullptr;
    int FSelectedRow = 1;
};

} // namespace cvn
