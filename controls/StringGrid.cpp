#include "controls/StringGrid.h"

#include <QHeaderView>

namespace cvn {

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableWidget(rowCount, colCount, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
}

void TStringGrid::SetRowCount(int value) {
    setRowCount(value);
    PaintFixedCells();
}

QString TStringGrid::Cell(int col, int row) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= columnCount() || row < 0 || row >= rowCount()) {
        return;
    }
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        if (col < FFixedCols || row < FFixedRows) {
            cell->setBackground(palette().color(QPalette::Button));
        }
        setItem(row, col, cell);
    }
    cell->setText(text);
    // Headers such as " Quantity" are spaced for the eye; a screen reader reads the words.
    const QString spoken = text.simplified();
    cell->setData(Qt::AccessibleTextRole, spoken == text ? QVariant() : QVariant(spoken));
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

void TStringGrid::SetFixed(int cols, int rows) {
    FFixedCols = cols;
    FFixedRows = rows;
    PaintFixedCells();
}

void TStringGrid::ClearSelection() {
    clearSelection();
    setCurrentItem(nullptr);
}

void TStringGrid::PaintFixedCells() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col) {
            if (col < FFixedCols || row < FFixedRows) {
                QTableWidgetItem* cell = item(row, col);
                if (!cell) {
                    cell = new QTableWidgetItem;
                    setItem(row, col, cell);
                }
                cell->setBackground(palette().color(QPalette::Button));
            }
        }
    }
}

void ClearGridCells(TStringGrid& grid) {
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
            grid.SetCell(col, row, QString());
        }
    }
}

} // namespace cvn
