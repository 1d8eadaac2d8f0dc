#pragma once

#include <QString>
#include <QTableWidget>

namespace cvn {

// A grid of text cells addressed (column, row), like the catalogue's tables drawn on
// screen: no header bars, fixed row height, the first FixedCols columns and FixedRows
// rows drawn in the button colour.
class TStringGrid : public QTableWidget {
    Q_OBJECT

public:
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const { return columnCount(); }
    int RowCount() const { return rowCount(); }
    void SetRowCount(int value);
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    void SetDefaultRowHeight(int height);
    void SetFixed(int cols, int rows);
    int FixedCols() const { return FFixedCols; }
    int FixedRows() const { return FFixedRows; }
    // No highlighted cell.
    void ClearSelection();

private:
    void PaintFixedCells();

    int FFixedCols = 0;
    int FFixedRows = 0;
};

// Empties every cell that is not fixed.
void ClearGridCells(TStringGrid& grid);

} // namespace cvn
