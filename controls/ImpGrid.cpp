#include "controls/ImpGrid.h"

#include "catalogue/Encoding.h"
#include "catalogue/TextUtils.h"

namespace cvn {

TImpGrid::TImpGrid(int colCount, int rowCount, QWidget* parent)
    : TStringGrid(colCount, rowCount, parent) {
    SetFixed(1, 1);
}

void TImpGrid::SetHeaderCol(const QStringList& value) {
    FHeaderCol = value;
    ApplyHeaderCol();
    viewport()->update();
}

void TImpGrid::SetHeaderRow(const QStringList& value) {
    FHeaderRow = value;
    ApplyHeaderRow();
    viewport()->update();
}

void TImpGrid::SetColWidth(const QStringList& value) {
    FColWidth = value;
    ApplyColWidth();
    viewport()->update();
}

void TImpGrid::Loaded() {
    ApplyHeaderCol();
    ApplyHeaderRow();
    ApplyColWidth();
}

void TImpGrid::ApplyHeaderCol() {
    for (int col = 0; col < ColCount(); ++col) {
        SetCell(col, 0, col < FHeaderCol.size() ? FHeaderCol[col] : QString());
    }
}

void TImpGrid::ApplyHeaderRow() {
    for (int row = 1; row < RowCount(); ++row) {
        SetCell(0, row, row - 1 < FHeaderRow.size() ? FHeaderRow[row - 1] : QString());
    }
}

void TImpGrid::ApplyColWidth() {
    for (int col = 0; col < ColCount() && col < FColWidth.size(); ++col) {
        TStringGrid::SetColWidth(col, StrToInt(Utf8ToWin1252(FColWidth[col].toStdString())));
    }
}

} // namespace cvn
