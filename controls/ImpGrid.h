#pragma once

#include "controls/StringGrid.h"

#include <QStringList>

namespace cvn {

// A grid whose header texts and column widths are given as lists. Assigning a list
// applies it at once; Loaded applies all three after the grid has been set up.
class TImpGrid : public TStringGrid {
    Q_OBJECT

public:
    TImpGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    // Row 0, one entry per column from column 0.
    const QStringList& HeaderCol() const { return FHeaderCol; }
    void SetHeaderCol(const QStringList& value);
    // Column 0, one entry per row from row 1.
    const QStringList& HeaderRow() const { return FHeaderRow; }
    void SetHeaderRow(const QStringList& value);
    // Column widths in pixels, as decimal texts, from column 0. An entry that is not a
    // whole number raises EConvertError; the columns before it keep their new width.
    const QStringList& ColWidth() const { return FColWidth; }
    void SetColWidth(const QStringList& value);

    void Loaded();

private:
    void ApplyHeaderCol();
    void ApplyHeaderRow();
    void ApplyColWidth();

    QStringList FHeaderCol;
    QStringList FHeaderRow;
    QStringList FColWidth;
};

} // namespace cvn
